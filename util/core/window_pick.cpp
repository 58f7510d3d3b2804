#include "util/core/window_pick.h"

namespace core {

int SmallestContaining(const std::vector<Rect>& candidates, Point point) {
    int best = -1;
    for (int i = 0; i < static_cast<int>(candidates.size()); ++i) {
        const Rect& r = candidates[static_cast<std::size_t>(i)];
        if (!r.Contains(point)) continue;
        if (best < 0 || r.Area() < candidates[static_cast<std::size_t>(best)].Area()) best = i;
    }
    return best;
}

}  // namespace core
