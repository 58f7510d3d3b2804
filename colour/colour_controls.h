// The controls of the "取点取色" page, resolved once when the page is made.
#pragma once

#include "colour/core/colour_layout.h"
#include "ui/page_controls.h"

namespace colour {

TAVRIN_PAGE_CONTROLS(ColourControls, TAVRIN_COLOUR_CONTROLS)

}  // namespace colour
