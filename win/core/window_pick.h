// Which of the windows under a point the finder takes. Windows itself gives
// the topmost enabled window there; the finder wants the control the user
// points at, disabled or not, and where siblings overlap (a group box and
// the radio buttons drawn inside it) the smallest one that contains the
// point, as the best window inspectors do.
#pragma once

#include <vector>

#include "base/geometry.h"

namespace win::core {

// The index of the smallest rectangle that contains the point, the first of
// equal ones (the topmost, listed in Z order); -1 when none contains it.
int SmallestContaining(const std::vector<base::Rect>& candidates, base::Point point);

}  // namespace win::core
