// The "窗口分析" page: finder, information panel, window operations and the
// window tree.
#pragma once

#include <string>

#include "ui/drawing_board.h"
#include "ui/file_dialog.h"
#include "ui/form.h"

namespace inspector {

class AnalysisPage {
public:
    explicit AnalysisPage(ui::Form& form);

    // Steps of the main window's creation that concern this page.
    void OnCreated(const std::string& programDirectory);
    // Redraws the finder in its place each time the main window is activated.
    void OnActivated();

    ui::DrawingBoard& FinderBoard() { return finder_; }

private:
    ui::Form& form_;
    ui::DrawingBoard& finder_;
    ui::FileDialog& fileDialog_;
};

}  // namespace inspector
