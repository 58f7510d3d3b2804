// The selection window of the region capture: laid over the save window at
// opacity 150, it shows the frozen screen with the rectangle the user drags.
//
// Contract: the left button drags a rectangle (the lens follows the cursor
// on every move); the release fixes it, hides the lens and shows the inside
// cursor; then the arrow keys nudge it by one pixel and the cursor shows
// inside or outside. A double click on a fixed selection asks to save it,
// Ctrl+C to copy it; Esc closes the capture; the right button's release
// closes this window only, leaving the frozen screen until Esc.
#pragma once

#include <functional>

#include "ui/file_dialog.h"
#include "capture/capture_window.h"
#include "capture/core/selection_state.h"
#include "capture/frozen_screen.h"

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

    std::function<void(core::Point cursor)> CursorMoved;
    std::function<void()> Released;
    std::function<void()> SaveAsked;
    std::function<void()> CopyAsked;
    std::function<void()> RightReleased;

    // The window shows nothing of itself (while the save dialog is open).
    void MakeClear();
    // The save dialog, owned by this window; made with it.
    ui::FileDialog& SaveDialog() { return *saveDialog_; }

protected:
    void Paint(HDC dc, const RECT& dirty) override;
    LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    core::Point ScreenPoint(LPARAM lParam) const;
    // Repaints what the selection covered and covers now.
    void SelectionChanged(const core::Rect& before);
    HCURSOR CurrentCursor() const;

    const FrozenScreen& frozen_;
    core::SelectionState& state_;
    SelectionCursors cursors_;
    bool pointerInside_ = false;
    ui::FileDialog* saveDialog_ = nullptr;
};

}  // namespace capture
