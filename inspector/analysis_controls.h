// The controls of the "窗口分析" page and of the activity window, resolved
// once when the page or the window is made.
#pragma once

#include "inspector/core/analysis_layout.h"
#include "ui/page_controls.h"

namespace inspector {

TAVRIN_PAGE_CONTROLS(AnalysisControls, TAVRIN_ANALYSIS_CONTROLS)
TAVRIN_PAGE_CONTROLS(ActivityControls, TAVRIN_ACTIVITY_WINDOW_CONTROLS)

}  // namespace inspector
