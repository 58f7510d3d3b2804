// The registration table of the global input hook: one routine slot for each
// of nine input messages, and the rules by which recorded input events call
// them (keys and buttons in the order of the input; a left press soon after
// a left release also counts as a double click).
#pragma once

#include <array>
#include <cstdint>
#include <functional>

namespace win::core {

// The nine messages a routine can be registered for.
enum HookMessage : int {
    kHookKeyDown = 256,
    kHookKeyUp = 257,
    kHookLeftDown = 513,
    kHookLeftUp = 514,
    kHookLeftDoubleClick = 515,
    kHookRightDown = 516,
    kHookRightUp = 517,
    kHookMiddleDown = 519,
    kHookMiddleUp = 520,
};

bool IsHookMessage(int message);

// A registered routine: called with (window, x, y) for mouse messages and
// (window, first parameter, virtual-key code) for key messages. `id` tells
// routines apart: the same routine is not registered twice for a message.
struct HookRoutine {
    const void* id = nullptr;
    std::function<void(std::int32_t, std::int32_t, std::int32_t)> call;
};

// One recorded input event.
struct InputEvent {
    int message = 0;
    std::int32_t window = 0;
    std::int32_t a = 0;  // x, or the key message's first parameter
    std::int32_t b = 0;  // y, or the virtual-key code
    std::uint32_t time = 0;  // milliseconds of the input clock
    std::int32_t picked = 0;  // the window the finder takes at a press; the key's window for keys
};

inline constexpr std::uint32_t kDoubleClickMs = 500;

class HookSlots {
public:
    enum class SetResult { NotAHookMessage, AlreadyRegistered, Registered };

    SetResult Set(HookRoutine routine, int message);
    // The routine held for a message (an empty one when none).
    const HookRoutine& At(int message) const;
    // Empties one slot; false when the message is not one of the nine.
    bool Clear(int message);
    void ClearAll();
    bool Any() const;
    // Whether a routine waits for mouse events (buttons, double click) or
    // for key events: the hooks that need to be installed.
    bool AnyMouse() const;
    bool AnyKey() const;

    // Calls the routine registered for the event's message. A left press
    // less than 500 ms after the last left release calls the double-click
    // routine too, after the press routine; a left release is remembered.
    // Routines may change the registrations while they run.
    void Dispatch(const InputEvent& event);

private:
    friend bool IsHookMessage(int message);
    static int SlotOfMessage(int message);
    std::array<HookRoutine, 9> slots_;
    bool sawLeftUp_ = false;
    std::uint32_t lastLeftUpTime_ = 0;
};

}  // namespace win::core
