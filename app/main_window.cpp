#include "app/main_window.h"

#include "app/offline_help.h"

#include "app/core/help_pages.h"
#include "app/core/main_layout.h"
#include "app/skin.h"
#include "messages/core/wait_colour_code.h"
#include "messages/lookup_facts.h"
#include "skin/core/skin_file.h"
#include "ui/layout_builder.h"
#include "ui/notice.h"
#include "win/launch.h"
#include "win/program_files.h"
#include "win/program_output.h"
#include "win/wide_text.h"
#include "win/window_operations.h"

namespace app {

MainWindow::MainWindow(UtilityObjects& utilities)
    : OpenAddress(win::OpenInShell),
      ShowNotice([this](const std::string& text) { ui::ShowNotice(Handle(), text); }),
      utilities_(utilities),
      webMenu_(std::string(core::kWebMenuCaption)),
      trayMenu_(std::string(core::kTrayMenuName)) {
    webMenu_.AddItem(core::kForumItemCaption, [this] { OpenLink(core::WebLink::OfficialForum); });
    BuildTrayMenu();
}

void MainWindow::BuildTrayMenu() {
    for (const core::TrayMenuRow& row : core::TrayMenuRows()) {
        switch (row.action) {
            case core::ShellAction::None: trayMenu_.AddSeparator(); break;
            case core::ShellAction::ShowMainWindow: trayMenu_.AddItem(row.caption, [this] { ShowMainWindow(); }); break;
            case core::ShellAction::OpenLink:
                trayMenu_.AddItem(row.caption, [this, link = row.link] { OpenLink(link); });
                break;
            case core::ShellAction::Exit: trayMenu_.AddItem(row.caption, [this] { Exit(); }); break;
        }
    }
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
    options.smallIcon = resources_.SmallProgramIcon();
    options.background = core::kPageColour;
    options.endProgramOnDestroy = true;
    if (!Form::Create(options)) return false;
    SetMenuBar({&webMenu_});
    // The skin (first the filter of 16 x 16 transparent blits); without it
    // the program runs in the system's look.
    ApplySkin(skin::core::kProgramSkinNumber, utilities_.entryPatch);
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
    inspector_->OnCreated(win::Utf8(win::ProgramDirectory()));
    DressControls(core::kAnalysisPage);
    inspector_->Actions().dressWindow = [this](ui::Form& form, const std::vector<ui::core::ControlLayout>& table) {
        DressControls(form, table);
    };

    Activated = [this] { OnActivated(); };
    // The activation's drawing for the first showing, already in the first
    // paint: the window may be activated only after it has been painted
    // (under Wine, when the display's focus event arrives, tens of
    // milliseconds later).
    OnActivated();
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
    inspector::Target& target = inspector_->CurrentTarget();
    analysis.超级按钮_截图.Clicked = [this, &target] { windowImages_->CopyToClipboard(win::ToHwnd(target.Handle())); };
    analysis.超级按钮_截图2.Clicked = [this, &target, &analysis] {
        windowImages_->SaveToFile(win::ToHwnd(target.Handle()), analysis.通用对话框1);
    };

    Destroying = [this] { OnEnding(); };
    // The tray icon and the other pages once the first page is on the
    // screen: under Wine a painted window reaches the screen only when its
    // thread waits for messages, putting the icon up waits for the shell
    // (about 8 ms under Wine) and making the other pages takes about 100 ms,
    // so they wait a moment. A tab chosen before then makes the pages at
    // once; the icon still comes with the timer.
    laterPages_ = std::make_unique<ui::Timer>(*this, [this] { FinishStartUp(); });
    laterPages_->Start(kLaterPagesDelayMs);
    return true;
}

void MainWindow::FinishStartUp() {
    if (laterPages_) laterPages_->Stop();
    tray_.Add(Handle(), resources_.SmallProgramIcon(), win::Wide(core::kMainWindowTitle));
    BuildLaterPages();
}

void MainWindow::BuildPageControls(int page) {
    ui::BuildControls(*this, core::MainWindowPages()[page].controls, page);
    // The tab control lies beneath every page control.
    SetWindowPos(tabs_->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MainWindow::BuildLaterPages() {
    if (LaterPagesBuilt() || buildingLaterPages_ || !Handle()) return;
    buildingLaterPages_ = true;
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
    // The message page's handle box shows each new window the inspector
    // shows (the user may type another there), the lookup code finds the
    // inspector's target, and the page's finder board is the inspector's
    // finder in another place.
    inspector::Target& target = inspector_->CurrentTarget();
    ui::EditBox& messageTarget = messages_->Controls().编辑框_窗口句柄2;
    // A target chosen before (perhaps still being read: these pages may be
    // made while its facts are read).
    const win::WindowHandle shown = win::WindowExists(target.Handle()) ? target.Handle() : target.Facts().handle;
    if (shown != 0) messageTarget.SetNumber(shown);
    target.BeforeNewWindow.Connect([&messageTarget, &target] { messageTarget.SetNumber(target.Handle()); });
    ui::DrawingBoard& finder = inspector_->FinderBoard();
    messages_->RouteFinderTo(finder);
    inspector_->Capture().FinderBoardChanged = [this, &finder] { messages_->MirrorFinder(finder); };
    // Over the bare desktop the colour picker, too, makes the released-on
    // window the inspector's target.
    colour_->Picker().Tool().superModeRelease = [this] { return inspector_->Capture().SuperModeRelease(); };
    colour_->Controls().按钮_截图.Clicked = [this] { StartRegionCapture(); };
    // The colour page's wait for a picked colour finds the window again as
    // the message page's code does.
    colour_->waitColourCode = [](const colour::ColourPicker::Pick& pick) {
        return messages::core::WaitColourCode(messages::core::PlanLookup(messages::LookupLevelsOf(pick.window)),
                                              pick.client, pick.colour);
    };
    // The action recorder records the program of the inspector's target.
    messages_->hook = &utilities_.hook;
    messages_->recordingTarget = [&target] { return target.Handle(); };
    messages_->dressWindow = [this](ui::Form& form, const std::vector<ui::core::ControlLayout>& table) {
        DressControls(form, table);
    };
    // The colour page's window of further notations looks like the pages.
    colour_->windowLook.background = core::kPageColour;
    colour_->windowLook.dress = [this](ui::Form& form, const std::vector<ui::core::ControlLayout>& table) {
        DressControls(form, table);
    };
}

void MainWindow::DressControls(int page) { DressControls(*this, core::MainWindowPages()[page].controls); }

void MainWindow::DressControls(ui::Form& form, const std::vector<ui::core::ControlLayout>& table) const {
    // Labels, check boxes and super buttons, and the boards marked so, take
    // the page colour; cursors as each row says.
    for (const ui::core::ControlLayout& row : table) {
        ui::Control& c = form.Get<ui::Control>(row.name);
        if (row.flags & ui::core::kHandCursor) c.SetMousePointer(resources_.HandCursor());
        if (row.flags & ui::core::kFinderBoard) c.SetMousePointer(resources_.FinderCursor());
        const bool pageColour = row.kind == ui::core::ControlKind::Label || row.kind == ui::core::ControlKind::CheckBox ||
                                row.kind == ui::core::ControlKind::SuperButton || (row.flags & ui::core::kOnPageColour);
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
    if (message == TrayIcon::kTrayMessage) {
        POINT point;
        switch (tray_.EventOf(wParam, lParam, point)) {
            case TrayEvent::DoubleClick: ShowMainWindow(); break;
            case TrayEvent::ContextMenu: PopUpTrayMenu(point); break;
            case TrayEvent::None: break;
        }
        return 0;
    }
    tray_.OnMessage(message);  // Explorer restarted: the icon goes up again
    return Form::HandleMessage(message, wParam, lParam);
}

// Runs once or more (the session's end, then the window's destruction):
// every step is harmless the second time.
void MainWindow::OnEnding() {
    tray_.Remove();
    if (inspector_) inspector_->Actions().ResumePaused();
    if (colour_) colour_->OnEnding();
}

capture::RegionCapture& MainWindow::RegionCapture() {
    if (!regionCapture_) {
        const ProgramResources::CaptureCursors& c = resources_.SelectionCursors();
        regionCapture_ = std::make_unique<capture::RegionCapture>(capture::SelectionCursors{c.start, c.inside, c.outside});
        regionCapture_->clipboardOwner = Handle();
    }
    return *regionCapture_;
}

void MainWindow::StartRegionCapture() {
    if (!colour_->Controls().选择框_隐藏该窗口.Checked()) {
        RegionCapture().Show();
        return;
    }
    // Hidden first, with the window of further notations if it is open;
    // the screen is frozen once the windows beneath have repainted, and they
    // come back behind the capture.
    Show(SW_HIDE);
    const colour::NotationWindow* notations = colour_->Notations();
    if (notations) ShowWindow(notations->Handle(), SW_HIDE);
    if (!captureAfterHiding_) {
        captureAfterHiding_ = std::make_unique<ui::Timer>(*this, [this] {
            captureAfterHiding_->Stop();
            RegionCapture().Show();
            Show(SW_SHOWNOACTIVATE);
            if (const colour::NotationWindow* hidden = colour_->Notations()) {
                ShowWindow(hidden->Handle(), SW_SHOWNOACTIVATE);
            }
        });
    }
    captureAfterHiding_->Start(capture::kSettleMs);
}

void MainWindow::Exit() {
    // Destroying the window runs OnEnding() and ends the message loop with 0.
    DestroyWindow(Handle());
}

void MainWindow::ShowMainWindow() {
    const HWND hwnd = Handle();
    ShowWindow(hwnd, SW_SHOW);
    if (IsIconic(hwnd) || IsZoomed(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    RECT r;
    if (GetWindowRect(hwnd, &r)) {
        const int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
        if (r.left != x || r.top != y) SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    }
    win::BringWindowToFront(hwnd);
}

void MainWindow::PopUpTrayMenu(POINT cursor) {
    trayMenu_.Popup(*this, {cursor.x - 5, cursor.y - 5}, TPM_RIGHTALIGN | TPM_TOPALIGN);
}

void MainWindow::OpenLink(core::WebLink link) {
    const core::LinkTarget target = core::TargetOf(link);
    if (!target.helpPage) {
        OpenAddress(win::Wide(target.address));
        return;
    }
    const std::wstring folder = WriteOfflineHelp();
    if (folder.empty()) {
        ShowNotice(std::string(core::kHelpNotWrittenNotice));
        return;
    }
    const std::wstring page = folder + L"\\" + win::Wide(target.address);
    // Opened the way the shell opens a web page: where no program takes
    // .html files, the user learns where the pages are.
    if (!OpenAddress(page)) ShowNotice(std::string(core::kHelpNotOpenedNotice) + win::Utf8(page));
}

void MainWindow::PopUpWebMenu() {
    POINT cursor;
    GetCursorPos(&cursor);
    webMenu_.Popup(*this, {cursor.x + 3, cursor.y + 3});
}

}  // namespace app
