// The global input hook (HOOK类): routines registered for one of nine input
// messages (key down/up, left/right/middle button down/up, left double
// click) are called for every such event anywhere on the desktop, also over
// windows of other programs.
//
// The events come from low-level mouse and keyboard hooks installed on the
// thread that registers the first routine (the GUI thread). The hook only
// records an event and returns at once; the routines run afterwards on that
// same thread, in the order of the input, between its other messages. So a
// routine may take its time without making Windows drop the hook.
//
// The first registration installs the hooks; clearing the last, or all,
// removes them. A registration reports 0 when the hooks could not be
// installed, and a later registration tries again.
#pragma once

#include <windows.h>

#include <optional>

#include "util/core/hook_slots.h"

namespace util {

class InputHook {
public:
    InputHook();
    ~InputHook();
    InputHook(const InputHook&) = delete;
    InputHook& operator=(const InputHook&) = delete;

    // 1 when registered (hooks installed or already running); 0 for a
    // message outside the nine, a routine already registered for it, or
    // hooks that could not be installed.
    int SetMouseKeyCallback(core::HookRoutine routine, int message);
    // With a message: empties its slot and keeps the hooks while another
    // slot holds a routine. Without: empties all and removes the hooks.
    // 1, or 0 for a message outside the nine.
    int ClearMouseKeyCallback(std::optional<int> message = std::nullopt);
    bool Hooked() const { return mouseHook_ != nullptr; }
    // Runs the routines of events recorded but not yet delivered (the
    // caller is about to change the registrations).
    void DeliverRecordedEvents();

private:
    bool Install();
    void Uninstall();
    static LRESULT CALLBACK MouseProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK EventWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static void Record(const core::InputEvent& event);

    core::HookSlots slots_;
    HHOOK mouseHook_ = nullptr;
    HHOOK keyboardHook_ = nullptr;
    HWND eventWindow_ = nullptr;  // receives the recorded events
};

}  // namespace util
