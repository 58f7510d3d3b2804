// The selection window of the region capture: laid over the save window at
// opacity 150, it shows the frozen screen with the rectangle the user drags.
//
// Contract: the left button drags a rectangle (the lens follows the cursor
// on every move); the release fixes it, hides the lens and shows the inside
// cursor; then the arrow keys nudge it by one pixel and the cursor shows
// inside or outside. A double click on a fixed selection asks to save it,
// Ctrl+C to copy it; Esc closes the capture; the right button's release
// closes this window only, leaving the frozen screen until Esc.
//
// Snapping, before any drag: the frame shows the window under the cursor
// (the levels of core::WindowSnap, from the windows of the frozen screen),
// and the lens's label its size. Tab or the wheel turned away from the user
// steps out to the rectangle around it (from a control to its parent, from
// a window's client area to the whole window); Shift+Tab or the wheel
// turned towards the user steps back in; a move of the cursor starts again
// at the deepest one. A press and release that moves no more than the
// system's drag distance (SM_CXDRAG, SM_CYDRAG; 4 pixels where it gives
// none) from the press point takes the shown rectangle as the fixed
// selection, just as a drag would have made it; a press that moves further
// is a drag from the press point. So a double click on a window saves that
// window. Where no window is, a press is a drag at once.
#pragma once

#include <functional>

#include "capture/capture_window.h"
#include "capture/core/selection_state.h"
#include "capture/core/window_snap.h"
#include "capture/frozen_screen.h"
#include "ui/file_dialog.h"

namespace capture {

struct SelectionCursors {
    HCURSOR start = nullptr;
    HCURSOR inside = nullptr;
    HCURSOR outside = nullptr;
};

class SelectionWindow : public CaptureWindow {
public:
    SelectionWindow(const FrozenScreen& frozen, core::SelectionState& state, SelectionCursors cursors)
        : frozen_(frozen), state_(state), cursors_(cursors) {}
    bool Create(HWND owner);

    std::function<void(base::Point cursor)> CursorMoved;
    std::function<void()> Released;
    std::function<void()> SaveAsked;
    std::function<void()> CopyAsked;
    std::function<void()> RightReleased;

    // The cursor is at the screen point (before the window gets its first
    // mouse message): the snapped window there is shown.
    void HoverAt(base::Point cursor);
    // The window shows nothing of itself (while the save dialog is open).
    void MakeClear();
    // The save dialog, owned by this window; made with it.
    ui::FileDialog& SaveDialog() { return *saveDialog_; }

protected:
    void Paint(HDC dc, const RECT& dirty) override;
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    base::Point ScreenPoint(LPARAM lParam) const;
    // Repaints what the selection covered and covers now.
    void SelectionChanged(const base::Rect& before);
    HCURSOR CurrentCursor() const;
    // The snapped rectangle follows the cursor, or steps out or in, while
    // no press or drag has begun; true when the shown selection changed.
    bool FollowSnap(base::Point cursor);
    void StepSnap(bool out);

    const FrozenScreen& frozen_;
    core::SelectionState& state_;
    SelectionCursors cursors_;
    bool pointerInside_ = false;
    core::WindowSnap snap_;
    base::Point cursor_;  // the last seen, for the lens's label after a step
    int wheel_ = 0;       // wheel turns short of a whole notch
    ui::FileDialog* saveDialog_ = nullptr;
};

}  // namespace capture
