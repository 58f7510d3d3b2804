// The skin: the engine the program carries, written beside it and loaded
// from there by its full path; the program's number attaching stored skin
// 4; the skinned windows as they are drawn on the screen; and the engine's
// threads: detaching, a thread that ends, a window that cannot be adopted.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "app/core/main_layout.h"
#include "app/skin.h"
#include "patch/entry_patch.h"
#include "skin/core/skin_file.h"
#include "skin/core/skin_table.h"
#include "tests/win/test_support.h"
#include "ui/buttons.h"
#include "ui/edit_box.h"
#include "ui/label.h"
#include "win/program_files.h"
#include "win/scoped.h"
#include "win/threads.h"

#if defined(_MSC_VER)
#include <intrin.h>
#define CALLER_ADDRESS() _ReturnAddress()
#else
#define CALLER_ADDRESS() __builtin_return_address(0)
#endif

namespace {

using testing_support::PumpUntil;
using testing_support::ScreenPixel;

COLORREF Ref(std::uint32_t colour) { return static_cast<COLORREF>(colour & 0xFFFFFF); }

bool IsSkinFourCaption(COLORREF c) {
    const skin::core::SkinStyle four = skin::core::SkinFromSeed(skin::core::StoredSkinSeed(4));
    return c == Ref(four.colours[skin::core::kSkinCaption]) || c == Ref(four.colours[skin::core::kSkinCaptionIdle]);
}

// Waits until the pixel of `window`'s caption bar right of the title and
// left of the caption buttons has skin 4's caption colour (active or not);
// gives what it has.
COLORREF CaptionColourOf(HWND window, DWORD timeoutMs) {
    RECT w;
    GetWindowRect(window, &w);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    const POINT caption = {w.left + (w.right - w.left) * 3 / 5, w.top + (origin.x - w.left) + 3};
    COLORREF seen = 0;
    PumpUntil(
        [&] {
            seen = ScreenPixel(caption.x, caption.y);
            return IsSkinFourCaption(seen);
        },
        timeoutMs);
    return seen;
}

// The colours of a screen rectangle, row by row.
std::vector<COLORREF> ScreenColours(const RECT& r) {
    const int width = r.right - r.left, height = r.bottom - r.top;
    std::vector<COLORREF> colours;
    if (width <= 0 || height <= 0) return colours;
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const win::WindowDC screen;
    const win::OwnedBitmap bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const win::MemoryDC dc(screen.Get());
    if (!dc.Select(bitmap.Get())) return colours;
    BitBlt(dc.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i) {
        colours.push_back(RGB((pixels[i] >> 16) & 0xFF, (pixels[i] >> 8) & 0xFF, pixels[i] & 0xFF));
    }
    return colours;
}

// How many rows of a `width`-wide picture hold a colour other than `plain`.
int InkRows(const std::vector<COLORREF>& colours, int width, COLORREF plain) {
    int rows = 0;
    for (std::size_t row = 0; row * static_cast<std::size_t>(width) < colours.size(); ++row) {
        const auto begin = colours.begin() + static_cast<std::ptrdiff_t>(row * static_cast<std::size_t>(width));
        rows += std::any_of(begin, begin + width, [&](COLORREF c) { return c != plain; }) ? 1 : 0;
    }
    return rows;
}

// Plain windows of the tests' own class, with the procedure the class gives.
LRESULT CALLBACK PlainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(hwnd, message, wParam, lParam);
}
HWND MakeWindow(const wchar_t* className = L"TavrinSkinTestWindow", const wchar_t* title = L"") {
    WNDCLASSW c = {};
    c.lpfnWndProc = PlainProc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    c.lpszClassName = className;
    RegisterClassW(&c);  // fails harmlessly when registered before
    return CreateWindowExW(0, className, title, WS_OVERLAPPEDWINDOW, 300, 300, 400, 200, nullptr, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}
// A top-level window with a button and an edit box in it.
std::vector<HWND> MakeFamily() {
    HWND top = MakeWindow();
    return {top,
            CreateWindowExW(0, L"Button", L"OK", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, top, nullptr, nullptr, nullptr),
            CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE, 10, 40, 80, 24, top, nullptr, nullptr,
                            nullptr)};
}
bool Bare(HWND hwnd) {
    return static_cast<ULONG_PTR>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) == GetClassLongPtrW(hwnd, GCLP_WNDPROC);
}

