// The tray icon and its menu, in this process: the icon from creation to
// destruction and again after Explorer restarts, what its events do
// (double click, single click, menu), where the web items lead, 退出, and
// where the program puts the files it makes for itself.
#include <windows.h>

#include <shellapi.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/core/help_pages.h"
#include "app/core/shell_menus.h"
#include "tests/win/test_support.h"
#include "win/file_replace.h"
#include "win/program_output.h"
#include "win/wide_text.h"

namespace {

using testing_support::MainWindowTest;
using testing_support::PumpUntil;

// Icons shown by Wine's own tray window; -1 elsewhere. Without a desktop
// shell, Wine shows the notification icons in a top-level window of class
// "__winex11_standalone_tray" at the screen's top-left, with one child
// "__winex11_tray_icon" per icon; after NIM_DELETE the window is hidden.
int WineTrayIcons() {
    if (!testing_support::RunningUnderWine()) return -1;
    int count = 0;
    HWND tray = nullptr;
    while ((tray = FindWindowExW(nullptr, tray, L"__winex11_standalone_tray", nullptr)) != nullptr) {
        if (!IsWindowVisible(tray)) continue;
        HWND icon = nullptr;
        while ((icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr)) != nullptr) {
            if (IsWindowVisible(icon)) ++count;
        }
    }
    return count;
}

bool TrayIconsBecome(int count) {
    return PumpUntil([&] { return WineTrayIcons() == count; }, 3000);
}

// A tray event as the shell sends it: the newer form (the event in lParam's
// low word, the icon id above it, the screen point in wParam).
void SendTrayEvent(HWND window, UINT event, POINT at) {
    SendMessageW(window, app::TrayIcon::kTrayMessage, MAKEWPARAM(at.x, at.y), MAKELPARAM(event, 1));
}

bool Centred(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return r.left == (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2 &&
           r.top == (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
}

// Runs the menu item of that caption.
void Choose(ui::Menu& menu, const std::string& caption) {
    for (int i = 0; i < menu.ItemCount(); ++i) {
        if (menu.ItemCaption(i) == caption) {
            ASSERT_TRUE(ui::Menu::Dispatch(GetMenuItemID(menu.Handle(), i)));
            return;
        }
    }
    FAIL() << "no item " << caption;
}

// The icon goes up a moment after the window is made (start-up leaves it
// until the first page is on the screen), also when the other pages were
// made before then, as a tab chosen at once makes them.
TEST(TrayIconTest, ShownSoonAfterCreationUntilTheWindowIsGoneAndAgainAfterExplorerRestarts) {
    if (!testing_support::RunningUnderWine()) GTEST_SKIP() << "reads Wine's tray window";
    const int before = WineTrayIcons();
    app::UtilityObjects utilities;
    auto window = std::make_unique<app::MainWindow>(utilities);
    ASSERT_TRUE(window->Create());
    window->BuildLaterPages();
    EXPECT_TRUE(PumpUntil([&] { return window->Tray().Shown(); }, 3000));
    EXPECT_TRUE(TrayIconsBecome(before + 1));

    // A new Explorer knows no icons: it says so, and ours goes up again.
    NOTIFYICONDATAW data = {};
    data.cbSize = sizeof data;
    data.hWnd = window->Handle();
    data.uID = 1;
    ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
    ASSERT_TRUE(TrayIconsBecome(before));
    SendMessageW(window->Handle(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_TRUE(TrayIconsBecome(before + 1));

    window.reset();
    EXPECT_TRUE(TrayIconsBecome(before));
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

TEST_F(MainWindowTest, TrayDoubleClickRestoresAndCentresTheMinimisedWindowInFront) {
    const HWND main = Window().Handle();
    SetWindowPos(main, nullptr, 20, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    ShowWindow(main, SW_MINIMIZE);
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(main) != FALSE; }, 2000));

    // A single click asks for nothing: no menu, still minimised.
    const RECT none = testing_support::MenuRectDuring(
        [&] {
            SendTrayEvent(main, NIN_SELECT, {600, 500});
            SendTrayEvent(main, WM_LBUTTONUP, {600, 500});
        },
        400);
    EXPECT_EQ(none.left, -1);
    EXPECT_TRUE(IsIconic(main));

    SendTrayEvent(main, WM_LBUTTONDBLCLK, {600, 500});
    EXPECT_TRUE(PumpUntil([&] { return !IsIconic(main) && IsWindowVisible(main); }, 2000));
    EXPECT_TRUE(Centred(main));
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == main; }, 2000));

    // "主界面" does the same for a hidden window.
    ShowWindow(main, SW_HIDE);
    SetWindowPos(main, nullptr, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    Choose(Window().TrayMenu(), "主界面");
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_TRUE(Centred(main));
}

TEST_F(MainWindowTest, TrayMenuOpensLeftOfAndAboveThePointAlsoWhileTheWindowIsHidden) {
    const HWND main = Window().Handle();
    ui::Menu& menu = Window().TrayMenu();
    ASSERT_EQ(menu.ItemCount(), static_cast<int>(app::core::kTrayMenuRowCount));
    for (int i = 0; i < menu.ItemCount(); ++i) {
        EXPECT_EQ(menu.ItemCaption(i), app::core::TrayMenuRows()[i].caption);
        const bool separator = (GetMenuState(menu.Handle(), i, MF_BYPOSITION) & MF_SEPARATOR) != 0;
        EXPECT_EQ(separator, app::core::TrayMenuRows()[i].caption.empty());
    }

    for (bool hidden : {true, false}) {
        SCOPED_TRACE(hidden ? "hidden" : "shown");
        ShowWindow(main, hidden ? SW_HIDE : SW_SHOW);
        // The hidden window has lost the activation before the click comes
        // (under Wine the loss arrives later and would close the menu).
        if (hidden) {
            ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() != main && GetForegroundWindow() != main; }, 2000));
        }
        const POINT at = {700, 600};
        const RECT r = testing_support::MenuRectDuring([&] { SendTrayEvent(main, WM_CONTEXTMENU, at); });
        ASSERT_NE(r.left, -1) << "no menu";
        EXPECT_EQ(r.right, at.x - 5);
        EXPECT_EQ(r.top, at.y - 5);
        EXPECT_GT(r.bottom - r.top, 100);  // the nine items, not the one-item "官网" menu
    }
}

