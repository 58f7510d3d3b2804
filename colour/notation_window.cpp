#include "colour/notation_window.h"

#include "colour/core/colour_measures.h"
#include "colour/core/colour_notations.h"

#include <iterator>
#include "ui/layout_builder.h"
#include "win/clipboard.h"

namespace colour {

NotationWindow::~NotationWindow() { Destroy(); }

bool NotationWindow::Open(HWND owner, int top, std::optional<base::Colour> colour, const WindowLook& look,
                          int areaSize) {
    ui::FormOptions options;
    options.title = std::string(core::kNotationWindowTitle);
    options.width = core::kNotationClientWidth + 8;
    options.height = core::kNotationClientHeight + 28;
    options.owner = owner;
    options.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    options.exStyle = WS_EX_TOOLWINDOW;
    options.background = look.background;
    if (!Form::Create(options)) return false;
    EnsureClientSize(core::kNotationClientWidth, core::kNotationClientHeight);

    const std::vector<ui::core::ControlLayout>& table = core::NotationWindowLayout();
    ui::BuildControls(*this, table, ui::kNoPage);
    controls_ = std::make_unique<NotationControls>(*this);
    if (look.dress) look.dress(*this, table);
    const std::pair<ui::Button*, ui::EditBox*> copies[] = {
        {&controls_->按钮_颜色值_CSS, &controls_->编辑框_颜色值_CSS},
        {&controls_->按钮_颜色值_HSL, &controls_->编辑框_颜色值_HSL},
        {&controls_->按钮_颜色值_HSV, &controls_->编辑框_颜色值_HSV},
    };
    for (const auto& [button, box] : copies) {
        button->Clicked = [box = box] { win::CopyTextToClipboard(box->Content()); };
    }
    for (int i = 0; i < static_cast<int>(std::size(core::kAreaSizes)); ++i) {
        if (core::kAreaSizes[i] == areaSize) controls_->组合框_取色范围.SetSelectedIndex(i);
    }
    controls_->组合框_取色范围.ItemSelected = [this] {
        if (AreaChanged) AreaChanged();
    };
    if (colour) ShowColour(*colour);

    // Beside the owner, level with the row asked for, inside the work area
    // of the owner's monitor.
    RECT ownerRect, own;
    GetWindowRect(owner, &ownerRect);
    GetWindowRect(Handle(), &own);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(owner, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    const base::Rect placed =
        core::PlaceBeside({ownerRect.left, ownerRect.top, ownerRect.right, ownerRect.bottom}, top,
                          own.right - own.left, own.bottom - own.top, {work.left, work.top, work.right, work.bottom});
    SetWindowPos(Handle(), nullptr, placed.left, placed.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Show(SW_SHOWNORMAL);
    return true;
}

int NotationWindow::AreaSize() const {
    const int i = controls_ ? controls_->组合框_取色范围.SelectedIndex() : 0;
    return i >= 0 && i < static_cast<int>(std::size(core::kAreaSizes)) ? core::kAreaSizes[i] : 1;
}

void NotationWindow::ShowContrast(const core::ContrastLines& lines) {
    if (!controls_) return;
    controls_->标签_对比度.SetCaption(lines.ratio);
    controls_->标签_对比度_AA.SetCaption(lines.aa);
    controls_->标签_对比度_AAA.SetCaption(lines.aaa);
}

void NotationWindow::ShowColour(base::Colour colour) {
    if (!controls_) return;
    const core::CssNotations n = core::CssNotationsOf(colour);
    controls_->编辑框_颜色值_CSS.SetContent(n.rgb);
    controls_->编辑框_颜色值_HSL.SetContent(n.hsl);
    controls_->编辑框_颜色值_HSV.SetContent(n.hsv);
}

}  // namespace colour
