// The colour page's portable half: notations (the five of the page and
// CSS rgb(), HSL and HSV), composing, the row of picked colours, the colour
// scale, the magnifier's zoom and geometry, the placing of the notation
// window, and the BMP reader under malformed and random input.
#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "colour/core/colour_history.h"
#include "colour/core/colour_layout.h"
#include "colour/core/colour_measures.h"
#include "colour/core/colour_notations.h"
#include "colour/core/colour_scale.h"
#include "colour/core/magnifier.h"
#include "imaging/core/bmp.h"
#include "text/number_text.h"

namespace {

using namespace base;
using namespace colour::core;
using namespace imaging::core;
using namespace text;
namespace {

// A canvas of plain pixels with the drawing rules of the boards: lines
// exclude their end point, rectangles their right and bottom edges.
class PixelCanvas : public Canvas {
public:
    PixelCanvas(int w, int h) : w_(w), h_(h), pixels_(static_cast<std::size_t>(w) * h, background_) {}
    Colour BackgroundColour() const override { return background_; }
    void SetBackgroundColour(Colour c) override { background_ = c; Clear(); }
    void Clear() override { std::fill(pixels_.begin(), pixels_.end(), background_); }
    Colour PenColour() const override { return pen_; }
    void SetPenColour(Colour c) override { pen_ = c; }
    void SetFillColour(Colour c) override { fill_ = c; }
    void SetTextColour(Colour) override {}
    void Line(int x1, int y1, int x2, int y2) override {
        const int steps = std::max(std::abs(x2 - x1), std::abs(y2 - y1));
        for (int i = 0; i < steps; ++i) {
            SetPixel(x1 + (x2 - x1) * i / steps, y1 + (y2 - y1) * i / steps, pen_);
        }
    }
    void Rectangle(int l, int t, int r, int b) override {
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x) SetPixel(x, y, (x == l || y == t || x == r - 1 || y == b - 1) ? pen_ : fill_);
    }
    void Ellipse(int l, int t, int r, int b) override { Rectangle(l, t, r, b); }
    void Polygon(const Point*, std::size_t) override {}
    void SetPixel(int x, int y, Colour c) override {
        if (x >= 0 && y >= 0 && x < w_ && y < h_) pixels_[static_cast<std::size_t>(y) * w_ + x] = c;
    }
    Colour GetPixel(int x, int y) const override { return pixels_[static_cast<std::size_t>(y) * w_ + x]; }

private:
    int w_, h_;
    Colour background_ = 0xFFFFFF, pen_ = 0, fill_ = 0;
    std::vector<Colour> pixels_;
};

TEST(ColourNotations, WriteTheFivePrefixesWithTheBytesInEachLanguagesOrder) {
    const ColourNotations red = NotationsOf(255);
    EXPECT_EQ(red.hex, "FF0000");
    EXPECT_EQ(red.html, "#FF0000");
    EXPECT_EQ(red.vb, "&h0000FF");
    EXPECT_EQ(red.c, "0x0000FF");
    EXPECT_EQ(red.delphi, "$0000FF");
    const ColourNotations blue = NotationsOf(16711680);
    EXPECT_EQ(blue.hex, "0000FF");
    EXPECT_EQ(blue.html, "#0000FF");
    EXPECT_EQ(blue.c, "0xFF0000");
    // Zero padding, and the fourth byte never shows.
    EXPECT_EQ(NotationsOf(0x0A0B0C).html, "#0C0B0A");
    EXPECT_EQ(NotationsOf(static_cast<Colour>(-1)).hex, "FFFFFF");
    EXPECT_EQ(NotationsOf(0x7F000000).vb, "&h000000");
}

TEST(ColourNotations, BoxTextsReadAsNumbersAndNonNumbersAsBlack) {
    EXPECT_EQ(ColourOfText("012"), 12u);
    EXPECT_EQ(ColourOfText(""), 0u);
    EXPECT_EQ(ColourOfText("abc"), 0u);
    EXPECT_EQ(NotationsOf(ColourOfText("-1")).hex, "FFFFFF");
    EXPECT_EQ(ColourOfText("16711680.9"), 16711680u);
}

TEST(ColourNotations, ComposingKeepsRedAndBlueUnlimitedAndGreenToOneByte) {
    const std::int32_t c = ComposeColour(300, 0, 0);
    EXPECT_EQ(c, 300);
    // Formatting then rewrites the boxes from the value's bytes: R 44, G 1.
    EXPECT_EQ(RedOf(static_cast<Colour>(c)), 44);
    EXPECT_EQ(GreenOf(static_cast<Colour>(c)), 1);
    EXPECT_EQ(ComposeColour(1, 2, 3), 0x030201);
    EXPECT_EQ(ComposeColour(0, 0x1FF, 0), 0xFF00);
    EXPECT_EQ(ComposeColour(0, 0, 256), 0x1000000);
    EXPECT_EQ(IntegerToText(ComposeColour(0, 0, 255)), "16711680");
}

struct CssCase {
    Colour colour;
    const char* rgb;
    const char* hsl;
    const char* hsv;
};

TEST(CssNotations, MatchPublishedValuesOfPureHuesGreysAndNamedColours) {
    // HSL and HSV as colour references list them (CSS named colours:
    // steelblue, cornflowerblue, chocolate), rounded to whole numbers.
    const CssCase cases[] = {
        {Rgb(255, 0, 0), "rgb(255, 0, 0)", "hsl(0, 100%, 50%)", "hsv(0, 100%, 100%)"},
        {Rgb(0, 255, 0), "rgb(0, 255, 0)", "hsl(120, 100%, 50%)", "hsv(120, 100%, 100%)"},
        {Rgb(0, 0, 255), "rgb(0, 0, 255)", "hsl(240, 100%, 50%)", "hsv(240, 100%, 100%)"},
        {Rgb(255, 255, 0), "rgb(255, 255, 0)", "hsl(60, 100%, 50%)", "hsv(60, 100%, 100%)"},
        {Rgb(0, 255, 255), "rgb(0, 255, 255)", "hsl(180, 100%, 50%)", "hsv(180, 100%, 100%)"},
        {Rgb(255, 0, 255), "rgb(255, 0, 255)", "hsl(300, 100%, 50%)", "hsv(300, 100%, 100%)"},
        {Rgb(128, 128, 128), "rgb(128, 128, 128)", "hsl(0, 0%, 50%)", "hsv(0, 0%, 50%)"},
        {Rgb(127, 127, 127), "rgb(127, 127, 127)", "hsl(0, 0%, 50%)", "hsv(0, 0%, 50%)"},
        {Rgb(255, 255, 255), "rgb(255, 255, 255)", "hsl(0, 0%, 100%)", "hsv(0, 0%, 100%)"},
        {Rgb(0, 0, 0), "rgb(0, 0, 0)", "hsl(0, 0%, 0%)", "hsv(0, 0%, 0%)"},
        {Rgb(70, 130, 180), "rgb(70, 130, 180)", "hsl(207, 44%, 49%)", "hsv(207, 61%, 71%)"},
        {Rgb(100, 149, 237), "rgb(100, 149, 237)", "hsl(219, 79%, 66%)", "hsv(219, 58%, 93%)"},
        {Rgb(210, 105, 30), "rgb(210, 105, 30)", "hsl(25, 75%, 47%)", "hsv(25, 86%, 82%)"},
        // The fourth byte is not part of the colour.
        {0x7F0000FF, "rgb(255, 0, 0)", "hsl(0, 100%, 50%)", "hsv(0, 100%, 100%)"},
    };
    for (const CssCase& c : cases) {
        const CssNotations n = CssNotationsOf(c.colour);
        EXPECT_EQ(n.rgb, c.rgb);
        EXPECT_EQ(n.hsl, c.hsl) << c.rgb;
        EXPECT_EQ(n.hsv, c.hsv) << c.rgb;
    }
}

TEST(CssNotations, RoundExactHalvesUpAndAHueOf360ToZero) {
    // Hue 359.76 and 359.53 round to 360, which is 0; 359.29 stays 359.
    EXPECT_EQ(HslOf(Rgb(255, 0, 1)).hue, 0);
    EXPECT_EQ(HslOf(Rgb(255, 0, 2)).hue, 0);
    EXPECT_EQ(HsvOf(Rgb(255, 0, 3)).hue, 359);
    // Exactly 359.5 and 0.5 degrees.
    EXPECT_EQ(CssNotationsOf(Rgb(120, 0, 1)).hsl, "hsl(0, 100%, 24%)");
    EXPECT_EQ(CssNotationsOf(Rgb(120, 1, 0)).hsv, "hsv(1, 100%, 47%)");
    // HSV saturation exactly 0.5 %, HSL saturation exactly 87.5 %: floating
    // point lands just below the half for both.
    EXPECT_EQ(HsvOf(Rgb(200, 199, 199)).saturation, 1);
    EXPECT_EQ(CssNotationsOf(Rgb(1, 15, 7)).hsl, "hsl(146, 88%, 3%)");
}

TEST(ColourHistory, TwentyPicksKeepTheLastSixteenNewestFirst) {
    ColourHistory history;
    for (Colour c = 1; c <= 20; ++c) history.Add(c * 0x010101);
    std::vector<Colour> expected;
    for (Colour c = 20; c >= 5; --c) expected.push_back(c * 0x010101);
    EXPECT_EQ(history.Colours(), expected);
}

TEST(ColourHistory, APickedColourMovesToTheFrontInsteadOfAppearingTwice) {
    ColourHistory history;
    for (Colour c : {0x0000FFu, 0x00FF00u, 0xFF0000u}) history.Add(c);
    history.Add(0x00FF00);
    EXPECT_EQ(history.Colours(), (std::vector<Colour>{0x00FF00, 0xFF0000, 0x0000FF}));
    // The same colour with another fourth byte is the same colour.
    history.Add(0x7F0000FF);
    EXPECT_EQ(history.Colours(), (std::vector<Colour>{0x0000FF, 0x00FF00, 0xFF0000}));
    // Full: the oldest picked again comes to the front and nothing drops.
    for (Colour c = 100; c < 113; ++c) history.Add(c);
    ASSERT_EQ(history.Colours().size(), 16u);
    EXPECT_EQ(history.Colours().back(), 0xFF0000u);
    history.Add(0xFF0000);
    EXPECT_EQ(history.Colours().size(), 16u);
    EXPECT_EQ(history.Colours().front(), 0xFF0000u);
    EXPECT_EQ(history.Colours().back(), 0x00FF00u);
}

TEST(ColourHistory, SwatchesAreDrawnWhereClicksFindThem) {
    PixelCanvas board(kHistoryBoardWidth, kHistoryBoardHeight);
    const Colour page = Rgb(242, 236, 243);
    board.SetBackgroundColour(page);
    ColourHistory history;
    for (Colour c = 1; c <= 5; ++c) history.Add(Rgb(c * 40, 0, 255 - c * 40));
    DrawColourHistory(board, history);
    // Every pixel: inside swatch i exactly when a click there finds slot i;
    // inside the outline it shows the slot's colour or, empty, the board.
    for (int y = 0; y < kHistoryBoardHeight; ++y) {
        for (int x = 0; x < kHistoryBoardWidth; ++x) {
            const int slot = HistorySlotAt(x, y);
            if (slot < 0) {
                ASSERT_EQ(board.GetPixel(x, y), page) << x << "," << y;
                continue;
            }
            ASSERT_LT(slot, 16);
            const SquareRect r = HistorySwatch(slot);
            ASSERT_TRUE(x >= r.left && x < r.right && y >= r.top && y < r.bottom) << x << "," << y;
            const bool edge = x == r.left || y == r.top || x == r.right - 1 || y == r.bottom - 1;
            const Colour inside = slot < 5 ? history.Colours()[static_cast<std::size_t>(slot)] : page;
            ASSERT_EQ(board.GetPixel(x, y), edge ? kPaletteOutline : inside) << x << "," << y;
        }
    }
    // Each of the 16 slots has its swatch, left to right.
    for (int slot = 0; slot < 16; ++slot) {
        const SquareRect r = HistorySwatch(slot);
        EXPECT_EQ(HistorySlotAt((r.left + r.right) / 2, (r.top + r.bottom) / 2), slot);
        EXPECT_LE(r.right, kHistoryBoardWidth);
    }
    EXPECT_EQ(HistorySlotAt(-1, 8), -1);
    EXPECT_EQ(HistorySlotAt(kHistoryBoardWidth + 5, 8), -1);
}

TEST(NotationWindowPlacement, GoesRightOfTheOwnerThenLeftThenAgainstTheEdge) {
    const Rect work{0, 0, 1280, 1000};
    EXPECT_EQ(PlaceBeside({300, 200, 865, 636}, 460, 240, 110, work), (Rect{865, 460, 1105, 570}));
    // No room on the right: on the left.
    EXPECT_EQ(PlaceBeside({700, 200, 1265, 636}, 460, 240, 110, work), (Rect{460, 460, 700, 570}));
    // Room on neither side; the top moved up to keep the bottom on the screen.
    EXPECT_EQ(PlaceBeside({100, 500, 1200, 990}, 950, 240, 110, work), (Rect{1040, 890, 1280, 1000}));
    // A monitor left of and above the primary one, the owner near its right
    // edge and hanging off its top.
    const Rect left{-1920, -200, 0, 880};
    EXPECT_EQ(PlaceBeside({-800, -400, -235, 36}, -350, 240, 110, left), (Rect{-1040, -200, -800, -90}));
}

// Against published WCAG 2 ratios (WebAIM's checker, the WCAG
// understanding documents): the order of the two colours does not matter.
TEST(ContrastRatio, MatchesPublishedRatiosAndVerdicts) {
    EXPECT_DOUBLE_EQ(ContrastRatio(0x000000, 0xFFFFFF), 21.0);
    EXPECT_DOUBLE_EQ(ContrastRatio(0x123456, 0x123456), 1.0);
    EXPECT_EQ(RatioText(ContrastRatio(0x777777, 0xFFFFFF)), "4.48");
    EXPECT_EQ(RatioText(ContrastRatio(0xFFFFFF, 0x767676)), "4.54");
    EXPECT_EQ(RatioText(ContrastRatio(Rgb(255, 0, 0), 0xFFFFFF)), "4.00");
    EXPECT_EQ(RatioText(ContrastRatio(Rgb(0, 0, 255), 0xFFFFFF)), "8.59");
    EXPECT_EQ(RatioText(ContrastRatio(Rgb(0, 128, 0), 0xFFFFFF)), "5.14");
    EXPECT_EQ(RatioText(ContrastRatio(0x595959, 0xFFFFFF)), "7.00");

    const auto grey = VerdictsOf(ContrastRatio(0x777777, 0xFFFFFF));
    EXPECT_FALSE(grey.aaNormal);
    EXPECT_TRUE(grey.aaLarge);
    EXPECT_FALSE(grey.aaaNormal);
    EXPECT_FALSE(grey.aaaLarge);
    const auto black = VerdictsOf(21);
    EXPECT_TRUE(black.aaNormal && black.aaLarge && black.aaaNormal && black.aaaLarge);
    const auto lines = ContrastTexts(0x777777, 0xFFFFFF);
    EXPECT_EQ(lines.ratio, "对比度 4.48:1");
    EXPECT_EQ(lines.aa, "AA：正文不通过，大字通过");
    EXPECT_EQ(lines.aaa, "AAA：正文不通过，大字不通过");
}

// A ratio just short of a threshold is never written as the threshold.
TEST(ContrastRatio, ARatioJustUnderAThresholdIsNotRoundedOntoIt) {
    EXPECT_EQ(RatioText(4.4961), "4.496");
    EXPECT_EQ(RatioText(6.999), "6.999");
    EXPECT_EQ(RatioText(2.9951), "2.995");
    EXPECT_EQ(RatioText(4.5), "4.50");
    EXPECT_EQ(RatioText(4.494), "4.49");
    EXPECT_FALSE(VerdictsOf(4.4999).aaNormal);
}

// The average over a square of a known pattern, exactly, and clipped at
// the image's edges.
TEST(AreaAverage, AveragesTheSquareAroundThePointAndClipsAtTheEdges) {
    // A 6 x 5 checkerboard of black and white, one red pixel at (2, 2).
    const int width = 6, height = 5;
    std::vector<Colour> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) pixels.push_back((x + y) % 2 ? 0xFFFFFF : 0x000000);
    }
    pixels[2 * width + 2] = Rgb(255, 0, 0);
    EXPECT_EQ(AverageColour(pixels, width, height, 2, 2, 1), Rgb(255, 0, 0));
    // 3 x 3 around (2, 2): four white, four black, the red one.
    EXPECT_EQ(AverageColour(pixels, width, height, 2, 2, 3), Rgb((4 * 255 + 255 + 4) / 9, (4 * 255 + 4) / 9, (4 * 255 + 4) / 9));
    // 5 x 5 around (2, 2): 12 white, 12 black, the red one.
    EXPECT_EQ(AverageColour(pixels, width, height, 2, 2, 5),
              Rgb((12 * 255 + 255 + 12) / 25, (12 * 255 + 12) / 25, (12 * 255 + 12) / 25));
    // At the corner only the four pixels inside count: two white.
    EXPECT_EQ(AverageColour(pixels, width, height, 0, 0, 3), Rgb(128, 128, 128));
    // A single-colour square averages to that colour.
    const std::vector<Colour> flat(25, Rgb(10, 20, 30));
    EXPECT_EQ(AverageColour(flat, 5, 5, 2, 2, 5), Rgb(10, 20, 30));
}

