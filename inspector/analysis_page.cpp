#include "inspector/analysis_page.h"

#include "ui/core/glyphs.h"

namespace inspector {

AnalysisPage::AnalysisPage(ui::Form& form, win::InputHook& hook, win::ThreadControl& threads)
    : controls_(form),
      target_(form.Handle()),
      panel_(controls_, target_),
      tree_(controls_, target_),
      capture_(controls_, target_, tree_, hook),
      actions_(controls_, target_, tree_, threads, hook),
      changes_(controls_, target_, actions_),
      treeMenu_(controls_, target_, tree_) {
    controls_.画板_捕获器.MouseDown = [this](const ui::MouseEvent& e) {
        if (e.button == ui::MouseButton::Left && e.source) capture_.Start(*e.source);
    };
    controls_.超级按钮_切换.Clicked = [this] { tree_.SwitchToPrevious(); };
    controls_.超级按钮_刷新.Clicked = [this] { tree_.Refresh(); };
    controls_.超级按钮_定位.Clicked = [this] { tree_.MarkSelected(); };
}

void AnalysisPage::OnCreated(const std::string& programDirectory) {
    ui::FileDialog& dialog = controls_.通用对话框1;
    dialog.initialDirectory = programDirectory;
    dialog.filter = "BMP位图（*.BMP）|*.bmp";
    dialog.defaultExtension = "bmp";
}

void AnalysisPage::OnActivated() { ui::core::DrawFinderBoard(controls_.画板_捕获器, true); }

}  // namespace inspector
