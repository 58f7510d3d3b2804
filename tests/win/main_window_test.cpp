// The main window in this process: size, every control of the page tables at
// its place with its caption, the drawings made on activation, the "官网"
// menu, and the start-up dressing of controls.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/core/main_layout.h"
#include "colour/core/palette.h"
#include "colour/core/palette_picture.h"
#include "tests/win/test_support.h"
#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/core/glyphs.h"
#include "ui/drawing_board.h"
#include "ui/edit_box.h"
#include "ui/label.h"
#include "win/dpi.h"
#include "win/wide_text.h"

namespace {

using testing_support::MainWindowTest;
using testing_support::PumpUntil;

int Scaled(int v, HWND hwnd) { return win::ScaleToDpi(v, win::WindowDpi(hwnd)); }

TEST_F(MainWindowTest, HasItsTitleAndOuterSize) {
    RECT r;
    GetWindowRect(Window().Handle(), &r);
    EXPECT_EQ(r.right - r.left, Scaled(app::core::kMainWindowWidth, Window().Handle()));
    EXPECT_EQ(r.bottom - r.top, Scaled(app::core::kMainWindowHeight, Window().Handle()));
    // The pages fit whole: the client area holds the tab control but for the
    // pixel column that lies under the right frame, as ever.
    RECT client;
    GetClientRect(Window().Handle(), &client);
    EXPECT_GE(client.right, Scaled(app::core::kMainClientWidth, Window().Handle()));
    EXPECT_GE(client.bottom, Scaled(app::core::kMainClientHeight, Window().Handle()));
    wchar_t title[64] = {};
    GetWindowTextW(Window().Handle(), title, 64);
    EXPECT_STREQ(title, L"Tavrin编程助手1.1");

    HMENU bar = GetMenu(Window().Handle());
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    wchar_t caption[32] = {};
    GetMenuStringW(bar, 0, caption, 32, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"官网");
    HMENU web = GetSubMenu(bar, 0);
    ASSERT_EQ(GetMenuItemCount(web), 1);
    GetMenuStringW(web, 0, caption, 32, MF_BYPOSITION);
    EXPECT_STREQ(caption, L"官方论坛");
}

TEST_F(MainWindowTest, TabControlHoldsTheThreePages) {
    ui::TabControl& tabs = Window().Tabs();
    const RECT r = testing_support::RectInClient(tabs.Handle(), Window().Handle());
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right - r.left, Scaled(app::core::kTabWidth, Window().Handle()));
    EXPECT_EQ(r.bottom - r.top, Scaled(app::core::kTabHeight, Window().Handle()));
    ASSERT_EQ(tabs.PageCount(), 3);
    EXPECT_EQ(tabs.PageCaption(0), "窗口分析");
    EXPECT_EQ(tabs.PageCaption(1), "消息|代码");
    EXPECT_EQ(tabs.PageCaption(2), "取点取色");
    EXPECT_EQ(tabs.SelectedPage(), 0);
}

