#include "colour/core/colour_scale.h"

namespace colour::core {

base::Colour ScaleColumnColour(base::Colour colour, int column, int width) {
    const int n = width / 2;
    if (n < 1 || column < 0 || column >= 2 * n) return 0xFFFFFF;
    const int channels[3] = {base::RedOf(colour), base::GreenOf(colour), base::BlueOf(colour)};
    int out[3];
    for (int k = 0; k < 3; ++k) {
        const int c = channels[k];
        if (column >= n) {
            const int i = 2 * n - column;  // 1 at the right edge
            out[k] = c * (i - 1) / n;
        } else if (n > 1) {
            const int j = n - 1 - column;  // 0 in the middle, n - 1 at the left edge
            out[k] = c + (255 - c) * j / (n - 1);
        } else {
            out[k] = c;
        }
    }
    return base::Rgb(out[0], out[1], out[2]);
}

void DrawColourScale(base::Canvas& board, base::Colour colour, int width, int height) {
    board.Clear();
    const base::Colour savedPen = board.PenColour();
    for (int column = 0; column < width / 2 * 2; ++column) {
        board.SetPenColour(ScaleColumnColour(colour, column, width));
        board.Line(column, 0, column, height);
    }
    board.SetPenColour(savedPen);
}

}  // namespace colour::core
