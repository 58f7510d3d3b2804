#include "win/input_hook.h"

#include <atomic>
#include <memory>
#include <vector>

#include "win/callback_guard.h"
#include "win/window_pick.h"
#include "win/window_query.h"

namespace win {
namespace {

constexpr UINT kRecordedEvent = WM_APP + 1;
// To the hook thread: install or remove hooks (wParam: the request).
constexpr UINT kSetHooks = WM_APP + 2;
constexpr wchar_t kEventWindowClass[] = L"TavrinInputHookEvents";
constexpr DWORD kThreadAnswerMs = 5000;

// One process holds one set of hooks: the object that owns them.
std::atomic<InputHook*> owner{nullptr};
// Where the hook procedures, which have no context argument, send what they
// record. Written on the owner's thread, read on the hook thread.
std::atomic<HWND> eventTarget{nullptr};

// The hook thread whose hooks deliver events: a thread given up on (it did
// not answer in time) may still run for a while and must not deliver.
std::atomic<DWORD> deliveringThread{0};
// Whether a tap listens: only then does the mouse hook find the window the
// finder would take under a press (a few questions to the window system).
std::atomic<bool> tapping{false};

// A request to the hook thread and its answer. Shared by the two threads:
// a thread that answers late writes into a request that still exists.
struct HookRequest {
    bool mouse = false;
    bool keyboard = false;
    bool mouseInstalled = false;
    bool keyboardInstalled = false;
    OwnedHandle done{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

// The start of a hook thread, shared the same way: the thread says it is
// ready, or finds that the starter gave up on it and ends at once.
struct HookThreadStart {
    enum State { Starting, Ready, GivenUp };
    std::atomic<int> state{Starting};
    OwnedHandle ready{CreateEventW(nullptr, TRUE, FALSE, nullptr)};
};

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
    StopHookThread();
    if (eventWindow_) DestroyWindow(eventWindow_);
}

int InputHook::SetMouseKeyCallback(core::HookRoutine routine, int message) {
    const core::HookRoutine previous = slots_.At(message);
    if (slots_.Set(std::move(routine), message) != core::HookSlots::SetResult::Registered) return 0;
    if (ApplyHooks()) return 1;
    // Not installed: take the registration back, so that the caller knows
    // and a later registration tries again.
    if (previous.call) {
        slots_.Set(previous, message);
    } else {
        slots_.Clear(message);
    }
    ApplyHooks();
    return 0;
}

int InputHook::ClearMouseKeyCallback(std::optional<int> message) {
    if (message) {
        if (!slots_.Clear(*message)) return 0;
    } else {
        slots_.ClearAll();
    }
    ApplyHooks();
    return 1;
}

bool InputHook::EnsureEventWindow() {
    if (eventWindow_) return true;
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
    return true;
}

int InputHook::AddTap(Tap tap) {
    const int number = nextTap_++;
    taps_.emplace(number, std::move(tap));
    tapping = true;
    if (ApplyHooks()) return number;
    RemoveTap(number);
    return 0;
}

void InputHook::RemoveTap(int number) {
    taps_.erase(number);
    tapping = !taps_.empty();
    ApplyHooks();
}

bool InputHook::ApplyHooks() {
    const bool wantMouse = slots_.AnyMouse() || !taps_.empty();
    const bool wantKeyboard = slots_.AnyKey() || !taps_.empty();
    if (!wantMouse && !wantKeyboard) {
        StopHookThread();
        return true;
    }
    if (wantMouse == mouseHooked_ && wantKeyboard == keyboardHooked_) return true;
    InputHook* expected = nullptr;
    if (!owner.compare_exchange_strong(expected, this) && expected != this) return false;  // another holds them
    if (!EnsureEventWindow() || (!thread_ && !StartHookThread())) {
        if (!thread_) owner = nullptr;
        return false;
    }
    eventTarget = eventWindow_;

    auto request = std::make_shared<HookRequest>();
    request->mouse = wantMouse;
    request->keyboard = wantKeyboard;
    bool answered = false;
    if (request->done) {
        // The thread takes over this copy of the request with the message.
        auto posted = std::make_unique<std::shared_ptr<HookRequest>>(request);
        if (PostThreadMessageW(threadId_, kSetHooks, reinterpret_cast<WPARAM>(posted.get()), 0)) {
            posted.release();
            answered = WaitForSingleObject(request->done.Get(), kThreadAnswerMs) == WAIT_OBJECT_0;
        }
    }
    if (!answered) {
        // The hook thread does not answer: give it up and start afresh next
        // time. It may answer later; its answer goes nowhere.
        StopHookThread();
        return false;
    }
    mouseHooked_ = request->mouseInstalled;
    keyboardHooked_ = request->keyboardInstalled;
    return mouseHooked_ == wantMouse && keyboardHooked_ == wantKeyboard;
}

bool InputHook::StartHookThread() {
    auto start = std::make_shared<HookThreadStart>();
    if (!start->ready) return false;
    auto given = std::make_unique<std::shared_ptr<HookThreadStart>>(start);
    thread_.Reset(CreateThread(nullptr, 0, HookThread, given.get(), 0, &threadId_));
    if (!thread_) return false;
    given.release();  // the thread's now
    // The thread has a message queue once it says so. A thread that has
    // not said so in time is given up: it ends by itself as soon as it
    // runs. A thread is never ended from outside: it could hold a lock of
    // the loader or the heap, which the whole program would then wait for.
    bool ready = WaitForSingleObject(start->ready.Get(), kThreadAnswerMs) == WAIT_OBJECT_0;
    int starting = HookThreadStart::Starting;
    if (!ready && !start->state.compare_exchange_strong(starting, HookThreadStart::GivenUp)) ready = true;
    if (!ready) {
        thread_.Reset();
        threadId_ = 0;
        return false;
    }
    deliveringThread = threadId_;
    return true;
}

void InputHook::StopHookThread() {
    if (thread_) {
        deliveringThread = 0;
        // The thread removes its hooks as it ends. One that does not end in
        // time is left to end by itself (see StartHookThread).
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_.Get(), kThreadAnswerMs);
        thread_.Reset();
        threadId_ = 0;
    }
    mouseHooked_ = keyboardHooked_ = false;
    InputHook* self = this;
    if (owner.compare_exchange_strong(self, nullptr)) eventTarget = nullptr;
}

DWORD WINAPI InputHook::HookThread(void* parameter) {
    const std::unique_ptr<std::shared_ptr<HookThreadStart>> start(static_cast<std::shared_ptr<HookThreadStart>*>(parameter));
    MSG msg;
    PeekMessageW(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // makes the message queue
    int starting = HookThreadStart::Starting;
    if (!(*start)->state.compare_exchange_strong(starting, HookThreadStart::Ready)) return 0;  // given up
    SetEvent((*start)->ready.Get());
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_TIME_CRITICAL);
    // Removed as the thread ends.
    OwnedHook mouse, keyboard;
    const HINSTANCE module = GetModuleHandleW(nullptr);
    // A hook is taken off only when the system agrees; else it is still on.
    auto unhook = [](OwnedHook& hook) {
        if (hook && UnhookWindowsHookEx(hook.Get())) hook.Detach();
    };
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd || msg.message != kSetHooks) {
            DispatchMessageW(&msg);
            continue;
        }
        const std::unique_ptr<std::shared_ptr<HookRequest>> posted(
            reinterpret_cast<std::shared_ptr<HookRequest>*>(msg.wParam));
        HookRequest& request = **posted;
        if (request.mouse && !mouse) mouse.Reset(SetWindowsHookExW(WH_MOUSE_LL, MouseProc, module, 0));
        if (!request.mouse) unhook(mouse);
        if (request.keyboard && !keyboard) keyboard.Reset(SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, module, 0));
        if (!request.keyboard) unhook(keyboard);
        request.mouseInstalled = static_cast<bool>(mouse);
        request.keyboardInstalled = static_cast<bool>(keyboard);
        SetEvent(request.done.Get());
    }
    // Requests still queued when the thread ends are dropped with it.
    while (PeekMessageW(&msg, nullptr, kSetHooks, kSetHooks, PM_REMOVE)) {
        if (!msg.hwnd) delete reinterpret_cast<std::shared_ptr<HookRequest>*>(msg.wParam);
    }
    return 0;
}