TEST(ColourScale, RunsFromWhiteThroughTheColourToBlack) {
    const Colour c = Rgb(200, 100, 50);
    EXPECT_EQ(ScaleColumnColour(c, 143, 144), 0u);
    EXPECT_EQ(ScaleColumnColour(c, 71, 144), c);
    // Column 72 is the first step toward black: c * 71 / 72.
    EXPECT_EQ(ScaleColumnColour(c, 72, 144), Rgb(200 * 71 / 72, 100 * 71 / 72, 50 * 71 / 72));
    // The left edge is white, column 70 the first step toward it.
    EXPECT_EQ(ScaleColumnColour(c, 0, 144), 0xFFFFFFu);
    EXPECT_EQ(ScaleColumnColour(c, 70, 144), Rgb(200 + 55 / 71, 100 + 155 / 71, 50 + 205 / 71));
    EXPECT_EQ(ScaleColumnColour(0, 0, 20), 0xFFFFFFu);
    // Monotonic in each channel from left to right.
    for (int x = 1; x < 144; ++x) {
        EXPECT_LE(GreenOf(ScaleColumnColour(c, x, 144)), GreenOf(ScaleColumnColour(c, x - 1, 144))) << x;
    }

    PixelCanvas board(144, 20);
    board.SetBackgroundColour(0x123456);
    DrawColourScale(board, c, 144, 20);
    for (int x : {0, 70, 71, 72, 143}) {
        EXPECT_EQ(board.GetPixel(x, 0), ScaleColumnColour(c, x, 144)) << x;
        EXPECT_EQ(board.GetPixel(x, 19), ScaleColumnColour(c, x, 144)) << x;
    }
}

