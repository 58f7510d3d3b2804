// The current target: its facts are read off the GUI thread, the panel
// changes in one step once they are there, a choice made during the read
// wins, and "刷新" reads them again.
#include <gtest/gtest.h>

#include "tests/win/test_support.h"
#include "ui/edit_box.h"
#include "ui/timer.h"
#include "win/threads.h"

namespace {

using testing_support::FixtureProcess;
using testing_support::H;
using testing_support::Text;

class TargetTest : public testing_support::HierarchyTest {
protected:
    inspector::Target& Target() { return Window().Analysis().CurrentTarget(); }
    std::string Box(const char* name) { return Get<ui::EditBox>(name).Content(); }
};

TEST_F(TargetTest, AHungProgramsWindowIsReadWhileTheWindowKeepsWorking) {
    FixtureProcess hierarchy(L"hierarchy");
    HWND root = hierarchy.Window(L"TavrinFixtureRoot");
    ASSERT_NE(root, nullptr);
    HWND edit = GetDlgItem(root, 102);
    ASSERT_NE(edit, nullptr);
    ASSERT_TRUE(testing_support::HangFixture(root, 1500));
    int ticks = 0;
    ui::Timer timer(Window(), [&] { ++ticks; });
    timer.Start(10);
    Target().Select(H(edit));  // its content is asked for with time limits
    timer.Stop();
    EXPECT_GT(ticks, 2) << "the GUI thread stood still while the facts were read";
    EXPECT_EQ(Box("编辑框_窗口句柄"), Text(H(edit)));
    EXPECT_EQ(Box("编辑框_窗口类名"), "Edit");
}

TEST_F(TargetTest, ThePanelShowsANewWindowOnlyWithAllItsFacts) {
    Target().Select(H(root_));
    const auto read = Target().readFacts;
    std::string handleDuring, classDuring;
    Target().readFacts = [&](win::WindowHandle hwnd) {
        handleDuring = Box("编辑框_窗口句柄");
        classDuring = Box("编辑框_窗口类名");
        return read(hwnd);
    };
    Target().Select(H(b_));
    // While b's facts were read the panel still showed the root, whole.
    EXPECT_EQ(handleDuring, Text(H(root_)));
    EXPECT_EQ(classDuring, "TavrinFixtureRoot");
    EXPECT_EQ(Box("编辑框_窗口句柄"), Text(H(b_)));
    EXPECT_EQ(Box("编辑框_窗口类名"), "Edit");

    // A handle that is no window: the handle alone, the rest stays.
    Target().Select(12345678);
    EXPECT_EQ(Box("编辑框_窗口句柄"), "12345678");
    EXPECT_EQ(Box("编辑框_窗口类名"), "Edit");
}

TEST_F(TargetTest, AWindowChosenWhileTheFactsAreReadWins) {
    const auto read = Target().readFacts;
    bool chosenMeanwhile = false;
    Target().readFacts = [&](win::WindowHandle hwnd) {
        if (!chosenMeanwhile) {
            chosenMeanwhile = true;
            Target().Select(H(a1_));  // a handler that ran during the wait
        }
        return read(hwnd);
    };
    Target().Select(H(b_));
    EXPECT_EQ(Target().Handle(), H(a1_));
    EXPECT_EQ(Box("编辑框_窗口句柄"), Text(H(a1_)));
    EXPECT_EQ(Box("编辑框_窗口类名"), "Button");
    EXPECT_EQ(Target().Facts().handle, H(a1_));
}

TEST_F(TargetTest, RefreshReadsTheFactsAgainAndLeavesATypedMessageHandle) {
    Target().Select(H(root_));
    ui::EditBox& messageHandle = Window().Messages().Controls().编辑框_窗口句柄2;
    EXPECT_EQ(messageHandle.Content(), Text(H(root_)));
    messageHandle.SetContent("4242");  // typed by the user
    RECT r;
    GetWindowRect(root_, &r);
    SetWindowPos(root_, nullptr, r.left + 7, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ui::Menu& menu = Window().Analysis().Actions().MenuOf(inspector::core::Field::WindowHandle);
    SendMessageW(Window().Handle(), WM_COMMAND,
                 MAKEWPARAM(GetMenuItemID(menu.Handle(), inspector::core::FieldItemIndex(inspector::core::Field::WindowHandle,
                                                                             inspector::core::FieldItem::Refresh)),
                            0),
                 0);
    EXPECT_EQ(Box("编辑框_窗口位置_左边"), Text(r.left + 7));
    EXPECT_EQ(messageHandle.Content(), "4242");
    SetWindowPos(root_, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

namespace {

// A timer whose routine takes longer than its period is due again whenever
// the queue is empty (the finder's 2 ms step under load): a wait that
// handles messages meanwhile still sees its work end.
TEST(WaitingWhileMessagesAreHandled, AWaitEndsWhileATimerTakesLongerThanItsPeriod) {
    HWND window =
        CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    int ticks = 0;
    static int* counter = nullptr;
    counter = &ticks;
    // Each tick repaints the window too, as the picker's boxes do.
    SetTimer(window, 1, 5, [](HWND hwnd, UINT, UINT_PTR, DWORD) {
        ++*counter;
        InvalidateRect(hwnd, nullptr, TRUE);
        Sleep(10);
    });
    const double start = testing_support::NowMs();
    win::RunOnWorker([] { Sleep(50); });
    const double took = testing_support::NowMs() - start;
    KillTimer(window, 1);
    DestroyWindow(window);
    EXPECT_LT(took, 2000.0);
    EXPECT_GT(ticks, 0);
}

// The one wait that handles messages ends when its window goes (a handler
// run inside it closed it) and when the program ends, and leaves the
// WM_QUIT for the message loop; a Delay ends with the program too.
TEST(WaitingWhileMessagesAreHandled, AWaitEndsWhenItsWindowGoesAndWhenTheProgramEnds) {
    HWND window =
        CreateWindowExW(0, L"Static", L"", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    SetTimer(window, 1, 5, [](HWND hwnd, UINT, UINT_PTR, DWORD) { DestroyWindow(hwnd); });
    const win::WaitEnd gone = win::WaitHandlingMessages([] { return false; }, window, {{}, 10});
    EXPECT_EQ(gone, win::WaitEnd::OwnerGone);
    EXPECT_FALSE(IsWindow(window));

    PostQuitMessage(7);
    EXPECT_EQ(win::WaitHandlingMessages([] { return false; }, nullptr), win::WaitEnd::Quit);
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);

    PostQuitMessage(0);
    const double start = testing_support::NowMs();
    win::Delay(10000);
    EXPECT_LT(testing_support::NowMs() - start, 2000.0);
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
