// Snapping of the region capture to windows. Before a drag starts, the
// selection shows the rectangle of the window or control under the cursor,
// and a click without a drag takes it. The windows come from a snapshot
// made when the screen was frozen, so no live window is asked while the
// capture is open, and what is snapped is what the frozen image shows.
//
// The rectangles a click can take at a point are its levels, outermost
// first:
//   1. the topmost top-level window whose rectangle holds the point (as it
//      shows: without invisible resize borders), which is what a click on
//      its caption or frame takes;
//   2. that window's client area, when the point lies in it and it differs
//      from the window's rectangle: what a click over the client area, off
//      any control, takes;
//   3. down from there, child by child, the visible child that holds the
//      point, the smallest where siblings overlap (a radio button inside a
//      group box that lies above it), the topmost of equal ones: the window
//      the inspector's finder takes, enabled or not.
// Each level is the part of its window that shows: clipped to the client
// areas of the windows it lies in and to the virtual screen. A level equal
// to the one inside it (a control that fills its parent's client area) is
// listed once, so that every step out changes the rectangle.
//
// The deepest level is shown first; stepping out goes to the level around
// it, stepping in back towards the deepest, and moving the cursor starts
// again at the deepest level under it.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

#include "base/geometry.h"

namespace capture::core {

// One window of the snapshot, in screen pixels.
struct SnapWindow {
    base::Rect window;      // where it shows
    base::Rect client;      // its client area, where its children show
    int parent = -1;  // index of its parent in the snapshot; -1 for a top-level window
};

class WindowSnap {
public:
    WindowSnap() = default;
    // `windows` in Z order: the top-level windows topmost first, and the
    // children of each window topmost first, every window after its
    // parent (one whose parent is not listed before it is left out).
    // `screen` is the virtual screen.
    WindowSnap(std::vector<SnapWindow> windows, const base::Rect& screen);

    // The levels at the point, outermost first; none where no window is.
    std::vector<base::Rect> LevelsAt(base::Point p) const;

    // The cursor is at the point: the deepest level there is shown. A
    // cursor that has not moved keeps the level stepped to. True when the
    // shown rectangle changed.
    bool Hover(base::Point p);
    // One level out (towards the top-level window) or in (towards the
    // deepest under the cursor); true when the shown rectangle changed.
    bool StepOut();
    bool StepIn();
    // The rectangle a click takes now; none where no window is.
    std::optional<base::Rect> Shown() const;

private:
    std::vector<SnapWindow> windows_;
    std::vector<std::vector<int>> children_;  // per window, in Z order
    std::vector<int> topLevels_;              // in Z order
    base::Rect screen_;

    std::optional<base::Point> cursor_;
    std::vector<base::Rect> levels_;
    std::size_t shown_ = 0;  // index into levels_
};

}  // namespace capture::core