ByteSet Gradient(int w, int h) {
    return MakeBmp24(w, h, [](int x, int y) { return Rgb(x * 4, y * 4, (x + y) & 255); });
}

TEST(Zoom, FiveTimesTurnsEachPixelIntoABlockWithPaddedRows) {
    const ByteSet source = Gradient(52, 52);
    const ByteSet zoomed = ZoomBmp24(source, 500, 500);
    BmpInfo info;
    ASSERT_TRUE(ReadBmpInfo(zoomed, info));
    EXPECT_EQ(info.width, 260);
    EXPECT_EQ(info.height, 260);
    EXPECT_EQ(zoomed.size(), 54u + 780u * 260u);
    for (int y = 0; y < 260; y += 3)
        for (int x = 0; x < 260; x += 7) ASSERT_EQ(Bmp24Pixel(zoomed, x, y), Bmp24Pixel(source, x / 5, y / 5));
    // The point at (25, 25) of the cut fills the block (125..129, 125..129).
    for (int d = 0; d < 5; ++d) EXPECT_EQ(Bmp24Pixel(zoomed, 125 + d, 129 - d), Bmp24Pixel(source, 25, 25));

    // 3 x 3 at 150 %: 4 x 4, target x reads source x * 100 / 150; rows of
    // 12 bytes need no padding, 3-pixel source rows (9 bytes) are padded to 12.
    const ByteSet small = Gradient(3, 3);
    const ByteSet grown = ZoomBmp24(small, 150, 150);
    ASSERT_TRUE(ReadBmpInfo(grown, info));
    EXPECT_EQ(info.width, 4);
    EXPECT_EQ(info.height, 4);
    const int map[4] = {0, 0, 1, 2};
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(Bmp24Pixel(grown, x, y), Bmp24Pixel(small, map[x], map[y]));
    // Zero means 100 %: the same picture back.
    EXPECT_EQ(ZoomBmp24(small, 0, 0), small);
}

