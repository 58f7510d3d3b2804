// The finder tool: what the user drags from a board over the screen to pick
// a window or a point (the inspector's finder, the colour picker).
//
// Contract:
// - The tool belongs to a board: its key events are the tool's while a drag
//   runs.
// - Begin(pressed): the left button went down on the board or on one whose
//   events come to it. The owner (the main window) stays in front until the
//   drag ends, the pressed board keeps the mouse and the keyboard, and a
//   cursor window (ui/cursor_window.h) follows the cursor. False when the
//   cursor window could not be made.
// - Every tick (tickMs): the window under the cursor (the deepest visible
//   one, disabled controls and controls inside group boxes too; 0 over the
//   bare desktop) and the cursor point go to Hovered, after the cursor
//   window's board was cleared for it to draw on. The cursor window is
//   placed so that its board point (14, 14) lies on the cursor, every
//   followMs (or on each tick when followMs is 0).
// - Super mode: while no window is under the cursor, the routine
//   superModeRelease gives is registered with the input hook for the left
//   button's release (which Windows records over the bare desktop too) and
//   the cursor window moves superModeOffset board pixels right and down, off
//   the point. Without a routine there is no super mode.
// - The arrow keys move the cursor one pixel while the button is held, and
//   a tick runs at once.
// - Release: a tick that finds the left button up (leftButtonDown) ends the
//   drag within one tick: the releases the hook recorded are delivered,
//   the hook registrations removed, the mouse let go, the cursor window
//   destroyed, the owner no longer in front; then Released tells the last
//   point and window.
// - Cancel() ends a drag the same way without Released; the tool's end
//   cancels a drag that still runs.
// A tick that throws leaves the tool ready for the next tick.
#pragma once

#include <functional>
#include <memory>

#include "ui/cursor_window.h"
#include "ui/form.h"
#include "win/input_hook.h"
#include "win/window_query.h"

namespace ui {

struct FinderOptions {
    UINT tickMs = 100;
    UINT followMs = 0;         // 0: the cursor window follows on each tick
    int superModeOffset = 0;   // board pixels right and down in super mode
};

struct FinderPoint {
    POINT cursor{};
    win::WindowHandle window = 0;  // under the cursor; 0 over the bare desktop
    bool superMode = false;
    bool last = false;  // the tick that found the button released
};

class FinderTool {
public:
    FinderTool(Form& owner, Control& board, win::InputHook& hook, FinderOptions options);
    ~FinderTool();
    FinderTool(const FinderTool&) = delete;
    FinderTool& operator=(const FinderTool&) = delete;

    bool Begin(Control& pressed);
    void Tick();
    void FollowStep();
    void Cancel();
    bool Running() const;

    CursorWindow* Window() { return window_.get(); }
    int Offset() const { return offset_; }
    win::InputHook& Hook() { return hook_; }

    std::function<void(const FinderPoint&)> Hovered;
    std::function<void(const FinderPoint&)> Released;
    // The routine for a release over the bare desktop; none: no super mode.
    std::function<win::core::HookRoutine()> superModeRelease;
    // Whether the left button is still held; replaceable for tests. The
    // button is released over other programs' windows, where only the
    // asynchronous state sees it.
    std::function<bool()> leftButtonDown;

private:
    void Nudge(UINT key);
    void End(const FinderPoint* last);

    Form& owner_;
    win::InputHook& hook_;
    FinderOptions options_;
    std::unique_ptr<CursorWindow> window_;
    HWND pressed_ = nullptr;
    bool tickBusy_ = false;
    int offset_ = 0;
};

}  // namespace ui
