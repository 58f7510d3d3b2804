// The field menus, window changes, tree menu and search of the "窗口分析"
// page, acting on windows and processes of fixture programs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inspector/core/field_menus.h"
#include "inspector/core/window_styles.h"
#include "tests/win/test_support.h"
#include "text/number_text.h"
#include "ui/buttons.h"
#include "ui/edit_box.h"
#include "win/clipboard.h"
#include "win/launch.h"
#include "win/mouse_input.h"
#include "win/wide_text.h"
#include "win/window_operations.h"

namespace {

using testing_support::FixtureProcess;
using testing_support::PumpUntil;

using testing_support::Text;
using testing_support::H;

std::wstring TitleOf(HWND hwnd) {
    wchar_t title[1024] = {};
    GetWindowTextW(hwnd, title, 1024);
    return title;
}

// A counter that a fixture window writes into its title.
unsigned long CountOf(HWND hwnd) { return std::wcstoul(TitleOf(hwnd).c_str(), nullptr, 10); }
bool Counting(HWND hwnd) {
    const unsigned long before = CountOf(hwnd);
    return PumpUntil([&] { return CountOf(hwnd) > before + 2; }, 1500);
}

// How often the thread that owns the window is suspended (-1 when it cannot
// be asked). Asking suspends and resumes it once.
int SuspendCountOf(HWND hwnd) {
    const win::OwnedHandle thread(OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(hwnd, nullptr)));
    if (!thread) return -1;
    const DWORD previous = SuspendThread(thread.Get());
    ResumeThread(thread.Get());
    return previous == static_cast<DWORD>(-1) ? -1 : static_cast<int>(previous);
}

class FieldActionsTest : public testing_support::HierarchyTest {
protected:
    inspector::FieldActions& Actions() { return Window().Analysis().Actions(); }
    inspector::Target& Target() { return Window().Analysis().CurrentTarget(); }
    // A field's menu by its name, as the user sees it.
    ui::Menu& MenuNamed(std::string_view menu) {
        for (const inspector::core::FieldMenu& field : inspector::core::kFieldMenus) {
            if (field.menu == menu) return Actions().MenuOf(field.field);
        }
        throw std::logic_error("no menu " + std::string(menu));
    }
    void Choose(const char* menu, const char* caption) {
        ui::Menu& m = MenuNamed(menu);
        for (int i = 0; i < m.ItemCount(); ++i) {
            if (m.ItemCaption(i) == caption) {
                SendMessageW(Window().Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(m.Handle(), i), 0), 0);
                return;
            }
        }
        FAIL() << "no item " << caption << " in " << menu;
    }
    // The pause item, whatever its caption (the caption is the state).
    void ChoosePause(const char* menu) {
        ui::Menu& m = MenuNamed(menu);
        SendMessageW(Window().Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(m.Handle(), 1), 0), 0);
    }
    void SetBox(const char* name, const std::string& text) { Get<ui::EditBox>(name).SetContent(text); }
    std::string Box(const char* name) { return Get<ui::EditBox>(name).Content(); }
    void Tick(const char* checkBox, bool checked) {
        auto& box = Get<ui::CheckBox>(checkBox);
        box.SetChecked(!checked);
        SendMessageW(box.Handle(), BM_CLICK, 0, 0);  // what the user's click does
        ASSERT_EQ(box.Checked(), checked);
    }
};

TEST_F(FieldActionsTest, EveryFieldButtonPopsItsMenuUpAtItsLowerLeftCorner) {
    for (const inspector::core::FieldMenu& field : inspector::core::kFieldMenus) {
        auto& button = Get<ui::Button>(field.button.text);
        const RECT shown =
            testing_support::MenuRectDuring([&] { SendMessageW(button.Handle(), BM_CLICK, 0, 0); });
        RECT r;
        GetWindowRect(button.Handle(), &r);
        EXPECT_EQ(shown.left, r.left) << field.button.text;
        EXPECT_EQ(shown.top, r.bottom) << field.button.text;
        EXPECT_EQ(GetMenuItemCount(Actions().MenuOf(field.field).Handle()), static_cast<int>(field.itemCount));
    }
}

TEST_F(FieldActionsTest, CopyAndPasteGoThroughTheClipboardAsText) {
    Target().Select(H(a1_));
    Choose("下拉窗口类名", "复制");
    EXPECT_EQ(win::ClipboardText(), "Button");
    SetBox("编辑框_控件ID", "");
    Choose("下拉控件ID", "复制");
    EXPECT_EQ(win::ClipboardText(), "");  // an empty field puts the empty text there
    win::CopyTextToClipboard("新标题 ✓");
    Choose("下拉窗口标题", "粘贴");
    EXPECT_EQ(Box("编辑框_窗口标题"), "新标题 ✓");
    EXPECT_EQ(TitleOf(a1_), L"A1 button");  // pasting does not change the window
}

