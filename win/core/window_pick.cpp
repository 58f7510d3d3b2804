#include "win/core/window_pick.h"

namespace win::core {

int SmallestContaining(const std::vector<base::Rect>& candidates, base::Point point) {
    int best = -1;
    for (int i = 0; i < static_cast<int>(candidates.size()); ++i) {
        const base::Rect& r = candidates[static_cast<std::size_t>(i)];
        if (!r.Contains(point)) continue;
        if (best < 0 || r.Area() < candidates[static_cast<std::size_t>(best)].Area()) best = i;
    }
    return best;
}

}  // namespace win::core
