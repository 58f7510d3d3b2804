// The control toolkit on a form of its own: properties and events that the
// pages rely on, with the window system doing the real work.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "imaging/core/bmp.h"
#include "tests/win/test_support.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/drawing_board.h"
#include "ui/edit_box.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/menu.h"
#include "ui/timer.h"
#include "ui/tree_box.h"
#include "win/callback_guard.h"
#include "win/threads.h"

namespace {

using testing_support::PumpUntil;

class ToolkitTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::FormOptions options;
        options.title = "toolkit";
        options.width = 400;
        options.height = 300;
        ASSERT_TRUE(form_.Create(options));
        form_.Show(SW_SHOWNOACTIVATE);
    }
    ui::Form form_;
};

TEST_F(ToolkitTest, EditBoxReportsEveryChangeAndCanDiscardTypedCharacters) {
    auto& box = form_.Add<ui::EditBox>("编辑框_a", ui::Bounds{10, 10, 100, 20}, ui::kNoPage, ui::EditBoxStyle{});
    int changes = 0;
    box.ContentChanged = [&] { ++changes; };
    box.SetContent("句柄 123");
    EXPECT_EQ(box.Content(), "句柄 123");
    EXPECT_EQ(changes, 1);  // the program's own writes count too

    box.CharInput = [](wchar_t c) { return c != L'x'; };
    SendMessageW(box.Handle(), EM_SETSEL, 0, -1);
    SendMessageW(box.Handle(), WM_CHAR, L'x', 0);
    EXPECT_EQ(box.Content(), "句柄 123");
    SendMessageW(box.Handle(), WM_CHAR, L'7', 0);
    EXPECT_EQ(box.Content(), "7");
}

