// The "窗口分析" page: finder, information panel, window operations and the
// window tree.
#pragma once

#include <memory>
#include <string>

#include "inspector/field_actions.h"
#include "inspector/info_panel.h"
#include "inspector/target_capture.h"
#include "inspector/tree_menu.h"
#include "inspector/window_changes.h"
#include "inspector/window_tree.h"
#include "ui/drawing_board.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "util/input_hook.h"

namespace inspector {

class AnalysisPage {
public:
    AnalysisPage(ui::Form& form, util::InputHook& hook, util::ThreadControl& threads);

    // Steps of the main window's creation that concern this page.
    void OnCreated(const std::string& programDirectory);
    // Redraws the finder in its place each time the main window is activated.
    void OnActivated();

    ui::DrawingBoard& FinderBoard() { return finder_; }
    InfoPanel& Panel() { return *panel_; }
    WindowTree& Tree() { return *tree_; }
    TargetCapture& Capture() { return *capture_; }
    FieldActions& Actions() { return *actions_; }
    TreeMenu& TreeMenus() { return *treeMenu_; }

private:
    ui::Form& form_;
    ui::DrawingBoard& finder_;
    ui::FileDialog& fileDialog_;
    std::unique_ptr<InfoPanel> panel_;
    std::unique_ptr<WindowTree> tree_;
    std::unique_ptr<TargetCapture> capture_;
    std::unique_ptr<FieldActions> actions_;
    std::unique_ptr<WindowChanges> changes_;
    std::unique_ptr<TreeMenu> treeMenu_;
};

}  // namespace inspector
