#include "app/main_window.h"

#include "app/core/main_layout.h"
#include "ui/layout_builder.h"
#include "util/program_files.h"
#include "util/wide_text.h"

namespace app {

MainWindow::MainWindow(UtilityObjects& utilities)
    : utilities_(utilities), webMenu_(std::string(core::kWebMenuCaption)) {
    // The forum page opens with the tray menu's web links; until then the
    // item is shown and does nothing.
    webMenu_.AddItem(core::kForumItemCaption, nullptr);
}

// The window goes first, while the pages and menus its messages reach are
// still there.
MainWindow::~MainWindow() { Destroy(); }

bool MainWindow::Create() {
    ui::FormOptions options;
    options.title = std::string(core::kMainWindowTitle);
    options.width = core::kMainWindowWidth;
    options.height = core::kMainWindowHeight;
    options.icon = resources_.ProgramIcon();
    options.background = core::kPageColour;
    options.endProgramOnDestroy = true;
    if (!Form::Create(options)) return false;
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(resources_.SmallProgramIcon()));
    SetMenuBar({&webMenu_});
    // Thicker frames (as on Windows 10 and later) would cut off the pages'
    // right and bottom edges at the classic outer size.
    EnsureClientSize(core::kMainClientWidth, core::kMainClientHeight);

    std::vector<std::string> captions;
    for (const core::PageLayout& page : core::MainWindowPages()) captions.emplace_back(page.caption);
    tabs_ = &Add<ui::TabControl>(core::kTabControlName, ui::Bounds{0, 0, core::kTabWidth, core::kTabHeight},
                                 std::move(captions));
    BuildPageControls(core::kAnalysisPage);
    ShowPage(core::kAnalysisPage);
    inspector_ = std::make_unique<inspector::AnalysisPage>(*this, utilities_.hook, utilities_.threads);
    inspector_->OnCreated(util::Utf8(util::ProgramDirectory()));
    DressControls(core::kAnalysisPage);

    Activated = [this] { OnActivated(); };
    // The tab control takes the mouse only over its tabs; elsewhere on it
    // the window beneath, this one, gets the buttons. A release over the tab
    // control therefore arrives here or at the tab control.
    MouseUp = [this](const ui::MouseEvent& e) {
        const ui::Bounds tab = tabs_->GetBounds();
        const bool overTab = e.x >= tab.left && e.x < tab.left + tab.width && e.y >= tab.top && e.y < tab.top + tab.height;
        if (e.button == ui::MouseButton::Right || overTab) PopUpWebMenu();
    };
    tabs_->MouseUp = [this](const ui::MouseEvent&) { PopUpWebMenu(); };
    tabs_->PageChanged = [this] {
        if (LaterPagesBuilt()) return;
        BuildLaterPages();
        ShowPage(tabs_->SelectedPage());
    };

    windowImages_ = std::make_unique<capture::WindowImageActions>(*this);
    inspector::AnalysisControls& analysis = inspector_->Controls();
    analysis.超级按钮_截图.Clicked = [this, &analysis] {
        windowImages_->CopyToClipboard(util::ToHwnd(analysis.编辑框_窗口句柄.Number()));
    };
    analysis.超级按钮_截图2.Clicked = [this, &analysis] {
        windowImages_->SaveToFile(util::ToHwnd(analysis.编辑框_窗口句柄.Number()), analysis.通用对话框1);
    };

    Destroying = [this] { OnEnding(); };
    laterPages_ = std::make_unique<ui::Timer>(*this, [this] { BuildLaterPages(); });
    laterPages_->Start(USER_TIMER_MINIMUM);
    return true;
}

