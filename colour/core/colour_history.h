// The colours picked on the colour page during this run, for the row of
// swatches `画板_历史颜色` under the palette.
//
// What counts as a pick: a colour the user chose by pointing at it.
//   - The picker let go over the screen: the colour under the cursor when
//     the screen is kept (the sampled colour, `编辑框_颜色值`).
//   - A click on a palette square or on the colour scale, and a press on
//     the magnifier's palette picture once the button is released over it
//     (dragging over the picture runs through many colours; the one it
//     ends on is the pick).
// What does not: colours typed or composed from R/G/B, the colours the
// kept view shows while it is dragged or switched back to, and clicks on
// the swatches themselves (they make a colour current again without
// reordering the row, so that the user can click through it).
//
// The row holds at most 16 colours, newest first (left). A colour picked
// again moves to the front instead of appearing twice, so the row is always
// 16 different colours (fewer before 16 have been picked). Only a colour's
// low three bytes count. The history lives as long as the program runs.
#pragma once

#include <cstddef>
#include <vector>

#include "base/canvas.h"
#include "colour/core/palette.h"

namespace colour::core {

class ColourHistory {
public:
    static constexpr std::size_t kCapacity = 16;

    // Puts the colour first (see above).
    void Add(base::Colour colour);
    // Newest first.
    const std::vector<base::Colour>& Colours() const { return colours_; }

private:
    std::vector<base::Colour> colours_;
};

// The swatch board is 160 x 20: slot i (0 to 15, 0 the newest) is a
// 9 x 14 square at (10i, 3), one pixel apart.
inline constexpr int kHistoryBoardWidth = 160;
inline constexpr int kHistoryBoardHeight = 20;
SquareRect HistorySwatch(int slot);
// The slot whose swatch holds the board point, or -1 (between swatches,
// above or below them).
int HistorySlotAt(int x, int y);

// Draws the 16 slots: each outlined in the palette's outline colour, filled
// with its colour, or with the board's background while it is empty.
void DrawColourHistory(base::Canvas& board, const ColourHistory& history);

}  // namespace colour::core