TEST_F(FieldActionsTest, TitleAndTextOfAnotherProgramsWindowChange) {
    Target().Select(H(root_));
    SetBox("编辑框_窗口标题", "改过的标题");
    Choose("下拉窗口标题", "更改");
    EXPECT_EQ(TitleOf(root_), L"改过的标题");
    Target().Select(H(b_));
    SetBox("编辑框_控件内容", "新的内容");
    Choose("下拉控件内容", "更改");
    EXPECT_EQ(win::GetWindowTitleSafe(H(b_)), "新的内容");
    SetWindowTextW(root_, L"Fixture Root");
    SetWindowTextW(b_, L"B text");
}

// Transparency adds the layered style to the others; clearing it takes the
// layered style away again, so the window has exactly its styles of before.
// A window layered of its own stays layered, opaque.
TEST_F(FieldActionsTest, TransparencyOnAndOffRestoresTheExtendedStyle) {
    const LONG original = GetWindowLongW(root_, GWL_EXSTYLE);
    ASSERT_TRUE(original & WS_EX_ACCEPTFILES);
    ASSERT_FALSE(original & WS_EX_LAYERED);
    Target().Select(H(root_));
    Tick("选择框_透明", true);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(root_, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 180);
    EXPECT_TRUE(flags & LWA_ALPHA);
    EXPECT_EQ(GetWindowLongW(root_, GWL_EXSTYLE), original | WS_EX_LAYERED);
    Tick("选择框_透明", false);
    EXPECT_EQ(GetWindowLongW(root_, GWL_EXSTYLE), original);

    SetWindowLongW(root_, GWL_EXSTYLE, original | WS_EX_LAYERED);
    SetLayeredWindowAttributes(root_, 0, 255, LWA_ALPHA);
    Tick("选择框_透明", true);
    Tick("选择框_透明", false);
    EXPECT_EQ(GetWindowLongW(root_, GWL_EXSTYLE), original | WS_EX_LAYERED);
    ASSERT_TRUE(GetLayeredWindowAttributes(root_, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 255);
    SetWindowLongW(root_, GWL_EXSTYLE, original);
}

// After each refresh the four state boxes show the new target's state, so
// a click always changes what the box shows.
TEST_F(FieldActionsTest, StateBoxesShowEachTargetsRealState) {
    auto ticked = [&](const char* box) { return Get<ui::CheckBox>(box).Checked(); };
    SetWindowPos(root_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EnableWindow(a1_, FALSE);
    Target().Select(H(a1_));  // disabled, its top-level window topmost
    EXPECT_TRUE(ticked("选择框_置顶"));
    EXPECT_TRUE(ticked("选择框_禁止"));
    EXPECT_FALSE(ticked("选择框_透明"));
    EXPECT_FALSE(ticked("选择框_隐藏"));
    EnableWindow(a1_, TRUE);

    Target().Select(H(c_));  // hidden
    EXPECT_TRUE(ticked("选择框_隐藏"));
    EXPECT_FALSE(ticked("选择框_禁止"));

    const LONG style = GetWindowLongW(root_, GWL_EXSTYLE);
    SetWindowLongW(root_, GWL_EXSTYLE, style | WS_EX_LAYERED);
    SetLayeredWindowAttributes(root_, 0, 120, LWA_ALPHA);
    Target().Select(H(root_));  // transparent
    EXPECT_TRUE(ticked("选择框_透明"));
    EXPECT_TRUE(ticked("选择框_置顶"));
    SetWindowLongW(root_, GWL_EXSTYLE, style);

    // The first click on a box that shows the state changes the state.
    Tick("选择框_置顶", false);
    EXPECT_FALSE(GetWindowLongW(root_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    Target().Select(H(b_));  // plain
    for (const char* box : {"选择框_置顶", "选择框_禁止", "选择框_透明", "选择框_隐藏"}) EXPECT_FALSE(ticked(box)) << box;
}

TEST_F(FieldActionsTest, DisabledHiddenAndTopmostBoxes) {
    Target().Select(H(b_));
    Tick("选择框_禁止", true);
    EXPECT_FALSE(IsWindowEnabled(b_));
    Tick("选择框_禁止", false);
    EXPECT_TRUE(IsWindowEnabled(b_));
    Tick("选择框_隐藏", true);
    EXPECT_FALSE(IsWindowVisible(b_));
    Tick("选择框_隐藏", false);
    EXPECT_TRUE(IsWindowVisible(b_));

    // Topmost acts on the top-level window of a child.
    Target().Select(H(a1_));
    Tick("选择框_置顶", true);
    EXPECT_TRUE(GetWindowLongW(root_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_FALSE(GetWindowLongW(a1_, GWL_EXSTYLE) & WS_EX_TOPMOST);
    Tick("选择框_置顶", false);
    EXPECT_FALSE(GetWindowLongW(root_, GWL_EXSTYLE) & WS_EX_TOPMOST);
}

TEST_F(FieldActionsTest, ChangeItemsMoveAndResizeATopLevelWindow) {
    RECT original;
    GetWindowRect(root_, &original);
    Target().Select(H(root_));
    SetBox("编辑框_窗口位置_左边", "70");
    SetBox("编辑框_窗口位置_顶边", "65");
    Choose("下拉窗口位置", "更改");
    RECT r;
    GetWindowRect(root_, &r);
    EXPECT_EQ(r.left, 70);
    EXPECT_EQ(r.top, 65);
    EXPECT_EQ(r.right - r.left, original.right - original.left);  // size kept

    SetBox("编辑框_窗口大小_宽度", "300");  // height box still shows the old height
    Choose("下拉窗口大小", "更改");
    GetWindowRect(root_, &r);
    EXPECT_EQ(r.left, 70);  // position kept
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, original.bottom - original.top);

    SetBox("编辑框_窗口内部大小_宽度", "250");
    SetBox("编辑框_窗口内部大小_高度", "150");
    Choose("下拉内部大小", "更改");
    RECT client;
    GetClientRect(root_, &client);
    EXPECT_EQ(client.right, 250);
    EXPECT_EQ(client.bottom, 150);
    GetWindowRect(root_, &r);
    EXPECT_EQ(r.left, 70);

    // A minimised window keeps its size.
    ShowWindow(root_, SW_MINIMIZE);
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(root_) != FALSE; }, 2000));
    GetWindowRect(root_, &r);
    SetBox("编辑框_窗口内部大小_宽度", "100");
    Choose("下拉内部大小", "更改");
    RECT after;
    GetWindowRect(root_, &after);
    EXPECT_EQ(after.right - after.left, r.right - r.left);
    ShowWindow(root_, SW_RESTORE);
    MoveWindow(root_, original.left, original.top, original.right - original.left, original.bottom - original.top,
               TRUE);
}

// Applying the values the panel shows never moves or resizes a window:
// top-level, an owned pop-up (whose GetParent is its owner), children of a
// framed and of a frameless parent. Typed values move it as shown.
TEST_F(FieldActionsTest, ShownGeometryAppliedUnchangedLeavesEveryWindowAsItWas) {
    const testing_support::OwnedDialogFixture dialogs;
    HWND owner = dialogs.owner, dialog = dialogs.dialog;
    ASSERT_TRUE(owner && dialog);
    HWND panel = GetDlgItem(owner, 201);
    HWND panelEdit = GetDlgItem(panel, 211);
    HWND dialogEdit = GetDlgItem(dialog, 302);
    ASSERT_TRUE(panel && panelEdit && dialogEdit);
    struct Case {
        const char* what;
        HWND hwnd;
    } targets[] = {{"top-level", owner}, {"owned pop-up", dialog}, {"child of a framed parent", dialogEdit},
                   {"child of a frameless parent", panelEdit}, {"child of a framed top-level", panel}};
    for (const Case& t : targets) {
        RECT before;
        GetWindowRect(t.hwnd, &before);
        Target().Select(H(t.hwnd));
        for (const char* menu : {"下拉窗口位置", "下拉控件位置", "下拉窗口大小", "下拉内部大小"}) {
            Choose(menu, "更改");
            RECT after;
            GetWindowRect(t.hwnd, &after);
            EXPECT_TRUE(EqualRect(&before, &after))
                << t.what << " after " << menu << ": (" << before.left << "," << before.top << ")-(" << before.right
                << "," << before.bottom << ") became (" << after.left << "," << after.top << ")-(" << after.right
                << "," << after.bottom << ")";
        }
        // Moved by typed values, it lands where the boxes then say.
        SetBox("编辑框_控件位置_左边", Text(std::stoi(Box("编辑框_控件位置_左边")) + 7));
        Choose("下拉控件位置", "更改");
        RECT moved;
        GetWindowRect(t.hwnd, &moved);
        EXPECT_EQ(moved.left, before.left + 7) << t.what;
        EXPECT_EQ(moved.top, before.top) << t.what;
        SetBox("编辑框_窗口位置_左边", Text(before.left));
        Choose("下拉窗口位置", "更改");
        GetWindowRect(t.hwnd, &moved);
        EXPECT_EQ(moved.left, before.left) << t.what;
        Target().Select(H(root_));  // the next target is new to the panel
    }
}

TEST_F(FieldActionsTest, BulkItemsEnableAndShowEveryWindowOfTheTree) {
    Target().Select(H(a1_));
    Window().Analysis().Tree().Refresh();
    EnableWindow(a1_, FALSE);
    EnableWindow(b_, FALSE);
    ASSERT_FALSE(IsWindowVisible(c_));
    Choose("下拉其它操作", "解禁所有按钮");
    EXPECT_TRUE(IsWindowEnabled(a1_));
    EXPECT_TRUE(IsWindowEnabled(b_));
    Choose("下拉其它操作", "显示所有控件");
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(c_) != FALSE; }, 2000));
    ShowWindow(c_, SW_HIDE);
}

