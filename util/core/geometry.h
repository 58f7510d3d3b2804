// Points and rectangles in pixels, as the screen and windows measure them:
// a rectangle holds its left and top edges and excludes its right and
// bottom ones.
#pragma once

#include <algorithm>
#include <cstdint>

namespace core {

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Empty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    constexpr std::int64_t Area() const {
        return Empty() ? 0 : static_cast<std::int64_t>(Width()) * static_cast<std::int64_t>(Height());
    }
    // Grown by d on every side (shrunk for a negative d).
    constexpr Rect Inflated(int d) const { return {left - d, top - d, right + d, bottom + d}; }
    constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend constexpr bool operator==(const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend constexpr bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }
};

// The part two rectangles share; an empty rectangle when they share nothing.
inline Rect Intersection(const Rect& a, const Rect& b) {
    const Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                 std::min(a.bottom, b.bottom)};
    return r.Empty() ? Rect{} : r;
}

// A copy of the rectangle `wanted` out of what is `available`: the part that
// can be read and where it lands in the copy (relative to wanted's top-left
// corner); an empty source when nothing can be read.
struct ClippedCopy {
    Rect source;
    Point at;
};
inline ClippedCopy ClipCopy(const Rect& wanted, const Rect& available) {
    const Rect source = Intersection(wanted, available);
    if (source.Empty()) return {};
    return {source, {source.left - wanted.left, source.top - wanted.top}};
}

}  // namespace core
