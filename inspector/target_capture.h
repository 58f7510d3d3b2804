// Picking the target by dragging the finder (`画板_捕获器`, or the second
// page's finder, whose events come here). While the left button is held, the
// finder window follows the cursor, and every 100 ms the window under the
// cursor (the deepest visible one, disabled controls and controls inside
// group boxes too) is outlined with an inverted frame, the cursor positions
// are shown, and a newly hovered window becomes the target (its handle goes
// into the handle box, which refreshes the panel). Windows of this program
// are never captured: the panel is emptied instead.
//
// Where Windows reports no window under the cursor (nothing but the bare
// desktop), the capture is in super mode: the finder shows a message, moves
// aside, and the window is taken from the input hook's record of the button
// release instead.
//
// Releasing the button ends the capture within one tick: the outline is
// erased, the finder window goes (its icon is back on the board), and the
// window tree is rebuilt on a worker thread.
#pragma once

#include <functional>
#include <memory>

#include "inspector/analysis_controls.h"
#include "inspector/info_panel.h"
#include "inspector/target.h"
#include "inspector/window_tree.h"
#include "ui/cursor_window.h"
#include "util/input_hook.h"
#include "util/window_marking.h"

namespace inspector {

class TargetCapture {
public:
    TargetCapture(AnalysisControls& controls, Target& target, WindowTree& tree, util::InputHook& hook);
    ~TargetCapture();

    // A finder board was pressed (this page's, or one whose events come
    // here): picks up the finder. The board keeps the mouse until the
    // button is released.
    void Start(ui::Control& pressedBoard);
    void PositionStep();
    void CaptureTick();
    bool Running() const;

    // The routine super mode registers for the left-button release: it makes
    // the released-on window the target. The colour picker's finder uses it
    // too.
    core::HookRoutine SuperModeRelease();

    util::WindowHandle HoveredWindow() const { return hovered_; }
    int FinderOffset() const { return finderOffset_; }
    ui::CursorWindow* Finder() { return finder_.get(); }
    util::InputHook& Hook() { return hook_; }

    // Whether the left button is still held; replaceable for tests.
    std::function<bool()> leftButtonDown;
    // The finder left its board or came back: boards elsewhere that look
    // like this page's show the same again.
    std::function<void()> FinderBoardChanged;

private:
    void End();

    void DrawFinderBoard(bool withIcon);

    AnalysisControls& c_;
    Target& target_;
    WindowTree& tree_;
    util::InputHook& hook_;
    HWND pressedBoard_ = nullptr;
    util::WindowOutline outline_;
    std::unique_ptr<ui::CursorWindow> finder_;
    util::WindowHandle hovered_ = 0;
    bool tickBusy_ = false;
    int finderOffset_ = 0;
};

}  // namespace inspector