TEST_F(FieldActionsTest, MoveMouseIsRelativeToTheClientOrigin) {
    // Under Wine the position of one move can be reported after the next
    // move has been made: each position is waited for.
    using testing_support::CursorArrivesAt;
    POINT origin = {0, 0};
    ClientToScreen(a_, &origin);
    win::MoveMouse(H(a_), 10, 5);
    EXPECT_TRUE(CursorArrivesAt({origin.x + 10, origin.y + 5}));

    Target().Select(H(a_));
    SetBox("编辑框_窗口鼠标位置_X", "7");
    SetBox("编辑框_窗口鼠标位置_Y", "3");
    Choose("下拉窗口鼠标位置", "移动");
    EXPECT_TRUE(CursorArrivesAt({origin.x + 7, origin.y + 3}));
    SetBox("编辑框_鼠标位置_X", "300");
    SetBox("编辑框_鼠标位置_Y", "310");
    Choose("下拉鼠标位置", "移动");
    EXPECT_TRUE(CursorArrivesAt({300, 310}));
}

class ProcessActionsTest : public FieldActionsTest {};

TEST_F(ProcessActionsTest, PauseAndResumeAProcessWithTheCaptionAsState) {
    FixtureProcess counters(L"counters");
    HWND counter = counters.Window(L"TavrinFixtureCounter");
    HWND worker = counters.Window(L"TavrinFixtureWorker");
    ASSERT_TRUE(counter && worker);
    ASSERT_TRUE(Counting(counter));
    Target().Select(H(counter));
    EXPECT_EQ(Actions().ProcessPauseCaption(), "暂停");

    ChoosePause("下拉进程ID");
    EXPECT_EQ(Actions().ProcessPauseCaption(), "恢复");
    EXPECT_FALSE(Counting(counter));
    EXPECT_FALSE(Counting(worker));  // every thread of the process
    ChoosePause("下拉进程ID");  // the item now reads 恢复 and resumes
    EXPECT_EQ(Actions().ProcessPauseCaption(), "暂停");
    EXPECT_TRUE(Counting(counter));

    // Paused again, then another window is shown: the process runs again.
    ChoosePause("下拉进程ID");
    EXPECT_FALSE(Counting(counter));
    Target().Select(H(root_));
    EXPECT_EQ(Actions().ProcessPauseCaption(), "暂停");
    EXPECT_TRUE(Counting(counter));
}

