// Due time of the waiting routine Delay: a count of some unit turned into a
// relative waitable-timer time, in 100-nanosecond steps and negative (which
// makes the time relative).
//
// Units: 0 milliseconds, 1 microseconds, 2 seconds, 3 minutes, 4 hours,
// 5 days; any other value is itself the number of milliseconds per count.
// A count below 1 means no wait (0).
#pragma once

#include <cstdint>

namespace win::core {

std::int64_t DelayDueTime(std::int32_t count, std::int32_t unit);

}  // namespace win::core
