// Image files from BMP byte sets: the content is what the name says, and a
// PNG decodes back to the very pixels.
#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <cstdlib>
#include <fstream>
#include <string>

#include "imaging/core/bmp.h"
#include "imaging/image_file.h"
#include "win/scoped.h"
#include "win/wide_text.h"

namespace {

imaging::core::ByteSet Pattern(int width, int height) {
    return imaging::core::MakeBmp24(width, height, [](int x, int y) { return base::Rgb(x * 2, y * 5, (x ^ y) & 255); });
}

// Width, height and the pixels (BGR, top-down) the system's decoder reads.
struct Decoded {
    UINT width = 0, height = 0;
    std::vector<BYTE> pixels;
};
Decoded Decode(const imaging::core::ByteSet& file) {
    Decoded d;
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IWICImagingFactory* factory = nullptr;
    IWICStream* stream = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory))) &&
        SUCCEEDED(factory->CreateStream(&stream)) &&
        SUCCEEDED(stream->InitializeFromMemory(const_cast<BYTE*>(file.data()), static_cast<DWORD>(file.size()))) &&
        SUCCEEDED(factory->CreateDecoderFromStream(stream, nullptr, WICDecodeMetadataCacheOnDemand, &decoder)) &&
        SUCCEEDED(decoder->GetFrame(0, &frame)) && SUCCEEDED(frame->GetSize(&d.width, &d.height)) &&
        SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
        SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat24bppBGR, WICBitmapDitherTypeNone, nullptr, 0,
                                        WICBitmapPaletteTypeCustom))) {
        d.pixels.resize(static_cast<std::size_t>(d.width) * 3 * d.height);
        if (FAILED(converter->CopyPixels(nullptr, d.width * 3, static_cast<UINT>(d.pixels.size()), d.pixels.data()))) {
            d.pixels.clear();
        }
    }
    for (IUnknown* u : std::initializer_list<IUnknown*>{converter, frame, decoder, stream, factory}) {
        if (u) u->Release();
    }
    CoUninitialize();
    return d;
}

TEST(ImageFile, PngAndJpegAreWhatTheirNamesSayAndDecodeToTheImage) {
    const imaging::core::ByteSet bmp = Pattern(120, 45);
    const imaging::core::ByteSet png = imaging::EncodeImage(bmp, imaging::core::ImageFormat::Png);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::string(png.begin(), png.begin() + 8), "\x89PNG\r\n\x1a\n");
    const Decoded p = Decode(png);
    ASSERT_EQ(p.width, 120u);
    ASSERT_EQ(p.height, 45u);
    ASSERT_FALSE(p.pixels.empty());
    for (int y = 0; y < 45; y += 11) {
        for (int x = 0; x < 120; x += 13) {
            const base::Colour c = imaging::core::Bmp24Pixel(bmp, x, y);
            const BYTE* bgr = &p.pixels[(static_cast<std::size_t>(y) * 120 + x) * 3];
            EXPECT_EQ(base::Rgb(bgr[2], bgr[1], bgr[0]), c) << x << "," << y;
        }
    }
    const imaging::core::ByteSet jpeg = imaging::EncodeImage(bmp, imaging::core::ImageFormat::Jpeg);
    ASSERT_GT(jpeg.size(), 3u);
    EXPECT_EQ(jpeg[0], 0xFF);
    EXPECT_EQ(jpeg[1], 0xD8);
    const Decoded j = Decode(jpeg);
    EXPECT_EQ(j.width, 120u);
    EXPECT_EQ(j.height, 45u);
    EXPECT_EQ(imaging::EncodeImage(bmp, imaging::core::ImageFormat::Bmp), bmp);
    // Not an image: nothing.
    EXPECT_TRUE(imaging::EncodeImage(imaging::core::ByteSet{'B', 'M', 1, 2}, imaging::core::ImageFormat::Png).empty());
}

