#include "inspector/finder_board.h"

#include "app/core/main_layout.h"
#include "util/core/glyphs.h"

namespace inspector {

void DrawFinderBoard(ui::DrawingBoard& board, bool withIcon) {
    board.SetBackgroundColour(core::kFinderBackground);  // repaints the board
    board.SetPenColour(core::kFinderLines);
    board.Line(0, 14, 31, 14);
    board.Line(14, 0, 14, 31);
    if (withIcon) core::DrawFinderIcon(board, core::kFinderIcon, 0, 0);
}

void MirrorFinderBoard(ui::DrawingBoard& copy, const ui::DrawingBoard& source) {
    copy.Clear();
    copy.DrawImageOf(source, 0, 0);
}

}  // namespace inspector
