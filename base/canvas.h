// A drawing surface with persistent drawing, as the drawing boards offer it.
// Portable drawing routines (glyphs, palette, scales) draw through this
// interface, so they do not depend on the window system.
//
// Coordinates are board pixels at 96 DPI. Line(x1, y1, x2, y2) covers the
// pixels from the first point up to, but not including, the second;
// Rectangle and Ellipse take (left, top, right, bottom) with right and bottom
// excluded, outline in the pen colour and inside in the fill colour.
#pragma once

#include <cstddef>
#include <cstdint>

#include "base/geometry.h"

namespace base {

// A Windows colour value: red in the low byte, then green, then blue.
using Colour = std::uint32_t;

constexpr Colour Rgb(int r, int g, int b) {
    return static_cast<Colour>(r & 255) | static_cast<Colour>(g & 255) << 8 | static_cast<Colour>(b & 255) << 16;
}
constexpr int RedOf(Colour c) { return static_cast<int>(c & 255); }
constexpr int GreenOf(Colour c) { return static_cast<int>((c >> 8) & 255); }
constexpr int BlueOf(Colour c) { return static_cast<int>((c >> 16) & 255); }

class Canvas {
public:
    virtual ~Canvas() = default;

    virtual Colour BackgroundColour() const = 0;
    virtual void SetBackgroundColour(Colour colour) = 0;
    // Erases every drawing: fills the board with its background colour (and
    // its background picture, when it has one).
    virtual void Clear() = 0;

    virtual Colour PenColour() const = 0;
    virtual void SetPenColour(Colour colour) = 0;
    virtual void SetFillColour(Colour colour) = 0;
    virtual void SetTextColour(Colour colour) = 0;

    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    virtual void Rectangle(int left, int top, int right, int bottom) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    virtual void Polygon(const Point* points, std::size_t count) = 0;
    virtual void SetPixel(int x, int y, Colour colour) = 0;
    virtual Colour GetPixel(int x, int y) const = 0;
};

}  // namespace base
