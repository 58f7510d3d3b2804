// The program's icon in the notification area (tray), for one window.
//
// Add() puts it up with an image and a tip; Remove() takes it down (again
// and again is harmless). The icon's events arrive at the window as
// kTrayMessage; EventOf() says which of them matter and where the cursor
// was. The icon asks the shell for the newer event form (version 4), which
// carries the screen point of the event: the cursor position a program
// reads later may be stale by then (under Wine it is, for clicks on the
// tray). A shell without it sends the older form, read as well. When Explorer restarts it announces "TaskbarCreated" to
// every top-level window: the window passes that message to
// OnMessage(), which puts the icon up again if it was up.
#pragma once

#include <windows.h>

#include <string>

namespace app {

enum class TrayEvent { None, DoubleClick, ContextMenu };

class TrayIcon {
public:
    static constexpr UINT kTrayMessage = WM_APP + 0x40;

    TrayIcon() = default;
    ~TrayIcon() { Remove(); }
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // False when the shell refused the icon.
    bool Add(HWND window, HICON icon, const std::wstring& tip);
    void Remove();
    bool Shown() const { return shown_; }  // the shell has it

    // Handles "TaskbarCreated"; false for any other message.
    bool OnMessage(UINT message);

    // What a kTrayMessage asks for: a double click of the left button, or
    // the menu (right button released, or the menu key); a single left click
    // and mere moves ask for nothing. `point` is where the event happened.
    TrayEvent EventOf(WPARAM wParam, LPARAM lParam, POINT& point) const;

private:
    bool Notify(DWORD operation);

    HWND window_ = nullptr;
    HICON icon_ = nullptr;
    std::wstring tip_;
    bool newerEvents_ = false;  // the shell took version 4
    bool wanted_ = false;  // between Add() and Remove()
    bool shown_ = false;
};

}  // namespace app
