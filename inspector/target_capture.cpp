#include "inspector/target_capture.h"

#include "util/core/glyphs.h"
#include "util/window_marking.h"
#include "util/window_pick.h"

namespace inspector {
namespace {

constexpr int kSuperModeOffset = 15;
constexpr const char* kSuperModeMessage =
    "(*^-^*) 无法获取窗口句柄,超级模式被激活,松开鼠标后获取当前窗口句柄!";

}  // namespace

TargetCapture::TargetCapture(AnalysisControls& controls, Target& target, WindowTree& tree, util::InputHook& hook)
    : leftButtonDown([] { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }),
      c_(controls),
      target_(target),
      tree_(tree),
      hook_(hook) {}

TargetCapture::~TargetCapture() {
    if (Running()) hook_.ClearMouseKeyCallback();
}

bool TargetCapture::Running() const { return finder_ && finder_->Handle(); }

core::HookRoutine TargetCapture::SuperModeRelease() {
    return {this, [this](std::int32_t hwnd, std::int32_t, std::int32_t) { target_.Select(hwnd); }};
}

void TargetCapture::DrawFinderBoard(bool withIcon) {
    core::DrawFinderBoard(c_.画板_捕获器, withIcon);
    if (FinderBoardChanged) FinderBoardChanged();
}

void TargetCapture::Start(ui::Control& pressedBoard) {
    // The finder leaves the board: the cross stays, the icon goes.
    DrawFinderBoard(false);
    if (Running()) return;

    // The main window stays in front while the capture runs. It becomes
    // topmost before it owns the finder window: Wine does not make an owner
    // topmost that already has owned windows.
    c_.form.SetTopmost(true);
    // One timer keeps the finder on the cursor, one runs the capture tick.
    finder_ = std::make_unique<ui::CursorWindow>();
    if (!finder_->Create(c_.form.Handle(), {{2, [this] { PositionStep(); }}, {100, [this] { CaptureTick(); }}})) {
        finder_.reset();
        c_.form.SetTopmost(false);
        return;
    }
    // The board keeps the mouse until the button is released: the finder
    // cursor shows all the way, and the release does not click whatever
    // lies under it.
    pressedBoard_ = pressedBoard.Handle();
    SetCapture(pressedBoard_);
    PositionStep();
    finder_->Show(SW_SHOWNOACTIVATE);
    CaptureTick();
}

void TargetCapture::PositionStep() {
    if (!Running()) return;
    POINT cursor;
    GetCursorPos(&cursor);
    finder_->FollowCursor(cursor, finderOffset_);
}

void TargetCapture::CaptureTick() {
    if (!Running()) return;
    const util::BusyScope busy(tickBusy_);
    if (!busy) return;

    POINT cursor;
    GetCursorPos(&cursor);
    util::WindowHandle hwnd = util::DeepestWindowAt(cursor);
    const bool own = util::GetWindowProcessId(hwnd) == static_cast<std::int32_t>(GetCurrentProcessId());
    if (own) target_.Clear();

    ui::DrawingBoard& board = finder_->Board();
    board.Clear();
    if (hwnd == 0) {
        hook_.SetMouseKeyCallback(SuperModeRelease(), core::kHookLeftUp);
        finderOffset_ = kSuperModeOffset;
        board.SetTextColour(0x000000);
        board.DrawText(0, 0, kSuperModeMessage);
    } else {
        hook_.ClearMouseKeyCallback();
        finderOffset_ = 0;
        core::DrawFinderIcon(board, core::kFinderIcon, 0, 0);
    }
    finder_->MakeSeeThrough();

    GetCursorPos(&cursor);
    c_.编辑框_鼠标位置_X.SetNumber(cursor.x);
    c_.编辑框_鼠标位置_Y.SetNumber(cursor.y);
    if (!own) {
        const POINT origin = util::GetClientOrigin(hwnd);
        c_.编辑框_窗口鼠标位置_X.SetNumber(cursor.x - origin.x);
        c_.编辑框_窗口鼠标位置_Y.SetNumber(cursor.y - origin.y);
    }
    if (hwnd != hovered_ && !own) {
        outline_.Show(hwnd);
        hovered_ = hwnd;
        target_.Select(hwnd);
    }
    if (!leftButtonDown()) End();
}

void TargetCapture::End() {
    // A release recorded by the hook in super mode is delivered first.
    hook_.DeliverRecordedEvents();
    hook_.ClearMouseKeyCallback();
    outline_.Hide();
    hovered_ = 0;
    if (pressedBoard_ && GetCapture() == pressedBoard_) ReleaseCapture();
    pressedBoard_ = nullptr;
    finder_->Destroy();  // the object goes at the next capture, outside its own timer
    c_.form.SetTopmost(false);  // once it owns no finder window (see Start)
    DrawFinderBoard(true);  // the finder is back in its place
    // Last, once the finder window is gone and our window has left the
    // topmost band, so that the walk meets a settled list of windows.
    tree_.RefreshOnWorkerThread();
}

}  // namespace inspector
