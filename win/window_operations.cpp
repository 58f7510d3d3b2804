#include "win/window_operations.h"

#include "text/text_basics.h"

#include "win/core/mouse_plan.h"
#include "win/wide_text.h"

namespace win {
bool SetWindowAlpha(WindowHandle hwnd, std::uint8_t alpha) {
    const HWND h = ToHwnd(hwnd);
    const LONG_PTR ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
    SetWindowLongPtrW(h, GWL_EXSTYLE, ex | WS_EX_LAYERED);
    return SetLayeredWindowAttributes(h, 0, alpha, LWA_ALPHA) != FALSE;
}

bool ClearWindowAlpha(WindowHandle hwnd) {
    const HWND h = ToHwnd(hwnd);
    SetLayeredWindowAttributes(h, 0, 255, LWA_ALPHA);
    const LONG_PTR ex = GetWindowLongPtrW(h, GWL_EXSTYLE);
    SetWindowLongPtrW(h, GWL_EXSTYLE, ex & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
    // The window draws itself again as it did before it was layered.
    return RedrawWindow(h, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN) != FALSE;
}

bool IsWindowLayered(WindowHandle hwnd) {
    return (GetWindowLongPtrW(ToHwnd(hwnd), GWL_EXSTYLE) & WS_EX_LAYERED) != 0;
}

bool SetWindowDisabled(WindowHandle hwnd, bool disabled) {
    EnableWindow(ToHwnd(hwnd), disabled ? FALSE : TRUE);
    return WindowExists(hwnd);
}

bool SetWindowShowState(WindowHandle hwnd, int command, bool asynchronous) {
    return (asynchronous ? ShowWindowAsync(ToHwnd(hwnd), command) : ShowWindow(ToHwnd(hwnd), command)) != FALSE;
}

bool SetWindowTopmost(WindowHandle hwnd, bool topmost) {
    return SetWindowPos(ToHwnd(hwnd), topmost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                        SWP_NOSIZE | SWP_NOMOVE) != FALSE;
}

namespace {

// A screen point in the coordinates MoveWindow takes for the window: those
// of the client area of the window it lies in (GA_PARENT), which for every
// top-level window, owned or not, are screen coordinates.
POINT ToMoveWindowCoordinates(HWND h, POINT screen) {
    const HWND container = GetAncestor(h, GA_PARENT);
    if (container && container != GetDesktopWindow()) MapWindowPoints(HWND_DESKTOP, container, &screen, 1);
    return screen;
}

}  // namespace

void MoveResizeWindow(WindowHandle hwnd, std::optional<std::int32_t> screenLeft, std::optional<std::int32_t> screenTop,
                      std::optional<std::int32_t> width, std::optional<std::int32_t> height) {
    const HWND h = ToHwnd(hwnd);
    RECT r;
    if (!GetWindowRect(h, &r)) return;
    const POINT at = ToMoveWindowCoordinates(h, {screenLeft.value_or(r.left), screenTop.value_or(r.top)});
    MoveWindow(h, at.x, at.y, width.value_or(r.right - r.left), height.value_or(r.bottom - r.top), TRUE);
    UpdateWindow(h);
}

bool SetWindowClientSize(WindowHandle hwnd, std::int32_t clientWidth, std::int32_t clientHeight) {
    const HWND h = ToHwnd(hwnd);
    if (IsIconic(h)) return false;
    RECT r;
    if (!GetWindowRect(h, &r)) return false;
    RECT client;
    if (!GetClientRect(h, &client)) return false;
    const POINT at = ToMoveWindowCoordinates(h, {r.left, r.top});
    MoveWindow(h, at.x, at.y, (r.right - r.left) + clientWidth - client.right,
               (r.bottom - r.top) + clientHeight - client.bottom, TRUE);
    return true;
}

bool GetWindowStyles(WindowHandle hwnd, std::uint32_t& style, std::uint32_t& extended) {
    const HWND h = ToHwnd(hwnd);
    if (!IsWindow(h)) return false;
    style = static_cast<std::uint32_t>(GetWindowLongPtrW(h, GWL_STYLE));
    extended = static_cast<std::uint32_t>(GetWindowLongPtrW(h, GWL_EXSTYLE));
    return true;
}

bool ApplyWindowStyles(WindowHandle hwnd, std::uint32_t style, std::uint32_t extended) {
    const HWND h = ToHwnd(hwnd);
    std::uint32_t oldStyle = 0, oldExtended = 0;
    if (!GetWindowStyles(hwnd, oldStyle, oldExtended)) return false;
    constexpr std::uint32_t kByCall = WS_VISIBLE | WS_DISABLED;
    SetWindowLongPtrW(h, GWL_STYLE, static_cast<LONG_PTR>(static_cast<LONG>((style & ~kByCall) | (oldStyle & kByCall))));
    SetWindowLongPtrW(h, GWL_EXSTYLE,
                      static_cast<LONG_PTR>(static_cast<LONG>((extended & ~WS_EX_TOPMOST) | (oldExtended & WS_EX_TOPMOST))));
    // A button takes a change of its kind through its own message, and an
    // edit (plain or rich) its read-only state: both keep their own copy of
    // those bits, which the style alone does not change. The program is
    // given half a second to answer, whether or not the system counts it
    // as hung (Wine counts an idle program so for the moment it wakes).
    const std::string className = GetWindowClassName(hwnd);
    if ((style & 0xFFFF) != (oldStyle & 0xFFFF) && text::EqualsIgnoringAsciiCase(className, "Button")) {
        SendMessageTimeoutW(h, BM_SETSTYLE, style & 0xFFFF, TRUE, SMTO_NORMAL, 500, nullptr);
    }
    const bool edit = text::EqualsIgnoringAsciiCase(className, "Edit") || text::StartsWithIgnoringCase(className, "RichEdit");
    if (edit && (style & ES_READONLY) != (oldStyle & ES_READONLY)) {
        SendMessageTimeoutW(h, EM_SETREADONLY, (style & ES_READONLY) ? TRUE : FALSE, 0, SMTO_NORMAL, 500, nullptr);
    }
    SetWindowPos(h, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    if ((style & WS_DISABLED) != (oldStyle & WS_DISABLED)) EnableWindow(h, (style & WS_DISABLED) ? FALSE : TRUE);
    if ((style & WS_VISIBLE) != (oldStyle & WS_VISIBLE)) ShowWindow(h, (style & WS_VISIBLE) ? SW_SHOWNA : SW_HIDE);
    if ((extended & WS_EX_TOPMOST) != (oldExtended & WS_EX_TOPMOST)) {
        SetWindowPos(h, (extended & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    return true;
}

bool SetWindowTitle(WindowHandle hwnd, const std::string& text) {
    const HWND h = hwnd == 0 ? GetForegroundWindow() : ToHwnd(hwnd);
    return SetWindowTextW(h, Wide(text).c_str()) != FALSE;
}

void SetControlText(WindowHandle hwnd, const std::string& text) {
    const std::wstring wide = Wide(text);
    DWORD_PTR result = 0;
    SendMessageTimeoutW(ToHwnd(hwnd), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()), SMTO_BLOCK, 100,
                        &result);
}

bool BringWindowToFront(HWND hwnd) {
    const DWORD thread = GetWindowThreadProcessId(hwnd, nullptr);
    const DWORD self = GetCurrentThreadId();
    const bool attached = thread != 0 && thread != self && AttachThreadInput(self, thread, TRUE);
    SetActiveWindow(hwnd);
    if (attached) AttachThreadInput(self, thread, FALSE);
    return SetForegroundWindow(hwnd) != FALSE;
}

void PostMouseClick(WindowHandle hwnd, std::int32_t x, std::int32_t y, PostedButton button) {
    HWND target = ToHwnd(hwnd);
    if (hwnd == 0) {
        // The desktop's icon list.
        const HWND progman = FindWindowW(L"Progman", L"Program Manager");
        const HWND view = FindWindowExW(progman, nullptr, L"SHELLDLL_DefView", nullptr);
        target = FindWindowExW(view, nullptr, L"SysListView32", nullptr);
    }
    const POINT origin = GetClientOrigin(FromHwnd(target));
    const auto messages = core::PostMouseClickPlan(
        FromHwnd(target), x, y, button == PostedButton::Left ? core::MouseButton::Left : core::MouseButton::Right,
        origin.x, origin.y);
    for (const core::PostedMessage& m : messages) {
        PostMessageW(target, m.message, static_cast<WPARAM>(static_cast<INT_PTR>(m.wParam)),
                     static_cast<LPARAM>(m.lParam));
    }
}

}  // namespace win
