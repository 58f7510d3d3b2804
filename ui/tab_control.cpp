#include "ui/tab_control.h"
#include "win/scoped.h"

#include <commctrl.h>

#include "ui/form.h"
#include "win/wide_text.h"

namespace ui {

TabControl::TabControl(Form& form, std::string_view name, Bounds bounds, std::vector<std::string> captions)
    : Control(form, name, bounds, kNoPage), captions_(std::move(captions)) {}

void TabControl::Create() {
    CreateWindowOf(WC_TABCONTROLW, WS_TABSTOP, 0, "");
    for (std::size_t i = 0; i < captions_.size(); ++i) {
        std::wstring caption = win::Wide(captions_[i]);
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(Handle(), TCM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
    }
    SendMessageW(Handle(), TCM_SETCURSEL, 0, 0);
}

LRESULT TabControl::OnNotify(NMHDR* header) {
    if (header->code == TCN_SELCHANGE) {
        form_.ShowPage(SelectedPage());
        if (PageChanged) PageChanged();
    }
    return 0;
}

int TabControl::PageCount() const { return static_cast<int>(SendMessageW(Handle(), TCM_GETITEMCOUNT, 0, 0)); }

std::string TabControl::PageCaption(int page) const {
    wchar_t buffer[256] = {};
    TCITEMW item = {};
    item.mask = TCIF_TEXT;
    item.pszText = buffer;
    item.cchTextMax = static_cast<int>(std::size(buffer));
    if (!SendMessageW(Handle(), TCM_GETITEMW, static_cast<WPARAM>(page), reinterpret_cast<LPARAM>(&item))) return {};
    return win::Utf8(buffer);
}

int TabControl::SelectedPage() const { return static_cast<int>(SendMessageW(Handle(), TCM_GETCURSEL, 0, 0)); }

void TabControl::SelectPage(int page) {
    SendMessageW(Handle(), TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    form_.ShowPage(SelectedPage());
    if (PageChanged) PageChanged();
}

void TabControl::PaintBody() {
    RECT body;
    GetClientRect(Handle(), &body);
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&body));
    InflateRect(&body, 2, 2);  // up to the inside of the border
    const win::WindowDC dc(Handle());
    FillRect(dc.Get(), &body, ColoursFromParent(dc.Get(), WM_CTLCOLORSTATIC));
}

LRESULT TabControl::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    if (message == WM_PAINT) {
        // Let the control draw its tabs and border, then give the body the
        // page colour.
        CallOriginal(message, wParam, lParam);
        PaintBody();
        handled = true;
        return 0;
    }
    return Control::OnMessage(message, wParam, lParam, handled);
}

}  // namespace ui
