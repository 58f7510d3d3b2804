#include "colour/colour_page.h"

#include "colour/core/colour_measures.h"
#include "colour/core/colour_notations.h"
#include "colour/core/palette.h"
#include "colour/core/pen_colours.h"
#include "ui/core/glyphs.h"
#include "win/clipboard.h"
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
    editors_.NotationsWritten = [this](base::Colour) { FillNotationWindow(); };
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
    if (window->Open(controls_.form.Handle(), row.top, editors_.NotationColour(), windowLook, areaSize_)) {
        NotationControls& c = window->Controls();
        c.按钮_等待颜色代码.Clicked = [this, &c] { c.标签_等待颜色代码.SetCaption(MakeWaitColourCode()); };
        window->AreaChanged = [this] {
            if (NotationWindow* open = Notations()) areaSize_ = open->AreaSize();
            FillNotationWindow();
        };
        notations_ = std::move(window);
        FillNotationWindow();
    }
}

void ColourPage::FillNotationWindow() {
    NotationWindow* window = Notations();
    const std::optional<base::Colour> colour = editors_.NotationColour();
    if (!window || !colour) return;
    // The sampled colour averaged over the square chosen, while the
    // magnifier still shows the point it came from.
    base::Colour shown = *colour;
    if (editors_.NotationsShowSampled() && magnifier_.AreaColour(1) == colour) {
        shown = magnifier_.AreaColour(window->AreaSize()).value_or(shown);
    }
    window->ShowColour(shown);
    window->ShowContrast(core::ContrastTexts(core::ColourOfText(controls_.编辑框_颜色值1.Content()),
                                            core::ColourOfText(controls_.编辑框_颜色值.Content())));
}

std::string ColourPage::MakeWaitColourCode() {
    const auto& pick = picker_.LastPick();
    DWORD pid = 0;
    if (!pick || !GetWindowThreadProcessId(win::ToHwnd(pick->window), &pid) || pid == GetCurrentProcessId()) {
        return "先用取色器在另一个程序的窗口上取一个颜色。";
    }
    const std::string code = waitColourCode ? waitColourCode(*pick) : std::string();
    if (code.empty()) return "取色时的那个窗口已经不在了。";
    win::CopyTextToClipboard(code);
    return "等待 RGB(" + std::to_string(base::RedOf(pick->colour)) + ", " + std::to_string(base::GreenOf(pick->colour)) +
           ", " + std::to_string(base::BlueOf(pick->colour)) + ") 的易代码已放在剪辑板上。";
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
