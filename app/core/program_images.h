// The program's own cursors and icon, drawn by code (nothing is taken from
// image files).
#pragma once

#include "imaging/core/image32.h"

namespace app::core {

inline constexpr int kCursorSize = 32;

// Arrow with a small target: the mouse pointer of the finder boards.
// Hot spot (0, 0), the arrow's tip.
imaging::core::Image32 FinderCursorImage();

// Pointing hand: the mouse pointer of buttons, check boxes and the like.
// Hot spot (0, 0), next to the tip of the pointing finger.
imaging::core::Image32 HandCursorImage();

// The region capture's cursors, all with the hot spot (0, 0): the
// selection board's first one (a corner bracket: a drag starts here), the
// one inside the finished selection (an arrow with a blue save badge, in
// true colour) and the one outside it (an arrow with a dashed frame, in
// black and white).
imaging::core::Image32 SelectionStartCursorImage();
imaging::core::Image32 SelectionInsideCursorImage();
imaging::core::Image32 SelectionOutsideCursorImage();

// The program icon at size x size pixels (16, 32, 48 ...): a finder target
// on a blue tile.
imaging::core::Image32 ProgramIconImage(int size);

}  // namespace app::core
