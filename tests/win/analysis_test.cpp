// The inspector against windows of another process: the information panel,
// the window tree, the capture ticks and the window marks.
#include <gtest/gtest.h>

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <thread>

#include "inspector/core/field_menus.h"
#include "inspector/core/tree_item_text.h"
#include "tests/win/test_support.h"
#include "text/number_text.h"
#include "ui/buttons.h"
#include "ui/edit_box.h"
#include "ui/tree_box.h"
#include "win/threads.h"
#include "win/wide_text.h"
#include "win/window_marking.h"
#include "win/window_pick.h"

namespace {

using testing_support::FixtureProcess;
using testing_support::MainWindowTest;
using testing_support::NowMs;
using testing_support::PumpUntil;

using testing_support::Text;
using testing_support::H;

// A window and its descendants depth first, children in the order Windows
// lists them.
std::vector<HWND> PreOrder(HWND root) {
    std::vector<HWND> order = {root};
    std::function<void(HWND)> add = [&](HWND parent) {
        for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            order.push_back(child);
            add(child);
        }
    };
    add(root);
    return order;
}

class InspectorTest : public testing_support::HierarchyTest {
protected:
    std::string Box(const char* name) { return Get<ui::EditBox>(name).Content(); }
    inspector::Target& Target() { return Window().Analysis().CurrentTarget(); }
    inspector::WindowTree& Tree() { return Window().Analysis().Tree(); }
};

TEST_F(InspectorTest, PanelShowsATopLevelWindow) {
    Target().Select(H(root_));
    RECT r;
    GetWindowRect(root_, &r);
    RECT client;
    GetClientRect(root_, &client);
    DWORD pid = 0;
    const DWORD tid = GetWindowThreadProcessId(root_, &pid);

    EXPECT_EQ(Target().Handle(), H(root_));
    EXPECT_EQ(Box("编辑框_父句柄"), "0");
    EXPECT_EQ(Box("编辑框_顶级句柄"), Text(H(root_)));
    EXPECT_EQ(Box("编辑框_进程ID"), Text(pid));
    EXPECT_EQ(Box("编辑框_线程ID"), Text(tid));
    EXPECT_EQ(Box("编辑框_控件ID"), "0");
    EXPECT_EQ(Box("编辑框_窗口标题"), "Fixture Root");
    EXPECT_EQ(Box("编辑框_窗口类名"), "TavrinFixtureRoot");
    EXPECT_EQ(Box("编辑框_控件内容"), "Fixture Root");
    const std::string path = Box("编辑框_程序路径");
    EXPECT_EQ(path.substr(path.size() - std::string("\\fixture_app.exe").size()), "\\fixture_app.exe") << path;
    EXPECT_EQ(Box("编辑框_窗口位置_左边"), Text(r.left));
    EXPECT_EQ(Box("编辑框_窗口位置_顶边"), Text(r.top));
    EXPECT_EQ(Box("编辑框_窗口大小_宽度"), Text(r.right - r.left));
    EXPECT_EQ(Box("编辑框_窗口大小_高度"), Text(r.bottom - r.top));
    // No parent: the control position is the window position.
    EXPECT_EQ(Box("编辑框_控件位置_左边"), Text(r.left));
    EXPECT_EQ(Box("编辑框_控件位置_顶边"), Text(r.top));
    EXPECT_EQ(Box("编辑框_窗口内部大小_宽度"), Text(client.right));
    EXPECT_EQ(Box("编辑框_窗口内部大小_高度"), Text(client.bottom));
    EXPECT_FALSE(Get<ui::CheckBox>("选择框_隐藏").Checked());
    // Copied to the message page, and remembered in the tags.
    EXPECT_EQ(Box("编辑框_窗口句柄2"), Text(H(root_)));
    EXPECT_EQ(Get<ui::EditBox>("编辑框_窗口句柄").Tag(), Text(H(root_)));
    EXPECT_EQ(Get<ui::EditBox>("编辑框_进程ID").Tag(), Text(pid));
}

