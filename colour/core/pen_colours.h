// The pen colour cycle of the colour page: each click on the pen board moves
// to the next of six colours; the first step after start-up gives magenta.
#pragma once

#include "base/canvas.h"

namespace colour::core {

inline constexpr int kPenColourCount = 6;

// Index after `index` in the cycle 1..6 (0, the value before the first step,
// is followed by 1).
int NextPenColourIndex(int index);

// Colour of a cycle index 1..6: magenta, red, violet, green, cyan, blue.
base::Colour PenColourOfIndex(int index);

}  // namespace colour::core
