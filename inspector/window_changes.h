// Changing the target window from the "窗口分析" page: the four check boxes
// (transparent, disabled, hidden, topmost) act at once; the "更改" items of
// the position and size rows move and resize the target to the values typed
// into their boxes. All act on the current target (topmost on its top-level
// window). None refreshes the panel afterwards.
#pragma once

#include <set>

#include "inspector/analysis_controls.h"
#include "inspector/field_actions.h"
#include "inspector/target.h"

namespace inspector {

class WindowChanges {
public:
    WindowChanges(AnalysisControls& controls, Target& target, FieldActions& actions);

private:
    void SetTransparent(bool transparent);

    AnalysisControls& c_;
    Target& target_;
    // Windows this program made layered to make them transparent: clearing
    // "透明" takes the layered style away again from these only.
    std::set<win::WindowHandle> layeredByUs_;
};

}  // namespace inspector
