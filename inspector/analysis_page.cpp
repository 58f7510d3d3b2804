#include "inspector/analysis_page.h"

#include "inspector/finder_board.h"
#include "ui/buttons.h"

namespace inspector {

AnalysisPage::AnalysisPage(ui::Form& form, util::InputHook& hook, util::ThreadControl& threads)
    : form_(form),
      finder_(form.Get<ui::DrawingBoard>("画板_捕获器")),
      fileDialog_(form.Get<ui::FileDialog>("通用对话框1")),
      panel_(std::make_unique<InfoPanel>(form)),
      tree_(std::make_unique<WindowTree>(form, *panel_)),
      capture_(std::make_unique<TargetCapture>(form, *panel_, *tree_, hook)),
      actions_(std::make_unique<FieldActions>(form, *panel_, *tree_, threads)),
      changes_(std::make_unique<WindowChanges>(form, *panel_, *actions_)),
      treeMenu_(std::make_unique<TreeMenu>(form, *panel_, *tree_)) {
    finder_.MouseDown = [this](const ui::MouseEvent& e) {
        if (e.button == ui::MouseButton::Left) capture_->Start();
    };
    form.Get<ui::SuperButton>("超级按钮_切换").Clicked = [this] { tree_->SwitchToPrevious(); };
    form.Get<ui::SuperButton>("超级按钮_刷新").Clicked = [this] { tree_->Refresh(); };
    form.Get<ui::SuperButton>("超级按钮_定位").Clicked = [this] { tree_->MarkSelected(); };
}

void AnalysisPage::OnCreated(const std::string& programDirectory) {
    fileDialog_.initialDirectory = programDirectory;
    fileDialog_.filter = "BMP位图（*.BMP）|*.bmp";
    fileDialog_.defaultExtension = "bmp";
}

void AnalysisPage::OnActivated() { DrawFinderBoard(finder_, true); }

}  // namespace inspector