// "恢复" resumes the process that pause put to sleep, also after the boxes
// were emptied by a capture over this program's own window.
TEST_F(ProcessActionsTest, ResumeActsOnThePausedProcessWhateverTheBoxesShow) {
    FixtureProcess counters(L"counters");
    HWND counter = counters.Window(L"TavrinFixtureCounter");
    ASSERT_TRUE(counter && Counting(counter));
    Target().Select(H(counter));
    ChoosePause("下拉进程ID");
    ASSERT_FALSE(Counting(counter));
    Target().Clear();  // what hovering the own window does
    ChoosePause("下拉进程ID");
    EXPECT_EQ(Actions().ProcessPauseCaption(), "暂停");
    EXPECT_TRUE(Counting(counter));
}

// Whatever this program paused runs again once the program ends.
TEST_F(ProcessActionsTest, ClosingTheProgramResumesWhatItPaused) {
    FixtureProcess counters(L"counters");
    HWND counter = counters.Window(L"TavrinFixtureCounter");
    HWND worker = counters.Window(L"TavrinFixtureWorker");
    ASSERT_TRUE(counter && worker && Counting(counter) && Counting(worker));
    Target().Select(H(worker));
    ChoosePause("下拉线程ID");  // the worker's thread
    ChoosePause("下拉进程ID");  // and the whole process
    ASSERT_EQ(Actions().ThreadPauseCaption(), "恢复");
    ASSERT_EQ(Actions().ProcessPauseCaption(), "恢复");
    ASSERT_FALSE(Counting(counter));
    window_.reset();  // the main window closes
    testing_support::ForgetQuit();
    EXPECT_TRUE(Counting(counter));
    EXPECT_TRUE(Counting(worker));
}

// Pausing this program's own process or its GUI thread would freeze it for
// good: refused.
TEST_F(ProcessActionsTest, TheProgramNeverPausesItself) {
    Target().Select(H(Window().Handle()));
    ChoosePause("下拉进程ID");
    EXPECT_EQ(Actions().ProcessPauseCaption(), "暂停");
    ChoosePause("下拉线程ID");
    EXPECT_EQ(Actions().ThreadPauseCaption(), "暂停");
}

TEST_F(ProcessActionsTest, PauseOfAProcessThatCannotBeOpenedKeepsTheCaption) {
    Target().Clear();  // no process
    ChoosePause("下拉进程ID");
    EXPECT_EQ(Actions().ProcessPauseCaption(), "暂停");
    Target().Select(win::FromHwnd(GetDesktopWindow()));
    Target().Select(0);
    ChoosePause("下拉线程ID");
    EXPECT_EQ(Actions().ThreadPauseCaption(), "暂停");
}

TEST_F(ProcessActionsTest, PauseAWindowsThreadOnly) {
    FixtureProcess counters(L"counters");
    HWND counter = counters.Window(L"TavrinFixtureCounter");
    HWND worker = counters.Window(L"TavrinFixtureWorker");
    ASSERT_TRUE(counter && worker);
    Target().Select(H(counter));
    ChoosePause("下拉线程ID");
    EXPECT_EQ(Actions().ThreadPauseCaption(), "恢复");
    EXPECT_FALSE(Counting(counter));
    // The other thread is not paused. Whether it goes on counting is not
    // asked: paused inside a window call, the GUI thread may hold a lock of
    // the window system that the other one then waits for (seen under Wine
    // in 2 of 40 runs).
    EXPECT_EQ(SuspendCountOf(counter), 1);
    EXPECT_EQ(SuspendCountOf(worker), 0);
    Target().Select(H(worker));  // another target resumes the paused thread
    EXPECT_EQ(Actions().ThreadPauseCaption(), "暂停");
    EXPECT_EQ(SuspendCountOf(counter), 0);
    EXPECT_TRUE(Counting(counter));
    EXPECT_TRUE(Counting(worker));
}

