#include "app/core/program_images.h"

#include <cmath>
#include <string_view>

namespace app::core {
namespace {

constexpr std::uint32_t kBlack = 0xFF000000;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;
constexpr std::uint32_t kMagenta = 0xFFFF00FF;

// Copies character art into the image: '#' black, 'o' white, anything else
// transparent.
void PaintArt(imaging::core::Image32& image, const std::string_view* rows, int count, int left, int top) {
    for (int y = 0; y < count; ++y) {
        for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
            const char c = rows[y][x];
            if (c == '#') image.Set(left + x, top + y, kBlack);
            if (c == 'o') image.Set(left + x, top + y, kWhite);
        }
    }
}

constexpr std::string_view kArrow[] = {
    "#",
    "##",
    "#o#",
    "#oo#",
    "#ooo#",
    "#oooo#",
    "#ooooo#",
    "#oooooo#",
    "#ooooooo#",
    "#oooooooo#",
    "#ooooo#####",
    "#oo#oo#",
    "#o# #oo#",
    "##  #oo#",
    "#    #oo#",
    "     #oo#",
    "      ##",
};

// A hand whose index finger points up, its tip at the top-left corner.
constexpr std::string_view kHand[] = {
    " ##",
    "#oo#",
    "#oo#",
    "#oo###",
    "#oo#oo###",
    "#oo#oo#oo#",
    "#oo#oo#oo###",
    "#oo#oo#oo#oo#",
    "#oo#oo#oo#oo#",
    "#oo#oo#oo#oo#",
    "#ooooooooooo#",
    "#ooooooooooo#",
    "#ooooooooooo#",
    "#ooooooooooo#",
    "#ooooooooooo#",
    " #ooooooooo#",
    " #ooooooooo#",
    "  #ooooooo#",
    "  #########",
};

// A corner bracket with a small cross beside it.
constexpr std::string_view kCorner[] = {
    "ooooooooooooo",
    "o###########o",
    "o###########o",
    "o##ooooooooo",
    "o##o",
    "o##o",
    "o##o       o",
    "o##o      o#o",
    "o##o      o#o",
    "o##o   oooo#oooo",
    "o##o   o#######o",
    "o##o   oooo#oooo",
    "ooooo     o#o",
    "          o#o",
    "           o",
};

// A dashed frame, lower right of the arrow.
void PaintDashedFrame(imaging::core::Image32& image, int left, int top, int right, int bottom) {
    for (int x = left; x <= right; ++x) {
        const std::uint32_t c = (x / 2) % 2 ? kWhite : kBlack;
        image.Set(x, top, c);
        image.Set(x, bottom, c);
    }
    for (int y = top; y <= bottom; ++y) {
        const std::uint32_t c = (y / 2) % 2 ? kWhite : kBlack;
        image.Set(left, y, c);
        image.Set(right, y, c);
    }
}

}  // namespace

imaging::core::Image32 SelectionStartCursorImage() {
    imaging::core::Image32 image(kCursorSize, kCursorSize);
    PaintArt(image, kCorner, static_cast<int>(std::size(kCorner)), 0, 0);
    return image;
}

imaging::core::Image32 SelectionInsideCursorImage() {
    imaging::core::Image32 image(kCursorSize, kCursorSize);
    PaintArt(image, kArrow, static_cast<int>(std::size(kArrow)), 0, 0);
    // A blue badge with a white downward arrow (save), shaded from top to
    // bottom, soft at its rim.
    const double cx = 22.5, cy = 22.5;
    for (int y = 13; y < kCursorSize; ++y) {
        for (int x = 13; x < kCursorSize; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            if (d > 9.0) continue;
            const double shade = (y - 13) / 18.0;
            const auto r = static_cast<std::uint32_t>(40 + 20 * shade), g = static_cast<std::uint32_t>(120 - 40 * shade),
                       b = static_cast<std::uint32_t>(230 - 50 * shade);
            const auto alpha = static_cast<std::uint32_t>(d > 8.0 ? std::lround(255 * (9.0 - d)) : 255);
            image.Set(x, y, alpha << 24 | r << 16 | g << 8 | b);
        }
    }
    for (int y = 17; y <= 25; ++y) image.Set(22, y, kWhite);
    for (int i = 0; i <= 3; ++i) {
        image.Set(22 - i, 25 - i, kWhite);
        image.Set(22 + i, 25 - i, kWhite);
    }
    for (int x = 18; x <= 26; ++x) image.Set(x, 28, kWhite);
    return image;
}