// Every control of every page: its window exists, lies at the table's
// rectangle (scaled to the window's DPI), carries its caption or items, and
// is shown exactly while its page is selected.
TEST_F(MainWindowTest, EveryControlOfThePagesIsAtItsRectangleWithItsCaption) {
    const HWND main = Window().Handle();
    const auto& pages = app::core::MainWindowPages();
    for (int shown = 0; shown < static_cast<int>(pages.size()); ++shown) {
        SelectPage(shown);
        for (int page = 0; page < static_cast<int>(pages.size()); ++page) {
            for (const ui::core::ControlLayout& c : pages[page].controls) {
                SCOPED_TRACE(std::string(c.name));
                if (c.kind == ui::core::ControlKind::FileDialog) {
                    EXPECT_NE(Window().Find(c.name), nullptr);
                    continue;
                }
                ui::Control& control = Get<ui::Control>(c.name);
                const HWND hwnd = control.Handle();
                ASSERT_TRUE(IsWindow(hwnd));
                EXPECT_EQ(GetParent(hwnd), main);
                const bool shouldShow = page == shown && !(c.flags & ui::core::kHiddenAtStart);
                EXPECT_EQ(IsWindowVisible(hwnd) != FALSE, shouldShow);
                if (page != shown) continue;  // geometry and texts once per page

                const RECT r = testing_support::RectInClient(hwnd, main);
                EXPECT_EQ(r.left, Scaled(c.left, main));
                EXPECT_EQ(r.top, Scaled(c.top, main));
                EXPECT_EQ(r.right - r.left, Scaled(c.width, main));
                EXPECT_EQ(r.bottom - r.top, Scaled(c.height, main));

                if (c.kind == ui::core::ControlKind::ComboBox && (c.flags & ui::core::kFilledAtStart)) {
                    // Filled from the message list at start-up.
                    EXPECT_GT(dynamic_cast<ui::ComboBox&>(control).ItemCount(), 0);
                } else if (c.kind == ui::core::ControlKind::ComboBox) {
                    auto& combo = dynamic_cast<ui::ComboBox&>(control);
                    const auto items = ui::core::SplitItems(c.caption);
                    ASSERT_EQ(combo.ItemCount(), static_cast<int>(items.size()));
                    for (std::size_t i = 0; i < items.size(); ++i) {
                        EXPECT_EQ(combo.ItemText(static_cast<int>(i)), items[i]);
                    }
                    // The selection may already be the start-up's (the message
                    // list picks the first message's parameter type).
                    EXPECT_LT(combo.SelectedIndex(), combo.ItemCount());
                } else if (c.kind != ui::core::ControlKind::DrawingBoard && c.kind != ui::core::ControlKind::TreeBox &&
                           c.kind != ui::core::ControlKind::EditBox) {
                    EXPECT_EQ(control.Caption(), c.caption);  // edit boxes hold what start-up wrote
                }
                if (c.kind == ui::core::ControlKind::EditBox) {
                    const bool readOnly = (GetWindowLongW(hwnd, GWL_STYLE) & ES_READONLY) != 0;
                    EXPECT_EQ(readOnly, (c.flags & ui::core::kDisplayOnly) != 0);
                }
            }
        }
    }
}

TEST_F(MainWindowTest, LaterControlsLieAboveEarlierOnesAndTheTabBeneathAll) {
    // The pen board covers the picker board's bottom rows; the frame of the
    // code options lies beneath the radio buttons on it.
    SelectPage(app::core::kColourPage);
    auto& picker = Get<ui::DrawingBoard>("画板_捕获器2");
    auto& pen = Get<ui::DrawingBoard>("画板_画笔");
    RECT penRect;
    GetWindowRect(pen.Handle(), &penRect);
    EXPECT_EQ(WindowFromPoint({penRect.left + 2, penRect.top + 1}), pen.Handle());
    RECT pickerRect;
    GetWindowRect(picker.Handle(), &pickerRect);
    EXPECT_EQ(WindowFromPoint({pickerRect.left + 2, pickerRect.top + 2}), picker.Handle());

    SelectPage(app::core::kMessagesPage);
    auto& radio = Get<ui::RadioButton>("单选框_控件ID方式1");
    RECT radioRect;
    GetWindowRect(radio.Handle(), &radioRect);
    EXPECT_EQ(WindowFromPoint({radioRect.left + 3, radioRect.top + 3}), radio.Handle());
    EXPECT_EQ(GetWindow(Window().Tabs().Handle(), GW_HWNDNEXT), nullptr);
}

TEST_F(MainWindowTest, FinderBoardShowsCrossLinesAndIconAfterActivation) {
    auto& finder = Get<ui::DrawingBoard>("画板_捕获器");
    EXPECT_EQ(finder.GetPixel(0, 14), ui::core::kFinderLines);
    EXPECT_EQ(finder.GetPixel(30, 14), ui::core::kFinderLines);
    EXPECT_EQ(finder.GetPixel(14, 0), ui::core::kFinderLines);
    EXPECT_EQ(finder.GetPixel(0, 0), ui::core::kFinderBackground);
    EXPECT_EQ(finder.GetPixel(14, 14), ui::core::kFinderIcon);  // centre of the icon
    EXPECT_EQ(finder.GetPixel(20, 20), ui::core::kFinderIcon);  // the disc
    EXPECT_EQ(finder.GetPixel(8, 14), ui::core::kFinderBackground);  // cross-hair in the disc

    // The screen shows the same.
    RECT r;
    GetWindowRect(finder.Handle(), &r);
    EXPECT_EQ(testing_support::ScreenPixel(r.left, r.top + Scaled(14, finder.Handle())), ui::core::kFinderLines);
    EXPECT_EQ(testing_support::ScreenPixel(r.left + Scaled(20, finder.Handle()), r.top + Scaled(20, finder.Handle())),
              ui::core::kFinderIcon);

    // The second page's finder looks alike.
    auto& copy = Get<ui::DrawingBoard>("画板_捕获器1");
    for (int y = 0; y < 31; y += 3) {
        for (int x = 0; x < 31; x += 3) ASSERT_EQ(copy.GetPixel(x, y), finder.GetPixel(x, y)) << x << "," << y;
    }
}