TEST_F(MainWindowTest, WebItemsOpenTheLanguageSiteOrPagesOfTheWrittenHelp) {
    std::vector<std::wstring> opened;
    Window().OpenAddress = [&](const std::wstring& address) {
        opened.push_back(address);
        return true;
    };
    for (const char* caption : {"易语言编程论坛", "易语言知识库", "易语言视频教学"}) {
        Choose(Window().TrayMenu(), caption);
        ASSERT_FALSE(opened.empty());
        EXPECT_EQ(opened.back(), L"http://www.dywt.com.cn/") << caption;
    }

    const std::vector<app::core::HelpPage> pages = app::core::HelpPages();
    auto expectHelpPage = [&](std::string_view page) {
        ASSERT_FALSE(opened.empty());
        const std::wstring& path = opened.back();
        const std::wstring ending = L"\\TavrinHelp\\" + win::Wide(page);
        ASSERT_GT(path.size(), ending.size());
        EXPECT_EQ(path.substr(path.size() - ending.size()), ending);
        std::string bytes;
        ASSERT_TRUE(win::ReadWholeFile(path, bytes));
        for (const app::core::HelpPage& p : pages) {
            if (p.fileName == page) {
                EXPECT_EQ(bytes, p.html);
            }
        }
    };
    opened.clear();
    Choose(Window().TrayMenu(), "Korvel模块论坛");
    expectHelpPage(app::core::kHelpModulePage);
    Choose(Window().TrayMenu(), "Korvel模块知识库");
    expectHelpPage(app::core::kHelpMessageFilePage);
    Choose(Window().WebMenu(), "官方论坛");
    expectHelpPage(app::core::kHelpIndexPage);
    EXPECT_EQ(opened.size(), 3u);
    // The pictures the pages show lie beside them, whole PNG files.
    const std::wstring folder = opened.back().substr(0, opened.back().find_last_of(L'\\') + 1);
    for (const app::core::HelpPicture& picture : app::core::kHelpPictures) {
        std::string bytes;
        ASSERT_TRUE(win::ReadWholeFile(folder + win::Wide(picture.fileName), bytes)) << picture.fileName;
        EXPECT_EQ(bytes.substr(0, 8), "\x89PNG\r\n\x1A\n") << picture.fileName;
        EXPECT_GT(bytes.size(), 1000u) << picture.fileName;
    }

    // Where no program opens .html files, the user is told where the page is.
    std::vector<std::string> notices;
    Window().ShowNotice = [&](const std::string& text) { notices.push_back(text); };
    Window().OpenAddress = [](const std::wstring&) { return false; };
    Choose(Window().WebMenu(), "官方论坛");
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0].rfind(std::string(app::core::kHelpNotOpenedNotice), 0), 0u);
    EXPECT_NE(notices[0].find(win::Utf8(folder) + std::string(app::core::kHelpIndexPage)), std::string::npos) << notices[0];
}

