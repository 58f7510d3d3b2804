#include "ui/core/glyphs.h"

namespace ui::core {

void DrawFinderBoard(base::Canvas& board, bool withIcon) {
    board.SetBackgroundColour(kFinderBackground);  // clears the board
    board.SetPenColour(kFinderLines);
    board.Line(0, 14, 31, 14);
    board.Line(14, 0, 14, 31);
    if (withIcon) DrawFinderIcon(board, kFinderIcon, 0, 0);
}

void DrawFinderIcon(base::Canvas& board, base::Colour colour, int x, int y) {
    const base::Colour savedPen = board.PenColour();
    const int cx = x + 14, cy = y + 14;

    board.SetPenColour(board.BackgroundColour());
    board.SetFillColour(colour);
    board.Ellipse(x + 4, y + 4, x + 25, y + 25);

    // Cross-hair across the disc in the background colour: four ticks from
    // the rim towards the centre, leaving a small gap around it.
    board.Line(x + 6, cy, x + 12, cy);
    board.Line(x + 17, cy, x + 23, cy);
    board.Line(cx, y + 6, cx, y + 12);
    board.Line(cx, y + 17, cx, y + 23);

    board.SetPixel(cx, cy, colour);
    board.SetPenColour(savedPen);
}

void DrawPenIcon(base::Canvas& board, int x, int y, base::Colour colour) {
    // 15 x 15 picture of a pen lying from the bottom-left (tip) to the
    // top-right (cap): '#' is drawn in the colour, '.' stays background.
    static constexpr const char* kPen[15] = {
        "...........###.",
        "..........#####",
        ".........######",
        "........######.",
        ".......#.####..",
        "......###.##...",
        ".....#####.....",
        "....#####......",
        "...#####.......",
        "..#####........",
        ".#.###.........",
        ".##.#..........",
        ".###...........",
        "##.............",
        "#..............",
    };
    const base::Colour background = board.BackgroundColour();
    for (int row = 0; row < 15; ++row) {
        for (int col = 0; col < 15; ++col) {
            board.SetPixel(x + col, y + row, kPen[row][col] == '#' ? colour : background);
        }
    }
}

}  // namespace ui::core
