// The information panel of the "窗口分析" page: the boxes that show the
// current target (inspector/target.h). The boxes show the facts of the
// last existing window chosen, all of them changed in one step once the
// facts are read (so the handle box never shows a window whose other facts
// are not there yet); a handle that is no window goes into the handle box
// alone. The boxes are emptied with the target. When a refresh finds the
// window gone, the handle box says so in red beside the handle; the other
// boxes keep what the window last showed.
//
// The boxes are a view: nothing reads the target back from them. The
// editable ones (title, content, positions and sizes) are where the user
// types the values the field menus apply.
#pragma once

#include "inspector/analysis_controls.h"
#include "inspector/target.h"

namespace inspector {

class InfoPanel {
public:
    InfoPanel(AnalysisControls& controls, Target& target);

    // Empties the twenty boxes of the panel (handles, ids, texts, path,
    // positions and sizes).
    void EmptyFields();

private:
    void Show(const WindowFacts& facts);

    AnalysisControls& c_;
};

}  // namespace inspector