TEST_F(MainWindowTest, ExitTakesTheIconDownAndEndsTheLoopWithCodeZero) {
    const HWND main = Window().Handle();
    const int before = WineTrayIcons();
    Choose(Window().TrayMenu(), "退出");
    EXPECT_FALSE(IsWindow(main));
    EXPECT_FALSE(Window().Tray().Shown());
    if (before > 0) {
        EXPECT_TRUE(TrayIconsBecome(before - 1));
    }
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 0u);
}

// A folder of its own under the test's temporary folder, removed afterwards.
class ProgramOutputTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        // Wine hands out process ids again soon: a folder of that id may be
        // left from an earlier run, so the name takes the first free number.
        const std::wstring base = std::wstring(temp) + L"tavrin_output_" + std::to_wstring(GetCurrentProcessId());
        bool made = false;
        for (int n = 0; n < 1000 && !made; ++n) {
            root_ = base + L"_" + std::to_wstring(n);
            made = CreateDirectoryW(root_.c_str(), nullptr) != FALSE;
        }
        ASSERT_TRUE(made) << "no free folder name beside " << std::string(base.begin(), base.end());
        first_ = root_ + L"\\first";
        second_ = root_ + L"\\second";
        CreateDirectoryW(first_.c_str(), nullptr);
        CreateDirectoryW(second_.c_str(), nullptr);
    }
    void TearDown() override {
        for (const std::wstring& f : {first_, second_}) {
            for (const wchar_t* name : {L"\\a.txt", L"\\b.txt", L"\\sub\\a.txt", L"\\sub\\b.txt"}) {
                DeleteFileW((f + name).c_str());
            }
            RemoveDirectoryW((f + L"\\sub").c_str());
            RemoveDirectoryW(f.c_str());
        }
        DeleteFileW((root_ + L"\\plain").c_str());
        RemoveDirectoryW(root_.c_str());
    }
    std::wstring root_, first_, second_;
};

TEST_F(ProgramOutputTest, FilesGoIntoTheFirstFolderThatTakesThemAll) {
    const std::vector<win::OutputFile> files = {{L"a.txt", "alpha"}, {L"b.txt", "beta"}};
    EXPECT_EQ(win::PlaceFiles({first_, second_}, L"sub", files), first_ + L"\\sub");
    std::string bytes;
    ASSERT_TRUE(win::ReadWholeFile(first_ + L"\\sub\\b.txt", bytes));
    EXPECT_EQ(bytes, "beta");

    // A folder that cannot be made (a file stands where its parent should
    // be) gives way to the next.
    const std::wstring plain = root_ + L"\\plain";
    ASSERT_TRUE(win::CreateFileWithContents(plain, "x"));
    EXPECT_EQ(win::PlaceFiles({plain, second_}, L"", files), second_);
    EXPECT_EQ(win::PlaceFiles({plain}, L"", files), L"");
}

TEST_F(ProgramOutputTest, AFileInUseIsSharedWhenItsBytesAreTheSameElseTheNextFolderIsUsed) {
    const std::wstring inUse = first_ + L"\\a.txt";
    ASSERT_TRUE(win::CreateFileWithContents(inUse, "alpha"));
    // Held open the way a loaded library is: others may read, not change.
    win::OwnedFile held(CreateFileW(inUse.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(held);
    EXPECT_EQ(win::PlaceFiles({first_, second_}, L"", {{L"a.txt", "alpha"}}), first_);
    const std::wstring placed = win::PlaceFiles({first_, second_}, L"", {{L"a.txt", "other"}});
    held.Reset();
    EXPECT_EQ(placed, second_);
    std::string bytes;
    ASSERT_TRUE(win::ReadWholeFile(inUse, bytes));
    EXPECT_EQ(bytes, "alpha");
    // Not in use any more: replaced in place.
    EXPECT_EQ(win::PlaceFiles({first_, second_}, L"", {{L"a.txt", "other"}}), first_);
    ASSERT_TRUE(win::ReadWholeFile(inUse, bytes));
    EXPECT_EQ(bytes, "other");
}

}  // namespace