TEST_F(ProcessActionsTest, EndAThreadAndEndAProcess) {
    FixtureProcess counters(L"counters");
    HWND counter = counters.Window(L"TavrinFixtureCounter");
    HWND worker = counters.Window(L"TavrinFixtureWorker");
    ASSERT_TRUE(counter && worker);
    // Ended at any moment, the worker may hold a lock of the window system
    // that the GUI thread waits for next (seen under Wine: a thread ended
    // while still painting its new window hangs the other one). Ended while
    // it waits for messages, it takes nothing with it.
    ASSERT_TRUE(testing_support::QuietFixtureCounter(worker));
    Target().Select(H(worker));
    Choose("下拉线程ID", "结束");
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(worker); }, 3000));  // its windows go with the thread
    EXPECT_TRUE(Counting(counter));

    Target().Select(H(counter));
    Choose("下拉进程ID", "结束");
    EXPECT_EQ(WaitForSingleObject(counters.Handle(), 3000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(counters.Handle(), &code);
    EXPECT_EQ(code, 0u);
}

// Ids read when the window was picked can name another program by the time
// an item is chosen (the system hands ids out again). Here the facts carry
// the other program's ids from the start: pause, resume and both ends still
// reach the target window's own process and thread.
TEST_F(ProcessActionsTest, PauseAndEndActOnTheLiveWindowsProcessNotOnIdsReadBefore) {
    FixtureProcess target(L"counters"), other(L"counters");
    HWND counter = target.Window(L"TavrinFixtureCounter");
    HWND worker = target.Window(L"TavrinFixtureWorker");
    HWND otherCounter = other.Window(L"TavrinFixtureCounter");
    ASSERT_TRUE(counter && worker && otherCounter);
    ASSERT_TRUE(testing_support::QuietFixtureCounter(worker));
    Target().readFacts = [otherCounter](win::WindowHandle hwnd) {
        inspector::WindowFacts facts = inspector::ReadWindowFacts(hwnd);
        DWORD pid = 0;
        facts.threadId = static_cast<std::int32_t>(GetWindowThreadProcessId(otherCounter, &pid));
        facts.processId = static_cast<std::int32_t>(pid);
        return facts;
    };
    Target().Select(H(counter));
    ASSERT_EQ(Box("编辑框_进程ID"), Text(other.Id()));  // the stale id is what the box shows

    ChoosePause("下拉进程ID");
    ASSERT_EQ(Actions().ProcessPauseCaption(), "恢复");
    EXPECT_EQ(GetProcessId(Actions().PausedProcess()), target.Id());  // held open: its id cannot be reused
    EXPECT_FALSE(Counting(counter));
    EXPECT_TRUE(Counting(otherCounter));
    ChoosePause("下拉进程ID");
    EXPECT_TRUE(Counting(counter));

    ChoosePause("下拉线程ID");
    ASSERT_EQ(Actions().ThreadPauseCaption(), "恢复");
    EXPECT_EQ(GetThreadId(Actions().PausedThread()), GetWindowThreadProcessId(counter, nullptr));
    EXPECT_EQ(SuspendCountOf(counter), 1);
    EXPECT_EQ(SuspendCountOf(otherCounter), 0);
    ChoosePause("下拉线程ID");
    EXPECT_EQ(SuspendCountOf(counter), 0);

    Target().Select(H(worker));
    Choose("下拉线程ID", "结束");
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(worker); }, 3000));
    EXPECT_TRUE(Counting(otherCounter));
    Target().Select(H(counter));
    Choose("下拉进程ID", "结束");
    EXPECT_EQ(WaitForSingleObject(target.Handle(), 3000), WAIT_OBJECT_0);
    EXPECT_EQ(WaitForSingleObject(other.Handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(Counting(otherCounter));
}

// The window went after it was picked: the items end, pause nothing and
// say why, and another program that took over an id is left alone.
TEST_F(ProcessActionsTest, ItemsForAWindowThatIsGoneDoNothingAndSaySo) {
    std::vector<std::string> notices;
    Actions().showNotice = [&notices](const std::string& text) { notices.push_back(text); };
    FixtureProcess other(L"counters");
    HWND otherCounter = other.Window(L"TavrinFixtureCounter");
    ASSERT_NE(otherCounter, nullptr);
    {
        FixtureProcess gone(L"counters");
        HWND counter = gone.Window(L"TavrinFixtureCounter");
        ASSERT_NE(counter, nullptr);
        Target().Select(H(counter));
    }  // ended with its windows
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(win::ToHwnd(Target().Handle())); }, 3000));

    Choose("下拉进程ID", "结束");
    ChoosePause("下拉进程ID");
    Choose("下拉线程ID", "结束");
    ChoosePause("下拉线程ID");
    EXPECT_EQ(notices, (std::vector<std::string>{"目标窗口已不存在，没有结束任何进程。", "目标窗口已不存在，没有暂停任何进程。",
                                                 "目标窗口已不存在，没有结束任何线程。", "目标窗口已不存在，没有暂停任何线程。"}));
    EXPECT_EQ(Actions().ProcessPauseCaption(), "暂停");
    EXPECT_EQ(Actions().ThreadPauseCaption(), "暂停");
    EXPECT_EQ(WaitForSingleObject(other.Handle(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    EXPECT_TRUE(Counting(otherCounter));
}

TEST_F(ProcessActionsTest, PostedClicksArriveWithTheirCoordinates) {
    FixtureProcess clicks(L"clicks");
    HWND target = clicks.Window(L"TavrinFixtureClicks");
    HWND progman = clicks.Window(L"Progman");
    ASSERT_TRUE(target && progman);
    HWND list = FindWindowExW(FindWindowExW(progman, nullptr, L"SHELLDLL_DefView", nullptr), nullptr,
                              L"SysListView32", nullptr);
    ASSERT_NE(list, nullptr);
    ASSERT_TRUE(testing_support::MoveCursorTo({5, 1000}));  // away from both

    Target().Select(H(target));
    SetBox("编辑框_窗口鼠标位置_X", "12");
    SetBox("编辑框_窗口鼠标位置_Y", "34");
    Choose("下拉窗口鼠标位置", "左键单击");
    ASSERT_TRUE(PumpUntil([&] { return TitleOf(target).find(L"514@") != std::wstring::npos; }, 2000));
    EXPECT_EQ(TitleOf(target), L"512@12,34 513@12,34 514@12,34");

    SetWindowTextW(target, L"");
    Choose("下拉窗口鼠标位置", "右键单击");
    ASSERT_TRUE(PumpUntil([&] { return TitleOf(target).find(L"123@") != std::wstring::npos; }, 2000));
    POINT origin = {0, 0};
    ClientToScreen(target, &origin);
    EXPECT_EQ(TitleOf(target), L"512@12,34 516@12,34 517@12,34 123@" + std::to_wstring(origin.x + 12) + L"," +
                                   std::to_wstring(origin.y + 34) + L" w=" +
                                   std::to_wstring(reinterpret_cast<INT_PTR>(target)));

    // Handle 0: the desktop's icon list.
    Target().Select(0);
    SetBox("编辑框_窗口鼠标位置_X", "3");
    SetBox("编辑框_窗口鼠标位置_Y", "4");
    Choose("下拉窗口鼠标位置", "左键单击");
    EXPECT_TRUE(PumpUntil([&] { return TitleOf(list) == L"512@3,4 513@3,4 514@3,4"; }, 2000)) << win::Utf8(TitleOf(list));
}

TEST_F(ProcessActionsTest, RealClicksAtTheScreenPointAndTheCursorComesBack) {
    FixtureProcess clicks(L"clicks");
    HWND target = clicks.Window(L"TavrinFixtureClicks");
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(testing_support::MoveCursorTo({5, 1000}));
    POINT origin = {0, 0};
    ClientToScreen(target, &origin);
    SetBox("编辑框_鼠标位置_X", Text(origin.x + 20));
    SetBox("编辑框_鼠标位置_Y", Text(origin.y + 15));
    SetWindowTextW(target, L"");
    Choose("下拉鼠标位置", "左键单击");
    EXPECT_TRUE(PumpUntil([&] { return TitleOf(target).find(L"514@20,15") != std::wstring::npos; }, 2000))
        << win::Utf8(TitleOf(target));
    EXPECT_NE(TitleOf(target).find(L"513@20,15"), std::wstring::npos);
    EXPECT_TRUE(testing_support::CursorArrivesAt({5, 1000}));
}

TEST_F(ProcessActionsTest, RunProgramOpensAFolderAndADocumentByItsAssociation) {
    // A folder opens in explorer, which stays: end it by its id.
    const std::string folder = win::Utf8(testing_support::TestProgramDirectory());
    const std::int32_t explorer = win::RunProgram(folder);
    EXPECT_NE(explorer, 0);
    if (explorer) {
        const win::OwnedHandle process(
            OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, static_cast<DWORD>(explorer)));
        wchar_t image[MAX_PATH] = {};
        DWORD size = MAX_PATH;
        QueryFullProcessImageNameW(process.Get(), 0, image, &size);
        EXPECT_NE(std::wstring(image).find(L"explorer.exe"), std::wstring::npos) << win::Utf8(image);
        TerminateProcess(process.Get(), 0);
    }

    // A document type of our own, opened by the fixture program.
    const std::wstring fixture = testing_support::TestProgramDirectory() + L"fixture_app.exe";
    const std::wstring command = L"\"" + fixture + L"\" \"%1\"";
    HKEY key;
    RegCreateKeyExW(HKEY_CLASSES_ROOT, L".tavrintest", 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr);
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(L"TavrinTest.Document"),
                   sizeof(L"TavrinTest.Document"));
    RegCloseKey(key);
    RegCreateKeyExW(HKEY_CLASSES_ROOT, L"TavrinTest.Document\\Shell\\Open\\Command", 0, nullptr, 0, KEY_WRITE, nullptr,
                    &key, nullptr);
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                   static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    const std::string document = folder + "notes.tavrintest";
    const std::int32_t pid = win::RunProgram(document);
    EXPECT_NE(pid, 0);
    HWND opened = nullptr;
    PumpUntil([&] { return (opened = FindWindowW(L"TavrinFixtureDocument", nullptr)) != nullptr; }, 5000);
    ASSERT_NE(opened, nullptr);
    EXPECT_NE(TitleOf(opened).find(L"notes.tavrintest"), std::wstring::npos) << win::Utf8(TitleOf(opened));
    const win::OwnedHandle started(OpenProcess(PROCESS_TERMINATE, FALSE, static_cast<DWORD>(pid)));
    if (started) TerminateProcess(started.Get(), 0);
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L"TavrinTest.Document");
    RegDeleteTreeW(HKEY_CLASSES_ROOT, L".tavrintest");
}