void OnOwnThread(const std::function<void()>& work) { std::thread(work).join(); }

bool AttachStored(const app::SkinEngine& engine, int stored) {
    const std::string_view bytes = app::StoredSkinBytes(stored);
    return engine.attach(bytes.data(), static_cast<int>(bytes.size()), "", 1, 1, 1) == 1;
}

class SkinTest : public testing_support::MainWindowTest {
protected:
    std::string Attached() {
        const app::SkinEngine* engine = app::LoadSkinEngine();
        if (!engine) return {};
        std::string bytes(static_cast<std::size_t>(engine->copyAttached(nullptr, 0)), '\0');
        engine->copyAttached(bytes.data(), static_cast<int>(bytes.size()));
        return bytes;
    }
    bool Attach(int stored) {
        const std::string_view bytes = app::StoredSkinBytes(stored);
        return app::LoadSkinEngine()->attach(bytes.data(), static_cast<int>(bytes.size()), "", 1, 1, 1) == 1;
    }
    // Waits until the screen pixel at (x, y) has `colour`; gives what it has.
    COLORREF PixelBecomes(int x, int y, std::uint32_t colour) {
        COLORREF seen = 0;
        PumpUntil([&] { return (seen = ScreenPixel(x, y)) == Ref(colour); }, 3000);
        return seen;
    }
    POINT Inside(HWND control, int dx, int dy) {
        RECT r;
        GetWindowRect(control, &r);
        return {dx >= 0 ? r.left + dx : r.right + dx, dy >= 0 ? r.top + dy : r.bottom + dy};
    }
};

TEST_F(SkinTest, TheProgramWearsStoredSkinFourFromTheEngineBesideIt) {
    const app::SkinEngine* engine = app::LoadSkinEngine();
    ASSERT_NE(engine, nullptr);
    // Attached when the window was made: number 35 is stored skin 4, whose
    // resource holds what the skin table makes.
    EXPECT_EQ(Attached(), std::string(app::StoredSkinBytes(4)));
    EXPECT_EQ(Attached(), skin::core::StoredSkinFile(4));
    EXPECT_FALSE(app::StoredSkinBytes(skin::core::kStoredSkinCount).empty());
    EXPECT_TRUE(app::StoredSkinBytes(skin::core::kStoredSkinCount + 1).empty());

    // Numbers without a skin attach nothing (the skin stays), but the
    // filter is installed all the same.
    for (int number : {0, 78, -5}) {
        utilities_.entryPatch.Undo();
        EXPECT_EQ(app::ApplySkin(number, utilities_.entryPatch), 0) << number;
        EXPECT_NE(utilities_.entryPatch.PatchedAddress(), nullptr) << number;
        EXPECT_EQ(Attached(), skin::core::StoredSkinFile(4)) << number;
    }
    EXPECT_EQ(app::ApplySkin(16, utilities_.entryPatch), 6);
    EXPECT_EQ(Attached(), skin::core::StoredSkinFile(6));

    // Beside the program, loaded from there; nothing in the system folder.
    EXPECT_EQ(engine->path, win::ProgramDirectory() + L"\\TavrinSkin.dll");
    HMODULE module = GetModuleHandleW(engine->path.c_str());
    ASSERT_NE(module, nullptr);
    wchar_t loaded[MAX_PATH] = {};
    GetModuleFileNameW(module, loaded, MAX_PATH);
    EXPECT_EQ(lstrcmpiW(loaded, engine->path.c_str()), 0);
    wchar_t system[MAX_PATH] = {};
    GetSystemDirectoryW(system, MAX_PATH);
    EXPECT_EQ(GetFileAttributesW((std::wstring(system) + L"\\TavrinSkin.dll").c_str()), INVALID_FILE_ATTRIBUTES);

    // Bytes that are no skin, and a password, are refused.
    EXPECT_EQ(engine->attach("not a skin", 10, "", 1, 1, 1), 0);
    const std::string_view four = app::StoredSkinBytes(4);
    EXPECT_EQ(engine->attach(four.data(), static_cast<int>(four.size()), "secret", 1, 1, 1), 0);
    EXPECT_EQ(Attached(), skin::core::StoredSkinFile(6));
}