void InputHook::DeliverRecordedEvents() {
    if (!eventWindow_) return;
    MSG msg;
    while (PeekMessageW(&msg, eventWindow_, kRecordedEvent, kRecordedEvent, PM_REMOVE)) DispatchMessageW(&msg);
}

void InputHook::Record(const core::InputEvent& event) {
    const HWND target = eventTarget;
    // The hooks call back on the thread that installed them.
    if (!target || GetCurrentThreadId() != deliveringThread) return;
    auto copy = std::make_unique<core::InputEvent>(event);
    if (PostMessageW(target, kRecordedEvent, 0, reinterpret_cast<LPARAM>(copy.get()))) copy.release();
}

LRESULT CALLBACK InputHook::MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION) {
        GuardCallback([&] {
            const int message = MouseMessageOf(wParam);
            if (!message) return;
            const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
            // The window the event happened over, and the one the finder
            // would take there (for the taps).
            const WindowHandle window = FromHwnd(WindowFromPoint(info->pt));
            core::InputEvent event{message, window, static_cast<std::int32_t>(info->pt.x),
                                   static_cast<std::int32_t>(info->pt.y), static_cast<std::uint32_t>(info->time)};
            event.picked = tapping ? DeepestWindowAt(info->pt) : window;
            Record(event);
        });
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK InputHook::KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && (wParam == WM_KEYDOWN || wParam == WM_KEYUP)) {
        GuardCallback([&] {
            const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
            // The window that gets the key: the focus of the foreground thread.
            GUITHREADINFO gui = {};
            gui.cbSize = sizeof gui;
            HWND target = GetGUIThreadInfo(0, &gui) && gui.hwndFocus ? gui.hwndFocus : GetForegroundWindow();
            // First parameter as a key message's record has it: scan code and
            // virtual-key code.
            const auto first = static_cast<std::int32_t>((info->scanCode & 0xFF) << 8 | (info->vkCode & 0xFF));
            core::InputEvent event{wParam == WM_KEYDOWN ? core::kHookKeyDown : core::kHookKeyUp, FromHwnd(target), first,
                                   static_cast<std::int32_t>(info->vkCode), static_cast<std::uint32_t>(info->time)};
            event.picked = event.window;
            Record(event);
        });
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

LRESULT CALLBACK InputHook::EventWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kRecordedEvent) {
        std::unique_ptr<core::InputEvent> event(reinterpret_cast<core::InputEvent*>(lParam));
        auto* hook = reinterpret_cast<InputHook*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (hook) {
            GuardCallback([&] { hook->slots_.Dispatch(*event); });
            // A tap may add or remove taps while it runs.
            std::vector<Tap> taps;
            for (const auto& [number, tap] : hook->taps_) taps.push_back(tap);
            for (const Tap& tap : taps) GuardCallback([&] { tap(*event); });
        }
        return 0;
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace win
