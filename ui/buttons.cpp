#include "ui/buttons.h"
#include "win/scoped.h"

#include <commctrl.h>

#include "ui/form.h"

namespace ui {

Button::Button(Form& form, std::string_view name, Bounds bounds, int page, std::string_view caption)
    : Control(form, name, bounds, page), initialCaption_(caption) {}

void Button::Create() { CreateWindowOf(L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0, initialCaption_); }

bool Button::OnCommand(WORD code) {
    if (code != BN_CLICKED) return false;
    RaiseClicked();
    return true;
}

void CheckBox::Create() { CreateWindowOf(L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0, initialCaption_); }

bool CheckBox::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void CheckBox::SetChecked(bool checked) {
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

RadioButton::RadioButton(Form& form, std::string_view name, Bounds bounds, int page, std::string_view caption,
                         RadioButton* previousInGroup)
    : Button(form, name, bounds, page, caption),
      group_(previousInGroup ? previousInGroup->group_ : std::make_shared<std::vector<RadioButton*>>()) {
    group_->push_back(this);
}

void RadioButton::Create() { CreateWindowOf(L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP, 0, initialCaption_); }

bool RadioButton::OnCommand(WORD code) {
    if (code != BN_CLICKED) return false;
    SetChecked(true);
    RaiseClicked();
    return true;
}

bool RadioButton::Checked() const { return SendMessageW(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void RadioButton::SetChecked(bool checked) {
    if (checked) {
        for (RadioButton* other : *group_) {
            if (other != this) SendMessageW(other->Handle(), BM_SETCHECK, BST_UNCHECKED, 0);
        }
    }
    SendMessageW(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void SuperButton::Create() { CreateWindowOf(L"BUTTON", BS_OWNERDRAW, 0, initialCaption_); }

LRESULT SuperButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    if (message == WM_MOUSEMOVE && !hot_) {
        hot_ = true;
        TRACKMOUSEEVENT track = {sizeof track, TME_LEAVE, Handle(), 0};
        TrackMouseEvent(&track);
        Redraw();
    } else if (message == WM_MOUSELEAVE) {
        hot_ = false;
        Redraw();
    }
    return Button::OnMessage(message, wParam, lParam, handled);
}

bool SuperButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    FillRect(dc, &r, ColoursFromParent(dc, WM_CTLCOLORBTN));
    const COLORREF ink = GetTextColor(dc);
    // Flat until the mouse comes over it: then a raised edge, sunken while pressed.
    if (pressed) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    } else if (hot_ && enabled) {
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    const int length = GetWindowTextLengthW(item.hwndItem);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(item.hwndItem, text.data(), length + 1);
    if (pressed) OffsetRect(&r, 1, 1);
    {
        const win::DcState state(dc);
        SelectObject(dc, form_.Font());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, enabled ? ink : GetSysColor(COLOR_GRAYTEXT));
        DrawTextW(dc, text.c_str(), length, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = item.rcItem;
        InflateRect(&focus, -2, -2);
        DrawFocusRect(dc, &focus);
    }
    return true;
}

}  // namespace ui
