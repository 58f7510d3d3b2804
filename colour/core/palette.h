// The 32-colour palette board of the colour page: 4 rows of 8 squares.
#pragma once

#include "base/canvas.h"

namespace colour::core {

inline constexpr int kPaletteColumns = 8;
inline constexpr int kPaletteRows = 4;
// Outline of the squares; a click on it picks nothing.
inline constexpr base::Colour kPaletteOutline = 0x929292;

base::Colour PaletteColour(int column, int row);

struct SquareRect {
    int left, top, right, bottom;  // right and bottom excluded
};
// The square of column c and row r: (19c + 5, 19r + 5) to (19c + 19, 19r + 19).
SquareRect PaletteSquare(int column, int row);

// Draws the 32 squares, outlined in kPaletteOutline and filled with their
// colours, on the board's current background.
void DrawPalette(base::Canvas& board);

}  // namespace colour::core
