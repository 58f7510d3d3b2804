#include "util/input_hook.h"

#include <memory>

#include "util/window_query.h"

namespace util {
namespace {

constexpr UINT kRecordedEvent = WM_APP + 1;
constexpr wchar_t kEventWindowClass[] = L"TavrinInputHookEvents";

// The hook procedures have no context argument: they reach the one hook
// that is installed through this.
InputHook* installed = nullptr;

int MouseMessageOf(WPARAM wParam) {
    switch (wParam) {
        case WM_LBUTTONDOWN: return core::kHookLeftDown;
        case WM_LBUTTONUP: return core::kHookLeftUp;
        case WM_RBUTTONDOWN: return core::kHookRightDown;
        case WM_RBUTTONUP: return core::kHookRightUp;
        case WM_MBUTTONDOWN: return core::kHookMiddleDown;
        case WM_MBUTTONUP: return core::kHookMiddleUp;
        default: return 0;
    }
}

}  // namespace

InputHook::InputHook() = default;

InputHook::~InputHook() {
    Uninstall();
    if (eventWindow_) DestroyWindow(eventWindow_);
}

int InputHook::SetMouseKeyCallback(core::HookRoutine routine, int message) {
    const core::HookRoutine previous = slots_.At(message);
    if (slots_.Set(std::move(routine), message) != core::HookSlots::SetResult::Registered) return 0;
    if (Hooked() || Install()) return 1;
    // Not installed: take the registration back, so that the caller knows
    // and a later registration tries again.
    if (previous.call) {
        slots_.Set(previous, message);
    } else {
        slots_.Clear(message);
    }
    return 0;
}

int InputHook::ClearMouseKeyCallback(std::optional<int> message) {
    if (message) {
        if (!slots_.Clear(*message)) return 0;
        if (slots_.Any()) return 1;
    } else {
        slots_.ClearAll();
    }
    Uninstall();
    return 1;
}

bool InputHook::Install() {
    if (installed && installed != this) return false;  // one hook per process
    if (!eventWindow_) {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = EventWindowProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kEventWindowClass;
        RegisterClassExW(&wc);  // fails harmlessly when already registered
        eventWindow_ = CreateWindowExW(0, kEventWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                       GetModuleHandleW(nullptr), nullptr);
        if (!eventWindow_) return false;
        SetWindowLongPtrW(eventWindow_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    const HINSTANCE module = GetModuleHandleW(nullptr);
    mouseHook_ = SetWindowsHookExW(WH_MOUSE_LL, MouseProc, module, 0);
    keyboardHook_ = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, module, 0);
    if (!mouseHook_ || !keyboardHook_) {
        Uninstall();
        return false;
    }
    installed = this;
    return true;
}

void InputHook::Uninstall() {
    if (mouseHook_) UnhookWindowsHookEx(mouseHook_);
    if (keyboardHook_) UnhookWindowsHookEx(keyboardHook_);
    mouseHook_ = keyboardHook_ = nullptr;
    if (installed == this) installed = nullptr;
}

void InputHook::DeliverRecordedEvents() {
    if (!eventWindow_) return;
    MSG msg;
    while (PeekMessageW(&msg, eventWindow_, kRecordedEvent, kRecordedEvent, PM_REMOVE)) DispatchMessageW(&msg);
}

void InputHook::Record(const core::InputEvent& event) {
    if (!installed || !installed->eventWindow_) return;
    auto* copy = new core::InputEvent(event);
    if (!PostMessageW(installed->eventWindow_, kRecordedEvent, 0, reinterpret_cast<LPARAM>(copy))) delete copy;
}

LRESULT CALLBACK InputHook::MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
    if (code == HC_ACTION) {
        if (const int message = MouseMessageOf(wParam)) {
            const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
            // The window the event happened over.
            const WindowHandle window = FromHwnd(WindowFromPoint(info->pt));
            Record({message, window, static_cast<std::int32_t>(info->pt.x), static_cast<std::int32_t>(info->pt.y),
                    static_cast<std::uint32_t>(info->time)});
        }
    }
    return next;
}

LRESULT CALLBACK InputHook::KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    const LRESULT next = CallNextHookEx(nullptr, code, wParam, lParam);
    if (code == HC_ACTION && (wParam == WM_KEYDOWN || wParam == WM_KEYUP)) {
        const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        // The window that gets the key: the focus of the foreground thread.
        GUITHREADINFO gui = {};
        gui.cbSize = sizeof gui;
        HWND target = GetGUIThreadInfo(0, &gui) && gui.hwndFocus ? gui.hwndFocus : GetForegroundWindow();
        // First parameter as a key message's record has it: scan code and
        // virtual-key code.
        const auto first = static_cast<std::int32_t>((info->scanCode & 0xFF) << 8 | (info->vkCode & 0xFF));
        Record({wParam == WM_KEYDOWN ? core::kHookKeyDown : core::kHookKeyUp, FromHwnd(target), first,
                static_cast<std::int32_t>(info->vkCode), static_cast<std::uint32_t>(info->time)});
    }
    return next;
}

LRESULT CALLBACK InputHook::EventWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRecordedEvent) {
        std::unique_ptr<core::InputEvent> event(reinterpret_cast<core::InputEvent*>(lParam));
        auto* hook = reinterpret_cast<InputHook*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (hook) hook->slots_.Dispatch(*event);
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace util
