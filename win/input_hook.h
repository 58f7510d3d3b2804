// The global input hook (HOOK类): routines registered for one of nine input
// messages (key down/up, left/right/middle button down/up, left double
// click) are called for every such event anywhere on the desktop, also over
// windows of other programs.
//
// The events come from low-level mouse and keyboard hooks that a thread of
// their own installs and serves with its own message loop: Windows waits for
// a low-level hook only briefly and drops hooks that keep it waiting, so they
// must never depend on a busy GUI thread. The hook thread only records an
// event and hands it to the thread that made this object (the GUI thread),
// where the routines run in the order of the input, between its other
// messages. A routine may therefore take its time.
//
// Only the hooks that registered routines need are installed: the mouse
// hook while a button routine is registered, the keyboard hook while a key
// routine is. Clearing the last registration, or all, removes them and ends
// the hook thread. A registration reports 0 when a hook it needs could not
// be installed, and a later registration tries again.
//
// Besides the nine slots, taps see every event as it comes (presses and
// releases of the left and right buttons with the window the finder would
// take there, and key presses and releases with the window that gets
// them): the action recorder listens that way, whatever the slots hold, and
// clearing the slots leaves the taps alone. The hooks stay installed while
// a tap needs them.
//
// A hook thread that does not answer within 5 s is given up: a new one is
// started for the next registration, and the old one ends by itself when it
// runs again (it is never ended from outside) without delivering anything.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <optional>

#include "win/core/hook_slots.h"
#include "win/scoped.h"

namespace win {

class InputHook {
public:
    InputHook();
    ~InputHook();
    InputHook(const InputHook&) = delete;
    InputHook& operator=(const InputHook&) = delete;

    // 1 when registered (the hooks it needs are installed); 0 for a message
    // outside the nine, a routine already registered for it, or a hook that
    // could not be installed.
    int SetMouseKeyCallback(core::HookRoutine routine, int message);
    // With a message: empties its slot and keeps the hooks the other slots
    // need. Without: empties all and removes the hooks. 1, or 0 for a
    // message outside the nine.
    int ClearMouseKeyCallback(std::optional<int> message = std::nullopt);
    bool Hooked() const { return mouseHooked_ || keyboardHooked_; }
    bool MouseHooked() const { return mouseHooked_; }
    bool KeyboardHooked() const { return keyboardHooked_; }
    // Runs the routines of events recorded but not yet delivered (the
    // caller is about to change the registrations).
    void DeliverRecordedEvents();
    // The thread that serves the hooks (0 while there is none).
    DWORD HookThreadId() const { return threadId_; }

    // Adds a tap; its number, or 0 when the hooks could not be installed.
    using Tap = std::function<void(const core::InputEvent&)>;
    int AddTap(Tap tap);
    void RemoveTap(int number);

private:
    // Installs and removes hooks until exactly those the slots need are
    // installed; false when one that is needed could not be.
    bool ApplyHooks();
    bool StartHookThread();
    void StopHookThread();
    bool EnsureEventWindow();
    static DWORD WINAPI HookThread(void* parameter);
    static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EventWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void Record(const core::InputEvent& event);

    core::HookSlots slots_;
    std::map<int, Tap> taps_;
    int nextTap_ = 1;
    HWND eventWindow_ = nullptr;  // receives the recorded events on this object's thread
    OwnedHandle thread_;          // the hook thread
    DWORD threadId_ = 0;
    bool mouseHooked_ = false;
    bool keyboardHooked_ = false;
};

}  // namespace win