TEST(Zoom, RefusesWhatIsNotA24BitImageOrAnAbsurdSize) {
    const ByteSet good = Gradient(4, 4);
    EXPECT_TRUE(ZoomBmp24({}, 500, 500).empty());
    EXPECT_TRUE(ZoomBmp24(ByteSet(good.begin(), good.begin() + 60), 500, 500).empty());
    ByteSet wrongDepth = good;
    wrongDepth[28] = 32;
    EXPECT_TRUE(ZoomBmp24(wrongDepth, 500, 500).empty());  // 32-bit rows would not fit either
    EXPECT_TRUE(ZoomBmp24(good, -100, 100).empty());
    EXPECT_TRUE(ZoomBmp24(good, 1000000, 100).empty());
    EXPECT_TRUE(ZoomBmp24(good, 10, 10).empty());  // smaller than a pixel
}

TEST(Bmp, RefusesHeadersThatDoNotFitTheBytes) {
    BmpInfo info;
    const ByteSet good = Gradient(4, 4);
    auto patched = [&](std::size_t at, std::uint32_t v) {
        ByteSet b = good;
        for (int i = 0; i < 4; ++i) b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
        return b;
    };
    ASSERT_TRUE(ReadBmpInfo(good, info));
    EXPECT_FALSE(ReadBmpInfo(patched(18, 0xFFFFFFFF), info));   // negative width
    EXPECT_FALSE(ReadBmpInfo(patched(22, 0x80000000), info));   // negative height
    EXPECT_FALSE(ReadBmpInfo(patched(18, 0x7FFFFFFF), info));   // absurd width
    EXPECT_FALSE(ReadBmpInfo(patched(10, 0xFFFFFFF0), info));   // pixels past the end
    EXPECT_FALSE(ReadBmpInfo(patched(10, 20), info));           // pixels inside the header
    EXPECT_FALSE(ReadBmpInfo(patched(14, 12), info));           // header too small to be one
    EXPECT_FALSE(ReadBmpInfo(patched(22, 5), info));            // a row more than the bytes hold
}

