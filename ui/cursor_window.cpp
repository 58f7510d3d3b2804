#include "ui/cursor_window.h"

namespace ui {
namespace {

constexpr int kWindowSize = 31;
constexpr int kHotSpot = 14;  // the board point that lies on the cursor
constexpr base::Colour kSeeThrough = 0xFFFFFF;

}  // namespace

CursorWindow::CursorWindow() = default;

CursorWindow::~CursorWindow() { Destroy(); }

bool CursorWindow::Create(HWND owner, std::vector<CursorWindowTimer> timers) {
    FormOptions options;
    options.width = kWindowSize;
    options.height = kWindowSize;
    options.style = WS_POPUP;
    // Owned by the main window, which is topmost while the user drags:
    // this window is then topmost with it.
    options.exStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    options.owner = owner;
    options.background = kSeeThrough;
    if (!Form::Create(options)) return false;
    board_ = &Add<DrawingBoard>("画板1", Bounds{0, 0, kWindowSize, kWindowSize}, kNoPage);
    board_->SetBackgroundColour(kSeeThrough);
    // See-through from the start: shown under the cursor, it must never be
    // the window found there.
    MakeSeeThrough();
    for (CursorWindowTimer& t : timers) {
        timers_.push_back(std::make_unique<Timer>(*this, std::move(t.tick)));
        timers_.back()->Start(t.periodMs);
    }
    return true;
}

void CursorWindow::FollowCursor(POINT cursor, int offset) {
    SetWindowPos(Handle(), nullptr, cursor.x - ToPhysical(kHotSpot) + ToPhysical(offset),
                 cursor.y - ToPhysical(kHotSpot) + ToPhysical(offset), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CursorWindow::MakeSeeThrough() {
    const LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex | WS_EX_TRANSPARENT | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), ToColorref(kSeeThrough), 250, LWA_COLORKEY | LWA_ALPHA);
}

}  // namespace ui
