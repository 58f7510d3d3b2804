#include "inspector/target_capture.h"

#include "ui/core/glyphs.h"

namespace inspector {
namespace {

constexpr int kSuperModeOffset = 15;
constexpr const char* kSuperModeMessage =
    "(*^-^*) 无法获取窗口句柄,超级模式被激活,松开鼠标后获取当前窗口句柄!";

}  // namespace

TargetCapture::TargetCapture(AnalysisControls& controls, Target& target, WindowTree& tree, win::InputHook& hook)
    : c_(controls),
      target_(target),
      tree_(tree),
      finder_(controls.form, controls.画板_捕获器, hook, ui::FinderOptions{100, 2, kSuperModeOffset}) {
    finder_.superModeRelease = [this] { return SuperModeRelease(); };
    finder_.Hovered = [this](const ui::FinderPoint& point) { Hover(point); };
    finder_.Released = [this](const ui::FinderPoint&) { Released(); };
}

win::core::HookRoutine TargetCapture::SuperModeRelease() {
    return {this, [this](std::int32_t hwnd, std::int32_t, std::int32_t) { target_.Select(hwnd); }};
}

void TargetCapture::DrawFinderBoard(bool withIcon) {
    ui::core::DrawFinderBoard(c_.画板_捕获器, withIcon);
    if (FinderBoardChanged) FinderBoardChanged();
}

void TargetCapture::Start(ui::Control& pressedBoard) {
    // The finder leaves the board: the cross stays, the icon goes.
    DrawFinderBoard(false);
    finder_.Begin(pressedBoard);
}

void TargetCapture::Hover(const ui::FinderPoint& point) {
    const win::WindowHandle hwnd = point.window;
    const bool own = win::GetWindowProcessId(hwnd) == static_cast<std::int32_t>(GetCurrentProcessId());
    if (own) target_.Clear();

    ui::DrawingBoard& board = finder_.Window()->Board();
    if (point.superMode) {
        board.SetTextColour(0x000000);
        board.DrawText(0, 0, kSuperModeMessage);
    } else {
        ui::core::DrawFinderIcon(board, ui::core::kFinderIcon, 0, 0);
    }

    POINT cursor;
    GetCursorPos(&cursor);
    c_.编辑框_鼠标位置_X.SetNumber(cursor.x);
    c_.编辑框_鼠标位置_Y.SetNumber(cursor.y);
    if (!own) {
        const POINT origin = win::GetClientOrigin(hwnd);
        c_.编辑框_窗口鼠标位置_X.SetNumber(cursor.x - origin.x);
        c_.编辑框_窗口鼠标位置_Y.SetNumber(cursor.y - origin.y);
    }
    if (hwnd != hovered_ && !own) {
        outline_.Show(hwnd);
        hovered_ = hwnd;
        target_.Select(hwnd);
    }
}

void TargetCapture::Released() {
    outline_.Hide();
    hovered_ = 0;
    DrawFinderBoard(true);  // the finder is back in its place
    // Last, once the finder window is gone and our window has left the
    // topmost band, so that the walk meets a settled list of windows.
    tree_.RefreshOnWorkerThread();
}

}  // namespace inspector
