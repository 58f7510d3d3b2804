#include "ui/label.h"
#include "util/scoped.h"

#include "ui/form.h"

namespace ui {

Label::Label(Form& form, std::string_view name, Bounds bounds, int page, std::string_view caption, bool frame)
    : Control(form, name, bounds, page), initialCaption_(caption), frame_(frame) {}

void Label::Create() { CreateWindowOf(L"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0, initialCaption_); }

bool Label::OnDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillRect(dc, &r, ColoursFromParent(dc, WM_CTLCOLORSTATIC));
    const COLORREF ink = GetTextColor(dc);
    if (frame_) {
        DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
        return true;
    }
    const int length = GetWindowTextLengthW(item.hwndItem);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(item.hwndItem, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(length));
    const util::DcState state(dc);
    SelectObject(dc, form_.Font());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(item.hwndItem) ? ink : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), length, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    return true;
}

}  // namespace ui