TEST_F(MainWindowTest, ReactivationDrawsTheFinderIconAgain) {
    auto& finder = Get<ui::DrawingBoard>("画板_捕获器");
    finder.Clear();  // as when the finder has been picked up
    ASSERT_NE(finder.GetPixel(20, 20), ui::core::kFinderIcon);

    // Activate another window, then the main window again.
    HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 600, 50, 50, nullptr, nullptr,
                                 nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == other; }, 2000));
    SetForegroundWindow(Window().Handle());
    EXPECT_TRUE(PumpUntil([&] { return finder.GetPixel(20, 20) == ui::core::kFinderIcon; }, 2000));
    DestroyWindow(other);
}

TEST_F(MainWindowTest, PaletteSquaresReadBackTheirColours) {
    SelectPage(app::core::kColourPage);
    auto& palette = Get<ui::DrawingBoard>("画板_调色板");
    RECT onScreen;
    GetWindowRect(palette.Handle(), &onScreen);
    for (int row = 0; row < colour::core::kPaletteRows; ++row) {
        for (int column = 0; column < colour::core::kPaletteColumns; ++column) {
            const colour::core::SquareRect s = colour::core::PaletteSquare(column, row);
            const int cx = (s.left + s.right) / 2, cy = (s.top + s.bottom) / 2;
            const base::Colour expected = colour::core::PaletteColour(column, row);
            EXPECT_EQ(palette.GetPixel(cx, cy), expected) << column << "," << row;
            EXPECT_EQ(palette.GetPixel(s.left + 1, s.top + 1), expected) << column << "," << row;
            EXPECT_EQ(palette.GetPixel(s.left, s.top), colour::core::kPaletteOutline) << column << "," << row;
            EXPECT_EQ(palette.GetPixel(s.right - 1, s.bottom - 1), colour::core::kPaletteOutline) << column << "," << row;
            EXPECT_EQ(palette.GetPixel(s.right, s.top), app::core::kPageColour) << column << "," << row;
            EXPECT_EQ(testing_support::ScreenPixel(onScreen.left + Scaled(cx, palette.Handle()),
                                                   onScreen.top + Scaled(cy, palette.Handle())),
                      expected)
                << "on screen " << column << "," << row;
        }
    }
}

TEST_F(MainWindowTest, ColourPageStartsWithChartPenAndScaleMarker) {
    auto& magnifier = Get<ui::DrawingBoard>("画板_放大镜");
    EXPECT_EQ(magnifier.BackgroundPicture(), colour::core::PalettePictureBmp());
    EXPECT_EQ(magnifier.GetPixel(0, 0), base::Rgb(255, 0, 0));
    EXPECT_EQ(magnifier.GetPixel(0, 256), colour::core::PalettePictureColour(0, 256));

    // The first pen step ran at start-up: magenta pen on the pen board and
    // in the picker board's pen glyph.
    EXPECT_EQ(Window().Colour().PenColourIndex(), 1);
    EXPECT_EQ(Window().Colour().PenColour(), 0xFF00FFu);
    auto& picker = Get<ui::DrawingBoard>("画板_捕获器2");
    EXPECT_EQ(picker.GetPixel(0, 14), ui::core::kFinderLines);
    EXPECT_EQ(picker.GetPixel(8 + 0, 8 + 14), 0xFF00FFu);  // the pen's tip

    auto& marker = Get<ui::DrawingBoard>("画板_色阶刻度");
    EXPECT_EQ(marker.GetPixel(5, 1), 0x000000u);
    EXPECT_EQ(marker.GetPixel(0, 3), app::core::kPageColour);
    EXPECT_EQ(marker.GetPixel(10, 0), app::core::kPageColour);
}

