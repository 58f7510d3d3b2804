#include "app/tray_icon.h"

#include <shellapi.h>

#include <windowsx.h>

#include <algorithm>

#include "win/system_library.h"

namespace app {
namespace {

constexpr UINT kIconId = 1;

UINT TaskbarCreatedMessage() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

}  // namespace

bool TrayIcon::Notify(DWORD operation) {
    using NotifyIcon = BOOL(WINAPI*)(DWORD, NOTIFYICONDATAW*);
    static const auto notify = win::SystemFunctionOf<NotifyIcon>(L"shell32.dll", "Shell_NotifyIconW");
    if (!notify) return false;
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = window_;
    data.uID = kIconId;
    if (operation == NIM_SETVERSION) data.uVersion = NOTIFYICON_VERSION_4;
    if (operation == NIM_ADD || operation == NIM_MODIFY) {
        data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
        data.uCallbackMessage = kTrayMessage;
        data.hIcon = icon_;
        const std::size_t n = std::min(tip_.size(), std::size(data.szTip) - 1);
        std::copy_n(tip_.begin(), n, data.szTip);
    }
    return notify(operation, &data) != FALSE;
}

bool TrayIcon::Add(HWND window, HICON icon, const std::wstring& tip) {
    Remove();
    TaskbarCreatedMessage();  // known before Explorer may send it
    window_ = window;
    icon_ = icon;
    tip_ = tip;
    wanted_ = true;
    shown_ = Notify(NIM_ADD);
    newerEvents_ = shown_ && Notify(NIM_SETVERSION);
    return shown_;
}

void TrayIcon::Remove() {
    if (shown_) Notify(NIM_DELETE);
    wanted_ = false;
    shown_ = false;
}

bool TrayIcon::OnMessage(UINT message) {
    if (message != TaskbarCreatedMessage()) return false;
    if (!wanted_) return true;
    // The new Explorer knows no icons: ours is added afresh. An icon that
    // was never shown (the old shell refused it) is tried again too.
    shown_ = Notify(NIM_ADD);
    newerEvents_ = shown_ && Notify(NIM_SETVERSION);
    return true;
}

TrayEvent TrayIcon::EventOf(WPARAM wParam, LPARAM lParam, POINT& point) const {
    if (newerEvents_) {
        // The event in lParam's low word, its screen point in wParam; the
        // menu is asked for by WM_CONTEXTMENU alone (the right button's
        // release comes before it and is no request of its own).
        point = {GET_X_LPARAM(wParam), GET_Y_LPARAM(wParam)};
        switch (LOWORD(lParam)) {
            case WM_LBUTTONDBLCLK: return TrayEvent::DoubleClick;
            case WM_CONTEXTMENU: return TrayEvent::ContextMenu;
            default: return TrayEvent::None;
        }
    }
    GetCursorPos(&point);
    switch (lParam) {
        case WM_LBUTTONDBLCLK: return TrayEvent::DoubleClick;
        case WM_RBUTTONUP: return TrayEvent::ContextMenu;
        default: return TrayEvent::None;
    }
}

}  // namespace app
