#include "ui/label.h"
#include "win/scoped.h"

#include "ui/form.h"

#include <algorithm>

namespace ui {

Label::Label(Form& form, std::string_view name, Bounds bounds, int page, std::string_view caption, bool frame)
    : Control(form, name, bounds, page), initialCaption_(caption), frame_(frame) {}

void Label::Create() { CreateWindowOf(L"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0, initialCaption_); }

win::OwnedFont Label::NarrowFontFor(HDC dc, const std::wstring& text, int width) const {
    SIZE extent = {};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    if (extent.cx <= width || width <= 0) return {};
    LOGFONTW font = {};
    TEXTMETRICW metrics = {};
    if (!GetObjectW(form_.Font(), sizeof font, &font) || !GetTextMetricsW(dc, &metrics)) return {};
    // The same height, the glyphs narrowed in proportion, then a step
    // narrower at a time while the text is still too wide.
    for (int average = std::max(1L, metrics.tmAveCharWidth * width / extent.cx); average >= 1; --average) {
        font.lfWidth = average;
        win::OwnedFont narrow(CreateFontIndirectW(&font));
        const win::DcState measuring(dc);
        SelectObject(dc, narrow.Get());
        GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
        if (extent.cx <= width || average == 1) return narrow;
    }
    return {};
}

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
    win::OwnedFont narrow;  // outlives the state, which unselects it
    const win::DcState state(dc);
    SelectObject(dc, form_.Font());
    // A caption wider than the label is drawn narrower, so that all of it
    // shows (the rectangles are fixed; some captions need a pixel or ten
    // more than they have in some fonts).
    narrow = NarrowFontFor(dc, text, r.right - r.left - 1);
    if (narrow) SelectObject(dc, narrow.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, IsWindowEnabled(item.hwndItem) ? ink : GetSysColor(COLOR_GRAYTEXT));
    DrawTextW(dc, text.c_str(), length, &r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
    return true;
}

}  // namespace ui
