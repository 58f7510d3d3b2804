// The main window: title "Tavrin编程助手1.1", the "官网" menu, and the tab
// control with the pages "窗口分析", "消息|代码" and "取点取色".
//
// Create() builds the window with its tab control and the first page, and
// runs that page's creation steps; the two other pages, which the first
// paint does not show, are made as soon as the window has painted (or at
// once when something asks for them), with their own creation steps
// (message list, finder routing, magnifier picture, first pen colour,
// cursors, colours). Each activation redraws the finder boards, the scale
// marker and the palette. Releasing the right button over the window, or
// either button over the tab control, pops up the "官网" menu just below and
// right of the cursor. Destroying the window ends the program's message loop.
//
// From creation to destruction the window keeps its icon in the tray: a
// double click brings the window back, centred and in front; a right click
// opens "托盘菜单" (主界面, the web items, 退出). "退出" ends the program
// the way closing the window does: both run OnEnding() once, which takes
// the icon down, and the message loop ends with exit code 0.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/core/shell_menus.h"
#include "app/program_resources.h"
#include "app/tray_icon.h"
#include "app/utility_objects.h"
#include "capture/region_capture.h"
#include "capture/window_image.h"
#include "colour/colour_page.h"
#include "inspector/analysis_page.h"
#include "messages/messages_page.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/tab_control.h"
#include "ui/timer.h"

namespace app {

class MainWindow : public ui::Form {
public:
    explicit MainWindow(UtilityObjects& utilities);
    ~MainWindow() override;

    // Creates the window hidden; false when Windows refused to create it.
    bool Create();

    ui::TabControl& Tabs() { return *tabs_; }
    ui::Menu& WebMenu() { return webMenu_; }
    ui::Menu& TrayMenu() { return trayMenu_; }
    const TrayIcon& Tray() const { return tray_; }
    const ProgramResources& Resources() const { return resources_; }
    inspector::AnalysisPage& Analysis() { return *inspector_; }
    colour::ColourPage& Colour() {
        BuildLaterPages();
        return *colour_;
    }
    messages::MessagesPage& Messages() {
        BuildLaterPages();
        return *messages_;
    }
    // Makes the pages after the first now, if they are not made yet.
    void BuildLaterPages();
    // What start-up leaves until the first page is on the screen, now: the
    // tray icon and the other pages. A timer runs it a moment after the
    // first paint.
    void FinishStartUp();
    bool LaterPagesBuilt() const { return messages_ && colour_; }

    // The region capture, made when first used; the window-image buttons.
    capture::RegionCapture& RegionCapture();
    capture::WindowImageActions& WindowImages() { return *windowImages_; }
    // `按钮_截图`: the region capture, with the main window kept out of the
    // frozen image when `选择框_隐藏该窗口` is ticked.
    void StartRegionCapture();

    // Pops up the "官网" menu 3 pixels right of and below the cursor.
    void PopUpWebMenu();
    // Pops up "托盘菜单" with its right edge 5 pixels left of and its top 5
    // pixels above the cursor's screen point, the window made the foreground
    // window first.
    void PopUpTrayMenu(POINT cursor);
    // Shows the window, restored and centred on the screen, in front.
    void ShowMainWindow();
    // Opens where a web item leads: a page of the offline help (written
    // first, beside the program or per user) or a web address.
    void OpenLink(core::WebLink link);
    // "退出": the same end as closing the window.
    void Exit();

    // Hands an address or a help page's path to the shell; tests put their
    // own here to see what would be opened.
    std::function<bool(const std::wstring&)> OpenAddress;
    // Tells the user something in a message box ("友情提醒"); replaceable
    // for tests.
    std::function<void(const std::string&)> ShowNotice;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The last steps of the program, however it ends (closed, or Windows
    // shutting down): nothing it paused stays paused.
    void OnEnding();
    void BuildPageControls(int page);
    void WirePages();
    void OnActivated();
    void DressControls(int page);
    // Cursors and the page colour for the controls of a table on a form.
    void DressControls(ui::Form& form, const std::vector<ui::core::ControlLayout>& table) const;
    void BuildTrayMenu();

    UtilityObjects& utilities_;
    ProgramResources resources_;
    ui::Menu webMenu_;
    ui::Menu trayMenu_;
    TrayIcon tray_;
    ui::TabControl* tabs_ = nullptr;
    std::unique_ptr<inspector::AnalysisPage> inspector_;
    std::unique_ptr<messages::MessagesPage> messages_;
    std::unique_ptr<colour::ColourPage> colour_;
    std::unique_ptr<capture::RegionCapture> regionCapture_;
    std::unique_ptr<capture::WindowImageActions> windowImages_;
    // The region capture starts once the hidden main window is off the
    // screen.
    std::unique_ptr<ui::Timer> captureAfterHiding_;
    // Fires once the window has painted (timers come after paints) and
    // runs FinishStartUp().
    static constexpr int kLaterPagesDelayMs = 250;
    std::unique_ptr<ui::Timer> laterPages_;
    bool buildingLaterPages_ = false;
};

}  // namespace app