// A caption longer than its label is drawn narrower and shows in full: its
// last glyph is there, and no glyph reaches the label's right edge.
TEST_F(ToolkitTest, ALabelShowsACaptionLongerThanItselfInFull) {
    auto& label = form_.Add<ui::Label>("标签_长", ui::Bounds{10, 10, 70, 24}, ui::kNoPage, "一二三四五六七八九十", false);
    auto& last = form_.Add<ui::Label>("标签_十", ui::Bounds{10, 40, 70, 24}, ui::kNoPage, "十", false);
    for (HWND h : {label.Handle(), last.Handle()}) RedrawWindow(h, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    RECT r;
    GetWindowRect(label.Handle(), &r);
    const COLORREF background = testing_support::ScreenPixel(r.right - 1, r.top);
    int inkColumns = 0, lastInk = -1;
    for (int x = r.left; x < r.right; ++x) {
        bool ink = false;
        for (int y = r.top; y < r.bottom; ++y) ink = ink || testing_support::ScreenPixel(x, y) != background;
        if (ink) {
            ++inkColumns;
            lastInk = x - r.left;
        }
    }
    EXPECT_LT(lastInk, r.right - r.left - 1) << "the caption is cut at the label's right edge";
    // Ten glyphs drawn, not the seven or so of the room at full width: the
    // ink spreads over most of the label.
    EXPECT_GT(lastInk, (r.right - r.left) * 3 / 4);
    EXPECT_GT(inkColumns, 10);
}

TEST_F(ToolkitTest, DisplayOnlyBoxIgnoresTypingPastingAndDeleting) {
    ui::EditBoxStyle style;
    style.displayOnly = true;
    auto& box = form_.Add<ui::EditBox>("编辑框_b", ui::Bounds{10, 10, 100, 20}, ui::kNoPage, style);
    box.SetContent("65536");
    SendMessageW(box.Handle(), EM_SETSEL, 0, -1);
    SendMessageW(box.Handle(), WM_CHAR, L'1', 0);
    SendMessageW(box.Handle(), WM_KEYDOWN, VK_DELETE, 0);
    SendMessageW(box.Handle(), WM_CLEAR, 0, 0);
    SendMessageW(box.Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(box.Content(), "65536");
    box.SetContent("1");  // the program still writes it
    EXPECT_EQ(box.Content(), "1");
}

// A log box grows past the 32,767 characters a box takes by default, and
// loses whole lines from its top.
TEST_F(ToolkitTest, ALogBoxGrowsPastTheDefaultLimitAndDropsItsFirstLines) {
    ui::EditBoxStyle style;
    style.multiline = true;
    style.wrap = false;
    style.displayOnly = true;
    auto& box = form_.Add<ui::EditBox>("编辑框_c", ui::Bounds{10, 10, 200, 100}, ui::kNoPage, style);
    std::string expected;
    for (int batch = 0; batch < 40; ++batch) {
        std::string text;
        for (int i = 0; i < 25; ++i) text += "第 " + std::to_string(batch * 25 + i) + " 行 " + std::string(30, 'x') + "\r\n";
        box.AppendText(text);
        expected += text;
    }
    ASSERT_GT(expected.size(), 40000u);
    EXPECT_EQ(box.Content(), expected);
    box.RemoveFirstLines(998);
    EXPECT_EQ(box.Content(), "第 998 行 " + std::string(30, 'x') + "\r\n第 999 行 " + std::string(30, 'x') + "\r\n");
    box.RemoveFirstLines(5);  // more than there are: all go
    EXPECT_EQ(box.Content(), "");
}

TEST_F(ToolkitTest, ComboBoxSelectsWithoutEventFromTheProgramAndWithOneFromTheUser) {
    auto& combo = form_.Add<ui::ComboBox>("组合框_a", ui::Bounds{10, 10, 120, 20}, ui::kNoPage,
                                          std::vector<std::string>{"整数型", "文本型"}, 0);
    int selected = 0;
    combo.ItemSelected = [&] { ++selected; };
    combo.SetSelectedIndex(1);
    EXPECT_EQ(combo.Text(), "文本型");
    EXPECT_EQ(selected, 0);
    // What the control sends when the user picks an item.
    SendMessageW(form_.Handle(), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE), reinterpret_cast<LPARAM>(combo.Handle()));
    EXPECT_EQ(selected, 1);
    combo.Clear();
    EXPECT_EQ(combo.ItemCount(), 0);
    EXPECT_EQ(combo.Text(), "");
}

TEST_F(ToolkitTest, RadioButtonsOfOneRunClearEachOther) {
    auto& a = form_.Add<ui::RadioButton>("单选框_a", ui::Bounds{10, 10, 80, 20}, ui::kNoPage, "a", nullptr);
    auto& b = form_.Add<ui::RadioButton>("单选框_b", ui::Bounds{10, 30, 80, 20}, ui::kNoPage, "b", &a);
    auto& other = form_.Add<ui::RadioButton>("单选框_c", ui::Bounds{10, 50, 80, 20}, ui::kNoPage, "c", nullptr);
    other.SetChecked(true);
    a.SetChecked(true);
    b.SetChecked(true);
    EXPECT_FALSE(a.Checked());
    EXPECT_TRUE(b.Checked());
    EXPECT_TRUE(other.Checked());  // another group
    int clicks = 0;
    a.Clicked = [&] { ++clicks; };
    SendMessageW(a.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(a.Checked());
    EXPECT_FALSE(b.Checked());
}

TEST_F(ToolkitTest, TreeBoxKeepsItemsInOrderOfAdding) {
    auto& tree = form_.Add<ui::TreeBox>("树型框_a", ui::Bounds{10, 10, 200, 200}, ui::kNoPage);
    const int root = tree.AddItem(-1, "[app.exe]461|Main|Demo", 461);
    const int a = tree.AddItem(root, "658|Button|OK", 658);
    const int a1 = tree.AddItem(a, "700|Static|", 700);
    const int b = tree.AddItem(root, "800|Edit|", -5);
    EXPECT_EQ((std::vector<int>{root, a, a1, b}), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(tree.ItemCount(), 4);
    EXPECT_EQ(tree.ItemText(1), "658|Button|OK");
    EXPECT_EQ(tree.ItemData(3), -5);
    EXPECT_EQ(tree.AddItem(17, "no such parent", 0), -1);

    tree.SetItemBold(a1, true);
    EXPECT_TRUE(tree.ItemBold(a1));
    EXPECT_FALSE(tree.ItemBold(a));
    tree.SelectItem(a1);
    EXPECT_EQ(tree.SelectedIndex(), a1);
    tree.SelectItem(-1);
    EXPECT_EQ(tree.SelectedIndex(), -1);
    tree.Clear();
    EXPECT_EQ(tree.ItemCount(), 0);
    EXPECT_EQ(tree.ItemText(0), "");
}

TEST_F(ToolkitTest, DrawingBoardKeepsItsDrawingsAndItsPicture) {
    auto& board = form_.Add<ui::DrawingBoard>("画板_a", ui::Bounds{10, 10, 40, 30}, ui::kNoPage);
    board.SetBackgroundColour(0x00FF00);
    EXPECT_EQ(board.GetPixel(39, 29), 0x00FF00u);
    board.SetPenColour(0x0000FF);
    board.Line(0, 0, 5, 0);  // the end point is not drawn
    EXPECT_EQ(board.GetPixel(4, 0), 0x0000FFu);
    EXPECT_EQ(board.GetPixel(5, 0), 0x00FF00u);
    board.Line(5, 10, 0, 10);  // drawn backwards: from 5 down to 1
    EXPECT_EQ(board.GetPixel(5, 10), 0x0000FFu);
    EXPECT_EQ(board.GetPixel(0, 10), 0x00FF00u);

    board.SetFillColour(0xFF0000);
    const base::Point triangle[] = {{10, 2}, {20, 12}, {30, 2}};
    board.Polygon(triangle, 3);
    EXPECT_EQ(board.GetPixel(20, 5), 0xFF0000u);
    board.ClearFill();
    board.Rectangle(2, 15, 8, 25);
    EXPECT_EQ(board.GetPixel(2, 15), 0x0000FFu);
    EXPECT_EQ(board.GetPixel(5, 20), 0x00FF00u);  // no fill: the inside stays

    // Drawings persist when the window is covered and repainted.
    InvalidateRect(board.Handle(), nullptr, TRUE);
    UpdateWindow(board.Handle());
    EXPECT_EQ(board.GetPixel(4, 0), 0x0000FFu);

    // A background picture survives Clear; drawings do not.
    board.SetBackgroundPicture(imaging::core::MakeBmp24(10, 10, [](int x, int) { return x < 5 ? 0x123456u : 0x654321u; }));
    board.Clear();
    EXPECT_EQ(board.GetPixel(1, 1), 0x123456u);
    EXPECT_EQ(board.GetPixel(7, 1), 0x654321u);
    EXPECT_EQ(board.GetPixel(4, 0), 0x123456u);
    EXPECT_EQ(board.GetPixel(20, 5), 0x00FF00u);

    auto& copy = form_.Add<ui::DrawingBoard>("画板_b", ui::Bounds{60, 10, 40, 30}, ui::kNoPage);
    copy.DrawImageOf(board, 0, 0);
    EXPECT_EQ(copy.GetPixel(7, 1), 0x654321u);
    EXPECT_EQ(copy.GetPixel(39, 29), 0x00FF00u);
}

TEST_F(ToolkitTest, FormGrowsToTheClientSizeItNeeds) {
    RECT before;
    GetWindowRect(form_.Handle(), &before);
    form_.EnsureClientSize(10, 10);  // already larger: nothing changes
    RECT after;
    GetWindowRect(form_.Handle(), &after);
    EXPECT_EQ(after.right - after.left, before.right - before.left);

    form_.EnsureClientSize(500, 350);
    RECT client;
    GetClientRect(form_.Handle(), &client);
    EXPECT_EQ(client.right, form_.ToPhysical(500));
    EXPECT_EQ(client.bottom, form_.ToPhysical(350));
    GetWindowRect(form_.Handle(), &after);
    EXPECT_EQ(after.left, before.left);  // grows in place
    EXPECT_EQ(after.top, before.top);
}

TEST_F(ToolkitTest, TimerTicksUntilStopped) {
    int ticks = 0;
    ui::Timer timer(form_, [&] { ++ticks; });
    timer.Start(10);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }, 2000));
    timer.Stop();
    const int stoppedAt = ticks;
    // A second timer of the same period ticks five times meanwhile.
    int otherTicks = 0;
    ui::Timer other(form_, [&] { ++otherTicks; });
    other.Start(10);
    ASSERT_TRUE(PumpUntil([&] { return otherTicks >= 5; }, 2000));
    EXPECT_EQ(ticks, stoppedAt);
}