// The caption bar, a push button and a check box are drawn in the skin,
// not in the system's colours; a dark skin recolours the page and the
// boxes the program left at their defaults, and keeps a colour it chose.
TEST_F(SkinTest, CaptionButtonsAndPagesAreDrawnInTheSkin) {
    const skin::core::SkinStyle four = skin::core::SkinFromSeed(skin::core::StoredSkinSeed(4));
    const COLORREF seen = CaptionColourOf(Window().Handle(), 3000);
    EXPECT_TRUE(IsSkinFourCaption(seen)) << std::hex << seen;
    EXPECT_NE(seen, GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_NE(seen, GetSysColor(COLOR_INACTIVECAPTION));

    HWND button = Get<ui::Button>("按钮_窗口句柄").Handle();
    const POINT face = Inside(button, 4, 10);
    EXPECT_EQ(PixelBecomes(face.x, face.y, four.colours[skin::core::kSkinButton]), Ref(four.colours[skin::core::kSkinButton]));
    ASSERT_NE(Ref(four.colours[skin::core::kSkinButton]), GetSysColor(COLOR_BTNFACE));

    // An unticked check box: the inside of its square is the box colour.
    HWND check = Get<ui::CheckBox>("选择框_透明").Handle();
    RECT c;
    GetWindowRect(check, &c);
    const int size = MulDiv(four.metrics[skin::core::kSkinCheckSize], static_cast<int>(GetDpiForWindow(check)), 96);
    const POINT square = {c.left + size / 2, (c.top + c.bottom) / 2};
    EXPECT_EQ(PixelBecomes(square.x, square.y, four.colours[skin::core::kSkinEdit]), Ref(four.colours[skin::core::kSkinEdit]));

    // A dark skin: the label's page-coloured background, the tab strip's
    // page and a white box follow it; the status box's chosen text colour
    // is not a default, so nothing about it says black.
    const int dark = 54;
    const skin::core::SkinStyle night = skin::core::SkinFromSeed(skin::core::StoredSkinSeed(dark));
    ASSERT_LT(skin::core::Lightness(night.colours[skin::core::kSkinWindow]), 80);
    ASSERT_TRUE(Attach(dark));
    auto& label = Get<ui::Label>("标签_鼠标位置_X");
    const POINT labelSpot = Inside(label.Handle(), 1, 1);
    EXPECT_EQ(PixelBecomes(labelSpot.x, labelSpot.y, night.colours[skin::core::kSkinWindow]),
              Ref(night.colours[skin::core::kSkinWindow]));
    const POINT box = Inside(Get<ui::EditBox>("编辑框_窗口标题").Handle(), -4, 4);
    EXPECT_EQ(PixelBecomes(box.x, box.y, night.colours[skin::core::kSkinEdit]), Ref(night.colours[skin::core::kSkinEdit]));
    const POINT knob = Inside(button, 4, 10);
    EXPECT_EQ(PixelBecomes(knob.x, knob.y, night.colours[skin::core::kSkinButton]),
              Ref(night.colours[skin::core::kSkinButton]));

    // The status box writes in the colour the sender chose (magenta), not in
    // the skin's text colour.
    SelectPage(1);
    auto& status = Get<ui::EditBox>("编辑框_返回消息");
    status.SetTextColour(0xFF00FF);
    status.SetContent("\xE2\x96\xA0\xE2\x96\xA0\xE2\x96\xA0");  // three black squares
    RECT statusBox;
    GetWindowRect(status.Handle(), &statusBox);
    const auto magenta = [&] {
        const std::vector<COLORREF> seen = ScreenColours(statusBox);
        return std::count(seen.begin(), seen.end(), RGB(255, 0, 255)) > 0;
    };
    EXPECT_TRUE(PumpUntil(magenta, 3000));
}

// The colour page's window of further notations wears the skin as the
// pages do: in a dark skin its page, boxes and buttons are the skin's.
TEST_F(SkinTest, TheNotationWindowWearsTheSkinLikeThePages) {
    const int dark = 54;
    const skin::core::SkinStyle night = skin::core::SkinFromSeed(skin::core::StoredSkinSeed(dark));
    ASSERT_TRUE(Attach(dark));
    SelectPage(app::core::kColourPage);
    SendMessageW(Get<ui::Button>("按钮_更多格式").Handle(), BM_CLICK, 0, 0);
    colour::NotationWindow* window = Window().Colour().Notations();
    ASSERT_NE(window, nullptr);
    colour::NotationControls& n = window->Controls();
    const POINT label = Inside(n.标签_颜色值_HSL.Handle(), 1, 1);
    EXPECT_EQ(PixelBecomes(label.x, label.y, night.colours[skin::core::kSkinWindow]), Ref(night.colours[skin::core::kSkinWindow]));
    const POINT aside = Inside(n.按钮_颜色值_HSL.Handle(), -1, 10);  // the client area right of the button
    EXPECT_EQ(PixelBecomes(aside.x + 4, aside.y, night.colours[skin::core::kSkinWindow]),
              Ref(night.colours[skin::core::kSkinWindow]));
    const POINT box = Inside(n.编辑框_颜色值_HSL.Handle(), -4, 4);
    EXPECT_EQ(PixelBecomes(box.x, box.y, night.colours[skin::core::kSkinEdit]), Ref(night.colours[skin::core::kSkinEdit]));
    const POINT face = Inside(n.按钮_颜色值_HSL.Handle(), 4, 10);
    EXPECT_EQ(PixelBecomes(face.x, face.y, night.colours[skin::core::kSkinButton]), Ref(night.colours[skin::core::kSkinButton]));
}

// The frame of a box with a client edge: where the edge is all of the frame,
// every pixel of it is the skin's border (the frame colour outside, the box
// colour inside), none the system's; where the frame holds a scroll bar as
// well, the system still draws that, and the skin's border goes round it.
TEST_F(SkinTest, ABoxFrameIsTheSkinsBorderAndKeepsItsScrollBar) {
    const skin::core::SkinStyle four = skin::core::SkinFromSeed(skin::core::StoredSkinSeed(4));
    const COLORREF frame = Ref(four.colours[skin::core::kSkinFrame]), inside = Ref(four.colours[skin::core::kSkinEdit]);
    ASSERT_NE(frame, inside);
    HWND top = MakeWindow();
    ASSERT_NE(top, nullptr);
    HWND single = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"", WS_CHILD | WS_VISIBLE, 10, 10, 120, 24, top,
                                  nullptr, nullptr, nullptr);
    HWND scrolled = CreateWindowExW(WS_EX_CLIENTEDGE, L"Edit", L"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8",
                                    WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 150, 10, 120, 80, top, nullptr,
                                    nullptr, nullptr);
    ASSERT_TRUE(single && scrolled);
    ShowWindow(top, SW_SHOWNORMAL);
    SetForegroundWindow(top);

    const int edge = GetSystemMetricsForDpi(SM_CXEDGE, GetDpiForWindow(single));
    RECT w, client;
    GetWindowRect(single, &w);
    GetClientRect(single, &client);
    POINT origin = {0, 0};
    ClientToScreen(single, &origin);
    ASSERT_EQ(origin.x - w.left, edge) << "the frame is the client edge alone";
    ASSERT_EQ(w.bottom - (origin.y + client.bottom), edge);
    // Ring i of the frame, i pixels in from the outside, all around.
    const auto ring = [&](int i) {
        std::vector<COLORREF> colours;
        for (const RECT& side : {RECT{w.left + i, w.top + i, w.right - i, w.top + i + 1},
                                 RECT{w.left + i, w.bottom - i - 1, w.right - i, w.bottom - i},
                                 RECT{w.left + i, w.top + i, w.left + i + 1, w.bottom - i},
                                 RECT{w.right - i - 1, w.top + i, w.right - i, w.bottom - i}}) {
            const std::vector<COLORREF> part = ScreenColours(side);
            colours.insert(colours.end(), part.begin(), part.end());
        }
        return colours;
    };
    const auto all = [](const std::vector<COLORREF>& colours, COLORREF c) {
        return !colours.empty() && std::all_of(colours.begin(), colours.end(), [c](COLORREF x) { return x == c; });
    };
    EXPECT_TRUE(PumpUntil([&] { return all(ring(0), frame); }, 3000)) << std::hex << ring(0)[0];
    for (int i = 1; i < edge; ++i) EXPECT_TRUE(all(ring(i), inside)) << "ring " << i;

    // The scroll bar: the strip between the client area and the frame's
    // right edge, drawn with its arrows, not one flat colour.
    RECT sw, sc;
    GetWindowRect(scrolled, &sw);
    GetClientRect(scrolled, &sc);
    POINT so = {0, 0};
    ClientToScreen(scrolled, &so);
    const RECT bar = {so.x + sc.right, so.y, sw.right - edge, so.y + sc.bottom};
    ASSERT_GT(bar.right - bar.left, 4);
    const auto shades = [&] {
        std::vector<COLORREF> colours = ScreenColours(bar);
        std::sort(colours.begin(), colours.end());
        return std::unique(colours.begin(), colours.end()) - colours.begin();
    };
    EXPECT_TRUE(PumpUntil([&] { return shades() > 2; }, 3000)) << shades();
    EXPECT_EQ(ScreenPixel(sw.left, (sw.top + sw.bottom) / 2), frame);
    DestroyWindow(top);
}

