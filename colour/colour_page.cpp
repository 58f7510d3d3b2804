#include "colour/colour_page.h"

#include "colour/core/palette.h"
#include "colour/core/pen_colours.h"
#include "ui/core/glyphs.h"
#include "win/window_operations.h"

namespace colour {

ColourPage::ColourPage(ui::Form& form, win::InputHook& hook)
    : controls_(form),
      editors_(controls_),
      magnifier_(controls_, editors_, [this] { return penColour_; }),
      picker_(controls_, magnifier_, hook, [this] { return penColour_; }, [this] { DrawPickerBoard(); }) {
    controls_.画板_画笔.MouseDown = [this](const ui::MouseEvent& e) {
        if (e.button == ui::MouseButton::Left) PenStep();
    };
    picker_.Picked = [this](base::Colour colour) { editors_.Picked(colour); };
    editors_.NotationsWritten = [this](base::Colour colour) {
        if (NotationWindow* window = Notations()) window->ShowColour(colour);
    };
    controls_.按钮_更多格式.Clicked = [this] { OpenNotations(); };
}

void ColourPage::OpenNotations() {
    if (NotationWindow* window = Notations()) {
        win::BringWindowToFront(window->Handle());
        return;
    }
    // Level with the first notation row.
    RECT row;
    GetWindowRect(controls_.编辑框_颜色值_16进制.Handle(), &row);
    auto window = std::make_unique<NotationWindow>();
    if (window->Open(controls_.form.Handle(), row.top, editors_.NotationColour(), windowLook)) {
        notations_ = std::move(window);
    }
}

void ColourPage::OnCreated() {
    // A colour value has up to eight digits (white is 16777215): all of
    // them show, at every DPI.
    for (ui::EditBox* box : {&controls_.编辑框_颜色值, &controls_.编辑框_颜色值1}) box->FitText("16777215");
    magnifier_.ShowPalette();
    // A click on a colour the outline has picks nothing.
    controls_.画板_调色板.SetPenColour(core::kPaletteOutline);
    PenStep();
}

void ColourPage::PenStep() {
    penColourIndex_ = core::NextPenColourIndex(penColourIndex_);
    penColour_ = core::PenColourOfIndex(penColourIndex_);
    controls_.画板_画笔.SetTextColour(penColour_);
    controls_.画板_画笔.Clear();
    controls_.画板_画笔.DrawText(3, 1, "画笔");
    DrawPickerBoard();
}

void ColourPage::DrawPickerBoard() {
    // The finder's cross on its field, with the pen in place of the finder icon.
    ui::core::DrawFinderBoard(controls_.画板_捕获器2, false);
    ui::core::DrawPenIcon(controls_.画板_捕获器2, 8, 8, penColour_);
}

void ColourPage::OnActivated() {
    DrawPickerBoard();

    controls_.画板_色阶刻度.Clear();
    controls_.画板_色阶刻度.SetPenColour(0x000000);
    controls_.画板_色阶刻度.SetFillColour(0x000000);
    const base::Point triangle[] = {{2, 0}, {5, 3}, {8, 0}};
    controls_.画板_色阶刻度.Polygon(triangle, 3);

    core::DrawPalette(controls_.画板_调色板);
    editors_.DrawHistory();
}

}  // namespace colour