TEST_F(MainWindowTest, PenBoardClicksCycleThePenColour) {
    SelectPage(app::core::kColourPage);
    auto& pen = Get<ui::DrawingBoard>("画板_画笔");
    auto& picker = Get<ui::DrawingBoard>("画板_捕获器2");
    const base::Colour cycle[] = {0x0000FF, 0xFF0090, 0x008000, 0xFFFF00, 0xFF0000, 0xFF00FF};
    for (base::Colour expected : cycle) {
        SendMessageW(pen.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(pen.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        EXPECT_EQ(Window().Colour().PenColour(), expected);
        EXPECT_EQ(picker.GetPixel(8, 22), expected);
    }
    // A right click is not a pen step.
    SendMessageW(pen.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(Window().Colour().PenColourIndex(), 1);
}

TEST_F(MainWindowTest, StartUpSetsCursorsAndPageColours) {
    const HCURSOR finder = Window().Resources().FinderCursor();
    const HCURSOR hand = Window().Resources().HandCursor();
    ASSERT_NE(finder, nullptr);
    ASSERT_NE(hand, nullptr);
    for (const app::core::PageLayout& page : app::core::MainWindowPages()) {
        for (const ui::core::ControlLayout& row : page.controls) {
            if (row.flags & ui::core::kFinderBoard) {
                EXPECT_EQ(Get<ui::Control>(row.name).MousePointer(), finder) << row.name;
            }
            if (row.flags & ui::core::kHandCursor) {
                EXPECT_EQ(Get<ui::Control>(row.name).MousePointer(), hand) << row.name;
            }
            if (row.flags & ui::core::kOnPageColour) {
                EXPECT_EQ(Get<ui::DrawingBoard>(row.name).BackgroundColour(), app::core::kPageColour) << row.name;
            }
        }
    }
    EXPECT_EQ(Get<ui::Control>("编辑框_窗口句柄").MousePointer(), nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(finder, &info));
    const win::OwnedBitmap colour(info.hbmColor), mask(info.hbmMask);  // copies, ours to free
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 0u);

    for (const auto& control : Window().Controls()) {
        ui::Control* c = control.get();
        if (dynamic_cast<ui::Label*>(c) || dynamic_cast<ui::CheckBox*>(c) || dynamic_cast<ui::SuperButton*>(c)) {
            EXPECT_EQ(c->BackgroundColour().value_or(0), app::core::kPageColour) << c->Name();
        }
    }
    EXPECT_EQ(win::Wide(Get<ui::FileDialog>("通用对话框1").initialDirectory) + L"\\",
              testing_support::TestProgramDirectory());

    // The system shows the finder cursor over a finder board.
    RECT r;
    GetWindowRect(Get<ui::Control>("画板_捕获器").Handle(), &r);
    SetCursorPos(r.left + 5, r.top + 5);
    EXPECT_TRUE(PumpUntil([&] { return GetCursor() == finder; }, 2000));
}

TEST_F(MainWindowTest, SecondFinderRaisesItsEventsOnTheFirst) {
    int pressed = 0;
    Get<ui::DrawingBoard>("画板_捕获器").MouseDown = [&](const ui::MouseEvent& e) {
        if (e.button == ui::MouseButton::Left) ++pressed;
    };
    SendMessageW(Get<ui::DrawingBoard>("画板_捕获器1").Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    EXPECT_EQ(pressed, 1);
}

TEST_F(MainWindowTest, WebMenuPopsUpBelowRightOfTheCursorOnRelease) {
    RECT tab;
    GetWindowRect(Window().Tabs().Handle(), &tab);
    const POINT cursor = {tab.left + 300, tab.top + 200};

    // Right button released over the window itself.
    ASSERT_TRUE(testing_support::MoveCursorTo(cursor));
    RECT menu = testing_support::MenuRectDuring([&] { SendMessageW(Window().Handle(), WM_RBUTTONUP, 0, MAKELPARAM(300, 200)); });
    EXPECT_EQ(menu.left, cursor.x + 3);
    EXPECT_EQ(menu.top, cursor.y + 3);

    // Left and right button released over the tab control, as real input:
    // over a tab, over the strip beside the tabs, and over a page's body.
    const POINT places[] = {{tab.left + 20, tab.top + 8}, {tab.left + 400, tab.top + 8}, {tab.left + 20, tab.top + 300}};
    for (const POINT at : places) {
        for (DWORD down : {MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_RIGHTDOWN}) {
            ASSERT_TRUE(testing_support::MoveCursorTo(at));
            menu = testing_support::MenuRectDuring([&] {
                INPUT input[2] = {};
                input[0].type = input[1].type = INPUT_MOUSE;
                input[0].mi.dwFlags = down;
                input[1].mi.dwFlags = down << 1;  // the matching release
                SendInput(2, input, sizeof(INPUT));  // handled while the menu is waited for
            });
            EXPECT_EQ(menu.left, at.x + 3) << "button " << down << " at " << at.x - tab.left << "," << at.y - tab.top;
            EXPECT_EQ(menu.top, at.y + 3) << "button " << down << " at " << at.x - tab.left << "," << at.y - tab.top;
        }
    }
}

// The pages the first paint does not show are made right after it, with
// their creation steps; a target chosen before then reaches the message
// page all the same.
TEST(MainProgram, LaterPagesAreMadeRightAfterTheFirstPaint) {
    app::UtilityObjects utilities;
    auto window = std::make_unique<app::MainWindow>(utilities);
    ASSERT_TRUE(window->Create());
    EXPECT_FALSE(window->LaterPagesBuilt());
    EXPECT_EQ(window->Find("编辑框_窗口句柄2"), nullptr);
    window->Show(SW_SHOWNORMAL);  // activated: the finder board is drawn
    SetForegroundWindow(window->Handle());
    window->Analysis().CurrentTarget().Select(testing_support::H(window->Handle()));
    EXPECT_TRUE(PumpUntil([&] { return window->LaterPagesBuilt(); }, 3000));
    auto& handle2 = window->Get<ui::EditBox>("编辑框_窗口句柄2");
    EXPECT_EQ(handle2.Content(), std::to_string(testing_support::H(window->Handle())));
    EXPECT_GT(window->Get<ui::ComboBox>("组合框_消息分类1").ItemCount(), 0);  // the message list is loaded
    EXPECT_EQ(window->Get<ui::DrawingBoard>("画板_捕获器1").GetPixel(20, 20), ui::core::kFinderIcon);  // as the first
    window.reset();
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

TEST(MainProgram, ClosingTheWindowEndsTheProcess) {
    const std::wstring exe = testing_support::TestProgramDirectory() + L"Tavrin.exe";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::wstring commandLine = L"\"" + exe + L"\"";
    ASSERT_TRUE(CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        << "cannot start " << std::string(exe.begin(), exe.end());
    const win::OwnedHandle process(pi.hProcess), thread(pi.hThread);
    HWND main = nullptr;
    PumpUntil(
        [&] {
            main = FindWindowW(nullptr, L"Tavrin编程助手1.1");
            DWORD pid = 0;
            if (main) GetWindowThreadProcessId(main, &pid);
            return main && pid == pi.dwProcessId && IsWindowVisible(main);
        },
        10000);
    ASSERT_NE(main, nullptr);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(WaitForSingleObject(pi.hProcess, 5000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(code, 0u);
    if (WaitForSingleObject(pi.hProcess, 0) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
}

}  // namespace
namespace {

// The colour value boxes show a colour's eight digits in full (the widest
// digits too), at 96 and at 144 DPI: the text fits within the box's client
// area, margins and caret left aside.
TEST_F(MainWindowTest, ColourValueBoxesShowEightDigitsInFull) {
    SelectPage(2);
    for (const char* name : {"编辑框_颜色值", "编辑框_颜色值1"}) {
        HWND box = Get<ui::EditBox>(name).Handle();
        ASSERT_NE(box, nullptr) << name;
        RECT client;
        GetClientRect(box, &client);
        const DWORD margins = static_cast<DWORD>(SendMessageW(box, EM_GETMARGINS, 0, 0));
        const win::WindowDC dc(box);
        const win::DcState state(dc.Get());
        SelectObject(dc.Get(), reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
        for (const wchar_t* digits : {L"16777215", L"88888888", L"00000000"}) {
            SIZE extent = {};
            GetTextExtentPoint32W(dc.Get(), digits, 8, &extent);
            EXPECT_LE(extent.cx + LOWORD(margins) + HIWORD(margins) + 1, client.right) << name;
        }
        // And the box shows the first digit: its view starts at the text's start.
        Get<ui::EditBox>(name).SetContent("12345678");
        EXPECT_EQ(LOWORD(SendMessageW(box, EM_CHARFROMPOS, 0, MAKELPARAM(LOWORD(margins) + 1, client.bottom / 2))), 0)
            << name;
    }
}

}  // namespace
