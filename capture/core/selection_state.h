// The selection of the region capture as the user makes it: a press starts
// a drag at the anchor, moves carry the other corner, the release fixes the
// rectangle, after which the arrow keys nudge it and the cursor tells inside
// from outside. A second press on a fixed selection is ignored: a selection
// is redone by starting over.
//
// Before a drag, a snapped rectangle (the window under the cursor) may be
// offered: it is the selection shown, and a press on it waits. A move of
// more than the drag threshold from the press point makes it a drag like
// any other (the drag wins); a release before that takes the snapped
// rectangle as the fixed selection. With nothing offered, a press is a
// drag at once.
#pragma once

#include <optional>
#include <string>

#include "base/geometry.h"

namespace capture::core {

class SelectionState {
public:
    // The rectangle a click would take, or none; only before a drag and
    // before a press (what was under the press is what a click takes).
    void Offer(const std::optional<base::Rect>& snapped);
    // How far the cursor may go from the press point, in each direction,
    // before an offered rectangle gives way to a drag; 0 by default.
    void SetDragThreshold(int dx, int dy);

    void Press(base::Point p);
    // The moving corner follows while dragging; true when the selection
    // changed (also when a press turns into a drag).
    bool Move(base::Point p);
    void Release();
    // Moves a fixed selection by (dx, dy), kept on the screen; true when it
    // moved.
    bool Nudge(int dx, int dy, const base::Rect& screen);

    bool Dragging() const { return dragging_; }
    bool Done() const { return done_; }
    // Pressed on an offered rectangle, not yet a drag.
    bool Pressed() const { return pressed_; }
    // The offered rectangle while it is shown (before a drag), else the
    // rectangle between the corners, whichever way it was dragged.
    base::Rect Selected() const;
    // "x:120 y:45"
    std::string Label() const;
    // Strictly inside the fixed selection (the inside cursor shows there).
    bool Inside(base::Point p) const;
    // A double click saves only a fixed selection with pixels in it.
    bool CanSave() const { return done_ && !Selected().Empty(); }

private:
    base::Point anchor_;
    base::Point moving_;
    bool dragging_ = false;
    bool done_ = false;
    bool pressed_ = false;
    std::optional<base::Rect> offered_;
    base::Point threshold_;
};

}  // namespace capture::core
