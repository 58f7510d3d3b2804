#include "win/core/window_pick.h"

#include <gtest/gtest.h>

namespace {

using namespace base;
using namespace win::core;
namespace {

TEST(WindowPick, TheSmallestWindowThatHoldsThePointWins) {
    const Rect groupBox{10, 10, 210, 110};
    const Rect radio{20, 30, 120, 50};
    const Rect other{130, 30, 200, 50};
    // A group box made after its radio buttons lies above them: it still
    // loses to the radio button the point is on.
    EXPECT_EQ(SmallestContaining({groupBox, radio, other}, {25, 35}), 1);
    EXPECT_EQ(SmallestContaining({groupBox, radio, other}, {150, 40}), 2);
    EXPECT_EQ(SmallestContaining({groupBox, radio, other}, {15, 100}), 0);  // inside the box only
    EXPECT_EQ(SmallestContaining({groupBox, radio, other}, {300, 300}), -1);
    // Right and bottom edges belong to the next pixel.
    EXPECT_EQ(SmallestContaining({radio}, {120, 40}), -1);
    EXPECT_EQ(SmallestContaining({radio}, {119, 49}), 0);
    // Equal sizes: the first, topmost in Z order.
    EXPECT_EQ(SmallestContaining({radio, radio}, {25, 35}), 0);
    // Empty rectangles (a child clipped away entirely) hold nothing.
    EXPECT_EQ(SmallestContaining({Rect{}, Rect{5, 5, 5, 50}}, {5, 10}), -1);
    EXPECT_EQ(SmallestContaining({}, {0, 0}), -1);
}

}  // namespace
}  // namespace