TEST_F(ToolkitTest, MenuItemsRunTheirRoutinesAndChangeCaptions) {
    ui::Menu menu("下拉进程ID");
    int paused = 0;
    menu.AddItem("复制", nullptr);
    menu.AddSeparator();
    const int pause = menu.AddItem("暂停", [&] { ++paused; });
    menu.SetItemCaption(pause, "恢复");
    EXPECT_EQ(menu.ItemCaption(pause), "恢复");
    wchar_t text[16] = {};
    GetMenuStringW(menu.Handle(), static_cast<UINT>(pause), text, 16, MF_BYPOSITION);
    EXPECT_STREQ(text, L"恢复");
    const UINT id = GetMenuItemID(menu.Handle(), pause);
    SendMessageW(form_.Handle(), WM_COMMAND, MAKEWPARAM(id, 0), 0);
    EXPECT_EQ(paused, 1);
    EXPECT_FALSE(ui::Menu::Dispatch(1));
}

TEST_F(ToolkitTest, ControlsOfAHiddenPageStayHiddenWhateverTheirVisibleProperty) {
    auto& onPage = form_.Add<ui::Label>("标签_a", ui::Bounds{10, 10, 50, 20}, 1, "a", false);
    auto& always = form_.Add<ui::Label>("标签_b", ui::Bounds{10, 40, 50, 20}, ui::kNoPage, "b", false);
    form_.ShowPage(0);
    EXPECT_FALSE(IsWindowVisible(onPage.Handle()));
    EXPECT_TRUE(IsWindowVisible(always.Handle()));
    onPage.SetVisible(true);
    EXPECT_FALSE(IsWindowVisible(onPage.Handle()));
    form_.ShowPage(1);
    EXPECT_TRUE(IsWindowVisible(onPage.Handle()));
    onPage.SetVisible(false);
    EXPECT_FALSE(IsWindowVisible(onPage.Handle()));
    EXPECT_FALSE(onPage.Visible());
    EXPECT_THROW(form_.Get<ui::Label>("标签_none"), std::logic_error);
    EXPECT_THROW(form_.Get<ui::EditBox>("标签_a"), std::logic_error);  // wrong kind
}

