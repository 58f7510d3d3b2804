// The controls of the "取点取色" page and of the window of the further
// notations, resolved once when the page or the window is made.
#pragma once

#include "colour/core/colour_layout.h"
#include "ui/page_controls.h"

namespace colour {

TAVRIN_PAGE_CONTROLS(ColourControls, TAVRIN_COLOUR_CONTROLS)
TAVRIN_PAGE_CONTROLS(NotationControls, TAVRIN_NOTATION_WINDOW_CONTROLS)

}  // namespace colour
