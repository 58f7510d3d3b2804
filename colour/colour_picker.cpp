#include "colour/colour_picker.h"

#include "ui/core/glyphs.h"
#include "win/window_query.h"

namespace colour {
namespace {

constexpr UINT kTickMs = 50;
constexpr UINT kKeepDelayMs = 100;
constexpr base::Colour kSeeThrough = 0xFFFFFF;

}  // namespace

ColourPicker::ColourPicker(ColourControls& controls, MagnifierView& magnifier, win::InputHook& hook,
                           std::function<base::Colour()> penColour, std::function<void()> drawPickerBoard)
    : c_(controls),
      magnifier_(magnifier),
      penColour_(std::move(penColour)),
      drawPickerBoard_(std::move(drawPickerBoard)),
      finder_(controls.form, controls.画板_捕获器2, hook, ui::FinderOptions{kTickMs, 0, 0}),
      keepTimer_(std::make_unique<ui::Timer>(c_.form, [this] { Keep(); })) {
    c_.画板_捕获器2.MouseDown = [this](const ui::MouseEvent& e) {
        if (e.button == ui::MouseButton::Left) Start();
    };
    finder_.Hovered = [this](const ui::FinderPoint& point) { Hover(point); };
    finder_.Released = [this](const ui::FinderPoint& point) { Released(point); };
}

void ColourPicker::Start() {
    // The pen leaves the board: the cross stays.
    ui::core::DrawFinderBoard(c_.画板_捕获器2, false);
    keepTimer_->Stop();
    magnifier_.ReleaseKept();
    finder_.Begin(c_.画板_捕获器2);
}

void ColourPicker::Hover(const ui::FinderPoint& point) {
    ui::DrawingBoard& board = finder_.Window()->Board();
    ui::core::DrawPenIcon(board, 15, 0, penColour_());
    board.SetPixel(14, 14, kSeeThrough);

    const POINT cursor = point.cursor;
    c_.编辑框_窗口句柄1.SetNumber(point.window);
    c_.编辑框_鼠标位置_X1.SetNumber(cursor.x);
    c_.编辑框_鼠标位置_Y1.SetNumber(cursor.y);
    const POINT origin = win::GetClientOrigin(point.window);
    c_.编辑框_窗口鼠标位置_X1.SetNumber(cursor.x - origin.x);
    c_.编辑框_窗口鼠标位置_Y1.SetNumber(cursor.y - origin.y);
    if (point.last) return;  // the kept image is taken once the picker has gone
    if (const auto colour = magnifier_.MagnifyAt({cursor.x, cursor.y}, false)) {
        c_.编辑框_颜色值.SetNumber(static_cast<std::int32_t>(*colour));
    }
}

void ColourPicker::Released(const ui::FinderPoint& point) {
    drawPickerBoard_();
    // The kept image is the screen without the picker on it. Windows leaves
    // layered windows out of screen grabs; compositors that do not (Wine's)
    // need the windows beneath to repaint first, so the image is taken a
    // moment after the picker went.
    keepAt_ = {point.cursor.x, point.cursor.y};
    keepWindow_ = point.window;
    keepTimer_->Start(kKeepDelayMs);
}

void ColourPicker::Keep() {
    keepTimer_->Stop();
    if (Running()) return;  // a new pick began meanwhile
    // The right button may have asked for the palette picture since the
    // release: it stays, and the kept view waits for the next right click.
    const bool palette = magnifier_.ShowsPalette();
    const auto colour = magnifier_.MagnifyAt(keepAt_, true);
    if (colour) c_.编辑框_颜色值.SetNumber(static_cast<std::int32_t>(*colour));
    if (palette) magnifier_.ShowPalette();
    if (colour) {
        const POINT origin = win::GetClientOrigin(keepWindow_);
        lastPick_ = Pick{keepWindow_, {keepAt_.x - origin.x, keepAt_.y - origin.y}, *colour};
    }
    if (colour && Picked) Picked(*colour);
}

}  // namespace colour