// Windows that erase with whatever brush the DC holds, and one that erases
// in the face colour and leaves that brush selected.
LRESULT CALLBACK ErasesWithTheDcsBrush(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_ERASEBKGND) return DefWindowProcW(hwnd, message, wParam, lParam);
    RECT r;
    GetClientRect(hwnd, &r);
    PatBlt(reinterpret_cast<HDC>(wParam), 0, 0, r.right, r.bottom, PATCOPY);
    return 1;
}
LRESULT CALLBACK LeavesTheFaceBrushSelected(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != WM_ERASEBKGND) return DefWindowProcW(hwnd, message, wParam, lParam);
    SelectObject(reinterpret_cast<HDC>(wParam), GetSysColorBrush(COLOR_BTNFACE));
    return ErasesWithTheDcsBrush(hwnd, message, wParam, lParam);
}
HWND MakeChild(HWND parent, const wchar_t* className, WNDPROC proc, int x) {
    WNDCLASSW c = {};
    c.lpfnWndProc = proc;
    c.hInstance = GetModuleHandleW(nullptr);
    c.lpszClassName = className;
    RegisterClassW(&c);  // fails harmlessly when registered before
    return CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE, x, 10, 60, 40, parent, nullptr, nullptr, nullptr);
}

// The skin learns how a window erases by letting it erase a pixel in a DC
// of the skin's own: what one window's erasing leaves selected there does
// not change what the next one is seen to erase. A window erasing with a
// fresh DC's brush (white) is no page and keeps its white, also right after
// a window that left the face colour's brush selected.
TEST_F(SkinTest, WhatAWindowsErasingLeavesInTheDcDoesNotReachTheNext) {
    HWND top = MakeWindow();
    ASSERT_NE(top, nullptr);
    HWND leaver = MakeChild(top, L"TavrinSkinTestLeaver", LeavesTheFaceBrushSelected, 10);
    HWND white = MakeChild(top, L"TavrinSkinTestDcBrush", ErasesWithTheDcsBrush, 100);
    ASSERT_TRUE(leaver && white);
    ShowWindow(top, SW_SHOWNORMAL);
    win::ProcessPendingMessages();
    for (int i = 0; i < 2; ++i) {
        for (HWND hwnd : {leaver, white}) RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    }
    const POINT spot = Inside(white, 30, 20);
    EXPECT_EQ(PixelBecomes(spot.x, spot.y, 0xFFFFFF), RGB(255, 255, 255));
    DestroyWindow(top);
}

