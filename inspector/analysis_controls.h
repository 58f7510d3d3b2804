// The controls of the "窗口分析" page, resolved once when the page is made.
#pragma once

#include "inspector/core/analysis_layout.h"
#include "ui/page_controls.h"

namespace inspector {

TAVRIN_PAGE_CONTROLS(AnalysisControls, TAVRIN_ANALYSIS_CONTROLS)

}  // namespace inspector
