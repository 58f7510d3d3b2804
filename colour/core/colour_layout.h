#pragma once

#include <vector>

#include "ui/core/layout.h"

namespace core {

// Controls of the "取点取色" page: the picker and pen boards, the sampled
// point, the magnifier, the colour boxes, scale, palette and notations, and
// the screen-capture trigger.
const std::vector<ControlLayout>& ColourPageLayout();

}  // namespace core