// The caption's icon and title at the window's DPI: the small-icon size and
// the caption font the system gives for that DPI, not scaled once more.
TEST_F(SkinTest, CaptionIconAndTitleAreSizedForTheWindowsDpi) {
    // A window of this (skinned) thread with a red icon and a title of capitals.
    HWND window = MakeWindow(L"TavrinSkinTestWindow", L"HHHH");
    ASSERT_NE(window, nullptr);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, 16, 16, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const win::OwnedBitmap colour(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    auto* bytes = static_cast<std::uint8_t*>(bits);
    for (int i = 0; i < 16 * 16; ++i) {  // 16 x 3 bytes a row: no padding
        bytes[3 * i] = 0;
        bytes[3 * i + 1] = 0;
        bytes[3 * i + 2] = 255;
    }
    const win::OwnedBitmap mask(CreateBitmap(16, 16, 1, 1, std::vector<std::uint8_t>(32, 0).data()));
    ICONINFO iconInfo = {TRUE, 0, 0, mask.Get(), colour.Get()};
    const win::OwnedIcon red(CreateIconIndirect(&iconInfo));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(red.Get()));
    ShowWindow(window, SW_SHOWNORMAL);
    SetForegroundWindow(window);
    const COLORREF bar = CaptionColourOf(window, 3000);
    ASSERT_TRUE(IsSkinFourCaption(bar)) << std::hex << bar;

    const UINT dpi = GetDpiForWindow(window);
    RECT w;
    GetWindowRect(window, &w);
    POINT origin = {0, 0};
    ClientToScreen(window, &origin);
    const int frame = origin.x - w.left, captionTop = w.top + frame, captionBottom = origin.y;
    const int icon = GetSystemMetricsForDpi(SM_CXSMICON, dpi), pad = MulDiv(4, static_cast<int>(dpi), 96);
    const int iconLeft = w.left + frame + pad, middle = (captionTop + captionBottom) / 2;
    EXPECT_EQ(ScreenPixel(iconLeft + icon - 1, middle), RGB(255, 0, 0));
    EXPECT_EQ(ScreenPixel(iconLeft + icon + pad / 2, middle), bar);

    // The title's letters are as tall as the caption font draws them.
    NONCLIENTMETRICSW metrics = {};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi));
    metrics.lfCaptionFont.lfWeight = FW_NORMAL;
    const win::OwnedFont font(CreateFontIndirectW(&metrics.lfCaptionFont));
    const int width = 4 * icon, height = captionBottom - captionTop;
    const win::OwnedBitmap picture(CreateCompatibleBitmap(win::WindowDC().Get(), width, height));
    const win::MemoryDC memory;
    ASSERT_TRUE(memory.Select(picture.Get()));
    const HDC dc = memory.Get();
    SelectObject(dc, font.Get());
    RECT all = {0, 0, width, height};
    const win::OwnedBrush barBrush(CreateSolidBrush(bar));
    FillRect(dc, &all, barBrush.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    DrawTextW(dc, L"HHHH", 4, &all, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
    std::vector<COLORREF> reference;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) reference.push_back(GetPixel(dc, x, y));
    }
    const int textLeft = iconLeft + icon + pad;
    const int shown = InkRows(ScreenColours({textLeft, captionTop, textLeft + width, captionBottom}), width, bar);
    EXPECT_NEAR(shown, InkRows(reference, width, bar), 1);
    DestroyWindow(window);
}

