#include "ui/edit_box.h"

#include "ui/form.h"

#include <algorithm>
#include <cstdlib>

#include "win/wide_text.h"

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

void EditBox::FitText(std::string sample) {
    fitSample_ = std::move(sample);
    ApplyFittedFont();
}

void EditBox::OnDpiChanged() {
    Control::OnDpiChanged();
    ApplyFittedFont();
}

void EditBox::ApplyFittedFont() {
    if (!Handle() || fitSample_.empty()) return;
    LOGFONTW font = {};
    if (!GetObjectW(Owner().Font(), sizeof font, &font)) return;
    RECT client;
    GetClientRect(Handle(), &client);
    const DWORD margins = static_cast<DWORD>(SendMessageW(Handle(), EM_GETMARGINS, 0, 0));
    // The caret takes a pixel beyond the text.
    const int room = client.right - LOWORD(margins) - HIWORD(margins) - 1;
    const std::wstring sample = win::Wide(fitSample_);
    const win::WindowDC dc(Handle());
    const int full = std::abs(font.lfHeight);
    for (int height = full; height >= std::max(full / 2, 6); --height) {
        font.lfHeight = -height;
        win::OwnedFont candidate(CreateFontIndirectW(&font));
        SIZE extent = {};
        {
            const win::DcState state(dc.Get());
            SelectObject(dc.Get(), candidate.Get());
            GetTextExtentPoint32W(dc.Get(), sample.c_str(), static_cast<int>(sample.size()), &extent);
        }
        if (extent.cx <= room || height == std::max(full / 2, 6)) {
            // The box takes the new font before the old one goes.
            SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(candidate.Get()), TRUE);
            fittedFont_ = std::move(candidate);
            return;
        }
    }
}

void EditBox::MoveCaretToEnd() {
    if (!Handle()) return;
    const int length = GetWindowTextLengthW(Handle());
    SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(length), length);
}

void EditBox::AppendText(std::string_view text) {
    if (!Handle() || text.empty()) return;
    SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);  // as much as the system allows
    MoveCaretToEnd();
    const std::wstring wide = win::Wide(text);
    SendMessageW(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
}

void EditBox::RemoveFirstLines(int count) {
    if (!Handle() || count <= 0) return;
    const LRESULT lines = SendMessageW(Handle(), EM_GETLINECOUNT, 0, 0);
    const LRESULT end = count < lines ? SendMessageW(Handle(), EM_LINEINDEX, static_cast<WPARAM>(count), 0)
                                      : GetWindowTextLengthW(Handle());
    if (end <= 0) return;
    SendMessageW(Handle(), EM_SETSEL, 0, end);
    SendMessageW(Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    MoveCaretToEnd();
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
