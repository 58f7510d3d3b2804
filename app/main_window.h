// The main window: title "Tavrin编程助手1.1", the "官网" menu, and the tab
// control with the pages "窗口分析", "消息|代码" and "取点取色".
//
// Create() builds the window and its controls and runs the creation steps
// (dialog folder, finder routing, magnifier picture, first pen colour,
// cursors, colours). Each activation redraws the finder boards, the scale
// marker and the palette. Releasing the right button over the window, or
// either button over the tab control, pops up the "官网" menu just below and
// right of the cursor. Destroying the window ends the program's message loop.
#pragma once

#include <memory>

#include "app/program_resources.h"
#include "app/utility_objects.h"
#include "colour/colour_page.h"
#include "inspector/analysis_page.h"
#include "messages/messages_page.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/tab_control.h"

namespace app {

class MainWindow : public ui::Form {
public:
    explicit MainWindow(UtilityObjects& utilities);
    ~MainWindow() override;

    // Creates the window hidden; false when Windows refused to create it.
    bool Create();

    ui::TabControl& Tabs() { return *tabs_; }
    ui::Menu& WebMenu() { return webMenu_; }
    const ProgramResources& Resources() const { return resources_; }
    inspector::AnalysisPage& Analysis() { return *inspector_; }
    colour::ColourPage& Colour() { return *colour_; }
    messages::MessagesPage& Messages() { return *messages_; }

    // Pops up the "官网" menu 3 pixels right of and below the cursor.
    void PopUpWebMenu();

private:
    void BuildControls();
    void OnCreated();
    void WirePages();
    void OnActivated();
    void DressControls();

    UtilityObjects& utilities_;
    ProgramResources resources_;
    ui::Menu webMenu_;
    ui::TabControl* tabs_ = nullptr;
    std::unique_ptr<inspector::AnalysisPage> inspector_;
    std::unique_ptr<messages::MessagesPage> messages_;
    std::unique_ptr<colour::ColourPage> colour_;
};

}  // namespace app
