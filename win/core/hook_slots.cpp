#include "win/core/hook_slots.h"

namespace win::core {
namespace {

constexpr int kMessages[9] = {kHookKeyDown,         kHookKeyUp,     kHookLeftDown,
                              kHookLeftUp,          kHookLeftDoubleClick, kHookRightDown,
                              kHookRightUp,         kHookMiddleDown, kHookMiddleUp};

void Call(const HookRoutine& routine, const InputEvent& event) {
    if (!routine.call) return;
    auto call = routine.call;  // the routine may clear its own slot
    call(event.window, event.a, event.b);
}

}  // namespace

bool IsHookMessage(int message) { return HookSlots::SlotOfMessage(message) >= 0; }

int HookSlots::SlotOfMessage(int message) {
    for (int i = 0; i < 9; ++i) {
        if (kMessages[i] == message) return i;
    }
    return -1;
}

HookSlots::SetResult HookSlots::Set(HookRoutine routine, int message) {
    const int slot = SlotOfMessage(message);
    if (slot < 0) return SetResult::NotAHookMessage;
    if (slots_[slot].call && slots_[slot].id == routine.id) return SetResult::AlreadyRegistered;
    slots_[slot] = std::move(routine);
    return SetResult::Registered;
}

const HookRoutine& HookSlots::At(int message) const {
    static const HookRoutine none;
    const int slot = SlotOfMessage(message);
    return slot < 0 ? none : slots_[slot];
}

bool HookSlots::Clear(int message) {
    const int slot = SlotOfMessage(message);
    if (slot < 0) return false;
    slots_[slot] = HookRoutine{};
    return true;
}

void HookSlots::ClearAll() {
    for (HookRoutine& routine : slots_) routine = HookRoutine{};
}

bool HookSlots::Any() const {
    for (const HookRoutine& routine : slots_) {
        if (routine.call) return true;
    }
    return false;
}

bool HookSlots::AnyKey() const { return At(kHookKeyDown).call || At(kHookKeyUp).call; }

bool HookSlots::AnyMouse() const {
    for (int message : kMessages) {
        if (message != kHookKeyDown && message != kHookKeyUp && At(message).call) return true;
    }
    return false;
}

void HookSlots::Dispatch(const InputEvent& event) {
    if (SlotOfMessage(event.message) < 0) return;
    Call(At(event.message), event);
    if (event.message == kHookLeftDown && sawLeftUp_ && event.time - lastLeftUpTime_ < kDoubleClickMs) {
        Call(At(kHookLeftDoubleClick), event);
    }
    if (event.message == kHookLeftUp) {
        sawLeftUp_ = true;
        lastLeftUpTime_ = event.time;
    }
}

}  // namespace win::core
