#include "win/core/hook_slots.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace win::core;
namespace {

// Routines that write what they were called with into a log.
struct Recorder {
    std::vector<std::string> log;
    HookRoutine Routine(const std::string& name) {
        return {this, [this, name](std::int32_t w, std::int32_t a, std::int32_t b) {
                    log.push_back(name + " " + std::to_string(w) + " " + std::to_string(a) + " " + std::to_string(b));
                }};
    }
};

InputEvent Event(int message, std::uint32_t time, std::int32_t a = 10, std::int32_t b = 20) {
    return {message, 77, a, b, time};
}

TEST(HookSlots, AcceptsOnlyTheNineMessages) {
    HookSlots slots;
    Recorder r;
    for (int message : {0, 255, 258, 512, 518, 521, 0x0200}) {
        EXPECT_EQ(slots.Set(r.Routine("x"), message), HookSlots::SetResult::NotAHookMessage) << message;
        EXPECT_FALSE(slots.Clear(message)) << message;
        EXPECT_FALSE(IsHookMessage(message));
    }
    for (int message : {256, 257, 513, 514, 515, 516, 517, 519, 520}) EXPECT_TRUE(IsHookMessage(message));
    EXPECT_FALSE(slots.Any());
}

TEST(HookSlots, SameRoutineTwiceIsRefusedAnotherReplacesIt) {
    HookSlots slots;
    Recorder first, second;
    EXPECT_EQ(slots.Set(first.Routine("a"), kHookLeftUp), HookSlots::SetResult::Registered);
    EXPECT_EQ(slots.Set(first.Routine("a"), kHookLeftUp), HookSlots::SetResult::AlreadyRegistered);
    EXPECT_EQ(slots.Set(second.Routine("b"), kHookLeftUp), HookSlots::SetResult::Registered);
    slots.Dispatch(Event(kHookLeftUp, 100));
    EXPECT_TRUE(first.log.empty());
    EXPECT_EQ(second.log, (std::vector<std::string>{"b 77 10 20"}));
}

TEST(HookSlots, ClearingOneOfTwoKeepsTheOther) {
    HookSlots slots;
    Recorder r;
    slots.Set(r.Routine("up"), kHookLeftUp);
    slots.Set(r.Routine("right"), kHookRightUp);
    EXPECT_TRUE(slots.Clear(kHookLeftUp));
    EXPECT_TRUE(slots.Any());
    slots.Dispatch(Event(kHookLeftUp, 1));
    slots.Dispatch(Event(kHookRightUp, 2));
    EXPECT_EQ(r.log, (std::vector<std::string>{"right 77 10 20"}));
    EXPECT_TRUE(slots.Clear(kHookRightUp));
    EXPECT_FALSE(slots.Any());
}

TEST(HookSlots, TellWhichHooksTheirRoutinesNeed) {
    Recorder r;
    for (int message : {256, 257}) {
        HookSlots slots;
        slots.Set(r.Routine("k"), message);
        EXPECT_TRUE(slots.AnyKey()) << message;
        EXPECT_FALSE(slots.AnyMouse()) << message;
    }
    for (int message : {513, 514, 515, 516, 517, 519, 520}) {
        HookSlots slots;
        slots.Set(r.Routine("m"), message);
        EXPECT_TRUE(slots.AnyMouse()) << message;
        EXPECT_FALSE(slots.AnyKey()) << message;
        slots.Clear(message);
        EXPECT_FALSE(slots.AnyMouse()) << message;
    }
}

TEST(HookSlots, LeftPressSoonAfterAReleaseIsAlsoADoubleClick) {
    HookSlots slots;
    Recorder r;
    slots.Set(r.Routine("up"), kHookLeftUp);
    slots.Set(r.Routine("double"), kHookLeftDoubleClick);
    slots.Set(r.Routine("down"), kHookLeftDown);
    // Two clicks 300 ms apart: the second press is the double click.
    slots.Dispatch(Event(kHookLeftDown, 1000));
    slots.Dispatch(Event(kHookLeftUp, 1050));
    slots.Dispatch(Event(kHookLeftDown, 1350, 11, 21));
    slots.Dispatch(Event(kHookLeftUp, 1400));
    EXPECT_EQ(r.log, (std::vector<std::string>{"down 77 10 20", "up 77 10 20", "down 77 11 21", "double 77 11 21",
                                               "up 77 10 20"}));
    // 500 ms or more after the last release is a new single click.
    r.log.clear();
    slots.Dispatch(Event(kHookLeftDown, 1900));
    EXPECT_EQ(r.log, (std::vector<std::string>{"down 77 10 20"}));
    // The input clock wraps around after 49.7 days.
    slots.Dispatch(Event(kHookLeftUp, 0xFFFFFF00u));
    r.log.clear();
    slots.Dispatch(Event(kHookLeftDown, 0x20));
    EXPECT_EQ(r.log, (std::vector<std::string>{"down 77 10 20", "double 77 10 20"}));
}

TEST(HookSlots, NoDoubleClickBeforeAnyReleaseOrWithoutItsRoutine) {
    HookSlots slots;
    Recorder r;
    slots.Set(r.Routine("double"), kHookLeftDoubleClick);
    slots.Dispatch(Event(kHookLeftDown, 10));  // nothing released yet
    EXPECT_TRUE(r.log.empty());
    slots.Clear(kHookLeftDoubleClick);
    slots.Dispatch(Event(kHookLeftUp, 20));
    slots.Dispatch(Event(kHookLeftDown, 30));
    EXPECT_TRUE(r.log.empty());
}

TEST(HookSlots, RoutineMayClearTheRegistrationsWhileItRuns) {
    HookSlots slots;
    int calls = 0;
    slots.Set({&calls, [&](std::int32_t, std::int32_t, std::int32_t) {
                   ++calls;
                   slots.ClearAll();
               }},
              kHookLeftUp);
    slots.Dispatch(Event(kHookLeftUp, 5));
    slots.Dispatch(Event(kHookLeftUp, 6));
    EXPECT_EQ(calls, 1);
    EXPECT_FALSE(slots.Any());
}

}  // namespace
}  // namespace