class TreeMenuTest : public FieldActionsTest {
protected:
    inspector::TreeMenu& Menu() { return Window().Analysis().TreeMenus(); }
    ui::TreeBox& Tree() { return Window().Analysis().Tree().Tree(); }
};

TEST_F(TreeMenuTest, RightClickOnAnItemSelectsItAndPopsTheMenuUp) {
    Target().Select(H(a1_));
    Window().Analysis().Tree().Refresh();
    Tree().SelectItem(0);
    RECT item;
    ASSERT_TRUE(TreeView_GetItemRect(Tree().Handle(), TreeView_GetNextItem(Tree().Handle(), TreeView_GetSelection(Tree().Handle()), TVGN_NEXTVISIBLE), &item, TRUE));
    POINT at = {(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    ClientToScreen(Tree().Handle(), &at);
    ASSERT_TRUE(testing_support::MoveCursorTo(at));
    const RECT menu = testing_support::MenuRectDuring([] { testing_support::RunXdotool(L"click 3"); }, 2000);
    EXPECT_NE(menu.left, -1) << "no menu popped up";
    EXPECT_EQ(Tree().SelectedIndex(), 1);
    EXPECT_EQ(GetMenuItemCount(Menu().Menu().Handle()), 7);  // four items, three separators
}

TEST_F(TreeMenuTest, ViewingAnItemMovesTheBoldStateAndShowsItsWindow) {
    Target().Select(H(a1_));
    Window().Analysis().Tree().Refresh();
    const int a1 = Tree().SelectedIndex();
    Tree().SelectItem(0);
    Menu().ViewSelected();
    EXPECT_TRUE(Tree().ItemBold(0));
    EXPECT_FALSE(Tree().ItemBold(a1));
    EXPECT_EQ(Target().Handle(), H(root_));
    EXPECT_EQ(Window().Analysis().Tree().PreviousTreeItem(), a1);
    EXPECT_EQ(Window().Analysis().Tree().TargetTreeItem(), 0);
}

TEST_F(TreeMenuTest, SearchWrapsAroundAndSaysWhenNothingMatches) {
    Target().Select(H(root_));
    Window().Analysis().Tree().Refresh();
    int notFound = 0;
    Menu().showNotFound = [&] { ++notFound; };
    SetBox("编辑框_查找窗口", "Fixture");  // the root ("TavrinFixtureRoot") and A ("FixtureA")
    auto& button = Get<ui::Button>("按钮_查找窗口");
    std::vector<int> found;
    for (int i = 0; i < 3; ++i) {
        SendMessageW(button.Handle(), BM_CLICK, 0, 0);
        found.push_back(Tree().SelectedIndex());
    }
    EXPECT_EQ(found[0], 0);
    EXPECT_EQ(Tree().ItemData(found[1]), H(a_));
    EXPECT_EQ(found[2], 0);
    EXPECT_EQ(Tree().Tag(), "Fixture");
    EXPECT_EQ(notFound, 0);
    SetBox("编辑框_查找窗口", "fixture_root");
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(notFound, 1);
    EXPECT_EQ(Menu().SearchState().lastFoundTreeItem, 0);
}

TEST_F(TreeMenuTest, SearchBoxShowsItsPlaceholderWhileEmptyAndUnfocused) {
    auto& box = Get<ui::EditBox>("编辑框_查找窗口");
    EXPECT_EQ(box.Content(), "");
    box.Focus();
    Get<ui::EditBox>("编辑框_窗口标题").Focus();  // leaves it empty
    EXPECT_EQ(box.Content(), "可以为标题,类名,句柄");
    EXPECT_EQ(box.TextColour().value_or(0), 0x808080u);
    box.Focus();
    EXPECT_EQ(box.Content(), "");
    EXPECT_EQ(box.TextColour().value_or(1), 0x000000u);
}

// The handle menus copy a handle in hexadecimal too.
TEST_F(FieldActionsTest, HandlesAreCopiedInHexadecimal) {
    Target().Select(H(a1_));
    Choose("下拉窗口句柄", "复制十六进制");
    char expected[16];
    std::snprintf(expected, sizeof expected, "0x%08X", static_cast<unsigned>(H(a1_)));
    EXPECT_EQ(win::ClipboardText(), expected);
    Choose("下拉父句柄", "复制十六进制");
    std::snprintf(expected, sizeof expected, "0x%08X", static_cast<unsigned>(H(a_)));
    EXPECT_EQ(win::ClipboardText(), expected);
    Choose("下拉顶级句柄", "复制");  // the plain copy stays decimal
    EXPECT_EQ(win::ClipboardText(), Text(H(root_)));
}

// The style window shows the target's styles as flags and gives the target
// what the boxes say, reading it back afterwards.
TEST_F(FieldActionsTest, TheStyleWindowShowsAndChangesTheTargetsStyles) {
    FixtureProcess dialogs(L"dialog");
    HWND dialog = dialogs.Window(L"TavrinFixtureDialog");
    ASSERT_NE(dialog, nullptr);
    HWND radio = GetDlgItem(dialog, 311);
    Target().Select(H(radio));
    Choose("下拉其它操作", "窗口样式…");
    inspector::StyleWindow* styles = Actions().Styles();
    ASSERT_NE(styles, nullptr);
    ASSERT_TRUE(IsWindowVisible(styles->Handle()));
    auto box = [&](const char* name) -> ui::CheckBox& {
        ui::CheckBox* b = styles->FlagBox(name);
        if (!b) throw std::logic_error(std::string("no box ") + name);
        return *b;
    };
    EXPECT_TRUE(box("BS_AUTORADIOBUTTON").Checked());
    EXPECT_FALSE(box("BS_PUSHBUTTON").Checked());
    EXPECT_TRUE(box("WS_CHILD").Checked());
    EXPECT_TRUE(box("WS_VISIBLE").Checked());
    EXPECT_EQ(styles->FlagBox("WS_MINIMIZEBOX"), nullptr);  // a child's bits are WS_GROUP and WS_TABSTOP
    EXPECT_EQ(styles->Get<ui::EditBox>("编辑框_样式").Content(),
              inspector::core::HexText(static_cast<std::uint32_t>(GetWindowLongW(radio, GWL_STYLE))));

    // Unticking WS_VISIBLE and applying hides the window; an unknown bit of
    // the extended style survives.
    const LONG extended = GetWindowLongW(radio, GWL_EXSTYLE);
    SetWindowLongW(radio, GWL_EXSTYLE, extended | 0x40000000);
    SendMessageW(styles->Get<ui::Button>("按钮_刷新").Handle(), BM_CLICK, 0, 0);
    ASSERT_TRUE(GetWindowLongW(radio, GWL_EXSTYLE) & 0x40000000) << "the system keeps no such bit here";
    // Ticking one member of the button kinds clears the other.
    SendMessageW(box("BS_AUTOCHECKBOX").Handle(), BM_CLICK, 0, 0);  // as the user's click
    EXPECT_TRUE(box("BS_AUTOCHECKBOX").Checked());
    EXPECT_FALSE(box("BS_AUTORADIOBUTTON").Checked());
    SendMessageW(box("WS_VISIBLE").Handle(), BM_CLICK, 0, 0);
    SendMessageW(styles->Get<ui::Button>("按钮_应用").Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(radio));
    EXPECT_EQ(GetWindowLongW(radio, GWL_STYLE) & 0xF, BS_AUTOCHECKBOX);
    EXPECT_TRUE(GetWindowLongW(radio, GWL_EXSTYLE) & 0x40000000);
    EXPECT_FALSE(box("WS_VISIBLE").Checked());  // read back

    // ES_READONLY on an edit makes it read-only indeed: typing no longer
    // changes it; and clearing the box makes it writable again.
    HWND edit = GetDlgItem(dialog, 302);
    Target().Select(H(edit));
    Choose("下拉其它操作", "窗口样式…");
    styles = Actions().Styles();
    ASSERT_NE(styles, nullptr);
    auto typeX = [&] {
        SendMessageW(edit, EM_SETSEL, 0, 0);
        SendMessageW(edit, WM_CHAR, 'x', 1);
        return win::GetWindowTitleSafe(H(edit));
    };
    SendMessageW(box("ES_READONLY").Handle(), BM_CLICK, 0, 0);
    SendMessageW(styles->Get<ui::Button>("按钮_应用").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(typeX(), "dialog edit");
    SendMessageW(box("ES_READONLY").Handle(), BM_CLICK, 0, 0);
    SendMessageW(styles->Get<ui::Button>("按钮_应用").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(typeX(), "xdialog edit");

    // WS_EX_TOPMOST on a top-level window makes it topmost.
    Target().Select(H(dialog));
    Choose("下拉其它操作", "窗口样式…");
    styles = Actions().Styles();
    ASSERT_NE(styles, nullptr);
    EXPECT_TRUE(box("WS_CAPTION").Checked());
    EXPECT_EQ(styles->FlagBox("BS_PUSHBUTTON"), nullptr);  // a class without styles of its own
    SendMessageW(box("WS_EX_TOPMOST").Handle(), BM_CLICK, 0, 0);
    SendMessageW(styles->Get<ui::Button>("按钮_应用").Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST);
    SendMessageW(styles->Get<ui::Button>("按钮_关闭").Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(styles->Handle()));
}

}  // namespace
