// The small glyphs of the finder boards: the finder icon (a disc with a
// see-through cross-hair) on its cross-lined field, and the pen icon of the
// colour picker.
#pragma once

#include "base/canvas.h"

namespace ui::core {

// Finder boards: background, cross lines, finder icon.
inline constexpr base::Colour kFinderBackground = base::Rgb(240, 255, 240);
inline constexpr base::Colour kFinderLines = 0xFFA8FF;
inline constexpr base::Colour kFinderIcon = 0xFF00FF;

// A 31 x 31 finder board: clears it to the finder background and draws the
// cross lines through (14, 14); with the finder icon on top when withIcon is
// set (the finder rests on the board).
void DrawFinderBoard(base::Canvas& board, bool withIcon);

// Draws the finder icon with its top-left at (x, y): a disc of `colour` from
// (x+4, y+4) to (x+25, y+25) whose cross-hair, four ticks in the board's
// background colour pointing at the centre (x+14, y+14), leaves one pixel of
// `colour` at the centre. On the finder window, whose background is its
// see-through colour, the cross-hair shows what lies below.
void DrawFinderIcon(base::Canvas& board, base::Colour colour, int x, int y);

// Clears the 15 x 15 square (x, y)-(x+14, y+14) to the board's background
// colour and draws a pen glyph in `colour` inside it, its tip at the
// bottom-left corner.
void DrawPenIcon(base::Canvas& board, int x, int y, base::Colour colour);

}  // namespace ui::core