imaging::core::Image32 SelectionOutsideCursorImage() {
    imaging::core::Image32 image(kCursorSize, kCursorSize);
    PaintArt(image, kArrow, static_cast<int>(std::size(kArrow)), 0, 0);
    PaintDashedFrame(image, 14, 16, 30, 28);
    return image;
}

imaging::core::Image32 FinderCursorImage() {
    imaging::core::Image32 image(kCursorSize, kCursorSize);
    // Target ring with a cross-hair, lower right of the arrow.
    const double cx = 21.5, cy = 21.5;
    for (int y = 12; y < kCursorSize; ++y) {
        for (int x = 12; x < kCursorSize; ++x) {
            const double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
            const bool ring = d >= 6.0 && d <= 8.2;
            const bool cross = (x == 21 || y == 21) && d <= 10.0;
            if (ring || cross) image.Set(x, y, kMagenta);
        }
    }
    PaintArt(image, kArrow, static_cast<int>(std::size(kArrow)), 0, 0);
    return image;
}

imaging::core::Image32 HandCursorImage() {
    imaging::core::Image32 image(kCursorSize, kCursorSize);
    PaintArt(image, kHand, static_cast<int>(std::size(kHand)), 0, 0);
    return image;
}

imaging::core::Image32 ProgramIconImage(int size) {
    imaging::core::Image32 image(size, size);
    constexpr int kSamples = 4;  // per axis, for smooth edges
    const double s = size;
    auto covered = [s](double x, double y, int part) {
        // Coordinates in units of the icon (0..1).
        const double u = x / s, v = y / s;
        const double corner = 0.18;
        if (part == 0) {  // rounded tile
            const double dx = std::fmax(std::fabs(u - 0.5) - (0.5 - corner), 0.0);
            const double dy = std::fmax(std::fabs(v - 0.5) - (0.5 - corner), 0.0);
            return dx * dx + dy * dy <= corner * corner;
        }
        const double d = std::hypot(u - 0.5, v - 0.5);
        if (part == 1) return d >= 0.25 && d <= 0.34;  // ring
        if (part == 2) return (std::fabs(u - 0.5) <= 0.045 || std::fabs(v - 0.5) <= 0.045) && d <= 0.43;  // cross
        return d <= 0.09;  // centre dot
    };
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double tile = 0, white = 0, dot = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSamples, py = y + (sy + 0.5) / kSamples;
                    if (!covered(px, py, 0)) continue;
                    tile += 1;
                    if (covered(px, py, 3)) dot += 1;
                    else if (covered(px, py, 1) || covered(px, py, 2)) white += 1;
                }
            }
            const double n = kSamples * kSamples;
            if (tile == 0) continue;
            // Blend: tile blue (42, 92, 170), white marks, magenta dot.
            const double base = tile - white - dot;
            const double r = (base * 42 + white * 255 + dot * 255) / tile;
            const double g = (base * 92 + white * 255 + dot * 0) / tile;
            const double b = (base * 170 + white * 255 + dot * 255) / tile;
            const auto alpha = static_cast<std::uint32_t>(std::lround(255.0 * tile / n));
            image.Set(x, y, alpha << 24 | static_cast<std::uint32_t>(std::lround(r)) << 16 |
                                static_cast<std::uint32_t>(std::lround(g)) << 8 |
                                static_cast<std::uint32_t>(std::lround(b)));
        }
    }
    return image;
}

}  // namespace app::core
