#include "inspector/target_capture.h"

#include "app/core/main_layout.h"
#include "inspector/finder_board.h"
#include "util/core/glyphs.h"
#include "util/core/number_text.h"
#include "util/window_marking.h"

namespace inspector {
namespace {

constexpr int kSuperModeOffset = 15;
constexpr const char* kSuperModeMessage =
    "(*^-^*) 无法获取窗口句柄,超级模式被激活,松开鼠标后获取当前窗口句柄!";

std::string Text(std::int64_t v) { return core::NumberToText(static_cast<double>(v)); }

// The window under a screen point, or 0 where there is nothing but the
// desktop itself: no window the inspector could show.
util::WindowHandle WindowUnder(POINT p) {
    const HWND hwnd = WindowFromPoint(p);
    return hwnd == GetDesktopWindow() ? 0 : util::FromHwnd(hwnd);
}

}  // namespace

TargetCapture::TargetCapture(ui::Form& mainWindow, InfoPanel& panel, WindowTree& tree, util::InputHook& hook)
    : leftButtonDown([] { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }),
      main_(mainWindow),
      panel_(panel),
      tree_(tree),
      hook_(hook),
      finderBoard_(mainWindow.Get<ui::DrawingBoard>("画板_捕获器")),
      secondFinderBoard_(mainWindow.Get<ui::DrawingBoard>("画板_捕获器1")),
      mouseX_(mainWindow.Get<ui::EditBox>("编辑框_鼠标位置_X")),
      mouseY_(mainWindow.Get<ui::EditBox>("编辑框_鼠标位置_Y")),
      mouseInWindowX_(mainWindow.Get<ui::EditBox>("编辑框_窗口鼠标位置_X")),
      mouseInWindowY_(mainWindow.Get<ui::EditBox>("编辑框_窗口鼠标位置_Y")) {}

TargetCapture::~TargetCapture() {
    if (Running()) hook_.ClearMouseKeyCallback();
}

bool TargetCapture::Running() const { return finder_ && finder_->Handle(); }

core::HookRoutine TargetCapture::SuperModeRelease() {
    return {this, [this](std::int32_t hwnd, std::int32_t, std::int32_t) { panel_.ShowWindow(hwnd); }};
}

void TargetCapture::Start() {
    // The finder leaves the board: the cross stays, the icon goes.
    DrawFinderBoard(finderBoard_, false);
    MirrorFinderBoard(secondFinderBoard_, finderBoard_);
    if (Running()) return;

    // The main window stays in front while the capture runs. It becomes
    // topmost before it owns the finder window: Wine does not make an owner
    // topmost that already has owned windows.
    main_.SetTopmost(true);
    finder_ = std::make_unique<FinderWindow>();
    if (!finder_->Create(main_.Handle(), [this] { PositionStep(); }, [this] { CaptureTick(); })) {
        finder_.reset();
        main_.SetTopmost(false);
        return;
    }
    // The board keeps the mouse until the button is released: the finder
    // cursor shows all the way, and the release does not click whatever
    // lies under it.
    SetCapture(IsWindowVisible(finderBoard_.Handle()) ? finderBoard_.Handle() : secondFinderBoard_.Handle());
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
    if (tickBusy_ || !Running()) return;
    tickBusy_ = true;

    POINT cursor;
    GetCursorPos(&cursor);
    util::WindowHandle hwnd = WindowUnder(cursor);
    const bool own = util::GetWindowProcessId(hwnd) == static_cast<std::int32_t>(GetCurrentProcessId());
    if (own) panel_.EmptyFields();

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
    mouseX_.SetContent(Text(cursor.x));
    mouseY_.SetContent(Text(cursor.y));
    if (!own) {
        const POINT origin = util::GetClientOrigin(hwnd);
        mouseInWindowX_.SetContent(Text(cursor.x - origin.x));
        mouseInWindowY_.SetContent(Text(cursor.y - origin.y));
    }
    if (hwnd != hovered_ && !own) {
        util::HighlightWindowFrame(hovered_);
        util::HighlightWindowFrame(hwnd);
        hovered_ = hwnd;
        panel_.ShowWindow(hwnd);
    }
    if (!leftButtonDown()) End();
    tickBusy_ = false;
}

void TargetCapture::End() {
    // A release recorded by the hook in super mode is delivered first.
    hook_.DeliverRecordedEvents();
    hook_.ClearMouseKeyCallback();
    util::HighlightWindowFrame(hovered_);
    tree_.RefreshOnWorkerThread();
    hovered_ = 0;
    const HWND captured = GetCapture();
    if (captured == finderBoard_.Handle() || captured == secondFinderBoard_.Handle()) ReleaseCapture();
    finder_->Destroy();  // the object goes at the next capture, outside its own timer
    main_.SetTopmost(false);  // once it owns no finder window (see Start)
    // The finder is back in its place.
    DrawFinderBoard(finderBoard_, true);
    MirrorFinderBoard(secondFinderBoard_, finderBoard_);
}

}  // namespace inspector
