#include "inspector/core/analysis_layout.h"

namespace inspector::core {

const std::vector<ui::core::ControlLayout>& AnalysisPageLayout() {
    static const std::vector<ui::core::ControlLayout> table = {TAVRIN_ANALYSIS_CONTROLS(TAVRIN_LAYOUT_ROW)};
    return table;
}

const std::vector<ui::core::ControlLayout>& ActivityWindowLayout() {
    static const std::vector<ui::core::ControlLayout> table = {TAVRIN_ACTIVITY_WINDOW_CONTROLS(TAVRIN_LAYOUT_ROW)};
    return table;
}

}  // namespace inspector::core