TEST_F(InspectorTest, PanelShowsAChildRelativeToItsParent) {
    Target().Select(H(a1_));
    EXPECT_EQ(Box("编辑框_父句柄"), Text(H(a_)));
    EXPECT_EQ(Box("编辑框_顶级句柄"), Text(H(root_)));
    EXPECT_EQ(Box("编辑框_控件ID"), "111");
    EXPECT_EQ(Box("编辑框_窗口标题"), "A1 button");
    EXPECT_EQ(Box("编辑框_窗口类名"), "Button");
    EXPECT_EQ(Box("编辑框_控件内容"), "A1 button");
    EXPECT_EQ(Box("编辑框_控件位置_左边"), "5");  // from the parent's window rectangle
    EXPECT_EQ(Box("编辑框_控件位置_顶边"), "5");
    EXPECT_EQ(Box("编辑框_窗口大小_宽度"), "100");
    EXPECT_EQ(Box("编辑框_窗口内部大小_高度"), "30");

    // A hidden child ticks the hidden box; a visible one clears it.
    Target().Select(H(c_));
    EXPECT_TRUE(Get<ui::CheckBox>("选择框_隐藏").Checked());
    EXPECT_EQ(Box("编辑框_窗口标题"), "Hidden C");
    Target().Select(H(b_));
    EXPECT_FALSE(Get<ui::CheckBox>("选择框_隐藏").Checked());
}

TEST_F(InspectorTest, PanelShowsNegativePositions) {
    FixtureProcess corner(L"corner");
    HWND window = corner.Window(L"TavrinFixtureCorner");
    ASSERT_NE(window, nullptr);
    Target().Select(H(window));
    EXPECT_EQ(Box("编辑框_窗口位置_左边"), "-4");
    EXPECT_EQ(Box("编辑框_窗口位置_顶边"), "-4");
    EXPECT_EQ(Box("编辑框_窗口大小_宽度"), "800");
    EXPECT_EQ(Box("编辑框_窗口大小_高度"), "600");
    EXPECT_EQ(Box("编辑框_控件位置_左边"), "-4");
}