void MainWindow::BuildPageControls(int page) {
    ui::BuildControls(*this, core::MainWindowPages()[page].controls, page);
    // The tab control lies beneath every page control.
    SetWindowPos(tabs_->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::BuildLaterPages() {
    if (LaterPagesBuilt() || buildingLaterPages_ || !Handle()) return;
    buildingLaterPages_ = true;
    if (laterPages_) laterPages_->Stop();
    BuildPageControls(core::kMessagesPage);
    BuildPageControls(core::kColourPage);
    messages_ = std::make_unique<messages::MessagesPage>(*this);
    colour_ = std::make_unique<colour::ColourPage>(*this, utilities_.hook);
    messages_->OnCreated();
    WirePages();
    colour_->OnCreated();
    DressControls(core::kMessagesPage);
    DressControls(core::kColourPage);
    // What the activation drew on the first page, the new pages show too.
    messages_->MirrorFinder(inspector_->FinderBoard());
    colour_->OnActivated();
    buildingLaterPages_ = false;
}

void MainWindow::WirePages() {
    // The message page's target follows the inspector's, and its finder
    // board is the inspector's finder in another place.
    ui::EditBox& messageTarget = messages_->Controls().编辑框_窗口句柄2;
    messageTarget.SetContent(inspector_->Controls().编辑框_窗口句柄.Tag());  // a target chosen before
    inspector_->Panel().TargetShown = [&messageTarget](const std::string& handleText) {
        messageTarget.SetContent(handleText);
    };
    ui::DrawingBoard& finder = inspector_->FinderBoard();
    messages_->RouteFinderTo(finder);
    inspector_->Capture().FinderBoardChanged = [this, &finder] { messages_->MirrorFinder(finder); };
    // Over the bare desktop the colour picker, too, makes the released-on
    // window the inspector's target.
    colour_->Picker().superModeRelease = [this] { return inspector_->Capture().SuperModeRelease(); };
    colour_->Controls().按钮_截图.Clicked = [this] { StartRegionCapture(); };
}

void MainWindow::DressControls(int page) {
    // Labels, check boxes and super buttons of the page, and the boards
    // marked so, take the page colour; cursors as each row says.
    for (const core::ControlLayout& row : core::MainWindowPages()[page].controls) {
        ui::Control& c = Get<ui::Control>(row.name);
        if (row.flags & core::kHandCursor) c.SetMousePointer(resources_.HandCursor());
        if (row.flags & core::kFinderBoard) c.SetMousePointer(resources_.FinderCursor());
        const bool pageColour = row.kind == core::ControlKind::Label || row.kind == core::ControlKind::CheckBox ||
                                row.kind == core::ControlKind::SuperButton || (row.flags & core::kOnPageColour);
        if (pageColour) c.SetBackgroundColour(core::kPageColour);
    }
}

void MainWindow::OnActivated() {
    inspector_->OnActivated();
    if (!LaterPagesBuilt()) return;  // they draw themselves when they are made
    messages_->MirrorFinder(inspector_->FinderBoard());
    colour_->OnActivated();
}

LRESULT MainWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // Windows ends the session: the window may never be destroyed.
    if (message == WM_ENDSESSION && wParam) OnEnding();
    return Form::HandleMessage(message, wParam, lParam);
}

void MainWindow::OnEnding() {
    if (inspector_) inspector_->Actions().ResumePaused();
    if (colour_) colour_->OnEnding();
}

capture::RegionCapture& MainWindow::RegionCapture() {
    if (!regionCapture_) {
        const ProgramResources::CaptureCursors& c = resources_.SelectionCursors();
        regionCapture_ = std::make_unique<capture::RegionCapture>(capture::SelectionCursors{c.start, c.inside, c.outside});
    }
    return *regionCapture_;
}

void MainWindow::StartRegionCapture() {
    if (!colour_->Controls().选择框_隐藏该窗口.Checked()) {
        RegionCapture().Show();
        return;
    }
    // Hidden first; the screen is frozen once the windows beneath have
    // repainted, and the main window comes back behind the capture.
    Show(SW_HIDE);
    if (!captureAfterHiding_) {
        captureAfterHiding_ = std::make_unique<ui::Timer>(*this, [this] {
            captureAfterHiding_->Stop();
            RegionCapture().Show();
            Show(SW_SHOWNOACTIVATE);
        });
    }
    captureAfterHiding_->Start(capture::kSettleMs);
}

void MainWindow::PopUpWebMenu() {
    POINT cursor;
    GetCursorPos(&cursor);
    webMenu_.Popup(*this, {cursor.x + 3, cursor.y + 3});
}

}  // namespace app
