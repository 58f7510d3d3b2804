// Picking the target by dragging the finder (`画板_捕获器`, or the second
// page's finder, whose events come here) with the finder tool
// (ui/finder_tool.h). While the left button is held, the finder window
// follows the cursor every 2 ms, and every 100 ms the window under the
// cursor is outlined with an inverted frame, the cursor positions are
// shown, and a newly hovered window becomes the target. Windows of this
// program are never captured: the target is cleared instead.
//
// Where Windows reports no window under the cursor (nothing but the bare
// desktop), the capture is in super mode: the finder shows a message, moves
// 15 pixels aside, and the window is taken from the input hook's record of
// the button release instead.
//
// Releasing the button ends the capture within one tick: the outline is
// erased, the finder window goes (its icon is back on the board), and the
// window tree is rebuilt on a worker thread.
#pragma once

#include <functional>

#include "inspector/analysis_controls.h"
#include "inspector/target.h"
#include "inspector/window_tree.h"
#include "ui/finder_tool.h"
#include "win/input_hook.h"
#include "win/window_marking.h"

namespace inspector {

class TargetCapture {
public:
    TargetCapture(AnalysisControls& controls, Target& target, WindowTree& tree, win::InputHook& hook);

    // A finder board was pressed (this page's, or one whose events come
    // here): picks up the finder.
    void Start(ui::Control& pressedBoard);
    void PositionStep() { finder_.FollowStep(); }
    void CaptureTick() { finder_.Tick(); }
    bool Running() const { return finder_.Running(); }

    // The routine super mode registers for the left-button release: it makes
    // the released-on window the target. The colour picker's finder uses it
    // too.
    win::core::HookRoutine SuperModeRelease();

    win::WindowHandle HoveredWindow() const { return hovered_; }
    int FinderOffset() const { return finder_.Offset(); }
    ui::CursorWindow* Finder() { return finder_.Window(); }
    ui::FinderTool& Tool() { return finder_; }
    win::InputHook& Hook() { return finder_.Hook(); }

    // The finder left its board or came back: boards elsewhere that look
    // like this page's show the same again.
    std::function<void()> FinderBoardChanged;

private:
    void Hover(const ui::FinderPoint& point);
    void Released();
    void DrawFinderBoard(bool withIcon);

    AnalysisControls& c_;
    Target& target_;
    WindowTree& tree_;
    win::WindowOutline outline_;
    ui::FinderTool finder_;
    win::WindowHandle hovered_ = 0;
};

}  // namespace inspector