// Detaching on a thread of its own: every window the engine subclassed
// (made before attaching and after) gets its procedure back, none of the
// thread's windows keeps the engine's, and later windows are not skinned.
TEST(SkinEngine, DetachingGivesEveryWindowItsProcedureBack) {
    const app::SkinEngine* engine = app::LoadSkinEngine();
    ASSERT_NE(engine, nullptr);
    const auto detach = reinterpret_cast<TavrinSkinDetach>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(engine->path.c_str()), kDetachExport)));
    ASSERT_NE(detach, nullptr);
    OnOwnThread([&] {
        std::vector<HWND> windows = MakeFamily();
        for (HWND hwnd : windows) ASSERT_TRUE(Bare(hwnd));
        ASSERT_TRUE(AttachStored(*engine, 4));
        const LONG_PTR skinned = GetWindowLongPtrW(windows[0], GWLP_WNDPROC);
        for (HWND hwnd : MakeFamily()) windows.push_back(hwnd);
        for (HWND hwnd : windows) EXPECT_EQ(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), skinned);

        detach();
        for (HWND hwnd : windows) EXPECT_TRUE(Bare(hwnd));
        std::vector<HWND> all;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND hwnd, LPARAM list) {
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
                EnumChildWindows(
                    hwnd,
                    [](HWND child, LPARAM l) {
                        reinterpret_cast<std::vector<HWND>*>(l)->push_back(child);
                        return TRUE;
                    },
                    list);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&all));
        EXPECT_GE(all.size(), windows.size());
        for (HWND hwnd : all) EXPECT_NE(GetWindowLongPtrW(hwnd, GWLP_WNDPROC), skinned);
        EXPECT_EQ(engine->copyAttached(nullptr, 0), 0);
        for (HWND hwnd : MakeFamily()) {
            EXPECT_TRUE(Bare(hwnd));
            windows.push_back(hwnd);
        }
        detach();  // nothing attached: nothing happens
        for (HWND hwnd : windows) {
            if (!GetParent(hwnd)) DestroyWindow(hwnd);
        }
    });
}

