#include "win/core/delay_time.h"

#include <cmath>
#include <limits>

namespace win::core {

std::int64_t DelayDueTime(std::int32_t count, std::int32_t unit) {
    if (count < 1) return 0;
    double steps;  // 100-nanosecond steps
    if (unit == 1) {
        steps = static_cast<double>(count) * 10.0;
    } else {
        double msPerCount;
        switch (unit) {
            case 0: msPerCount = 1; break;
            case 2: msPerCount = 1000; break;
            case 3: msPerCount = 60000; break;
            case 4: msPerCount = 3600000; break;
            case 5: msPerCount = 86400000; break;
            default: msPerCount = unit; break;
        }
        steps = static_cast<double>(count) * msPerCount * 10000.0;
    }
    // A negative unit would make the time absolute (a date in 1601); the
    // longest relative wait is what a 64-bit count of steps can hold.
    if (!(steps > 0)) return 0;
    if (steps >= 9.2e18) return std::numeric_limits<std::int64_t>::min() + 1;
    return -std::llround(steps);
}

}  // namespace win::core