TEST_F(InspectorTest, WritingTheCurrentHandleAgainChangesNothing) {
    Target().Select(H(root_));
    const std::string left = Box("编辑框_窗口位置_左边");
    RECT r;
    GetWindowRect(root_, &r);
    SetWindowPos(root_, nullptr, r.left + 7, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Target().Select(H(root_));
    EXPECT_EQ(Box("编辑框_窗口位置_左边"), left);
    SetWindowPos(root_, nullptr, r.left, r.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    // A handle that is no window becomes the current target and leaves the
    // boxes as they were.
    Target().Select(12345678);
    EXPECT_EQ(Target().Handle(), 12345678);
    EXPECT_EQ(Box("编辑框_窗口句柄"), "12345678");
    EXPECT_EQ(Box("编辑框_窗口类名"), "TavrinFixtureRoot");
}

TEST_F(InspectorTest, DisplayOnlyBoxesTakeNoTyping) {
    Target().Select(H(root_));
    for (const char* name : {"编辑框_窗口句柄", "编辑框_进程ID", "编辑框_窗口类名", "编辑框_程序路径"}) {
        auto& box = Get<ui::EditBox>(name);
        const std::string before = box.Content();
        SendMessageW(box.Handle(), WM_CHAR, L'7', 0);
        EXPECT_EQ(box.Content(), before) << name;
    }
    auto& title = Get<ui::EditBox>("编辑框_窗口标题");  // editable
    SendMessageW(title.Handle(), EM_SETSEL, 0, -1);
    SendMessageW(title.Handle(), WM_CHAR, L'7', 0);
    EXPECT_EQ(title.Content(), "7");
}

TEST_F(InspectorTest, TreeHoldsTheHierarchyInPreOrderWithTheTargetBold) {
    Target().Select(H(a1_));
    Tree().Refresh();
    ui::TreeBox& tree = Tree().Tree();
    const std::vector<HWND> expected = PreOrder(root_);
    ASSERT_EQ(expected.size(), 5u);
    ASSERT_EQ(tree.ItemCount(), 5);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(tree.ItemData(i), H(expected[i])) << i;
    EXPECT_EQ(tree.ItemText(0), inspector::core::RootItemText("fixture_app.exe", H(root_), "TavrinFixtureRoot", "Fixture Root"));
    const int a1 = static_cast<int>(std::find(expected.begin(), expected.end(), a1_) - expected.begin());
    const int a = static_cast<int>(std::find(expected.begin(), expected.end(), a_) - expected.begin());
    EXPECT_EQ(a1, a + 1);  // A1 comes right after A
    EXPECT_EQ(tree.ItemText(a1), inspector::core::TreeItemText(H(a1_), "Button", "A1 button"));
    // A1 hangs under A; every other window under the root.
    for (int i = 1; i < 5; ++i) EXPECT_EQ(tree.ParentIndex(i), i == a1 ? a : 0) << i;
    EXPECT_EQ(tree.ParentIndex(0), -1);
    EXPECT_TRUE(tree.ItemBold(a1));
    EXPECT_EQ(tree.SelectedIndex(), a1);
    EXPECT_EQ(Tree().TargetTreeItem(), a1);
    EXPECT_EQ(Tree().TreeItemCounter(), 4);
    for (int i = 0; i < 5; ++i) {
        if (i != a1) {
            EXPECT_FALSE(tree.ItemBold(i)) << i;
        }
    }
    // The target's item is scrolled into view.
    RECT itemRect;
    EXPECT_TRUE(TreeView_GetItemRect(tree.Handle(), TreeView_GetSelection(tree.Handle()), &itemRect, TRUE));

    // The root itself as the target.
    Target().Select(H(root_));
    Tree().Refresh();
    EXPECT_TRUE(tree.ItemBold(0));
    EXPECT_EQ(tree.SelectedIndex(), 0);
}

TEST_F(InspectorTest, TreeFillOnAWorkerThread) {
    Target().Select(H(b_));
    Tree().RefreshOnWorkerThread();
    EXPECT_TRUE(PumpUntil([&] { return !Tree().FillRunning() && Tree().Tree().ItemCount() == 5; }, 5000));
    const int b = Tree().Tree().SelectedIndex();
    EXPECT_EQ(Tree().Tree().ItemData(b), H(b_));
    EXPECT_TRUE(Tree().Tree().ItemBold(b));
    // No target, no root: the tree is emptied.
    Target().Clear();
    Tree().Refresh();
    EXPECT_EQ(Tree().Tree().ItemCount(), 0);
}

// The window closed while 刷新 puts the items in step by step: the steps
// will never come (a destroyed window's timers are gone), so the refresh
// returns at once and leaves the tree free, instead of waiting for ever.
TEST_F(InspectorTest, ClosingTheWindowDuringRefreshEndsTheRefresh) {
    Target().Select(H(a1_));
    static inspector::WindowTree* tree = nullptr;
    static app::MainWindow* window = nullptr;
    tree = &Tree();
    window = &Window();
    // Closes the main window once the first step is in (items there, fill
    // still running).
    const UINT_PTR closer = SetTimer(nullptr, 0, 1, [](HWND, UINT, UINT_PTR, DWORD) {
        if (tree->FillRunning() && tree->Tree().ItemCount() > 0) window->Destroy();
    });
    ASSERT_NE(closer, 0u);
    // A refresh that never returns fails the test instead of hanging it.
    const win::OwnedHandle returned(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::thread watchdog([event = returned.Get()] {
        if (WaitForSingleObject(event, 15000) != WAIT_OBJECT_0) {
            std::fprintf(stderr, "刷新 did not return within 15 s of the window being closed\n");
            std::fflush(stderr);
            ExitProcess(3);
        }
    });
    Tree().Refresh();
    SetEvent(returned.Get());
    watchdog.join();
    KillTimer(nullptr, closer);
    EXPECT_EQ(Window().Handle(), nullptr);
    EXPECT_FALSE(Tree().FillRunning());
}

// A target that went after it was picked: both refreshes say so beside its
// handle instead of showing it as if it were there; the next window shown
// looks as always.
TEST_F(InspectorTest, ARefreshShowsThatTheTargetIsGone) {
    const auto refreshItem = [this] {
        ui::Menu& menu = Window().Analysis().Actions().MenuOf(inspector::core::Field::WindowHandle);
        const int item = inspector::core::FieldItemIndex(inspector::core::Field::WindowHandle, inspector::core::FieldItem::Refresh);
        SendMessageW(Window().Handle(), WM_COMMAND, MAKEWPARAM(GetMenuItemID(menu.Handle(), item), 0), 0);
    };
    for (const bool superButton : {false, true}) {
        SCOPED_TRACE(superButton ? "超级按钮_刷新" : "刷新 of the handle menu");
        win::WindowHandle picked = 0;
        {
            FixtureProcess counters(L"counters");
            HWND counter = counters.Window(L"TavrinFixtureCounter");
            ASSERT_NE(counter, nullptr);
            Target().Select(picked = H(counter));
            ASSERT_EQ(Box("编辑框_窗口句柄"), Text(picked));
        }
        ASSERT_TRUE(PumpUntil([&] { return !IsWindow(win::ToHwnd(picked)); }, 3000));
        if (superButton) {
            Tree().Refresh();
        } else {
            refreshItem();
        }
        EXPECT_EQ(Box("编辑框_窗口句柄"), Text(picked) + "（窗口已不存在）");
        EXPECT_EQ(Get<ui::EditBox>("编辑框_窗口句柄").Number(), picked);
        Target().Select(H(root_));
        EXPECT_EQ(Box("编辑框_窗口句柄"), Text(H(root_)));
    }
}

// The worker takes the root as it was when the fill started: the next
// target, of another top-level window, does not reach into its walk.
TEST_F(InspectorTest, WorkerFillTakesTheRootFromBeforeItStarted) {
    Target().Select(H(b_));
    Tree().RefreshOnWorkerThread();
    Target().Select(H(Window().Handle()));
    ASSERT_TRUE(PumpUntil([&] { return !Tree().FillRunning(); }, 5000));
    ASSERT_EQ(Tree().Tree().ItemCount(), 5);
    EXPECT_EQ(Tree().Tree().ItemData(0), H(root_));
}

// Windows that keep moving in the Z order and coming and going while the
// tree is walked: every walk ends, and lists each window once.
TEST_F(InspectorTest, WalkOverChangingWindowsEndsAndListsEachWindowOnce) {
    FixtureProcess churn(L"churn");
    HWND root = churn.Window(L"TavrinFixtureChurn");
    ASSERT_NE(root, nullptr);
    for (int walk = 0; walk < 20; ++walk) {
        const double start = NowMs();
        const std::vector<inspector::TreeNode> nodes = inspector::WalkWindows(H(root));
        const double ms = NowMs() - start;
        std::set<win::WindowHandle> handles;
        for (const inspector::TreeNode& node : nodes) {
            EXPECT_TRUE(handles.insert(node.handle).second) << "walk " << walk << " met " << node.handle << " twice";
        }
        EXPECT_LE(nodes.size(), 32u) << walk;
        EXPECT_LT(ms, 5000) << walk;
    }
}

POINT CentreOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The finder takes disabled controls, and radio buttons inside a group box
// that lies above them; where nothing smaller holds the point, the group
// box itself.
TEST_F(InspectorTest, PickingTakesDisabledControlsAndButtonsInsideGroupBoxes) {
    FixtureProcess dialogs(L"dialog");
    HWND dialog = dialogs.Window(L"TavrinFixtureDialog");
    ASSERT_NE(dialog, nullptr);
    HWND disabled = GetDlgItem(dialog, 301), group = GetDlgItem(dialog, 310), one = GetDlgItem(dialog, 311);
    ASSERT_TRUE(disabled && group && one);
    SetWindowPos(dialog, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    EXPECT_EQ(win::DeepestWindowAt(CentreOf(disabled)), H(disabled));
    EXPECT_EQ(win::DeepestWindowAt(CentreOf(one)), H(one));
    RECT g;
    GetWindowRect(group, &g);
    EXPECT_EQ(win::DeepestWindowAt({g.right - 5, g.bottom - 5}), H(group));
    RECT d;
    GetClientRect(dialog, &d);
    POINT inDialog = {d.right - 3, d.bottom - 3};
    ClientToScreen(dialog, &inDialog);
    EXPECT_EQ(win::DeepestWindowAt(inDialog), H(dialog));
    SetWindowPos(dialog, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// A control of a dialog: the top-level box shows the dialog's owner, and
// the tree holds the dialog below the owner's own windows, with the target
// bold and selected; the bulk items reach the dialog's windows.
TEST_F(InspectorTest, OwnedDialogsAreInTheTreeBelowTheirOwner) {
    const testing_support::OwnedDialogFixture dialogs;
    HWND owner = dialogs.owner, dialog = dialogs.dialog;
    ASSERT_TRUE(owner && dialog);
    HWND edit = GetDlgItem(dialog, 302), disabled = GetDlgItem(dialog, 301);
    Target().Select(H(edit));
    EXPECT_EQ(Box("编辑框_顶级句柄"), Text(H(owner)));
    Tree().Refresh();
    ui::TreeBox& tree = Tree().Tree();
    ASSERT_EQ(tree.ItemData(0), H(owner));
    int dialogItem = -1;
    for (int i = 0; i < tree.ItemCount(); ++i) {
        if (tree.ItemData(i) == H(dialog)) dialogItem = i;
    }
    ASSERT_GE(dialogItem, 0) << "the dialog is not in the tree";
    EXPECT_EQ(tree.ParentIndex(dialogItem), 0);
    EXPECT_GT(dialogItem, 2);  // after the owner's panel and its edit
    const int target = tree.SelectedIndex();
    EXPECT_EQ(tree.ItemData(target), H(edit));
    EXPECT_TRUE(tree.ItemBold(target));
    EXPECT_EQ(tree.ParentIndex(target), dialogItem);

    ASSERT_FALSE(IsWindowEnabled(disabled));
    SendMessageW(Window().Handle(), WM_COMMAND,
                 MAKEWPARAM(GetMenuItemID(Window().Analysis().Actions().MenuOf(inspector::core::Field::Other).Handle(), 0), 0), 0);
    EXPECT_TRUE(IsWindowEnabled(disabled));
}

// Top-level windows made and destroyed, and moved in and out of the topmost
// band, while the tree is walked (as our own finder window is when a
// capture ends): every walk still holds the owned dialog and its controls.
TEST_F(InspectorTest, OwnedDialogsStayInTheTreeWhileTopLevelWindowsComeAndGo) {
    const testing_support::OwnedDialogFixture dialogs;
    HWND owner = dialogs.owner, dialog = dialogs.dialog;
    ASSERT_TRUE(owner && dialog);
    HWND disabled = GetDlgItem(dialog, 301);
    std::atomic<bool> stop{false};
    std::thread churn([&] {
        while (!stop) {
            HWND made[4];
            for (HWND& w : made) {
                w = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"Static", L"", WS_POPUP, 0, 0, 10, 10, nullptr,
                                    nullptr, nullptr, nullptr);
            }
            SetWindowPos(made[0], HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            for (HWND w : made) DestroyWindow(w);
        }
    });
    int missing = 0;
    for (int walk = 0; walk < 200; ++walk) {
        bool dialogMet = false, buttonMet = false;
        for (const inspector::TreeNode& node : inspector::WalkWindows(H(owner))) {
            dialogMet = dialogMet || node.handle == H(dialog);
            buttonMet = buttonMet || node.handle == H(disabled);
        }
        if (!dialogMet || !buttonMet) ++missing;
    }
    stop = true;
    churn.join();
    EXPECT_EQ(missing, 0) << "of 200 walks";
}

// Items of hidden windows are drawn grey, of disabled ones muted; the texts
// stay as they are.
TEST_F(InspectorTest, HiddenAndDisabledWindowsAreToldApartInTheTree) {
    EnableWindow(a1_, FALSE);
    Target().Select(H(b_));
    Tree().Refresh();
    EnableWindow(a1_, TRUE);
    ui::TreeBox& tree = Tree().Tree();
    int bItem = -1, cItem = -1, a1Item = -1;
    for (int i = 0; i < tree.ItemCount(); ++i) {
        if (tree.ItemData(i) == H(b_)) bItem = i;
        if (tree.ItemData(i) == H(c_)) cItem = i;
        if (tree.ItemData(i) == H(a1_)) a1Item = i;
    }
    ASSERT_TRUE(bItem >= 0 && cItem >= 0 && a1Item >= 0);
    EXPECT_EQ(tree.ItemTextColour(cItem).value_or(0), inspector::kHiddenItemColour);
    EXPECT_EQ(tree.ItemTextColour(a1Item).value_or(0), inspector::kDisabledItemColour);
    EXPECT_FALSE(tree.ItemTextColour(bItem).has_value());
    EXPECT_EQ(tree.ItemText(cItem), inspector::core::TreeItemText(H(c_), "Static", "Hidden C"));

    // On the screen: the hidden window's item has no pixel of the tree's
    // text colour (black, or the skin's), the plain one (not selected, so
    // drawn in the tree's own colours) has.
    tree.SelectItem(0);
    const COLORREF set = TreeView_GetTextColor(tree.Handle());
    const COLORREF ink = set == static_cast<COLORREF>(-1) ? GetSysColor(COLOR_WINDOWTEXT) : set;
    auto inkPixels = [&](int item) {
        // The item, found by its data among the shown items, and its rectangle.
        RECT r = {};
        int count = 0;
        HTREEITEM h = nullptr;
        for (HTREEITEM walk = reinterpret_cast<HTREEITEM>(SendMessageW(tree.Handle(), TVM_GETNEXTITEM, TVGN_ROOT, 0));
             walk; walk = reinterpret_cast<HTREEITEM>(
                       SendMessageW(tree.Handle(), TVM_GETNEXTITEM, TVGN_NEXTVISIBLE, reinterpret_cast<LPARAM>(walk)))) {
            TVITEMW q = {};
            q.mask = TVIF_PARAM;
            q.hItem = walk;
            SendMessageW(tree.Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&q));
            if (static_cast<std::int32_t>(q.lParam) == tree.ItemData(item)) h = walk;
        }
        if (!h) return -1;
        std::memcpy(&r, &h, sizeof h);
        SendMessageW(tree.Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r));
        MapWindowPoints(tree.Handle(), HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
        const win::WindowDC screen;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) count += GetPixel(screen.Get(), x, y) == ink;
        }
        return count;
    };
    UpdateWindow(tree.Handle());
    EXPECT_TRUE(PumpUntil([&] { return inkPixels(bItem) > 0; }, 2000)) << "the plain item shows no text";
    EXPECT_EQ(inkPixels(cItem), 0);
}

TEST_F(InspectorTest, SwitchButtonAlternatesBetweenTheLastTwoViewedItems) {
    Target().Select(H(a1_));
    Tree().Refresh();
    const int a1 = Tree().TargetTreeItem();
    Tree().SetPreviousTreeItem(0);  // as after viewing the root before A1
    auto& switchButton = Get<ui::SuperButton>("超级按钮_切换");
    SendMessageW(switchButton.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Target().Handle(), H(root_));
    EXPECT_TRUE(Tree().Tree().ItemBold(0));
    EXPECT_FALSE(Tree().Tree().ItemBold(a1));
    SendMessageW(switchButton.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Target().Handle(), H(a1_));
    EXPECT_TRUE(Tree().Tree().ItemBold(a1));
    EXPECT_FALSE(Tree().Tree().ItemBold(0));
}

int CountDescendants(HWND hwnd) {
    int count = 0;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) count += 1 + CountDescendants(c);
    return count;
}

// The fixture's "many N G" window once all its N descendants are made.
HWND ManyWindows(FixtureProcess& fixture, int count) {
    HWND many = fixture.Window(L"TavrinFixtureMany");
    if (!many || !PumpUntil([&] { return CountDescendants(many) == count; }, 10000)) return nullptr;
    return many;
}

// A control of the "hostile" fixture by its id (nullptr when it is not there).
HWND HostileControl(FixtureProcess& hostile, int id) {
    HWND root = hostile.Window(L"TavrinFixtureHostile");
    return root ? GetDlgItem(root, id) : nullptr;
}

// The handles of the items in the order the tree control shows them, and
// with `texts` their texts as the control holds them.
std::vector<std::int32_t> ShownOrder(HWND tree, std::vector<std::string>* texts = nullptr) {
    std::vector<std::int32_t> shown;
    std::function<void(HTREEITEM)> add = [&](HTREEITEM item) {
        for (; item; item = TreeView_GetNextSibling(tree, item)) {
            wchar_t text[256] = {};
            TVITEMW query = {};
            query.mask = TVIF_PARAM | TVIF_TEXT;
            query.hItem = item;
            query.pszText = text;
            query.cchTextMax = 256;
            TreeView_GetItem(tree, &query);
            shown.push_back(static_cast<std::int32_t>(query.lParam));
            if (texts) texts->push_back(win::Utf8(text));
            add(TreeView_GetChild(tree, item));
        }
    };
    add(TreeView_GetRoot(tree));
    return shown;
}

// A tree of 600 windows whose target is the last: the target's item is
// selected, among the few rows around it, before the walk has even begun,
// and the finished tree holds them in pre-order, shown in that order, the
// target's item bold, selected and in view. A Static's title is the window
// system's copy of it, an Edit's the text it holds now, also where the
// first look showed the copy.
TEST_F(InspectorTest, ALargeTreeShowsItsTargetFirstAndEndsInPreOrder) {
    FixtureProcess fixture(L"many 600 100");
    HWND many = ManyWindows(fixture, 600);
    ASSERT_NE(many, nullptr);
    const std::vector<HWND> expected = PreOrder(many);
    HWND last = expected.back();
    Target().Select(H(last));

    ui::TreeBox& tree = Tree().Tree();
    Tree().RefreshOnWorkerThread();
    EXPECT_TRUE(Tree().FillRunning());
    EXPECT_EQ(tree.ItemData(tree.SelectedIndex()), H(last)) << "the target is not selected at once";
    EXPECT_TRUE(tree.ItemBold(tree.SelectedIndex()));
    // The root, the panels before the last, the last panel, the target and
    // the target's earlier siblings the tree shows: a row more than it
    // shows on each side at most.
    const int rows = tree.VisibleRows();
    EXPECT_GT(tree.ItemCount(), 3);
    EXPECT_LE(tree.ItemCount(), 2 * (rows + 1) + 3);
    ASSERT_TRUE(PumpUntil([&] { return !Tree().FillRunning(); }, 10000));

    ASSERT_EQ(tree.ItemCount(), 601);
    std::vector<std::int32_t> byIndex;
    for (int i = 0; i < 601; ++i) byIndex.push_back(tree.ItemData(i));
    std::vector<std::int32_t> walked;
    for (HWND w : expected) walked.push_back(H(w));
    EXPECT_EQ(byIndex, walked);
    std::vector<std::string> shownTexts;
    EXPECT_EQ(ShownOrder(tree.Handle(), &shownTexts), walked);
    EXPECT_EQ(shownTexts, tree.ItemTexts());
    EXPECT_EQ(tree.SelectedIndex(), 600);
    EXPECT_EQ(Tree().TargetTreeItem(), 600);
    EXPECT_EQ(Tree().TreeItemCounter(), 600);
    EXPECT_TRUE(tree.ItemBold(600));
    RECT item, client;
    ASSERT_TRUE(TreeView_GetItemRect(tree.Handle(), TreeView_GetSelection(tree.Handle()), &item, TRUE));
    GetClientRect(tree.Handle(), &client);
    EXPECT_TRUE(item.top >= 0 && item.bottom <= client.bottom) << item.top << ".." << item.bottom;

    // Child 1 is "item 1", a Static; child 5 an Edit made as "item 5" and
    // then given "edited 5".
    EXPECT_EQ(tree.ItemText(2), inspector::core::TreeItemText(H(expected[2]), "Static", "item 1"));
    EXPECT_EQ(tree.ItemText(6), inspector::core::TreeItemText(H(expected[6]), "Edit", "edited 5"));
    EXPECT_EQ(tree.ItemText(596), inspector::core::TreeItemText(H(expected[596]), "Edit", "edited 595"));
}

TEST_F(InspectorTest, HungProgramCostsOneTimeOutPerQuestion) {
    FixtureProcess hung(L"many 200 10");
    HWND many = ManyWindows(hung, 200);
    ASSERT_NE(many, nullptr);
    ASSERT_TRUE(testing_support::HangFixture(many, 8000));

    double start = NowMs();
    const win::SafeTitle title = win::QueryWindowTitleSafe(H(many));
    const double titleMs = NowMs() - start;
    EXPECT_EQ(title.text, "");
    EXPECT_TRUE(title.timedOut);
    EXPECT_LT(titleMs, 400) << "a title question to a hung window took " << titleMs << " ms";
    RecordProperty("title_ms", std::to_string(titleMs));

    start = NowMs();
    Target().Select(H(many));
    const double panelMs = NowMs() - start;
    EXPECT_EQ(Box("编辑框_窗口类名"), "TavrinFixtureMany");
    EXPECT_EQ(Box("编辑框_窗口标题"), "Fixture Many");  // kept by Windows, no question to the program
    EXPECT_LT(panelMs, 1500) << "the panel refresh of a hung window took " << panelMs << " ms";

    // 201 windows of one hung thread. The titles of the panels and Statics
    // are the window system's copies; the 20 Edits must be asked: one
    // time-out, then no more questions.
    start = NowMs();
    Tree().Refresh();
    const double fillMs = NowMs() - start;
    ASSERT_EQ(Tree().Tree().ItemCount(), 201);
    EXPECT_EQ(Tree().Tree().ItemText(0), inspector::core::RootItemText("fixture_app.exe", H(many), "TavrinFixtureMany", "Fixture Many"));
    EXPECT_EQ(Tree().Tree().ItemText(1), inspector::core::TreeItemText(Tree().Tree().ItemData(1), "TavrinFixturePanel", "panel 0"));
    EXPECT_EQ(Tree().Tree().ItemText(2), inspector::core::TreeItemText(Tree().Tree().ItemData(2), "Static", "item 1"));
    EXPECT_EQ(Tree().Tree().ItemText(6), inspector::core::TreeItemText(Tree().Tree().ItemData(6), "Edit", ""));
    EXPECT_LT(fillMs, 3000) << "the tree fill over a hung program took " << fillMs << " ms";
    std::printf("hung program: title %.0f ms, panel %.0f ms, tree of 201 windows %.0f ms\n", titleMs, panelMs, fillMs);
}

// A program that has not looked at its messages for five seconds counts as
// hung; Wine also counts an idle program so for the moment it wakes for
// anything else (an expose as the finder passes over it). The panel waits
// for the content all the same: a program busy for five and a half seconds,
// asked after five, answers within the panel's patience and is read.
TEST_F(InspectorTest, AProgramBusyForSecondsIsWaitedForNotTakenForHung) {
    FixtureProcess busy(L"many 10 10");
    HWND many = ManyWindows(busy, 10);
    ASSERT_NE(many, nullptr);
    const double start = NowMs();
    ASSERT_TRUE(testing_support::HangFixture(many, 5500));
    // The five seconds cannot be hurried; a late wake-up only asks after
    // the program answers again, which this test then does not tell apart.
    Sleep(static_cast<DWORD>(std::max(0.0, 5200 - (NowMs() - start))));
    Target().Select(H(many));
    EXPECT_EQ(Box("编辑框_控件内容"), "Fixture Many");
}

// A control that announces a text of 2^40 characters: nothing is allocated
// from that length, the panel shows what the control really gives, the tree
// is filled (it asks such a control: its class keeps its own text), and a
// text that fills all the room it was given is told as cut.
TEST_F(InspectorTest, AWindowThatAnnouncesAnEndlessTextIsReadWithinTheLimit) {
    FixtureProcess hostile(L"hostile");
    HWND edit = HostileControl(hostile, 501);
    ASSERT_NE(edit, nullptr);
    PROCESS_MEMORY_COUNTERS_EX before = {}, after = {};
    before.cb = after.cb = sizeof before;
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&before), sizeof before);

    // Texts of 'h' only, told by their lengths.
    auto hs = [](const std::string& text) { return text.find_first_not_of('h') == std::string::npos ? text.size() : 0; };
    const win::SafeTitle whole = win::QueryWindowTitleSafe(H(edit));
    EXPECT_EQ(hs(whole.text), 5000u);
    EXPECT_FALSE(whole.cut);
    const win::SafeTitle cut = win::QueryWindowTitleSafe(H(edit), 4096);
    EXPECT_EQ(hs(cut.text), 4096u);
    EXPECT_TRUE(cut.cut);

    Target().Select(H(edit));
    EXPECT_EQ(hs(Box("编辑框_控件内容")), 5000u);
    Tree().Refresh();
    ASSERT_EQ(Tree().Tree().ItemCount(), 3);
    EXPECT_TRUE(Tree().Tree().ItemText(1) == inspector::core::TreeItemText(H(edit), "TavrinHostileEdit", std::string(5000, 'h')));
    GetProcessMemoryInfo(GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&after), sizeof after);
    EXPECT_LT(after.PrivateUsage, before.PrivateUsage + (200u << 20)) << "committed memory grew";
}

