#include "colour/core/palette.h"

namespace colour::core {
namespace {

constexpr base::Colour kColours[kPaletteRows][kPaletteColumns] = {
    {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0},
    {0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF},
    {0xFF8080, 0xE03058, 0x00E080, 0x80E000, 0x0060C0, 0xFFA8FF, 0x00D8D8, 0xECECEC},
    {0xFF0090, 0xFF8800, 0x80A080, 0xC06000, 0x0080FF, 0x8050FF, 0xC080FF, 0x606060},
};

}  // namespace

base::Colour PaletteColour(int column, int row) { return kColours[row][column]; }

SquareRect PaletteSquare(int column, int row) {
    return {19 * column + 5, 19 * row + 5, 19 * column + 19, 19 * row + 19};
}

void DrawPalette(base::Canvas& board) {
    const base::Colour savedPen = board.PenColour();
    board.SetPenColour(kPaletteOutline);
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int column = 0; column < kPaletteColumns; ++column) {
            const SquareRect r = PaletteSquare(column, row);
            board.SetFillColour(PaletteColour(column, row));
            board.Rectangle(r.left, r.top, r.right, r.bottom);
        }
    }
    board.SetPenColour(savedPen);
}

}  // namespace colour::core
