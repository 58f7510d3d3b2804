// Changing the target window from the "窗口分析" page: the four check boxes
// (transparent, disabled, hidden, topmost) act at once; the "更改" items of
// the position and size rows move and resize the target to the values typed
// into their boxes. None refreshes the panel afterwards.
#pragma once

#include "inspector/analysis_controls.h"
#include "inspector/field_actions.h"
#include "inspector/info_panel.h"

namespace inspector {

class WindowChanges {
public:
    WindowChanges(AnalysisControls& controls, InfoPanel& panel, FieldActions& actions);

private:
    AnalysisControls& c_;
    InfoPanel& panel_;
};

}  // namespace inspector
