// A small true-colour image with straight (not premultiplied) alpha, rows
// from the top: the form in which the program draws its cursors and icons
// before the window system turns them into cursor and icon objects.
#pragma once

#include <cstdint>
#include <vector>

namespace imaging::core {

struct Image32 {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> argb;  // 0xAARRGGBB, row by row from the top

    Image32() = default;
    Image32(int w, int h) : width(w), height(h), argb(static_cast<std::size_t>(w) * h, 0) {}

    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
    void Set(int x, int y, std::uint32_t value) {
        if (x >= 0 && y >= 0 && x < width && y < height) argb[static_cast<std::size_t>(y) * width + x] = value;
    }
    static bool Opaque(std::uint32_t value) { return (value >> 24) != 0; }
};

}  // namespace imaging::core