// A thread's skin goes with the thread: a later thread that is given the
// same id (Wine hands ids out again after a few hundred threads) attaches
// afresh and its windows are skinned.
TEST(SkinEngine, AThreadGivenAnEndedThreadsIdIsSkinned) {
    const app::SkinEngine* engine = app::LoadSkinEngine();
    ASSERT_NE(engine, nullptr);
    DWORD ended = 0;
    OnOwnThread([&] {
        ended = GetCurrentThreadId();
        EXPECT_TRUE(AttachStored(*engine, 4));
    });
    bool reused = false, skinned = false;
    for (int i = 0; i < 5000 && !reused; ++i) {
        OnOwnThread([&] {
            if (GetCurrentThreadId() != ended) return;
            reused = true;
            EXPECT_EQ(engine->copyAttached(nullptr, 0), 0);
            if (!AttachStored(*engine, 4)) return;
            HWND window = MakeWindow();
            skinned = !Bare(window);
            DestroyWindow(window);
        });
    }
    ASSERT_TRUE(reused) << "no thread was given id " << ended << " again";
    EXPECT_TRUE(skinned);
}

// While armed, an allocation of one size asked for by the engine fails.
std::atomic<void*> systemMalloc{nullptr};
std::atomic<std::size_t> failingSize{0};
std::uintptr_t engineStart = 0, engineEnd = 0;
void* __cdecl MallocFailingInEngine(std::size_t size) {
    const auto caller = reinterpret_cast<std::uintptr_t>(CALLER_ADDRESS());
    if (size == failingSize && caller >= engineStart && caller < engineEnd) return nullptr;
    return reinterpret_cast<void*(__cdecl*)(std::size_t)>(systemMalloc.load())(size);
}

// Attaching to windows already there, one of which the engine runs out of
// memory adopting (the allocation of its class name's copy fails): that
// window stays as the system draws it, the others are skinned, the skin is
// attached, and nothing unwinds through the system's window enumeration.
TEST(SkinEngine, AWindowThatCannotBeAdoptedLeavesTheOthersSkinned) {
    const app::SkinEngine* engine = app::LoadSkinEngine();
    ASSERT_NE(engine, nullptr);
    const auto module = reinterpret_cast<std::uintptr_t>(GetModuleHandleW(engine->path.c_str()));
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(module + static_cast<std::uintptr_t>(dos->e_lfanew));
    engineStart = module;
    engineEnd = module + nt->OptionalHeader.SizeOfImage;
    const wchar_t kLongName[] = L"TavrinSkinTestWindowWhoseAdoptionRunsOutOfMemory";
    patch::EntryPatch patch;
    ASSERT_NE(patch.Patch("msvcrt.dll", "malloc", reinterpret_cast<void*>(&MallocFailingInEngine), systemMalloc),
              nullptr);
    OnOwnThread([&] {
        HWND unlucky = MakeWindow(kLongName);
        std::vector<HWND> others = MakeFamily();
        failingSize = sizeof kLongName;  // the name and its terminating null
        const bool attached = AttachStored(*engine, 4);
        failingSize = 0;
        EXPECT_TRUE(attached);
        EXPECT_TRUE(Bare(unlucky));
        for (HWND hwnd : others) EXPECT_FALSE(Bare(hwnd));
        DestroyWindow(unlucky);
        DestroyWindow(others[0]);
    });
}

// A second copy of the program started while this one holds the engine
// open: it shares the identical file and starts skinned.
TEST(SkinProgram, ASecondInstanceStartsSkinned) {
    testing_support::FixtureProcess first(L"", L"Tavrin.exe");
    ASSERT_NE(first.Window(L"TavrinForm"), nullptr);
    testing_support::FixtureProcess second(L"", L"Tavrin.exe");
    HWND main = second.Window(L"TavrinForm");
    ASSERT_NE(main, nullptr);
    SetForegroundWindow(main);
    const COLORREF seen = CaptionColourOf(main, 5000);
    EXPECT_TRUE(IsSkinFourCaption(seen)) << std::hex << seen;
}

}  // namespace
