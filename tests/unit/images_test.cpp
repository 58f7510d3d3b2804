// The pictures the program draws by code: the magnifier's colour chart, the
// palette squares, the cursors, the icon, and the BMP byte sets they travel in.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "app/core/program_images.h"
#include "colour/core/palette.h"
#include "colour/core/palette_picture.h"
#include "colour/core/pen_colours.h"
#include "imaging/core/bmp.h"
#include "imaging/core/icon_file.h"

namespace {

using namespace app::core;
using namespace base;
using namespace colour::core;
using namespace imaging::core;
namespace {

TEST(Bmp, BuildsAndReadsBack24BitImages) {
    const ByteSet bmp = MakeBmp24(5, 3, [](int x, int y) { return Rgb(x * 10, y * 20, 7); });
    ASSERT_EQ(bmp.size(), 54u + 16u * 3u);  // 5 pixels = 15 bytes, padded to 16
    BmpInfo info;
    ASSERT_TRUE(ReadBmpInfo(bmp, info));
    EXPECT_EQ(info.width, 5);
    EXPECT_EQ(info.height, 3);
    EXPECT_EQ(info.bitsPerPixel, 24);
    EXPECT_EQ(Bmp24Pixel(bmp, 4, 0), Rgb(40, 0, 7));
    EXPECT_EQ(Bmp24Pixel(bmp, 2, 2), Rgb(20, 40, 7));
    // Bottom-up rows: the first stored row is the image's last one.
    EXPECT_EQ(bmp[54 + 1], 40);
    EXPECT_EQ(Bmp24Pixel(bmp, 5, 0), 0u);
}

TEST(Bmp, RejectsBytesThatAreNotAnImage) {
    BmpInfo info;
    ByteSet bmp = MakeBmp24(4, 4, [](int, int) { return 0u; });
    EXPECT_FALSE(ReadBmpInfo(ByteSet(bmp.begin(), bmp.begin() + 53), info));
    ByteSet truncated(bmp.begin(), bmp.end() - 1);
    EXPECT_FALSE(ReadBmpInfo(truncated, info));
    bmp[0] = 'X';
    EXPECT_FALSE(ReadBmpInfo(bmp, info));
    EXPECT_FALSE(ReadBmpInfo(ByteSet{}, info));
}

// The clipboard's packed bitmap is the file without its file header, and
// only where the pixels follow the header directly.
TEST(Bmp, PackedDibIsTheFileWithoutItsFileHeader) {
    const ByteSet bmp = MakeBmp24(3, 2, [](int x, int y) { return Rgb(x, y, 9); });
    const ByteSet dib = PackedDib(bmp);
    ASSERT_EQ(dib.size(), bmp.size() - 14);
    EXPECT_TRUE(std::equal(dib.begin(), dib.end(), bmp.begin() + 14));
    ByteSet gap = bmp;
    gap[10] = 58;  // pixels said to start four bytes later
    gap.insert(gap.begin() + 54, 4, 0);
    EXPECT_TRUE(PackedDib(gap).empty());
    EXPECT_TRUE(PackedDib(ByteSet{}).empty());
}

// A window picture of one colour all over counts as not drawn: every
// pixel is compared, the last one too, and row padding is not a pixel.
TEST(Bmp, TellsAPictureOfOneColour) {
    ByteSet plain = MakeBmp24(5, 3, [](int, int) { return Rgb(0, 0, 0); });
    for (int row = 0; row < 3; ++row) plain[54 + 16 * row + 15] = 0xAB;  // padding
    EXPECT_TRUE(BmpIsOneColour(plain));
    const ByteSet lastDiffers = MakeBmp24(5, 3, [](int x, int y) { return x == 4 && y == 0 ? Rgb(0, 0, 1) : 0u; });
    EXPECT_FALSE(BmpIsOneColour(lastDiffers));
    const ByteSet firstDiffers = MakeBmp24(5, 3, [](int x, int y) { return x == 0 && y == 2 ? Rgb(9, 0, 0) : 0u; });
    EXPECT_FALSE(BmpIsOneColour(firstDiffers));
    const std::uint8_t rows16[] = {1, 2, 1, 2, 1, 2, 1, 2};  // 3 x 2 at 16 bits, rows padded to 8 bytes
    EXPECT_TRUE(BmpIsOneColour(MakeBmp(3, 1, 16, rows16, 8)));
    const std::uint8_t rows32[] = {1, 2, 3, 4, 1, 2, 3, 5};
    EXPECT_FALSE(BmpIsOneColour(MakeBmp(2, 1, 32, rows32, 8)));
    EXPECT_FALSE(BmpIsOneColour(ByteSet{}));
}

TEST(PalettePicture, IsA258SquareHueSaturationChart) {
    const ByteSet& bmp = PalettePictureBmp();
    EXPECT_EQ(bmp.size(), 200262u);
    BmpInfo info;
    ASSERT_TRUE(ReadBmpInfo(bmp, info));
    EXPECT_EQ(info.width, 258);
    EXPECT_EQ(info.height, 258);
    EXPECT_EQ(Bmp24Pixel(bmp, 0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(Bmp24Pixel(bmp, 0, 257), Rgb(129, 125, 125));
    // Hue across: green at a third of the width, blue at two thirds.
    const Colour third = Bmp24Pixel(bmp, 86, 0), twoThirds = Bmp24Pixel(bmp, 172, 0);
    EXPECT_EQ(GreenOf(third), 255);
    EXPECT_LT(RedOf(third), 10);
    EXPECT_EQ(BlueOf(twoThirds), 255);
    EXPECT_LT(GreenOf(twoThirds), 10);
    // Lightness one half everywhere: the brightest and darkest channels
    // always average to about 127.
    for (int y = 0; y < 258; y += 17) {
        for (int x = 0; x < 258; x += 13) {
            const Colour c = PalettePictureColour(x, y);
            const int hi = std::max({RedOf(c), GreenOf(c), BlueOf(c)});
            const int lo = std::min({RedOf(c), GreenOf(c), BlueOf(c)});
            EXPECT_NEAR((hi + lo) / 2.0, 127.5, 1.0) << x << "," << y;
        }
    }
}

TEST(Palette, SquaresFitTheBoardWithRoomBetweenThem) {
    for (int r = 0; r < kPaletteRows; ++r) {
        for (int c = 0; c < kPaletteColumns; ++c) {
            const SquareRect s = PaletteSquare(c, r);
            EXPECT_EQ(s.right - s.left, 14);
            EXPECT_LE(s.right, 160);
            EXPECT_LE(s.bottom, 84);
            if (c > 0) {
                EXPECT_GT(s.left, PaletteSquare(c - 1, r).right);
            }
            // No square is drawn in the outline colour, or it could not be picked.
            EXPECT_NE(PaletteColour(c, r), kPaletteOutline);
        }
    }
    EXPECT_EQ(PaletteColour(1, 0), Rgb(0, 0, 128));
    EXPECT_EQ(PaletteColour(7, 1), Rgb(255, 255, 255));
}

TEST(PenColours, CycleStartsAtMagentaAndReturnsAfterSix) {
    int index = 0;
    index = NextPenColourIndex(index);
    EXPECT_EQ(index, 1);
    EXPECT_EQ(PenColourOfIndex(index), 0xFF00FFu);
    std::vector<Colour> seen;
    for (int i = 0; i < 6; ++i) {
        seen.push_back(PenColourOfIndex(index));
        index = NextPenColourIndex(index);
    }
    EXPECT_EQ(index, 1);
    EXPECT_EQ(seen, (std::vector<Colour>{0xFF00FF, 0x0000FF, 0xFF0090, 0x008000, 0xFFFF00, 0xFF0000}));
}

TEST(ProgramImages, CursorsAre32SquareWithTheirTipAtTheHotSpot) {
    for (const Image32& cursor : {FinderCursorImage(), HandCursorImage(), SelectionStartCursorImage(),
                                  SelectionInsideCursorImage(), SelectionOutsideCursorImage()}) {
        ASSERT_EQ(cursor.width, 32);
        ASSERT_EQ(cursor.height, 32);
        // The hot spot is (0, 0): the pointing tip must be drawn within a
        // pixel of it, and nothing may lie left of or above it.
        EXPECT_TRUE(Image32::Opaque(cursor.At(0, 0)) || Image32::Opaque(cursor.At(1, 0)));
        int opaque = 0;
        for (std::uint32_t p : cursor.argb) opaque += Image32::Opaque(p);
        EXPECT_GT(opaque, 60);
    }
}

// The capture's outside and start cursors are black and white (they can be
// two-colour cursors); the inside one is in colour.
TEST(ProgramImages, CaptureCursorsAreTwoColourOrTrueColourAsTheirUseWants) {
    auto colours = [](const Image32& image) {
        std::set<std::uint32_t> seen;
        for (std::uint32_t p : image.argb) {
            if (Image32::Opaque(p)) seen.insert(p);
        }
        return seen;
    };
    for (const Image32& cursor : {SelectionStartCursorImage(), SelectionOutsideCursorImage()}) {
        for (std::uint32_t c : colours(cursor)) EXPECT_TRUE(c == 0xFF000000u || c == 0xFFFFFFFFu) << std::hex << c;
    }
    EXPECT_GT(colours(SelectionInsideCursorImage()).size(), 10u);
}

TEST(ProgramImages, IconIsOpaqueInTheMiddleAndClearInTheCorners) {
    for (int size : {16, 32, 48}) {
        const Image32 icon = ProgramIconImage(size);
        ASSERT_EQ(icon.width, size);
        EXPECT_LT(icon.At(0, 0) >> 24, 64u) << size;  // rounded corner
        EXPECT_EQ(icon.At(size / 2, size / 2) >> 24, 255u) << size;
        EXPECT_EQ(icon.At(size / 2, size / 4) >> 24, 255u) << size;
    }
}

TEST(IconFile, DirectoryPointsAtEachImage) {
    const std::vector<Image32> images = {ProgramIconImage(16), ProgramIconImage(32)};
    const ByteSet ico = MakeIcoFile(images);
    auto u16 = [&](std::size_t at) { return ico[at] | ico[at + 1] << 8; };
    auto u32 = [&](std::size_t at) { return static_cast<std::uint32_t>(u16(at) | u16(at + 2) << 16); };
    ASSERT_GE(ico.size(), 6u + 32u);
    EXPECT_EQ(u16(2), 1);  // an icon, not a cursor
    EXPECT_EQ(u16(4), 2);
    std::size_t end = 6 + 16 * 2;
    for (int i = 0; i < 2; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int size = images[i].width;
        EXPECT_EQ(ico[entry], size);
        EXPECT_EQ(u16(entry + 6), 32);
        const std::uint32_t bytes = u32(entry + 8), offset = u32(entry + 12);
        EXPECT_EQ(offset, end);
        // 40-byte header, 4 bytes a pixel, a 1-bit mask with rows of 4 bytes.
        EXPECT_EQ(bytes, 40u + size * size * 4u + size * 4u);
        EXPECT_EQ(u32(offset + 8), static_cast<std::uint32_t>(size * 2));
        // The first stored pixel row is the image's bottom row.
        EXPECT_EQ(u32(offset + 40), images[i].At(0, size - 1));
        end = offset + bytes;
    }
    EXPECT_EQ(end, ico.size());
}

}  // namespace
}  // namespace