// A handler that throws is dropped at the boundary where Windows called in;
// the window goes on working and the next event is handled.
TEST_F(ToolkitTest, AHandlerThatThrowsLeavesTheProgramRunning) {
    auto& button = form_.Add<ui::Button>("按钮_a", ui::Bounds{10, 10, 80, 24}, ui::kNoPage, "a");
    auto& board = form_.Add<ui::DrawingBoard>("画板_a", ui::Bounds{100, 10, 40, 40}, ui::kNoPage);
    int clicks = 0;
    button.Clicked = [&] {
        ++clicks;
        throw std::runtime_error("click handler");
    };
    board.MouseDown = [](const ui::MouseEvent&) { throw std::bad_alloc(); };
    ui::Timer timer(form_, [] { throw std::logic_error("timer"); });

    const long before = win::EscapedExceptionCount();
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);  // the form's window procedure
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 2);
    SendMessageW(board.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));  // a control's own procedure
    EXPECT_EQ(win::EscapedExceptionCount(), before + 3);
    timer.Start(10);
    EXPECT_TRUE(PumpUntil([&] { return win::EscapedExceptionCount() >= before + 5; }, 2000));
    timer.Stop();

    const long beforeThread = win::EscapedExceptionCount();
    ASSERT_NE(win::StartThread([] { throw std::runtime_error("worker"); }), 0);
    EXPECT_TRUE(PumpUntil([&] { return win::EscapedExceptionCount() == beforeThread + 1; }, 2000));

    // Still alive and answering.
    button.Clicked = [&] { clicks = 100; };
    SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 100);
}

}  // namespace
