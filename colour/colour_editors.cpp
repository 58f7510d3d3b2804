#include "colour/colour_editors.h"

#include "colour/core/colour_notations.h"
#include "colour/core/colour_scale.h"
#include "win/clipboard.h"

namespace colour {
namespace {

// The marker's tip is its fifth column: at this left it stands over the
// scale's middle.
constexpr int kScaleMarkerLeft = 475;
constexpr int kScaleMarkerTip = 4;

void BindLeftPress(ui::Control& board, std::function<void(int x, int y)> pressed) {
    board.MouseDown = [pressed = std::move(pressed)](const ui::MouseEvent& e) {
        if (e.button == ui::MouseButton::Left) pressed(e.x, e.y);
    };
}

}  // namespace

ColourEditors::ColourEditors(ColourControls& controls) : c_(controls) {
    c_.编辑框_颜色值.ContentChanged = [this] { FormatSampled(); };
    c_.编辑框_颜色值1.ContentChanged = [this] {
        if (c_.编辑框_颜色值1.Focused()) typedIn_.insert(&c_.编辑框_颜色值1);
        FormatChosen();
    };
    for (ui::EditBox* channel : {&c_.编辑框_颜色值_R1, &c_.编辑框_颜色值_G1, &c_.编辑框_颜色值_B1}) {
        channel->ContentChanged = [this, channel] {
            if (channel->Focused()) typedIn_.insert(channel);
            Compose();
        };
    }
    for (ui::EditBox* box : {&c_.编辑框_颜色值1, &c_.编辑框_颜色值_R1, &c_.编辑框_颜色值_G1, &c_.编辑框_颜色值_B1}) {
        box->FocusLost = [this, box] { Settle(*box); };
        box->KeyDown = [this, box](UINT key) {
            if (key == VK_RETURN) Settle(*box);
        };
    }
    BindLeftPress(c_.画板_颜色值, [this](int, int) {
        ShowScale(c_.画板_颜色值.BackgroundColour());
        FormatSampled();
    });
    BindLeftPress(c_.画板_颜色值1, [this](int, int) {
        ShowScale(c_.画板_颜色值1.BackgroundColour());
        FormatChosen();
    });
    BindLeftPress(c_.画板_色阶, [this](int x, int y) { PickFromScale(x, y); });
    BindLeftPress(c_.画板_调色板, [this](int x, int y) { PickFromPalette(x, y); });
    BindLeftPress(c_.画板_历史颜色, [this](int x, int y) { PickFromHistory(x, y); });

    const std::pair<ui::Button*, ui::EditBox*> copies[] = {
        {&c_.按钮_颜色值_16进制, &c_.编辑框_颜色值_16进制}, {&c_.按钮_颜色值_HTML, &c_.编辑框_颜色值_HTML},
        {&c_.按钮_颜色值_VB, &c_.编辑框_颜色值_VB},         {&c_.按钮_颜色值_C, &c_.编辑框_颜色值_C},
        {&c_.按钮_颜色值_Delphi, &c_.编辑框_颜色值_Delphi},
    };
    for (const auto& [button, box] : copies) {
        button->Clicked = [box = box] { win::CopyTextToClipboard(box->Content()); };
    }
}

void ColourEditors::ShowScale(base::Colour colour) {
    core::DrawColourScale(c_.画板_色阶, colour, c_.画板_色阶.Width(), c_.画板_色阶.Height());
    c_.画板_色阶刻度.SetLeft(kScaleMarkerLeft);
}

void ColourEditors::WriteNotations(base::Colour colour, bool sampled) {
    const core::ColourNotations n = core::NotationsOf(colour);
    c_.编辑框_颜色值_16进制.SetContent(n.hex);
    c_.编辑框_颜色值_HTML.SetContent(n.html);
    c_.编辑框_颜色值_VB.SetContent(n.vb);
    c_.编辑框_颜色值_C.SetContent(n.c);
    c_.编辑框_颜色值_Delphi.SetContent(n.delphi);
    notationColour_ = colour;
    notationsSampled_ = sampled;
    if (NotationsWritten) NotationsWritten(colour);
}

void ColourEditors::FormatSampled() {
    const base::Colour colour = core::ColourOfText(c_.编辑框_颜色值.Content());
    c_.画板_颜色值.SetBackgroundColour(colour);
    c_.编辑框_颜色值_R.SetNumber(base::RedOf(colour));
    c_.编辑框_颜色值_G.SetNumber(base::GreenOf(colour));
    c_.编辑框_颜色值_B.SetNumber(base::BlueOf(colour));
    WriteNotations(colour, true);
}

void ColourEditors::FormatChosen() {
    const std::string text = c_.编辑框_颜色值1.Content();
    // The tag marks the formatting as running; an empty box counts as 0.
    c_.编辑框_颜色值1.SetTag(text.empty() ? "0" : text);
    const base::Colour colour = core::ColourOfText(text);
    c_.画板_颜色值1.SetBackgroundColour(colour);
    const std::pair<ui::EditBox*, int> channels[] = {{&c_.编辑框_颜色值_R1, base::RedOf(colour)},
                                                     {&c_.编辑框_颜色值_G1, base::GreenOf(colour)},
                                                     {&c_.编辑框_颜色值_B1, base::BlueOf(colour)}};
    for (const auto& [box, value] : channels) ShowNumber(*box, value);
    WriteNotations(colour, false);
    c_.编辑框_颜色值1.SetTag("");
}

void ColourEditors::Compose() {
    if (!c_.编辑框_颜色值1.Tag().empty()) return;
    const std::int32_t colour =
        core::ComposeColour(c_.编辑框_颜色值_R1.Number(), c_.编辑框_颜色值_G1.Number(), c_.编辑框_颜色值_B1.Number());
    c_.编辑框_颜色值1.SetNumber(colour);
}

void ColourEditors::ShowNumber(ui::EditBox& box, std::int32_t value) {
    const bool typing = box.Focused();
    if (typing && box.Number() == value) return;  // as typed, caret and all
    const std::string wanted = text::IntegerToText(value);
    if (box.Content() == wanted) return;
    box.SetContent(wanted);
    if (typing) box.MoveCaretToEnd();
}

void ColourEditors::Settle(ui::EditBox& box) {
    if (!typedIn_.erase(&box)) return;
    const std::string settled = text::IntegerToText(box.Number());
    if (box.Content() != settled) box.SetContent(settled);
}

void ColourEditors::PickFromScale(int x, int y) {
    c_.画板_色阶刻度.SetLeft(c_.画板_色阶.Left() + x - kScaleMarkerTip);
    const base::Colour colour = c_.画板_色阶.GetPixel(x, y);
    c_.编辑框_颜色值1.SetNumber(static_cast<std::int32_t>(colour));
    Picked(colour);
}

void ColourEditors::PickFromPalette(int x, int y) {
    ui::DrawingBoard& palette = c_.画板_调色板;
    const base::Colour colour = palette.GetPixel(x, y);
    // The squares' outline and the gaps between them pick nothing.
    if (colour == palette.PenColour() || colour == palette.BackgroundColour()) return;
    c_.编辑框_颜色值1.SetNumber(static_cast<std::int32_t>(colour));
    ShowScale(colour);
    Picked(colour);
}

void ColourEditors::PickFromHistory(int x, int y) {
    const int slot = core::HistorySlotAt(x, y);
    const std::vector<base::Colour>& colours = history_.Colours();
    if (slot < 0 || slot >= static_cast<int>(colours.size())) return;  // an empty slot, or between swatches
    const base::Colour colour = colours[static_cast<std::size_t>(slot)];
    c_.编辑框_颜色值1.SetNumber(static_cast<std::int32_t>(colour));
    ShowScale(colour);
}

void ColourEditors::Picked(base::Colour colour) {
    history_.Add(colour);
    DrawHistory();
}

void ColourEditors::DrawHistory() { core::DrawColourHistory(c_.画板_历史颜色, history_); }

}  // namespace colour
