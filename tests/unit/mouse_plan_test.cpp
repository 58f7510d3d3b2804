#include "win/core/mouse_plan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace {

using namespace win::core;
namespace {

using Steps = std::vector<MouseStep>;
MouseStep E(std::uint32_t flag) { return MouseStep::Event(flag); }
MouseStep W(std::uint32_t ms) { return MouseStep::Wait(ms); }

TEST(ClickMousePlan, SingleClicksPressAndReleaseAroundTheDelay) {
    const Steps leftDefault{E(kMouseLeftDown), W(50), E(kMouseLeftUp)};
    EXPECT_EQ(ClickMousePlan(1, 1, std::nullopt, 500), leftDefault);
    EXPECT_EQ(ClickMousePlan(0, 1, std::nullopt, 500), leftDefault);
    EXPECT_EQ(ClickMousePlan(1, 0, std::nullopt, 500), leftDefault);
    EXPECT_EQ(ClickMousePlan(3, 1, 120, 500), (Steps{E(kMouseMiddleDown), W(120), E(kMouseMiddleUp)}));
    // A delay below 1 ms is no wait at all.
    EXPECT_EQ(ClickMousePlan(2, 1, 0, 500), (Steps{E(kMouseRightDown), E(kMouseRightUp)}));
    EXPECT_EQ(ClickMousePlan(2, 1, -5, 500), (Steps{E(8), E(16)}));
}

TEST(ClickMousePlan, PressOnlyAndReleaseOnly) {
    EXPECT_EQ(ClickMousePlan(3, 4, std::nullopt, 500), (Steps{E(64)}));
    EXPECT_EQ(ClickMousePlan(3, 3, std::nullopt, 500), (Steps{E(32)}));
    EXPECT_EQ(ClickMousePlan(1, 3, 1000, 500), (Steps{E(2)}));
    EXPECT_EQ(ClickMousePlan(2, 4, 1000, 500), (Steps{E(16)}));
}

TEST(ClickMousePlan, UnknownButtonsAndKindsSendNothing) {
    for (std::int32_t button : {-1, 4, 100}) EXPECT_TRUE(ClickMousePlan(button, 1, std::nullopt, 500).empty());
    for (std::int32_t kind : {-1, 5, 100}) EXPECT_TRUE(ClickMousePlan(1, kind, std::nullopt, 500).empty());
}

TEST(ClickMousePlan, DoubleClickSecondPressComesWithinTheDoubleClickTime) {
    EXPECT_EQ(ClickMousePlan(1, 2, std::nullopt, 500),
              (Steps{E(2), W(50), E(4), W(50), E(2), W(50), E(4)}));
    EXPECT_EQ(ClickMousePlan(2, 2, 0, 500), (Steps{E(8), E(16), E(8), E(16)}));
    // A long delay shortens the pause between the two clicks.
    EXPECT_EQ(ClickMousePlan(3, 2, 300, 500), (Steps{E(32), W(300), E(64), W(100), E(32), W(300), E(64)}));
    // The time from the first press to the second stays below the
    // double-click time whenever the delay itself does.
    const std::int32_t doubleClickTimes[] = {200, 500, 900};
    for (std::int32_t dct : doubleClickTimes) {
        for (std::int32_t delay : {0, 1, 50, 99, 100, 150, 199}) {
            const Steps steps = ClickMousePlan(1, 2, delay, dct);
            ASSERT_EQ(std::count(steps.begin(), steps.end(), E(2)), 2);
            std::uint64_t waited = 0;
            for (std::size_t i = 1; !(steps[i] == E(2)); ++i) {
                if (steps[i].kind == MouseStep::Kind::Wait) waited += steps[i].value;
            }
            EXPECT_LT(waited, static_cast<std::uint64_t>(dct)) << "delay " << delay << ", time " << dct;
        }
    }
}

TEST(PackPoint, LowWordXHighWordY) {
    EXPECT_EQ(PackPoint(10, 20), 10u + 20u * 65536u);
    EXPECT_EQ(PackPoint(0, 0), 0u);
    // A negative x keeps its own word and leaves y alone.
    EXPECT_EQ(PackPoint(-1, 5), 0x0005FFFFu);
    EXPECT_EQ(PackPoint(-3, -4), 0xFFFCFFFDu);
    EXPECT_EQ(PackPoint(32767, -32768), 0x80007FFFu);
    // Beyond 16 bits each coordinate keeps its low 16 bits.
    EXPECT_EQ(PackPoint(70000, 1), (70000u & 0xFFFFu) | 0x10000u);
    EXPECT_EQ(PackPoint(std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()),
              0xFFFF0000u);
}

TEST(PostMouseClickPlan, LeftClickMessages) {
    const std::uint32_t point = 10 + 20 * 65536;
    EXPECT_EQ(PostMouseClickPlan(1234, 10, 20, MouseButton::Left, 100, 200),
              (std::vector<PostedMessage>{{0x0200, 2, point}, {0x0201, 1, point}, {0x0202, 0, point}}));
}

TEST(PostMouseClickPlan, RightClickEndsWithTheContextMenuAtTheScreenPoint) {
    const std::uint32_t point = 10 + 20 * 65536;
    EXPECT_EQ(PostMouseClickPlan(1234, 10, 20, MouseButton::Right, 100, 200),
              (std::vector<PostedMessage>{{0x0200, 2, point},
                                          {0x0204, 2, point},
                                          {0x0205, 2, point},
                                          {0x007B, 1234, 110 + 220 * 65536}}));
    // A window left of the primary monitor, and a negative handle value.
    const std::vector<PostedMessage> left = PostMouseClickPlan(-42, 10, 5, MouseButton::Right, -1920, 0);
    ASSERT_EQ(left.size(), 4u);
    EXPECT_EQ(left[3], (PostedMessage{0x007B, -42, PackPoint(-1910, 5)}));
    // Coordinates that would overflow wrap instead.
    const std::vector<PostedMessage> far = PostMouseClickPlan(
        7, std::numeric_limits<std::int32_t>::max(), 0, MouseButton::Right, 2, 0);
    ASSERT_EQ(far.size(), 4u);
    EXPECT_EQ(far[3].lParam, 0x0001u);  // 0x7FFFFFFF + 2 = 0x80000001
}

TEST(PostMouseClickPlan, NoWindowNoMessages) {
    EXPECT_TRUE(PostMouseClickPlan(0, 1, 2, MouseButton::Left, 0, 0).empty());
    EXPECT_TRUE(PostMouseClickPlan(0, 1, 2, MouseButton::Right, 0, 0).empty());
}

}  // namespace
}  // namespace
