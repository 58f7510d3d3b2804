// BMP byte sets: complete BMP file images held in memory (14-byte "BM" file
// header, 40-byte info header, bottom-up pixel rows padded to 4 bytes). The
// window and screen grabs travel in this form and are written to files and
// to the clipboard as they are.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "base/canvas.h"

namespace imaging::core {

using ByteSet = std::vector<std::uint8_t>;

// Bytes in one pixel row of a 24-bit image, padded to a multiple of 4.
int Bmp24RowStride(int width);

// Builds a 24-bit BMP of width x height whose pixel (x, y), y counted from the
// top, is pixel(x, y).
ByteSet MakeBmp24(int width, int height, const std::function<base::Colour(int x, int y)>& pixel);

struct BmpInfo {
    int width = 0;
    int height = 0;  // positive: rows stored bottom-up
    int bitsPerPixel = 0;
    std::uint32_t pixelOffset = 0;
};
// Reads the headers; false when the bytes are not a BMP image this program
// can read (too short, no "BM", sizes that do not fit the byte count).
bool ReadBmpInfo(const ByteSet& bytes, BmpInfo& info);

// Colour of pixel (x, y), y from the top, of a 24-bit BMP; 0 when outside.
base::Colour Bmp24Pixel(const ByteSet& bytes, int x, int y);

// The packed device-independent bitmap of a BMP file image (what the
// clipboard's CF_DIB holds): the file without its 14-byte file header.
// Empty for an unreadable image, or one whose pixels do not follow its
// header and colour table directly (a packed bitmap has no room for a gap).
ByteSet PackedDib(const ByteSet& bmp);

// Whether every pixel of a 16-, 24- or 32-bit BMP has the same value (the
// row padding aside); false for anything else, and for an unreadable image.
bool BmpIsOneColour(const ByteSet& bytes);

// The largest width or height this program reads or makes: far beyond any
// virtual screen, small enough that no size computed from it overflows.
inline constexpr int kMaxBmpSide = 1 << 15;

// A complete BMP file image around pixel rows already in BMP order
// (bottom-up, each row padded to 4 bytes) of the given bit depth (16, 24 or
// 32, no colour table); empty when the sizes are absurd or the rows are not
// exactly width x height of that depth.
ByteSet MakeBmp(int width, int height, int bitsPerPixel, const std::uint8_t* rows, std::size_t rowBytes);

// The 24-bit image enlarged (or shrunk) to sx percent across and sy percent
// down (0 means 100), nearest neighbour: target pixel (x, y) is source pixel
// (x * 100 / sx, y * 100 / sy), so 500 % turns each pixel into a 5 x 5
// block. Empty for anything that is not a readable 24-bit BMP, for negative
// scales, and for results wider or higher than kMaxBmpSide.
ByteSet ZoomBmp24(const ByteSet& bytes, int sxPercent, int syPercent);

}  // namespace imaging::core
