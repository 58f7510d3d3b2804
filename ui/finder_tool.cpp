#include "ui/finder_tool.h"

#include "ui/core/arrow_keys.h"
#include "win/scoped.h"
#include "win/window_pick.h"

namespace ui {

static_assert(core::kKeyLeft == VK_LEFT && core::kKeyUp == VK_UP && core::kKeyRight == VK_RIGHT &&
                  core::kKeyDown == VK_DOWN,
              "arrow key codes");

FinderTool::FinderTool(Form& owner, Control& board, win::InputHook& hook, FinderOptions options)
    : leftButtonDown([] { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }),
      owner_(owner),
      hook_(hook),
      options_(options) {
    board.KeyDown = [this](UINT key) {
        if (Running()) Nudge(key);
    };
}

FinderTool::~FinderTool() { Cancel(); }

bool FinderTool::Running() const { return window_ && window_->Handle(); }

bool FinderTool::Begin(Control& pressed) {
    if (Running()) return true;
    // Topmost before it owns the cursor window: Wine does not make an owner
    // topmost that already has owned windows.
    owner_.SetTopmost(true);
    std::vector<CursorWindowTimer> timers = {{options_.tickMs, [this] { Tick(); }}};
    if (options_.followMs) timers.push_back({options_.followMs, [this] { FollowStep(); }});
    window_ = std::make_unique<CursorWindow>();
    if (!window_->Create(owner_.Handle(), std::move(timers))) {
        window_.reset();
        owner_.SetTopmost(false);
        return false;
    }
    // The pressed board keeps the mouse until the release (the cursor shows
    // all the way, and the release clicks nothing beneath) and takes the
    // arrow keys.
    pressed_ = pressed.Handle();
    SetCapture(pressed_);
    pressed.Focus();
    // The first tick places and draws the window before it shows, so that
    // it never stands anywhere else, or unkeyed, over what is picked.
    offset_ = 0;
    Tick();
    if (Running()) window_->Show(SW_SHOWNOACTIVATE);
    return true;
}

void FinderTool::FollowStep() {
    if (!Running()) return;
    POINT cursor;
    GetCursorPos(&cursor);
    window_->FollowCursor(cursor, offset_);
}

void FinderTool::Tick() {
    if (!Running()) return;
    const win::BusyScope busy(tickBusy_);
    if (!busy) return;

    FinderPoint point;
    GetCursorPos(&point.cursor);
    point.window = win::DeepestWindowAt(point.cursor);
    point.last = !leftButtonDown();
    point.superMode = point.window == 0 && superModeRelease;
    if (point.superMode) {
        hook_.SetMouseKeyCallback(superModeRelease(), win::core::kHookLeftUp);
    } else {
        hook_.ClearMouseKeyCallback();
    }
    offset_ = point.superMode ? options_.superModeOffset : 0;

    window_->Board().Clear();
    if (Hovered) Hovered(point);
    if (!Running()) return;  // the hover ended the drag
    window_->MakeSeeThrough();
    if (!options_.followMs) window_->FollowCursor(point.cursor, offset_);
    if (point.last) End(&point);
}

void FinderTool::Nudge(UINT key) {
    const auto step = core::ArrowKeyStep(key);
    if (!step) return;
    POINT cursor;
    GetCursorPos(&cursor);
    SetCursorPos(cursor.x + step->x, cursor.y + step->y);
    Tick();
}

void FinderTool::Cancel() {
    if (Running()) End(nullptr);
}

void FinderTool::End(const FinderPoint* last) {
    // A release recorded by the hook over the bare desktop is delivered first.
    hook_.DeliverRecordedEvents();
    hook_.ClearMouseKeyCallback();
    if (pressed_ && GetCapture() == pressed_) ReleaseCapture();
    pressed_ = nullptr;
    window_->Destroy();  // the object goes at the next drag, outside its own timer
    owner_.SetTopmost(false);  // once it owns no cursor window (see Begin)
    offset_ = 0;
    if (last && Released) Released(*last);
}

}  // namespace ui
