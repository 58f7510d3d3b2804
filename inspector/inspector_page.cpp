#include "inspector/inspector_page.h"

#include "inspector/finder_board.h"

namespace inspector {

InspectorPage::InspectorPage(ui::Form& form)
    : form_(form),
      finder_(form.Get<ui::DrawingBoard>("画板_捕获器")),
      fileDialog_(form.Get<ui::FileDialog>("通用对话框1")) {}

void InspectorPage::OnCreated(const std::wstring& programDirectory) {
    fileDialog_.initialDirectory = programDirectory;
    fileDialog_.filter = "BMP位图（*.BMP）|*.bmp";
    fileDialog_.defaultExtension = "bmp";
}

void InspectorPage::OnActivated() { DrawFinderBoard(finder_, true); }

}  // namespace inspector