TEST(Bmp, MakesFileImagesOfRowsOnlyWhenTheSizesAgree) {
    const std::vector<std::uint8_t> rows(8 * 2, 0x40);  // 2 x 2 at 32 bits
    const ByteSet image = MakeBmp(2, 2, 32, rows.data(), rows.size());
    BmpInfo info;
    ASSERT_TRUE(ReadBmpInfo(image, info));
    EXPECT_EQ(info.bitsPerPixel, 32);
    EXPECT_EQ(info.pixelOffset, 54u);
    EXPECT_TRUE(MakeBmp(2, 2, 32, rows.data(), rows.size() - 1).empty());
    EXPECT_TRUE(MakeBmp(2, 2, 8, rows.data(), rows.size()).empty());
    EXPECT_TRUE(MakeBmp(0, 2, 32, rows.data(), rows.size()).empty());
}

// Random headers and bytes: the reader and the zoom never read or write out
// of bounds (the sanitizer-free build still catches it through the vector
// checks of the pixel reads below) and what they accept is consistent.
TEST(Bmp, SurvivesRandomAndMutatedInput) {
    constexpr int kInputs = 20000;
    std::mt19937 random(20261208);
    const ByteSet seed = Gradient(6, 5);
    int accepted = 0;
    for (int n = 0; n < kInputs; ++n) {
        ByteSet b = seed;
        if (n % 3 == 0) b.resize(random() % (seed.size() + 20));
        const int flips = 1 + static_cast<int>(random() % 6);
        for (int i = 0; i < flips && !b.empty(); ++i) {
            // Mostly the header, where the sizes live.
            const std::size_t at = random() % 2 ? random() % std::min<std::size_t>(b.size(), 54) : random() % b.size();
            b[at] = static_cast<std::uint8_t>(random());
        }
        BmpInfo info;
        if (!ReadBmpInfo(b, info)) {
            EXPECT_TRUE(ZoomBmp24(b, 500, 500).empty());
            continue;
        }
        ++accepted;
        const std::uint64_t stride = (static_cast<std::uint64_t>(info.width) * info.bitsPerPixel + 31) / 32 * 4;
        ASSERT_LE(info.pixelOffset + stride * info.height, b.size());
        const ByteSet z = ZoomBmp24(b, 200, 300);
        if (info.bitsPerPixel == 24) {
            ASSERT_FALSE(z.empty());
            BmpInfo zi;
            ASSERT_TRUE(ReadBmpInfo(z, zi));
            EXPECT_EQ(zi.width, info.width * 2);
            EXPECT_EQ(Bmp24Pixel(z, zi.width - 1, zi.height - 1), Bmp24Pixel(b, info.width - 1, info.height - 1));
        }
    }
    EXPECT_GT(accepted, 100);  // the mutations reach the accepting paths too
}

