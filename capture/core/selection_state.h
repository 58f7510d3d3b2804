// The selection of the region capture as the user makes it: a press starts
// a drag at the anchor, moves carry the other corner, the release fixes the
// rectangle, after which the arrow keys nudge it and the cursor tells inside
// from outside. A second press on a fixed selection is ignored: a selection
// is redone by starting over.
#pragma once

#include <string>

#include "util/core/geometry.h"

namespace core {

class SelectionState {
public:
    void Press(Point p);
    // The moving corner follows while dragging; true when it moved.
    bool Move(Point p);
    void Release();
    // Moves a fixed selection by (dx, dy), kept on the screen; true when it
    // moved.
    bool Nudge(int dx, int dy, const Rect& screen);

    bool Dragging() const { return dragging_; }
    bool Done() const { return done_; }
    // The rectangle between the corners, whichever way it was dragged.
    Rect Selected() const;
    // "x:120 y:45"
    std::string Label() const;
    // Strictly inside the fixed selection (the inside cursor shows there).
    bool Inside(Point p) const;
    // A double click saves only a fixed selection with pixels in it.
    bool CanSave() const { return done_ && !Selected().Empty(); }

private:
    Point anchor_;
    Point moving_;
    bool dragging_ = false;
    bool done_ = false;
};

}  // namespace core
