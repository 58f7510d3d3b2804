// The one-pixel step an arrow key asks for (left, up, right, down), used
// wherever the arrow keys nudge a point or a selection; none for any other
// key. Key codes are the system's virtual-key codes.
#pragma once

#include <optional>

#include "base/geometry.h"

namespace ui::core {

inline constexpr unsigned kKeyLeft = 0x25, kKeyUp = 0x26, kKeyRight = 0x27, kKeyDown = 0x28;

constexpr std::optional<base::Point> ArrowKeyStep(unsigned key) {
    switch (key) {
        case kKeyLeft: return base::Point{-1, 0};
        case kKeyRight: return base::Point{1, 0};
        case kKeyUp: return base::Point{0, -1};
        case kKeyDown: return base::Point{0, 1};
        default: return std::nullopt;
    }
}

}  // namespace ui::core
