// The magnifier of the colour page: which screen pixels it shows for a
// cursor point, how the kept view moves when the user drags it, and what is
// drawn over the magnified picture.
//
// The view is the 52 x 52 pixels around the point (the point at (25, 25) of
// the cut), enlarged five times: the point's block lies at (125..129,
// 125..129) of the 257 x 257 board.
#pragma once

#include "base/canvas.h"
#include "base/geometry.h"

namespace colour::core {

inline constexpr int kGrabSize = 52;
inline constexpr int kGrabCentre = 25;  // the point's place in the cut
inline constexpr int kMagnifierZoom = 500;  // percent
inline constexpr int kMagnifierBlock = kMagnifierZoom / 100;
inline constexpr base::Colour kMagnifierRuler = 0xFFA8FF;

// The screen rectangle the view shows for a point.
base::Rect GrabRect(base::Point point);

// The kept view's centre after a drag on the board from `press` to `now`
// (board pixels): five board pixels move it one screen pixel, opposite to
// the mouse, so the picture follows the mouse. Divisions truncate toward
// zero.
base::Point DraggedCentre(base::Point centre, base::Point press, base::Point now);

// Clears the board (the picture stays) and draws the centre square outlined
// in `frame` and filled with `colour`, the ruler lines along the left and
// bottom edges and their marks.
void DrawMagnifierFrame(base::Canvas& board, base::Colour colour, base::Colour frame);

// The marker of a pick from the palette picture: twelve one-pixel lines in
// black around (a, b), three on each side, leaving the 5 x 5 centre free.
void DrawCrossMarker(base::Canvas& board, int a, int b);

}  // namespace colour::core
