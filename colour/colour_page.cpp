#include "colour/colour_page.h"

#include "colour/core/palette.h"
#include "colour/core/palette_picture.h"
#include "colour/core/pen_colours.h"
#include "inspector/finder_board.h"
#include "util/core/glyphs.h"

namespace colour {

ColourPage::ColourPage(ui::Form& form)
    : picker_(form.Get<ui::DrawingBoard>("画板_捕获器2")),
      pen_(form.Get<ui::DrawingBoard>("画板_画笔")),
      magnifier_(form.Get<ui::DrawingBoard>("画板_放大镜")),
      scaleMarker_(form.Get<ui::DrawingBoard>("画板_色阶刻度")),
      palette_(form.Get<ui::DrawingBoard>("画板_调色板")) {
    pen_.MouseDown = [this](const ui::MouseEvent& e) {
        if (e.button == ui::MouseButton::Left) PenStep();
    };
}

void ColourPage::OnCreated() {
    magnifier_.SetBackgroundPicture(core::PalettePictureBmp());
    PenStep();
}

void ColourPage::PenStep() {
    penColourIndex_ = core::NextPenColourIndex(penColourIndex_);
    penColour_ = core::PenColourOfIndex(penColourIndex_);
    pen_.SetTextColour(penColour_);
    pen_.Clear();
    pen_.DrawText(3, 1, "画笔");
    DrawPickerBoard();
}

void ColourPage::DrawPickerBoard() {
    // The finder's cross on its field, with the pen in place of the finder icon.
    inspector::DrawFinderBoard(picker_, false);
    core::DrawPenIcon(picker_, 8, 8, penColour_);
}

void ColourPage::OnActivated() {
    DrawPickerBoard();

    scaleMarker_.Clear();
    scaleMarker_.SetPenColour(0x000000);
    scaleMarker_.SetFillColour(0x000000);
    const core::Point triangle[] = {{2, 0}, {5, 3}, {8, 0}};
    scaleMarker_.Polygon(triangle, 3);

    core::DrawPalette(palette_);
}

}  // namespace colour
