#include "ui/edit_box.h"

#include "ui/form.h"

namespace ui {

EditBox::EditBox(Form& form, std::string_view name, Bounds bounds, int page, EditBoxStyle style)
    : Control(form, name, bounds, page), style_(style) {}

void EditBox::Create() {
    DWORD style = WS_TABSTOP;
    if (style_.multiline) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL;
        if (!style_.wrap) style |= ES_AUTOHSCROLL | WS_HSCROLL;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    // Read-only for the keyboard, the clipboard commands and the context
    // menu alike; selecting and copying still work.
    if (style_.displayOnly) style |= ES_READONLY;
    CreateWindowOf(L"EDIT", style, WS_EX_CLIENTEDGE, "");
}

bool EditBox::OnCommand(WORD code) {
    if (code != EN_CHANGE) return false;
    if (ContentChanged) {
        auto handler = ContentChanged;
        handler();
    }
    return true;
}

void EditBox::SelectAll() {
    if (Handle()) SendMessageW(Handle(), EM_SETSEL, 0, -1);
}

void EditBox::MoveCaretToEnd() {
    if (!Handle()) return;
    const int length = GetWindowTextLengthW(Handle());
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(length), length);
}

LRESULT EditBox::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    if (message == WM_CONTEXTMENU && ContextMenuRequested) {
        POINT at = {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        if (lParam == -1) {  // from the keyboard
            RECT r;
            GetWindowRect(Handle(), &r);
            at = {r.left + 4, r.top + 4};
        }
        auto handler = ContextMenuRequested;
        handler(at);
        handled = true;
        return 0;
    }
    if (message == WM_CHAR && CharInput && !CharInput(static_cast<wchar_t>(wParam))) {
        handled = true;
        return 0;
    }
    return Control::OnMessage(message, wParam, lParam, handled);
}

}  // namespace ui
