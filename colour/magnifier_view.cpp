#include "colour/magnifier_view.h"

#include "colour/core/colour_measures.h"
#include "colour/core/colour_notations.h"
#include "colour/core/magnifier.h"
#include "colour/core/palette_picture.h"

#include <utility>

namespace colour {
MagnifierView::MagnifierView(ColourControls& controls, ColourEditors& editors, std::function<base::Colour()> penColour)
    : c_(controls), editors_(editors), penColour_(std::move(penColour)) {
    ui::DrawingBoard& board = c_.画板_放大镜;
    board.MouseDown = [this](const ui::MouseEvent& e) { Pressed(e); };
    board.MouseMove = [this](const ui::MouseEvent& e) { Moved(e); };
    board.MouseUp = [this](const ui::MouseEvent& e) { Released(e); };
}

MagnifierView::~MagnifierView() { ReleaseKept(); }

void MagnifierView::ReleaseKept() { kept_.Reset(); }

void MagnifierView::ShowPalette() { c_.画板_放大镜.SetBackgroundPicture(core::PalettePictureBmp()); }

bool MagnifierView::ShowsPalette() const { return c_.画板_放大镜.BackgroundPicture() == core::PalettePictureBmp(); }

base::Colour MagnifierView::ShowCut(HBITMAP cut) {
    const base::Colour colour = imaging::GetBitmapPixel(cut, core::kGrabCentre, core::kGrabCentre) & 0xFFFFFF;
    ui::DrawingBoard& board = c_.画板_放大镜;
    const imaging::core::ByteSet bytes = imaging::BitmapToBytes(cut);
    area_.clear();
    for (int y = core::kGrabCentre - 2; y <= core::kGrabCentre + 2; ++y) {
        for (int x = core::kGrabCentre - 2; x <= core::kGrabCentre + 2; ++x) {
            area_.push_back(imaging::core::Bmp24Pixel(bytes, x, y) & 0xFFFFFF);
        }
    }
    board.SetBackgroundPicture(imaging::core::ZoomBmp24(bytes, core::kMagnifierZoom, core::kMagnifierZoom));
    core::DrawMagnifierFrame(board, colour, penColour_());
    return colour;
}

std::optional<base::Colour> MagnifierView::MagnifyAt(base::Point screen, bool keep) {
    const win::BusyScope busy(magnifyBusy_);
    if (!busy) return std::nullopt;
    const win::OwnedBitmap cut = imaging::GrabScreenArea(core::GrabRect(screen));
    if (!cut) return std::nullopt;
    const base::Colour colour = ShowCut(cut.Get());
    if (keep) {
        ReleaseKept();
        const base::Rect virtualScreen = imaging::VirtualScreenRect();
        kept_ = imaging::CaptureClientToBitmap(nullptr);
        keptOrigin_ = {virtualScreen.left, virtualScreen.top};
        keptCentre_ = screen;
        editors_.ShowScale(colour);
    }
    return colour;
}

std::optional<base::Colour> MagnifierView::AreaColour(int size) const {
    if (area_.size() != 25) return std::nullopt;
    return core::AverageColour(area_, 5, 5, 2, 2, size);
}

void MagnifierView::ShowKeptView() {
    const base::Rect grab = core::GrabRect(keptCentre_);
    win::OwnedBitmap cut;
    if (!imaging::CropBitmap(kept_.Get(), cut, grab.left - keptOrigin_.x, grab.top - keptOrigin_.y, core::kGrabSize,
                          core::kGrabSize)) {
        return;
    }
    c_.编辑框_颜色值.SetNumber(static_cast<std::int32_t>(ShowCut(cut.Get())));
}

void MagnifierView::Pressed(const ui::MouseEvent& e) {
    ui::DrawingBoard& board = c_.画板_放大镜;
    if (e.button == ui::MouseButton::Right) {
        if (!ShowsPalette()) {
            ShowPalette();
        } else if (kept_) {
            ShowKeptView();
        }
        return;
    }
    if (e.button != ui::MouseButton::Left) return;
    press_ = {e.x, e.y};
    pressOnPicture_ = ShowsPalette();
    if (pressOnPicture_) {
        c_.编辑框_颜色值1.SetNumber(static_cast<std::int32_t>(board.GetPixel(e.x, e.y)));
        board.Clear();
    }
}

void MagnifierView::Moved(const ui::MouseEvent& e) {
    if (press_.x == 0 && press_.y == 0) return;
    if (ShowsPalette()) {
        c_.编辑框_颜色值1.SetNumber(static_cast<std::int32_t>(c_.画板_放大镜.GetPixel(e.x, e.y)));
        return;
    }
    if (!kept_) return;
    const win::BusyScope busy(dragBusy_);
    if (!busy) return;
    const base::Point moved = core::DraggedCentre(keptCentre_, press_, {e.x, e.y});
    const int dx = moved.x - keptCentre_.x, dy = moved.y - keptCentre_.y;
    keptCentre_ = moved;
    for (ui::EditBox* box : {&c_.编辑框_鼠标位置_X1, &c_.编辑框_窗口鼠标位置_X1}) box->SetNumber(box->Number() + dx);
    for (ui::EditBox* box : {&c_.编辑框_鼠标位置_Y1, &c_.编辑框_窗口鼠标位置_Y1}) box->SetNumber(box->Number() + dy);
    press_ = {e.x, e.y};
    ShowKeptView();
}

void MagnifierView::Released(const ui::MouseEvent& e) {
    if (e.button != ui::MouseButton::Left) return;
    press_ = {0, 0};
    const bool picked = std::exchange(pressOnPicture_, false);
    ui::DrawingBoard& board = c_.画板_放大镜;
    if (ShowsPalette()) {
        board.SetPenColour(0x000000);
        board.Clear();
        core::DrawCrossMarker(board, e.x, e.y);
        const base::Colour chosen = c_.画板_颜色值1.BackgroundColour();
        editors_.ShowScale(chosen);
        if (picked) editors_.Picked(chosen);
    } else {
        editors_.ShowScale(core::ColourOfText(c_.编辑框_颜色值.Content()));
    }
}

}  // namespace colour
