#include "colour/colour_picker.h"

#include "util/core/glyphs.h"
#include "util/window_pick.h"
#include "util/window_query.h"

namespace colour {
namespace {

constexpr UINT kTickMs = 50;
constexpr UINT kKeepDelayMs = 100;
constexpr core::Colour kSeeThrough = 0xFFFFFF;

}  // namespace

ColourPicker::ColourPicker(ColourControls& controls, MagnifierView& magnifier, util::InputHook& hook,
                           std::function<core::Colour()> penColour, std::function<void()> drawPickerBoard)
    : // The button is released over other programs' windows: only the
      // asynchronous state sees that.
      leftButtonDown([] { return (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0; }),
      c_(controls),
      magnifier_(magnifier),
      hook_(hook),
      penColour_(std::move(penColour)),
      drawPickerBoard_(std::move(drawPickerBoard)),
      keepTimer_(std::make_unique<ui::Timer>(c_.form, [this] { Keep(); })) {
    c_.画板_捕获器2.MouseDown = [this](const ui::MouseEvent& e) {
        if (e.button == ui::MouseButton::Left) Start();
    };
    c_.画板_捕获器2.KeyDown = [this](UINT key) {
        if (Running()) Nudge(key);
    };
}

ColourPicker::~ColourPicker() {
    if (Running()) hook_.ClearMouseKeyCallback();
}

bool ColourPicker::Running() const { return window_ && window_->Handle(); }

void ColourPicker::Start() {
    // The pen leaves the board: the cross stays.
    core::DrawFinderBoard(c_.画板_捕获器2, false);
    keepTimer_->Stop();
    magnifier_.ReleaseKept();
    if (Running()) return;

    // Topmost before it owns the picker window (Wine does not make an owner
    // topmost that already has owned windows).
    c_.form.SetTopmost(true);
    window_ = std::make_unique<ui::CursorWindow>();
    if (!window_->Create(c_.form.Handle(), {{kTickMs, [this] { Tick(); }}})) {
        window_.reset();
        c_.form.SetTopmost(false);
        return;
    }
    // The arrow keys reach the picker board while the button is held.
    c_.画板_捕获器2.Focus();
    // The first tick places and draws the window before it shows, so that
    // it never stands anywhere else or unkeyed over what is sampled.
    Tick();
    if (Running()) window_->Show(SW_SHOWNOACTIVATE);
}

void ColourPicker::Tick() {
    if (!Running()) return;
    const util::BusyScope busy(tickBusy_);
    if (!busy) return;

    ui::DrawingBoard& board = window_->Board();
    board.Clear();
    core::DrawPenIcon(board, 15, 0, penColour_());
    board.SetPixel(14, 14, kSeeThrough);
    window_->MakeSeeThrough();

    POINT cursor;
    GetCursorPos(&cursor);
    const util::WindowHandle hwnd = util::DeepestWindowAt(cursor);
    if (hwnd == 0 && superModeRelease) {
        hook_.SetMouseKeyCallback(superModeRelease(), core::kHookLeftUp);
    } else {
        hook_.ClearMouseKeyCallback();
    }
    c_.编辑框_窗口句柄1.SetNumber(hwnd);
    window_->FollowCursor(cursor, 0);

    c_.编辑框_鼠标位置_X1.SetNumber(cursor.x);
    c_.编辑框_鼠标位置_Y1.SetNumber(cursor.y);
    const POINT origin = util::GetClientOrigin(hwnd);
    c_.编辑框_窗口鼠标位置_X1.SetNumber(cursor.x - origin.x);
    c_.编辑框_窗口鼠标位置_Y1.SetNumber(cursor.y - origin.y);

    const core::Point point{cursor.x, cursor.y};
    if (!leftButtonDown()) {
        End(point);
    } else if (const auto colour = magnifier_.MagnifyAt(point, false)) {
        c_.编辑框_颜色值.SetNumber(static_cast<std::int32_t>(*colour));
    }
}

void ColourPicker::End(core::Point cursor) {
    // A release recorded by the hook over the bare desktop is delivered first.
    hook_.DeliverRecordedEvents();
    hook_.ClearMouseKeyCallback();
    window_->Destroy();  // the object goes at the next pick, outside its own timer
    c_.form.SetTopmost(false);
    drawPickerBoard_();
    // The kept image is the screen without the picker on it. Windows leaves
    // layered windows out of screen grabs; compositors that do not (Wine's)
    // need the windows beneath to repaint first, so the image is taken a
    // moment after the picker went.
    keepAt_ = cursor;
    keepTimer_->Start(kKeepDelayMs);
}

void ColourPicker::Keep() {
    keepTimer_->Stop();
    if (Running()) return;  // a new pick began meanwhile
    // The right button may have asked for the palette picture since the
    // release: it stays, and the kept view waits for the next right click.
    const bool palette = magnifier_.ShowsPalette();
    if (const auto colour = magnifier_.MagnifyAt(keepAt_, true)) {
        c_.编辑框_颜色值.SetNumber(static_cast<std::int32_t>(*colour));
    }
    if (palette) magnifier_.ShowPalette();
}

void ColourPicker::Nudge(UINT key) {
    int dx = 0, dy = 0;
    switch (key) {
        case VK_LEFT: dx = -1; break;
        case VK_RIGHT: dx = 1; break;
        case VK_UP: dy = -1; break;
        case VK_DOWN: dy = 1; break;
        default: return;
    }
    POINT cursor;
    GetCursorPos(&cursor);
    SetCursorPos(cursor.x + dx, cursor.y + dy);
    Tick();
}

}  // namespace colour
