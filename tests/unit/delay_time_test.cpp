#include "win/core/delay_time.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using namespace win::core;
namespace {

TEST(DelayDueTime, EachUnitGivesARelativeTimeIn100NanosecondSteps) {
    EXPECT_EQ(DelayDueTime(2, 0), -20000);            // 2 ms
    EXPECT_EQ(DelayDueTime(7, 1), -70);               // 7 µs
    EXPECT_EQ(DelayDueTime(2, 2), -20000000);         // 2 s
    EXPECT_EQ(DelayDueTime(1, 3), -600000000);        // 1 min
    EXPECT_EQ(DelayDueTime(1, 4), -36000000000);      // 1 h
    EXPECT_EQ(DelayDueTime(1, 5), -864000000000);     // 1 day
    EXPECT_EQ(DelayDueTime(3, 250), -7500000);        // other units: ms per count
    EXPECT_EQ(DelayDueTime(100000, 5), -86400000000000000LL);
    // Beyond what 64 bits of steps hold, the wait is the longest there is.
    EXPECT_EQ(DelayDueTime(2147483647, 5), std::numeric_limits<std::int64_t>::min() + 1);
}

TEST(DelayDueTime, NoWaitForCountsBelowOneOrNegativeUnits) {
    EXPECT_EQ(DelayDueTime(0, 0), 0);
    EXPECT_EQ(DelayDueTime(-5, 2), 0);
    EXPECT_EQ(DelayDueTime(5, -3), 0);
}

}  // namespace
}  // namespace