TEST(MagnifierGeometry, GrabsAroundThePointAndClipsAtEveryEdgeOfTheVirtualScreen) {
    EXPECT_EQ(GrabRect({100, 200}), (Rect{75, 175, 127, 227}));
    struct Case {
        Rect screen;
        Point point;
        Rect source;
        Point at;
    };
    const Case cases[] = {
        // One monitor: inside, at the top-left and bottom-right corners.
        {{0, 0, 1280, 1024}, {640, 512}, {615, 487, 667, 539}, {0, 0}},
        {{0, 0, 1280, 1024}, {0, 0}, {0, 0, 27, 27}, {25, 25}},
        {{0, 0, 1280, 1024}, {1279, 1023}, {1254, 998, 1280, 1024}, {0, 0}},
        // A monitor left of and above the primary: negative coordinates.
        {{-1920, -300, 1280, 1024}, {-1910, -290}, {-1920, -300, -1883, -263}, {15, 15}},
        {{-1920, -300, 1280, 1024}, {-5, -5}, {-30, -30, 22, 22}, {0, 0}},
        {{-1920, -300, 1280, 1024}, {1270, 1020}, {1245, 995, 1280, 1024}, {0, 0}},
    };
    for (const Case& c : cases) {
        const ClippedCopy part = ClipCopy(GrabRect(c.point), c.screen);
        EXPECT_EQ(part.source, c.source) << c.point.x << "," << c.point.y;
        EXPECT_EQ(part.at.x, c.at.x);
        EXPECT_EQ(part.at.y, c.at.y);
    }
    EXPECT_TRUE(ClipCopy(GrabRect({-100, -100}), {0, 0, 800, 600}).source.Empty());
}

