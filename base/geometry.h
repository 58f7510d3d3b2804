// Points and rectangles in pixels, as the screen and windows measure them:
// a rectangle holds its left and top edges and excludes its right and
// bottom ones.
#pragma once

#include <algorithm>
#include <cstdint>

namespace base {

struct Point {
    int x = 0;
    int y = 0;
};

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    // The distances between the edges, worked out in 64 bits: corners more
    // than 2^31 apart (numbers a hostile window or a file can hand us) give
    // the nearest int instead of a wrapped one.
    constexpr int Width() const { return Saturated(static_cast<std::int64_t>(right) - left); }
    constexpr int Height() const { return Saturated(static_cast<std::int64_t>(bottom) - top); }
    constexpr bool Empty() const { return right <= left || bottom <= top; }
    constexpr bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
    // Each side is below 2^32, so the product fits 64 unsigned bits; beyond
    // the signed range it is the largest value.
    constexpr std::int64_t Area() const {
        if (Empty()) return 0;
        const auto area = static_cast<std::uint64_t>(static_cast<std::int64_t>(right) - left) *
                          static_cast<std::uint64_t>(static_cast<std::int64_t>(bottom) - top);
        return area > static_cast<std::uint64_t>(INT64_MAX) ? INT64_MAX : static_cast<std::int64_t>(area);
    }
    // Grown by d on every side (shrunk for a negative d).
    constexpr Rect Inflated(int d) const { return {left - d, top - d, right + d, bottom + d}; }
    constexpr Rect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend constexpr bool operator==(const Rect& a, const Rect& b) {
        return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
    }
    friend constexpr bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

private:
    static constexpr int Saturated(std::int64_t v) {
        return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : static_cast<int>(v);
    }
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

}  // namespace base
