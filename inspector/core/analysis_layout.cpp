#include "inspector/core/analysis_layout.h"

namespace core {

const std::vector<ControlLayout>& AnalysisPageLayout() {
    static const std::vector<ControlLayout> table = {TAVRIN_ANALYSIS_CONTROLS(TAVRIN_LAYOUT_ROW)};
    return table;
}

}  // namespace core
