#include "colour/core/pen_colours.h"

namespace colour::core {

int NextPenColourIndex(int index) { return (index % kPenColourCount + kPenColourCount) % kPenColourCount + 1; }

base::Colour PenColourOfIndex(int index) {
    static constexpr base::Colour kCycle[kPenColourCount] = {0xFF00FF, 0x0000FF, 0xFF0090, 0x008000, 0xFFFF00, 0xFF0000};
    if (index < 1 || index > kPenColourCount) return kCycle[0];
    return kCycle[index - 1];
}

}  // namespace colour::core