TEST(ImageFile, SavingWritesTheEncodedBytesAndAFailedSaveLeavesTheOldFile) {
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"tavrin_image_test.png";
    DeleteFileW(path.c_str());
    const imaging::core::ByteSet bmp = Pattern(30, 20);
    ASSERT_TRUE(imaging::SaveImageFile(bmp, path, imaging::core::ImageFormat::Png));
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    const imaging::core::ByteSet written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    EXPECT_EQ(written, imaging::EncodeImage(bmp, imaging::core::ImageFormat::Png));
    EXPECT_FALSE(imaging::SaveImageFile(imaging::core::ByteSet{1, 2, 3}, path, imaging::core::ImageFormat::Png));
    std::ifstream again(std::filesystem::path(path), std::ios::binary);
    EXPECT_EQ(imaging::core::ByteSet((std::istreambuf_iterator<char>(again)), std::istreambuf_iterator<char>()), written);
    again.close();
    DeleteFileW(path.c_str());
}

}  // namespace

namespace {

// A 300 x 180 picture of dark text lines on white, as a screenshot of
// program text is.
imaging::core::ByteSet TextPicture() {
    constexpr int kWidth = 300, kHeight = 180;
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, kWidth, kHeight, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const win::OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win::MemoryDC dc;
    EXPECT_TRUE(dc.Select(bitmap.Get()));
    const RECT all = {0, 0, kWidth, kHeight};
    FillRect(dc.Get(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const win::OwnedFont font(CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY,
                                           0, L"Tahoma"));
    SelectObject(dc.Get(), font.Get());
    SetTextColor(dc.Get(), RGB(20, 20, 60));
    for (int line = 0; line * 15 < kHeight; ++line) {
        const std::wstring text = L"hwnd=0x" + std::to_wstring(1000 + line * 37) + L" class=Edit id=" +
                                  std::to_wstring(line) + L" WM_SETTEXT 0123456789";
        TextOutW(dc.Get(), 2, line * 15, text.c_str(), static_cast<int>(text.size()));
    }
    GdiFlush();
    const auto stride = static_cast<std::size_t>(imaging::core::Bmp24RowStride(kWidth));
    return imaging::core::MakeBmp(kWidth, kHeight, 24, static_cast<const std::uint8_t*>(bits), stride * kHeight);
}

// A screenshot saved as JPEG keeps its text readable: hardly a pixel moves
// by more than 12 % in any channel (the encoder's default quality smears a
// twentieth of them).
TEST(ImageFile, AJpegOfTextKeepsTheTextReadable) {
    const imaging::core::ByteSet bmp = TextPicture();
    const imaging::core::ByteSet jpeg = imaging::EncodeImage(bmp, imaging::core::ImageFormat::Jpeg);
    const Decoded back = Decode(jpeg);
    ASSERT_EQ(back.width, 300u);
    ASSERT_EQ(back.height, 180u);
    imaging::core::BmpInfo info;
    ASSERT_TRUE(imaging::core::ReadBmpInfo(bmp, info));
    const auto stride = static_cast<std::size_t>(imaging::core::Bmp24RowStride(info.width));
    int beyond = 0;
    for (int y = 0; y < info.height; ++y) {
        const BYTE* source = bmp.data() + info.pixelOffset + stride * static_cast<std::size_t>(info.height - 1 - y);
        const BYTE* decoded = back.pixels.data() + static_cast<std::size_t>(y) * back.width * 3;
        for (int x = 0; x < info.width * 3; x += 3) {
            bool off = false;
            for (int k = 0; k < 3; ++k) off = off || std::abs(source[x + k] - decoded[x + k]) > 255 * 12 / 100;
            beyond += off;
        }
    }
    const int pixels = info.width * info.height;
    std::printf("JPEG of text: %d of %d pixels beyond 12 %%, %zu bytes\n", beyond, pixels, jpeg.size());
    EXPECT_LT(beyond, pixels / 100);
}

}  // namespace
