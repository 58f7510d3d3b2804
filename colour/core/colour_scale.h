// The colour scale of the colour page: vertical lines from white at the
// left edge through the colour in the middle to black at the right edge.
// Clicking a column picks that shade.
#pragma once

#include "base/canvas.h"

namespace colour::core {

// Colour of one column of a scale `width` pixels wide for `colour`. With
// n = width / 2: column n - 1 is the colour itself, column n - 1 - j
// (j = 1 .. n - 1) each channel c + (255 - c) * j / (n - 1) toward white,
// so the leftmost column is white, column
// 2n - i (i = 1 .. n) each channel c * (i - 1) / n toward black, so the
// rightmost column is black.
base::Colour ScaleColumnColour(base::Colour colour, int column, int width);

// Clears the board and draws the scale over its full height.
void DrawColourScale(base::Canvas& board, base::Colour colour, int width, int height);

}  // namespace colour::core