// A busy program answers late but answers: the panel shows what its control
// holds (a loaded machine makes any program's answer this slow at times).
TEST_F(InspectorTest, ThePanelWaitsForTheTextOfABusyProgramsControl) {
    FixtureProcess hostile(L"hostile");
    HWND slow = HostileControl(hostile, 502);
    ASSERT_NE(slow, nullptr);
    Target().Select(H(slow));
    EXPECT_EQ(Box("编辑框_控件内容"), "late answer");
    EXPECT_EQ(Box("编辑框_窗口标题"), "late answer");
}

TEST_F(InspectorTest, MarkWindowFlashesAnInvertedFrameAndLeavesNoTrace) {
    RECT r;
    GetWindowRect(root_, &r);
    SetWindowPos(root_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const POINT edge = {r.left + 1, (r.top + r.bottom) / 2};
    // In front and drawn before its frame is read.
    ASSERT_TRUE(PumpUntil([&] { return WindowFromPoint(edge) == root_; }, 2000));
    RedrawWindow(root_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    const COLORREF before = testing_support::ScreenPixel(edge.x, edge.y);
    const win::WindowHandle target = H(root_);
    const auto marked = std::make_shared<std::atomic<bool>>(false);
    win::StartThread([target, marked] {
        win::MarkWindow(target);
        *marked = true;
    });
    const bool inverted = PumpUntil(
        [&] { return testing_support::ScreenPixel(edge.x, edge.y) == (~before & 0xFFFFFF); }, 1000);
    EXPECT_TRUE(inverted);
    ASSERT_TRUE(PumpUntil([&] { return marked->load(); }, 5000));  // five flashes of 300 ms
    EXPECT_EQ(testing_support::ScreenPixel(edge.x, edge.y), before);
    SetWindowPos(root_, HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

}  // namespace
