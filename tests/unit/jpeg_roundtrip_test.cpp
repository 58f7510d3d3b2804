// Our JPEG encoder against an independent decoder (libjpeg): the files it
// writes are read without a complaint, at full resolution in every colour
// component, and a picture of small text comes back close enough to read.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "imaging/core/bmp.h"
#include "imaging/core/jpeg_encoder.h"

namespace {

struct Decoded {
    int width = 0, height = 0, components = 0;
    std::vector<int> sampling;  // h * 10 + v per component
    std::vector<std::uint8_t> rgb;
    std::string warning;
};

void ThrowOnError(j_common_ptr info) {
    char text[JMSG_LENGTH_MAX];
    (*info->err->format_message)(info, text);
    throw std::runtime_error(text);
}

Decoded DecodeWithLibjpeg(const imaging::core::ByteSet& file) {
    jpeg_decompress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    errors.error_exit = ThrowOnError;
    Decoded d;
    jpeg_create_decompress(&info);
    try {
        jpeg_mem_src(&info, file.data(), static_cast<unsigned long>(file.size()));
        jpeg_read_header(&info, TRUE);
        for (int c = 0; c < info.num_components; ++c) {
            d.sampling.push_back(info.comp_info[c].h_samp_factor * 10 + info.comp_info[c].v_samp_factor);
        }
        info.out_color_space = JCS_RGB;
        jpeg_start_decompress(&info);
        d.width = static_cast<int>(info.output_width);
        d.height = static_cast<int>(info.output_height);
        d.components = info.num_components;
        d.rgb.resize(static_cast<std::size_t>(d.width) * d.height * 3);
        while (info.output_scanline < info.output_height) {
            JSAMPROW row = d.rgb.data() + static_cast<std::size_t>(info.output_scanline) * d.width * 3;
            jpeg_read_scanlines(&info, &row, 1);
        }
        jpeg_finish_decompress(&info);
        if (errors.num_warnings > 0) d.warning = "libjpeg warned " + std::to_string(errors.num_warnings) + " times";
    } catch (...) {
        jpeg_destroy_decompress(&info);
        throw;
    }
    jpeg_destroy_decompress(&info);
    return d;
}

// Dark strokes one pixel wide on white, in cells the size of small text,
// and a few coloured ones: what a screenshot of a dialog holds.
base::Colour TextPixel(int x, int y) {
    const int cellX = x / 7, cellY = y / 13, inX = x % 7, inY = y % 13;
    if (inX == 6 || inY >= 10) return base::Rgb(255, 255, 255);  // between letters and lines
    const unsigned seed = static_cast<unsigned>(cellX * 7919 + cellY * 104729);
    const bool stroke = ((seed >> (inY % 5)) & 1) ? inX == static_cast<int>(seed % 5) : inY == static_cast<int>(seed % 9);
    if (!stroke) return base::Rgb(255, 255, 255);
    return cellY % 4 == 3 ? base::Rgb(200, 30, 30) : base::Rgb(20, 20, 60);
}

TEST(JpegEncoder, AnIndependentDecoderReadsItsFilesAndTheTextStaysReadable) {
    constexpr int kWidth = 301, kHeight = 181;  // not multiples of 8: the edge blocks too
    const imaging::core::ByteSet bmp = imaging::core::MakeBmp24(kWidth, kHeight, TextPixel);
    const imaging::core::ByteSet jpeg = imaging::core::EncodeJpeg(bmp, 95);
    ASSERT_FALSE(jpeg.empty());
    const Decoded back = DecodeWithLibjpeg(jpeg);
    EXPECT_EQ(back.warning, "");
    ASSERT_EQ(back.width, kWidth);
    ASSERT_EQ(back.height, kHeight);
    EXPECT_EQ(back.components, 3);
    EXPECT_EQ(back.sampling, (std::vector<int>{11, 11, 11}));  // no colour subsampling
    int beyond = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const base::Colour c = TextPixel(x, y);
            const std::uint8_t* got = back.rgb.data() + (static_cast<std::size_t>(y) * kWidth + x) * 3;
            const int want[3] = {base::RedOf(c), base::GreenOf(c), base::BlueOf(c)};
            bool off = false;
            for (int k = 0; k < 3; ++k) off = off || std::abs(want[k] - got[k]) > 255 * 12 / 100;
            beyond += off;
        }
    }
    // The bound of the screenshot test under Wine: fewer than 1 in 100.
    EXPECT_LT(beyond, kWidth * kHeight / 100) << beyond << " pixels beyond 12 %";

    // The lowest quality still makes a file the decoder reads; a byte set
    // that is no 24-bit picture makes none.
    EXPECT_EQ(DecodeWithLibjpeg(imaging::core::EncodeJpeg(bmp, 1)).width, kWidth);
    EXPECT_TRUE(imaging::core::EncodeJpeg(imaging::core::ByteSet{'B', 'M'}, 95).empty());
}

}  // namespace
