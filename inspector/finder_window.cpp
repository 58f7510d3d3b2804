#include "inspector/finder_window.h"

namespace inspector {
namespace {

constexpr int kFinderSize = 31;
constexpr int kHotSpot = 14;  // the finder icon's centre
constexpr core::Colour kSeeThrough = 0xFFFFFF;

}  // namespace

FinderWindow::FinderWindow() = default;

FinderWindow::~FinderWindow() { Destroy(); }

bool FinderWindow::Create(HWND owner, std::function<void()> follow, std::function<void()> tick) {
    ui::FormOptions options;
    options.width = kFinderSize;
    options.height = kFinderSize;
    options.style = WS_POPUP;
    // Owned by the main window, which is topmost during a capture: the
    // finder is then topmost with it.
    options.exStyle = WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
    options.owner = owner;
    options.background = kSeeThrough;
    if (!Form::Create(options)) return false;
    board_ = &Add<ui::DrawingBoard>("画板1", ui::Bounds{0, 0, kFinderSize, kFinderSize}, ui::kNoPage);
    board_->SetBackgroundColour(kSeeThrough);
    // See-through from the start: shown under the cursor, it must never be
    // the window found there.
    MakeSeeThrough();
    followTimer_ = std::make_unique<ui::Timer>(*this, std::move(follow));
    captureTimer_ = std::make_unique<ui::Timer>(*this, std::move(tick));
    followTimer_->Start(2);
    captureTimer_->Start(100);
    return true;
}

void FinderWindow::FollowCursor(POINT cursor, int offset) {
    SetWindowPos(Handle(), nullptr, cursor.x - ToPhysical(kHotSpot) + ToPhysical(offset),
                 cursor.y - ToPhysical(kHotSpot) + ToPhysical(offset), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void FinderWindow::MakeSeeThrough() {
    const LONG_PTR ex = GetWindowLongPtrW(Handle(), GWL_EXSTYLE);
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, ex | WS_EX_TRANSPARENT | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), ui::ToColorref(kSeeThrough), 250, LWA_COLORKEY | LWA_ALPHA);
}

}  // namespace inspector
