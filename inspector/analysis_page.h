// The "窗口分析" page: finder, information panel, window operations and the
// window tree.
#pragma once

#include <memory>
#include <string>

#include "inspector/analysis_controls.h"
#include "inspector/field_actions.h"
#include "inspector/info_panel.h"
#include "inspector/target.h"
#include "inspector/target_capture.h"
#include "inspector/tree_menu.h"
#include "inspector/window_changes.h"
#include "inspector/window_tree.h"
#include "win/input_hook.h"

namespace inspector {

class AnalysisPage {
public:
    AnalysisPage(ui::Form& form, win::InputHook& hook, win::ThreadControl& threads);

    // Steps of the main window's creation that concern this page.
    void OnCreated(const std::string& programDirectory);
    // Redraws the finder in its place each time the main window is activated.
    void OnActivated();

    AnalysisControls& Controls() { return controls_; }
    ui::DrawingBoard& FinderBoard() { return controls_.画板_捕获器; }
    // The current target, which every part of the program works on.
    Target& CurrentTarget() { return target_; }
    InfoPanel& Panel() { return panel_; }
    WindowTree& Tree() { return tree_; }
    TargetCapture& Capture() { return capture_; }
    FieldActions& Actions() { return actions_; }
    TreeMenu& TreeMenus() { return treeMenu_; }

private:
    AnalysisControls controls_;
    Target target_;
    InfoPanel panel_;
    WindowTree tree_;
    TargetCapture capture_;
    FieldActions actions_;
    WindowChanges changes_;
    TreeMenu treeMenu_;
};

}  // namespace inspector
