#include "colour/core/pen_colours.h"

namespace core {

int NextPenColourIndex(int index) { return (index % kPenColourCount + kPenColourCount) % kPenColourCount + 1; }

Colour PenColourOfIndex(int index) {
    static constexpr Colour kCycle[kPenColourCount] = {0xFF00FF, 0x0000FF, 0xFF0090, 0x008000, 0xFFFF00, 0xFF0000};
    if (index < 1 || index > kPenColourCount) return kCycle[0];
    return kCycle[index - 1];
}

}  // namespace core
