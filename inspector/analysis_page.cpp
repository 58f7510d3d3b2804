#include "inspector/analysis_page.h"

#include "inspector/finder_board.h"

namespace inspector {

AnalysisPage::AnalysisPage(ui::Form& form)
    : form_(form),
      finder_(form.Get<ui::DrawingBoard>("画板_捕获器")),
      fileDialog_(form.Get<ui::FileDialog>("通用对话框1")) {}

void AnalysisPage::OnCreated(const std::string& programDirectory) {
    fileDialog_.initialDirectory = programDirectory;
    fileDialog_.filter = "BMP位图（*.BMP）|*.bmp";
    fileDialog_.defaultExtension = "bmp";
}

void AnalysisPage::OnActivated() { DrawFinderBoard(finder_, true); }

}  // namespace inspector