TEST(MagnifierGeometry, ADragMovesTheCentreOnePixelPerFiveOppositeToTheMouse) {
    EXPECT_EQ(DraggedCentre({500, 400}, {100, 100}, {105, 100}).x, 499);
    EXPECT_EQ(DraggedCentre({500, 400}, {100, 100}, {104, 100}).x, 500);  // same block
    const Point p = DraggedCentre({-10, -20}, {50, 50}, {40, 65});
    EXPECT_EQ(p.x, -8);
    EXPECT_EQ(p.y, -23);
    // Points left of the board truncate toward zero: -4 / 5 is 0.
    EXPECT_EQ(DraggedCentre({0, 0}, {3, 0}, {-4, 0}).x, 0);
}

TEST(MagnifierDrawing, FrameAndCrossLeaveTheCentreBlockAndPictureSides) {
    PixelCanvas board(257, 257);
    DrawMagnifierFrame(board, 0x00FF00, 0xFF00FF);
    EXPECT_EQ(board.GetPixel(125, 125), 0xFF00FFu);
    EXPECT_EQ(board.GetPixel(129, 127), 0xFF00FFu);
    EXPECT_EQ(board.GetPixel(127, 127), 0x00FF00u);
    EXPECT_EQ(board.GetPixel(0, 100), kMagnifierRuler);
    EXPECT_EQ(board.GetPixel(100, 254), kMagnifierRuler);
    EXPECT_EQ(board.GetPixel(252, 252), kMagnifierRuler);
    EXPECT_EQ(board.GetPixel(60, 60), 0xFFFFFFu);

    PixelCanvas palette(100, 100);
    DrawCrossMarker(palette, 50, 50);
    int marked = 0;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) marked += palette.GetPixel(x, y) == 0;
    EXPECT_EQ(marked, 4 * (5 + 7 + 5));
    for (int y = 48; y <= 52; ++y)
        for (int x = 48; x <= 52; ++x) EXPECT_EQ(palette.GetPixel(x, y), 0xFFFFFFu) << x << "," << y;
    EXPECT_EQ(palette.GetPixel(41, 50), 0u);
    EXPECT_EQ(palette.GetPixel(50, 59), 0u);
}

}  // namespace
}  // namespace
