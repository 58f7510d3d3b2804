// The look of the finder boards: the cross lines on a pale green field, with
// the finder icon while the finder rests on the board.
#pragma once

#include "ui/drawing_board.h"

namespace inspector {

// Clears the board to the finder background and draws the cross lines; with
// the finder icon on top when withIcon is set.
void DrawFinderBoard(ui::DrawingBoard& board, bool withIcon);

// Makes `copy` show what `source` shows (the second page's finder looks like
// the first page's).
void MirrorFinderBoard(ui::DrawingBoard& copy, const ui::DrawingBoard& source);

}  // namespace inspector
