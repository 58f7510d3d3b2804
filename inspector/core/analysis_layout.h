#pragma once

#include <vector>

#include "ui/core/layout.h"

namespace core {

// Controls of the "窗口分析" page: the finder, the information panel, the
// window operations, and the window tree with its search.
const std::vector<ControlLayout>& AnalysisPageLayout();

}  // namespace core
