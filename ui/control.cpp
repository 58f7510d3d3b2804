#include "ui/control.h"
#include "win/scoped.h"

#include <commctrl.h>
#include <windowsx.h>

#include "ui/form.h"
#include "win/callback_guard.h"
#include "win/wide_text.h"

namespace ui {

Control::Control(Form& form, std::string_view name, Bounds bounds, int page)
    : form_(form), name_(name), bounds_(bounds), page_(page) {}

Control::~Control() {
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(originalProc_));
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    }
}

void Control::CreateWindowOf(const wchar_t* className, DWORD style, DWORD exStyle, std::string_view text) {
    style |= WS_CHILD | WS_CLIPSIBLINGS;
    if (visible_ && pageShown_) style |= WS_VISIBLE;
    if (disabled_) style |= WS_DISABLED;
    hwnd_ = CreateWindowExW(exStyle, className, win::Wide(text).c_str(), style, ToPhysical(bounds_.left),
                            ToPhysical(bounds_.top), ToPhysical(bounds_.width), ToPhysical(bounds_.height),
                            form_.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) return;
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.Font()), FALSE);
    // Classic subclassing through the window procedure and the user data
    // slot (which the standard controls leave to the application): the
    // common controls' SetWindowSubclass costs a property lookup per message,
    // which under Wine is a hundred times slower than the message itself.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    originalProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RoutingProc)));
    form_.RegisterWindow(hwnd_, this);
    // Each new control lies above those created before it (Windows puts a
    // new child beneath its siblings), except in a batch, whose windows are
    // made in the order that gives that. It was made with its bounds already.
    if (form_.RaisesNewControls()) SetWindowPos(hwnd_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

int Control::ToPhysical(int v) const { return form_.ToPhysical(v); }
int Control::ToLogical(int v) const { return form_.ToLogical(v); }

void Control::SetBounds(Bounds bounds) {
    bounds_ = bounds;
    ApplyBounds();
}

void Control::SetLeft(int left) {
    bounds_.left = left;
    ApplyBounds();
}

void Control::SetTop(int top) {
    bounds_.top = top;
    ApplyBounds();
}

void Control::ApplyBounds() {
    if (!hwnd_) return;
    SetWindowPos(hwnd_, nullptr, ToPhysical(bounds_.left), ToPhysical(bounds_.top), ToPhysical(bounds_.width),
                 ToPhysical(bounds_.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

void Control::OnDpiChanged() {
    if (!hwnd_) return;
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(form_.Font()), FALSE);
    ApplyBounds();
}

void Control::SetVisible(bool visible) {
    visible_ = visible;
    ApplyShowState(pageShown_);
}

void Control::ApplyShowState(bool pageShown) {
    pageShown_ = pageShown;
    if (hwnd_) ShowWindow(hwnd_, visible_ && pageShown_ ? SW_SHOWNA : SW_HIDE);
}

void Control::SetDisabled(bool disabled) {
    disabled_ = disabled;
    if (hwnd_) EnableWindow(hwnd_, disabled ? FALSE : TRUE);
}

std::string Control::Caption() const {
    if (!hwnd_) return {};
    const int length = GetWindowTextLengthW(hwnd_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd_, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return win::Utf8(text);
}

void Control::SetCaption(std::string_view text) {
    if (hwnd_) SetWindowTextW(hwnd_, win::Wide(text).c_str());
}

void Control::SetBackgroundColour(base::Colour colour) {
    background_ = colour;
    Redraw();
}

void Control::SetTextColour(base::Colour colour) {
    text_ = colour;
    Redraw();
}

void Control::Focus() {
    if (hwnd_) SetFocus(hwnd_);
}

// A control that is not on the screen (hidden, or its window not shown yet)
// is painted whole when it is shown: marking it for repainting now would
// only cost a request to the window system (under Wine, for each control
// the start-up colours before the window is shown).
void Control::Redraw() const {
    if (hwnd_ && IsWindowVisible(hwnd_)) InvalidateRect(hwnd_, nullptr, TRUE);
}

base::Colour Control::DefaultBackground() const { return form_.Background(); }

HBRUSH Control::BackgroundBrush(base::Colour colour) {
    if (!brush_ || brushColour_ != colour) {
        brush_.Reset(CreateSolidBrush(ToColorref(colour)));
        brushColour_ = colour;
    }
    return brush_.Get();
}

HBRUSH Control::ColoursFromParent(HDC dc, UINT message) {
    HWND parent = hwnd_ ? GetParent(hwnd_) : nullptr;
    const LRESULT answer =
        parent ? SendMessageW(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd_)) : 0;
    return answer ? reinterpret_cast<HBRUSH>(answer) : OnControlColour(dc);
}

HBRUSH Control::OnControlColour(HDC dc) {
    const base::Colour background = background_.value_or(DefaultBackground());
    SetBkColor(dc, ToColorref(background));
    SetTextColor(dc, text_ ? ToColorref(*text_) : GetSysColor(COLOR_WINDOWTEXT));
    return BackgroundBrush(background);
}

void Control::RaiseClicked() {
    Control& target = EventTarget();
    if (target.Clicked) target.Clicked();
}

void Control::RaiseMouse(std::function<void(const MouseEvent&)> Control::*event, MouseButton button, WPARAM wParam,
                         LPARAM lParam) {
    Control& target = EventTarget();
    const auto& handler = target.*event;
    if (!handler) return;
    MouseEvent e;
    e.button = button;
    e.x = ToLogical(GET_X_LPARAM(lParam));
    e.y = ToLogical(GET_Y_LPARAM(lParam));
    e.keys = wParam;
    e.source = this;
    // Copy: the handler may replace itself while it runs.
    auto call = handler;
    call(e);
}

LRESULT Control::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& /*handled*/) {
    switch (message) {
        case WM_LBUTTONDOWN: RaiseMouse(&Control::MouseDown, MouseButton::Left, wParam, lParam); break;
        case WM_RBUTTONDOWN: RaiseMouse(&Control::MouseDown, MouseButton::Right, wParam, lParam); break;
        case WM_MBUTTONDOWN: RaiseMouse(&Control::MouseDown, MouseButton::Middle, wParam, lParam); break;
        case WM_LBUTTONUP: RaiseMouse(&Control::MouseUp, MouseButton::Left, wParam, lParam); break;
        case WM_RBUTTONUP: RaiseMouse(&Control::MouseUp, MouseButton::Right, wParam, lParam); break;
        case WM_MBUTTONUP: RaiseMouse(&Control::MouseUp, MouseButton::Middle, wParam, lParam); break;
        case WM_MOUSEMOVE: RaiseMouse(&Control::MouseMove, MouseButton::Left, wParam, lParam); break;
        case WM_KEYDOWN:
            if (EventTarget().KeyDown) {
                auto call = EventTarget().KeyDown;
                call(static_cast<UINT>(wParam));
            }
            break;
        case WM_SETFOCUS:
            if (EventTarget().FocusGained) EventTarget().FocusGained();
            break;
        case WM_KILLFOCUS:
            if (EventTarget().FocusLost) EventTarget().FocusLost();
            break;
        default: break;
    }
    return 0;
}

LRESULT Control::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(originalProc_, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Control::RoutingProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* control = reinterpret_cast<Control*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!control) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        const WNDPROC original = control->originalProc_;
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        control->hwnd_ = nullptr;
        return CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    return win::GuardCallback(
        [&] {
            bool handled = false;
            const LRESULT result = control->OnMessage(message, wParam, lParam, handled);
            return handled ? result : CallWindowProcW(control->originalProc_, hwnd, message, wParam, lParam);
        },
        LRESULT{0});
}

}  // namespace ui
