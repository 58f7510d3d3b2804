// The screen and bitmap routines against windows painted by this process,
// and the colour page in it: the picker's ticks and release, the
// magnifier's view against a whole-screen grab, the palette picks, the
// chosen colour's editors, the row of picked colours, the window of the
// further notations, and the kept image freed on close.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "colour/core/colour_history.h"
#include "colour/core/colour_notations.h"
#include "colour/core/colour_scale.h"
#include "colour/core/magnifier.h"
#include "colour/core/palette.h"
#include "imaging/bitmap.h"
#include "imaging/core/bmp.h"
#include "imaging/image_objects.h"
#include "tests/win/test_support.h"
#include "ui/buttons.h"
#include "ui/edit_box.h"
#include "win/clipboard.h"
#include "win/dpi.h"

namespace {

using testing_support::MainWindowTest;
using testing_support::PumpUntil;

// Colours whose channels are 0 or 255 survive a 16-bit grab unchanged.
constexpr COLORREF kQuadrants[4] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(255, 255, 0)};

COLORREF PatternAt(int x, int y) { return kQuadrants[(x >= 100 ? 1 : 0) + (y >= 50 ? 2 : 0)]; }

// A black and white checkerboard of single pixels.
COLORREF CheckerAt(int x, int y) { return (x + y) % 2 ? RGB(255, 255, 255) : RGB(0, 0, 0); }

// A topmost window of this process, 200 x 100 at (left, top), painted with
// a pattern (by default in four quadrants); it draws the same for
// PrintWindow.
class PaintedWindow {
public:
    using Pattern = COLORREF (*)(int x, int y);
    PaintedWindow(int left, int top, Pattern pattern = PatternAt) {
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"TavrinTestPainted";
            return RegisterClassW(&wc);
        }();
        (void)atom;
        hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"TavrinTestPainted", L"", WS_POPUP,
                                left, top, kWidth, kHeight, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(pattern));
        ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        UpdateWindow(hwnd_);
        PumpUntil([&] { return testing_support::ScreenPixel(left + 150, top + 75) == pattern(150, 75); }, 3000);
    }
    ~PaintedWindow() { DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }

private:
    static constexpr int kWidth = 200, kHeight = 100;
    static void Paint(HWND hwnd, HDC dc) {
        const auto pattern = reinterpret_cast<Pattern>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!pattern) return;
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                const COLORREF c = pattern(x, y);
                pixels.push_back(static_cast<std::uint32_t>(GetRValue(c)) << 16 | GetGValue(c) << 8 | GetBValue(c));
            }
        }
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = kWidth;
        info.bmiHeader.biHeight = -kHeight;  // top-down
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        SetDIBitsToDevice(dc, 0, 0, kWidth, kHeight, 0, 0, 0, kHeight, pixels.data(), &info, DIB_RGB_COLORS);
    }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_PAINT) {
            Paint(hwnd, win::PaintDC(hwnd).Get());
            return 0;
        }
        if (message == WM_PRINTCLIENT) {
            Paint(hwnd, reinterpret_cast<HDC>(wParam));
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
};

// Pixel (x, y) from the top of a BMP byte set of any depth.
COLORREF BmpPixel(const imaging::core::ByteSet& bmp, int x, int y) {
    return imaging::GetBitmapPixel(imaging::CreateBitmapFromBmp(bmp).Get(), x, y);
}

TEST(BitmapRoutines, AScreenAreaComesBackAsABmpOfItsSizeWithItsPixels) {
    PaintedWindow painted(0, 0);
    const imaging::core::ByteSet image = imaging::CaptureWindowImage(nullptr, 10, 20, 109, 69, false);
    imaging::core::BmpInfo info;
    ASSERT_TRUE(imaging::core::ReadBmpInfo(image, info));
    EXPECT_EQ(info.width, 100);
    EXPECT_EQ(info.height, 50);
    EXPECT_EQ(info.bitsPerPixel, 16);
    for (const POINT p : {POINT{0, 0}, POINT{89, 29}, POINT{90, 30}, POINT{99, 49}, POINT{0, 49}}) {
        EXPECT_EQ(BmpPixel(image, p.x, p.y), PatternAt(10 + p.x, 20 + p.y)) << p.x << "," << p.y;
    }
    // The same area as part of the window's client area.
    const imaging::core::ByteSet ofWindow = imaging::CaptureWindowImage(painted.Handle(), 10, 20, 109, 69, false, 24);
    ASSERT_TRUE(imaging::core::ReadBmpInfo(ofWindow, info));
    EXPECT_EQ(info.width, 100);
    EXPECT_EQ(imaging::core::Bmp24Pixel(ofWindow, 95, 35), PatternAt(105, 55));
    // The window's own drawing of its whole client area.
    const imaging::core::ByteSet drawn = imaging::CaptureWindowImage(painted.Handle(), 0, 0, -1, -1, true, 24);
    ASSERT_TRUE(imaging::core::ReadBmpInfo(drawn, info));
    EXPECT_EQ(info.width, 200);
    EXPECT_EQ(info.height, 100);
    EXPECT_EQ(imaging::core::Bmp24Pixel(drawn, 199, 99), PatternAt(199, 99));
    EXPECT_EQ(imaging::core::Bmp24Pixel(drawn, 0, 0), PatternAt(0, 0));
}

TEST(BitmapRoutines, AMinimisedWindowGivesNothingInEitherMode) {
    HWND w = CreateWindowExW(0, L"Static", L"minimised", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 200, 150, nullptr,
                             nullptr, nullptr, nullptr);
    ShowWindow(w, SW_MINIMIZE);
    ASSERT_TRUE(PumpUntil([&] { return IsIconic(w) != 0; }, 3000));
    EXPECT_TRUE(imaging::CaptureWindowImage(w, 0, 0, -1, -1, false).empty());
    EXPECT_TRUE(imaging::CaptureWindowImage(w, 0, 0, -1, -1, true).empty());
    EXPECT_FALSE(imaging::CaptureToBitmap(w, 24));
    DestroyWindow(w);
}

TEST(BitmapRoutines, CroppingWithoutASizeReachesTheBottomRightCorner) {
    const imaging::core::ByteSet source = imaging::core::MakeBmp24(40, 30, [](int x, int y) { return base::Rgb(x * 6, y * 8, 77); });
    const win::OwnedBitmap bitmap = imaging::CreateBitmapFromBmp(source);
    win::OwnedBitmap cut;
    ASSERT_TRUE(imaging::CropBitmap(bitmap.Get(), cut, 10, 5, 0, 0));
    BITMAP info;
    ASSERT_TRUE(GetObjectW(cut.Get(), sizeof info, &info));
    EXPECT_EQ(info.bmWidth, 30);
    EXPECT_EQ(info.bmHeight, 25);
    EXPECT_EQ(imaging::GetBitmapPixel(cut.Get(), 0, 0), base::Rgb(60, 40, 77));
    EXPECT_EQ(imaging::GetBitmapPixel(cut.Get(), 29, 24), base::Rgb(234, 232, 77));
    // Parts of the wanted rectangle outside the source stay black.
    win::OwnedBitmap over;
    ASSERT_TRUE(imaging::CropBitmap(bitmap.Get(), over, 35, -5, 10, 10));
    EXPECT_EQ(imaging::GetBitmapPixel(over.Get(), 2, 2), 0u);
    EXPECT_EQ(imaging::GetBitmapPixel(over.Get(), 4, 5), base::Rgb(234, 0, 77));
    EXPECT_EQ(imaging::GetBitmapPixel(over.Get(), 6, 5), 0u);
    EXPECT_FALSE(imaging::CropBitmap(nullptr, over, 0, 0, 5, 5));
    EXPECT_TRUE(imaging::BitmapToBytes(nullptr).empty());
}

TEST(BitmapRoutines, ThePictureGoesToTheClipboardOnlyWhenThereIsOne) {
    ASSERT_TRUE(win::CopyTextToClipboard("kept text"));
    EXPECT_FALSE(imaging::CopyBitmapToClipboard({}));
    EXPECT_FALSE(imaging::CopyBitmapToClipboard(imaging::core::ByteSet{'B', 'M', 0, 0}));
    EXPECT_EQ(win::ClipboardText(), "kept text");

    const imaging::core::ByteSet picture =
        imaging::core::MakeBmp24(16, 8, [](int x, int y) { return x < 8 ? base::Rgb(255, 0, 0) : base::Rgb(0, 0, y * 30); });
    ASSERT_TRUE(imaging::CopyBitmapToClipboard(picture));
    ASSERT_TRUE(OpenClipboard(nullptr));
    HBITMAP onClipboard = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    ASSERT_NE(onClipboard, nullptr);
    const imaging::core::ByteSet back = imaging::BitmapToBytes(onClipboard);
    CloseClipboard();
    imaging::core::BmpInfo info;
    ASSERT_TRUE(imaging::core::ReadBmpInfo(back, info));
    EXPECT_EQ(info.width, 16);
    EXPECT_EQ(info.height, 8);
    EXPECT_EQ(BmpPixel(back, 3, 3), RGB(255, 0, 0));
    EXPECT_EQ(BmpPixel(back, 12, 7), RGB(0, 0, 210));
}

// The magnifier grabs only the 52 x 52 pixels it shows; what it shows must
// be what cutting them out of a whole-screen grab gives, at the screen's
// edges too.
TEST(BitmapRoutines, TheMagnifiersSmallGrabEqualsACutOfTheWholeScreen) {
    const base::Rect screen = imaging::VirtualScreenRect();
    PaintedWindow topLeft(screen.left, screen.top);
    PaintedWindow bottomRight(screen.right - 200, screen.bottom - 100);
    const win::OwnedBitmap whole = imaging::CaptureClientToBitmap(nullptr);
    ASSERT_TRUE(whole);
    for (const base::Point p : {base::Point{screen.left, screen.top}, base::Point{screen.left + 60, screen.top + 50},
                                base::Point{screen.right - 1, screen.bottom - 1},
                                base::Point{screen.right - 110, screen.bottom - 30}}) {
        const base::Rect grab = colour::core::GrabRect(p);
        const win::OwnedBitmap small = imaging::GrabScreenArea(grab);
        win::OwnedBitmap cut;
        ASSERT_TRUE(imaging::CropBitmap(whole.Get(), cut, grab.left - screen.left, grab.top - screen.top, 52, 52));
        const imaging::core::ByteSet ours = imaging::core::ZoomBmp24(imaging::BitmapToBytes(small.Get()), 500, 500);
        const imaging::core::ByteSet literal = imaging::core::ZoomBmp24(imaging::BitmapToBytes(cut.Get()), 500, 500);
        ASSERT_FALSE(ours.empty());
        EXPECT_TRUE(ours == literal) << "at " << p.x << "," << p.y;
        EXPECT_EQ(imaging::core::Bmp24Pixel(ours, 127, 127), testing_support::ScreenPixel(p.x, p.y));
    }
}

class ColourPageTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        SelectPage(2);
        picker().Tool().leftButtonDown = [this] { return held_; };
    }
    void TearDown() override {
        held_ = false;
        if (picker().Running()) picker().Tick();
        MainWindowTest::TearDown();
    }
    colour::ColourPage& page() { return Window().Colour(); }
    colour::ColourPicker& picker() { return page().Picker(); }
    colour::MagnifierView& magnifier() { return page().Magnifier(); }
    std::string Box(const char* name) { return Get<ui::EditBox>(name).Content(); }
    void SetBox(const char* name, const char* text) { Get<ui::EditBox>(name).SetContent(text); }
    // A mouse message at a board point (96-DPI pixels).
    void Mouse(const char* board, UINT message, int x, int y, WPARAM keys = 0) {
        HWND h = Get<ui::DrawingBoard>(board).Handle();
        SendMessageW(h, message, keys, MAKELPARAM(Scaled(x), Scaled(y)));
    }
    int Scaled(int v) { return win::ScaleToDpi(v, win::WindowDpi(Window().Handle())); }

    bool held_ = true;
};

TEST_F(ColourPageTest, ThePenCycleIsBackAtMagentaAfterSixClicks) {
    EXPECT_EQ(page().PenColour(), 0xFF00FFu);  // the start-up step
    for (int i = 0; i < 6; ++i) {
        Mouse("画板_画笔", WM_LBUTTONDOWN, 5, 5, MK_LBUTTON);
        Mouse("画板_画笔", WM_LBUTTONUP, 5, 5);
        if (i == 0) {
            EXPECT_EQ(page().PenColour(), 0x0000FFu);
        }
    }
    EXPECT_EQ(page().PenColourIndex(), 1);
    EXPECT_EQ(page().PenColour(), 0xFF00FFu);
}

TEST_F(ColourPageTest, PicksFromThePalettePictureGoToTheChosenColourOnly) {
    ASSERT_TRUE(magnifier().ShowsPalette());
    const base::Colour atPoint = Get<ui::DrawingBoard>("画板_放大镜").GetPixel(40, 3);
    Mouse("画板_放大镜", WM_LBUTTONDOWN, 40, 3, MK_LBUTTON);
    EXPECT_EQ(Box("编辑框_颜色值1"), testing_support::Text(atPoint));
    EXPECT_EQ(Box("编辑框_颜色值"), "");
    Mouse("画板_放大镜", WM_LBUTTONUP, 40, 3);
    // The cross marker is drawn around the point, the picture stays.
    ui::DrawingBoard& board = Get<ui::DrawingBoard>("画板_放大镜");
    EXPECT_EQ(board.GetPixel(31, 3), 0u);
    EXPECT_EQ(board.GetPixel(40, 3), atPoint);
    EXPECT_TRUE(magnifier().ShowsPalette());
    // The pick is the colour released on: a drag over the picture leaves
    // only its last colour in the row, after the first click's.
    const base::Colour dragEnd = board.GetPixel(200, 150);
    Mouse("画板_放大镜", WM_LBUTTONDOWN, 100, 40, MK_LBUTTON);
    Mouse("画板_放大镜", WM_MOUSEMOVE, 150, 90, MK_LBUTTON);
    Mouse("画板_放大镜", WM_MOUSEMOVE, 200, 150, MK_LBUTTON);
    Mouse("画板_放大镜", WM_LBUTTONUP, 200, 150);
    EXPECT_EQ(Box("编辑框_颜色值1"), testing_support::Text(dragEnd));
    EXPECT_EQ(page().Editors().History().Colours(), (std::vector<base::Colour>{dragEnd, atPoint}));
}

TEST_F(ColourPageTest, ThePalettesWhiteSquarePicksWhiteAndItsOutlineNothing) {
    const colour::core::SquareRect white = colour::core::PaletteSquare(7, 1);  // 0xFFFFFF
    Mouse("画板_调色板", WM_LBUTTONDOWN, white.left + 5, white.top + 5, MK_LBUTTON);
    EXPECT_EQ(Box("编辑框_颜色值1"), "16777215");
    EXPECT_EQ(Box("编辑框_颜色值_HTML"), "#FFFFFF");
    const colour::core::SquareRect red = colour::core::PaletteSquare(1, 1);
    Mouse("画板_调色板", WM_LBUTTONDOWN, red.left, red.top + 5, MK_LBUTTON);  // on the outline
    Mouse("画板_调色板", WM_LBUTTONDOWN, red.left - 2, red.top + 5, MK_LBUTTON);  // between squares
    EXPECT_EQ(Box("编辑框_颜色值1"), "16777215");
}

TEST_F(ColourPageTest, TheChosenColoursBoxesComposeAndRewriteEachOther) {
    SetBox("编辑框_颜色值1", "16711680");
    EXPECT_EQ(Box("编辑框_颜色值_R1"), "0");
    EXPECT_EQ(Box("编辑框_颜色值_B1"), "255");
    EXPECT_EQ(Box("编辑框_颜色值_C"), "0xFF0000");
    EXPECT_EQ(Get<ui::DrawingBoard>("画板_颜色值1").BackgroundColour(), 0xFF0000u);
    SetBox("编辑框_颜色值_B1", "0");
    SetBox("编辑框_颜色值_R1", "300");
    EXPECT_EQ(Box("编辑框_颜色值1"), "300");
    EXPECT_EQ(Box("编辑框_颜色值_R1"), "44");
    EXPECT_EQ(Box("编辑框_颜色值_G1"), "1");
    SetBox("编辑框_颜色值_G1", "0");
    SetBox("编辑框_颜色值_R1", "012");
    EXPECT_EQ(Box("编辑框_颜色值1"), "12");
    EXPECT_EQ(Box("编辑框_颜色值_R1"), "12");
    SetBox("编辑框_颜色值1", "");
    EXPECT_EQ(Box("编辑框_颜色值_16进制"), "000000");
    // The sampled colour's row is not touched by the chosen one.
    EXPECT_EQ(Box("编辑框_颜色值_R"), "");
    SetBox("编辑框_颜色值", "255");
    EXPECT_EQ(Box("编辑框_颜色值_R"), "255");
    EXPECT_EQ(Box("编辑框_颜色值_VB"), "&h0000FF");
    // A copy button puts its row's text on the clipboard.
    SendMessageW(Get<ui::Button>("按钮_颜色值_Delphi").Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(win::ClipboardText(), "$0000FF");
}

// Twenty picks from the palette and the scale: the swatches show the last
// sixteen, newest on the left, and a click on one makes it the chosen
// colour without reordering the row.
TEST_F(ColourPageTest, TheRowOfPickedColoursShowsTheLastSixteenAndAClickMakesOneCurrent) {
    std::vector<base::Colour> picks;
    for (int i = 0; i < 19; ++i) {
        const colour::core::SquareRect square = colour::core::PaletteSquare(i % colour::core::kPaletteColumns, i / colour::core::kPaletteColumns);
        Mouse("画板_调色板", WM_LBUTTONDOWN, square.left + 5, square.top + 5, MK_LBUTTON);
        picks.push_back(colour::core::PaletteColour(i % colour::core::kPaletteColumns, i / colour::core::kPaletteColumns));
    }
    // The scale now runs through the last palette colour; right of its
    // middle lies a darker shade.
    Mouse("画板_色阶", WM_LBUTTONDOWN, 100, 10, MK_LBUTTON);
    picks.push_back(colour::core::ScaleColumnColour(picks.back(), 100, 144));
    ASSERT_EQ(Box("编辑框_颜色值1"), testing_support::Text(picks.back()));
    SetBox("编辑框_颜色值1", "4210752");  // typed: not a pick

    ui::DrawingBoard& row = Get<ui::DrawingBoard>("画板_历史颜色");
    RECT onScreen;
    GetWindowRect(row.Handle(), &onScreen);
    const auto shown = [&](int slot) {
        const colour::core::SquareRect s = colour::core::HistorySwatch(slot);
        return testing_support::ScreenPixel(onScreen.left + Scaled((s.left + s.right) / 2),
                                            onScreen.top + Scaled((s.top + s.bottom) / 2));
    };
    PumpUntil([&] { return shown(0) == picks[19]; }, 2000);  // painted
    for (int slot = 0; slot < 16; ++slot) {
        const colour::core::SquareRect s = colour::core::HistorySwatch(slot);
        const base::Colour expected = picks[19 - static_cast<std::size_t>(slot)];
        EXPECT_EQ(row.GetPixel((s.left + s.right) / 2, (s.top + s.bottom) / 2), expected) << "slot " << slot;
        EXPECT_EQ(row.GetPixel(s.left, s.top), colour::core::kPaletteOutline) << "slot " << slot;
        EXPECT_EQ(shown(slot), expected) << "on screen, slot " << slot;
    }

    const colour::core::SquareRect third = colour::core::HistorySwatch(2);
    Mouse("画板_历史颜色", WM_LBUTTONDOWN, third.left + 4, third.top + 7, MK_LBUTTON);
    const base::Colour chosen = picks[17];
    EXPECT_EQ(Box("编辑框_颜色值1"), testing_support::Text(chosen));
    EXPECT_EQ(Get<ui::DrawingBoard>("画板_颜色值1").BackgroundColour(), chosen);
    EXPECT_EQ(Box("编辑框_颜色值_R1"), testing_support::Text(base::RedOf(chosen)));
    EXPECT_EQ(Box("编辑框_颜色值_HTML"), "#" + colour::core::NotationsOf(chosen).hex);
    EXPECT_EQ(Get<ui::DrawingBoard>("画板_色阶").GetPixel(71, 10), chosen);
    EXPECT_EQ(row.GetPixel(third.left + 4, third.top + 7), chosen);  // the row is as it was
    EXPECT_EQ(page().Editors().History().Colours().front(), picks[19]);
    // Between two swatches: nothing.
    Mouse("画板_历史颜色", WM_LBUTTONDOWN, third.right, third.top + 7, MK_LBUTTON);
    EXPECT_EQ(Box("编辑框_颜色值1"), testing_support::Text(chosen));
}

// The further notations: opened beside the main window level with the
// notation rows, showing the colour the notation boxes show and following
// it, display-only, copied by their buttons; reopened after closing, they
// show the colour of the moment.
TEST_F(ColourPageTest, TheFurtherNotationsFollowTheNotationBoxesInAWindowBesideThePage) {
    SetBox("编辑框_颜色值", "255");
    const HWND more = Get<ui::Button>("按钮_更多格式").Handle();
    SendMessageW(more, BM_CLICK, 0, 0);
    colour::NotationWindow* window = page().Notations();
    ASSERT_NE(window, nullptr);
    colour::NotationControls& n = window->Controls();
    EXPECT_EQ(n.编辑框_颜色值_CSS.Content(), "rgb(255, 0, 0)");
    EXPECT_EQ(n.编辑框_颜色值_HSL.Content(), "hsl(0, 100%, 50%)");
    EXPECT_EQ(n.编辑框_颜色值_HSV.Content(), "hsv(0, 100%, 100%)");
    RECT main, own, first;
    GetWindowRect(Window().Handle(), &main);
    GetWindowRect(window->Handle(), &own);
    GetWindowRect(Get<ui::EditBox>("编辑框_颜色值_16进制").Handle(), &first);
    EXPECT_EQ(own.left, main.right);
    EXPECT_EQ(own.top, first.top);
    EXPECT_EQ(GetWindow(window->Handle(), GW_OWNER), Window().Handle());
    for (ui::EditBox* box : {&n.编辑框_颜色值_CSS, &n.编辑框_颜色值_HSL, &n.编辑框_颜色值_HSV}) {
        EXPECT_TRUE(GetWindowLongW(box->Handle(), GWL_STYLE) & ES_READONLY) << box->Name();
    }
    EXPECT_EQ(n.按钮_颜色值_HSL.MousePointer(), Window().Resources().HandCursor());

    // The chosen colour changed last, then the sampled one.
    SetBox("编辑框_颜色值1", "16711680");
    EXPECT_EQ(n.编辑框_颜色值_HSV.Content(), "hsv(240, 100%, 100%)");
    SetBox("编辑框_颜色值", "12632256");
    EXPECT_EQ(n.编辑框_颜色值_CSS.Content(), "rgb(192, 192, 192)");
    SendMessageW(n.按钮_颜色值_HSL.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(win::ClipboardText(), "hsl(0, 0%, 75%)");

    // A second click brings the same window forward.
    SendMessageW(more, BM_CLICK, 0, 0);
    EXPECT_EQ(page().Notations(), window);
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(page().Notations(), nullptr);
    SetBox("编辑框_颜色值", "8421504");
    SendMessageW(more, BM_CLICK, 0, 0);
    ASSERT_NE(page().Notations(), nullptr);
    EXPECT_EQ(page().Notations()->Controls().编辑框_颜色值_HSL.Content(), "hsl(0, 0%, 50%)");
}

TEST_F(ColourPageTest, ADragOnTheMagnifierBeforeAnyPickDoesNothing) {
    ui::DrawingBoard& board = Get<ui::DrawingBoard>("画板_放大镜");
    board.SetBackgroundPicture(imaging::core::MakeBmp24(10, 10, [](int, int) { return 0x00FF00u; }));
    const imaging::core::ByteSet shown = board.BackgroundPicture();
    SetBox("编辑框_鼠标位置_X1", "500");
    Mouse("画板_放大镜", WM_LBUTTONDOWN, 100, 100, MK_LBUTTON);
    Mouse("画板_放大镜", WM_MOUSEMOVE, 150, 120, MK_LBUTTON);
    Mouse("画板_放大镜", WM_LBUTTONUP, 150, 120);
    EXPECT_EQ(Box("编辑框_鼠标位置_X1"), "500");
    EXPECT_TRUE(board.BackgroundPicture() == shown);
    EXPECT_EQ(Box("编辑框_颜色值"), "");
    // The right button finds no kept view to go back to from the palette.
    magnifier().ShowPalette();
    Mouse("画板_放大镜", WM_RBUTTONDOWN, 10, 10, MK_RBUTTON);
    EXPECT_TRUE(magnifier().ShowsPalette());
}

// The right button pressed between the release and the moment the screen
// is kept: the palette picture it asked for stays, and the next right click
// shows the kept view.
TEST_F(ColourPageTest, APaletteAskedForBeforeTheScreenIsKeptStays) {
    PaintedWindow painted(1020, 850);
    ASSERT_TRUE(testing_support::MoveCursorTo({1080, 870}));
    picker().Start();
    held_ = false;
    picker().Tick();
    ASSERT_FALSE(picker().Running());
    ASSERT_EQ(magnifier().KeptBitmap(), nullptr);  // not kept yet
    Mouse("画板_放大镜", WM_RBUTTONDOWN, 10, 10, MK_RBUTTON);
    EXPECT_TRUE(magnifier().ShowsPalette());
    ASSERT_TRUE(PumpUntil([&] { return magnifier().KeptBitmap() != nullptr; }, 3000));
    EXPECT_TRUE(magnifier().ShowsPalette());
    Mouse("画板_放大镜", WM_RBUTTONDOWN, 10, 10, MK_RBUTTON);
    EXPECT_FALSE(magnifier().ShowsPalette());
    EXPECT_EQ(Box("编辑框_颜色值"), testing_support::Text(RGB(255, 0, 0)));
}

// The window of further notations averages the sampled colour over the
// square chosen around the point, on a real screen's checkerboard of single
// black and white pixels, and rates the contrast of the chosen colour
// (white) with the sampled one.
TEST_F(ColourPageTest, TheFurtherNotationsAverageTheSquareChosenAndRateTheContrast) {
    PaintedWindow checker(1020, 850, CheckerAt);
    SetBox("编辑框_颜色值1", "16777215");
    SendMessageW(Get<ui::Button>("按钮_更多格式").Handle(), BM_CLICK, 0, 0);
    colour::NotationWindow* window = page().Notations();
    ASSERT_NE(window, nullptr);
    colour::NotationControls& n = window->Controls();
    ASSERT_EQ(n.组合框_取色范围.ItemCount(), 3);
    EXPECT_EQ(window->AreaSize(), 1);

    // On a black pixel (x + y even): a pick, as the picker makes it.
    const POINT over = {1020 + 60, 850 + 20};
    ASSERT_TRUE(testing_support::MoveCursorTo(over));
    picker().Start();
    held_ = false;
    picker().Tick();
    ASSERT_EQ(Box("编辑框_颜色值"), "0");
    EXPECT_EQ(n.编辑框_颜色值_CSS.Content(), "rgb(0, 0, 0)");
    EXPECT_EQ(n.标签_对比度.Caption(), "对比度 21.00:1");
    EXPECT_EQ(n.标签_对比度_AA.Caption(), "AA：正文通过，大字通过");
    EXPECT_EQ(n.标签_对比度_AAA.Caption(), "AAA：正文通过，大字通过");

    const auto choose = [&](int index) {
        n.组合框_取色范围.SetSelectedIndex(index);
        n.组合框_取色范围.ItemSelected();
    };
    // 3 x 3 around a black pixel: five black, four white; 5 x 5: 13 and 12.
    choose(1);
    EXPECT_EQ(n.编辑框_颜色值_CSS.Content(), "rgb(113, 113, 113)");
    choose(2);
    EXPECT_EQ(n.编辑框_颜色值_CSS.Content(), "rgb(122, 122, 122)");
    EXPECT_EQ(n.编辑框_颜色值_HSL.Content(), colour::core::CssNotationsOf(RGB(122, 122, 122)).hsl);
    // The page's own boxes keep the point's colour; the contrast rates it.
    EXPECT_EQ(Box("编辑框_颜色值"), "0");
    EXPECT_EQ(n.标签_对比度.Caption(), "对比度 21.00:1");

    // The chosen colour changed last: its notations, not averaged; the
    // contrast follows it (#777 on black).
    SetBox("编辑框_颜色值1", "7829367");
    EXPECT_EQ(n.编辑框_颜色值_CSS.Content(), "rgb(119, 119, 119)");
    EXPECT_EQ(n.标签_对比度.Caption(), "对比度 4.69:1");
    EXPECT_EQ(n.标签_对比度_AAA.Caption(), "AAA：正文不通过，大字通过");

    // The choice outlives the window.
    SendMessageW(window->Handle(), WM_CLOSE, 0, 0);
    SendMessageW(Get<ui::Button>("按钮_更多格式").Handle(), BM_CLICK, 0, 0);
    ASSERT_NE(page().Notations(), nullptr);
    EXPECT_EQ(page().Notations()->AreaSize(), 5);
}

TEST_F(ColourPageTest, ThePickerSamplesWhileHeldAndKeepsTheScreenOnRelease) {
    PaintedWindow painted(1020, 850);  // clear of the main window
    const POINT over = {1080, 870};    // the red quadrant, 60 px in
    ASSERT_TRUE(testing_support::MoveCursorTo(over));
    picker().Start();
    ASSERT_TRUE(picker().Running());
    EXPECT_EQ(Box("编辑框_窗口句柄1"), testing_support::Text(testing_support::H(painted.Handle())));
    EXPECT_EQ(Box("编辑框_颜色值"), testing_support::Text(RGB(255, 0, 0)));
    EXPECT_EQ(Box("编辑框_鼠标位置_X1"), "1080");
    EXPECT_EQ(Box("编辑框_鼠标位置_Y1"), "870");
    EXPECT_EQ(Box("编辑框_窗口鼠标位置_X1"), "60");
    EXPECT_EQ(Box("编辑框_窗口鼠标位置_Y1"), "20");
    EXPECT_EQ(Box("编辑框_颜色值_HTML"), "#FF0000");
    // The picker window's see-through pixel lies on the cursor.
    RECT r;
    GetWindowRect(picker().Window()->Handle(), &r);
    EXPECT_EQ(r.left, over.x - picker().Window()->ToPhysical(14));
    EXPECT_TRUE(GetWindowLongW(picker().Window()->Handle(), GWL_EXSTYLE) & WS_EX_TRANSPARENT);

    // Into the green quadrant, 40 px right of the red one's edge.
    ASSERT_TRUE(testing_support::MoveCursorTo({1160, 870}));
    picker().Tick();
    EXPECT_EQ(Box("编辑框_颜色值"), testing_support::Text(RGB(0, 255, 0)));
    EXPECT_EQ(magnifier().KeptBitmap(), nullptr);

    held_ = false;
    picker().Tick();
    EXPECT_FALSE(picker().Running());
    ASSERT_TRUE(PumpUntil([&] { return magnifier().KeptBitmap() != nullptr; }, 3000));
    EXPECT_EQ(magnifier().KeptCentre().x, 1160);
    EXPECT_EQ(GetWindowLongW(Window().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    // The release is the pick; the colours passed while held are not.
    const std::vector<base::Colour> picked = {RGB(0, 255, 0)};
    EXPECT_EQ(page().Editors().History().Colours(), picked);

    // Dragging the kept view ten board pixels left moves it two screen
    // pixels right, and the boxes follow.
    Mouse("画板_放大镜", WM_LBUTTONDOWN, 100, 100, MK_LBUTTON);
    Mouse("画板_放大镜", WM_MOUSEMOVE, 90, 100, MK_LBUTTON);
    EXPECT_EQ(magnifier().KeptCentre().x, 1162);
    EXPECT_EQ(Box("编辑框_鼠标位置_X1"), "1162");
    EXPECT_EQ(Box("编辑框_窗口鼠标位置_X1"), "142");
    Mouse("画板_放大镜", WM_MOUSEMOVE, 90 + 5 * 45, 100, MK_LBUTTON);  // back 45 pixels: red
    EXPECT_EQ(Box("编辑框_颜色值"), testing_support::Text(RGB(255, 0, 0)));
    Mouse("画板_放大镜", WM_LBUTTONUP, 315, 100);
    EXPECT_EQ(page().Editors().History().Colours(), picked);  // dragging the kept view picks nothing

    // The right button: the palette, then the kept view again.
    Mouse("画板_放大镜", WM_RBUTTONDOWN, 10, 10, MK_RBUTTON);
    EXPECT_TRUE(magnifier().ShowsPalette());
    Mouse("画板_放大镜", WM_RBUTTONDOWN, 10, 10, MK_RBUTTON);
    EXPECT_FALSE(magnifier().ShowsPalette());
    EXPECT_EQ(Get<ui::DrawingBoard>("画板_放大镜").GetPixel(127, 127), RGB(255, 0, 0));
}

TEST_F(ColourPageTest, TheKeptImageIsFreedOnANewPickAndWhenTheWindowCloses) {
    const POINT at = {400, 300};
    ASSERT_TRUE(testing_support::MoveCursorTo(at));
    ASSERT_TRUE(magnifier().MagnifyAt({at.x, at.y}, true));
    HBITMAP first = magnifier().KeptBitmap();
    ASSERT_EQ(GetObjectType(first), static_cast<DWORD>(OBJ_BITMAP));
    picker().Start();  // a new pick lets the kept image go
    EXPECT_EQ(magnifier().KeptBitmap(), nullptr);
    EXPECT_EQ(GetObjectType(first), 0u);
    held_ = false;
    picker().Tick();
    ASSERT_TRUE(PumpUntil([&] { return magnifier().KeptBitmap() != nullptr; }, 3000));
    HBITMAP kept = magnifier().KeptBitmap();
    ASSERT_EQ(GetObjectType(kept), static_cast<DWORD>(OBJ_BITMAP));

    // Magnify steps keep no objects: not one of the many each step makes.
    for (int i = 0; i < 5; ++i) magnifier().MagnifyAt({at.x + i % 7, at.y}, false);
    const testing_support::GuiObjectLevel before = testing_support::GuiObjects();
    for (int i = 0; i < 100; ++i) magnifier().MagnifyAt({at.x + i % 7, at.y}, false);
    EXPECT_EQ(testing_support::GuiObjects().gdi, before.gdi);

    Window().Destroy();
    EXPECT_EQ(GetObjectType(kept), 0u);
}

// "隐藏该窗口" keeps the program's windows out of the frozen screen: the
// window of further notations goes with the main window, and both come back
// behind the capture.
TEST_F(ColourPageTest, ACaptureThatHidesTheWindowHidesTheNotationWindowToo) {
    SendMessageW(Get<ui::Button>("按钮_更多格式").Handle(), BM_CLICK, 0, 0);
    ASSERT_NE(page().Notations(), nullptr);
    const HWND notations = page().Notations()->Handle();
    ASSERT_TRUE(IsWindowVisible(notations));
    Get<ui::CheckBox>("选择框_隐藏该窗口").SetChecked(true);
    SendMessageW(Get<ui::Button>("按钮_截图").Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindowVisible(Window().Handle()));
    EXPECT_FALSE(IsWindowVisible(notations));
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Window().RegionCapture().Open(); }, 5000));
    EXPECT_TRUE(IsWindowVisible(Window().Handle()));
    EXPECT_TRUE(IsWindowVisible(notations));
    Window().RegionCapture().CloseAll();
    Get<ui::CheckBox>("选择框_隐藏该窗口").SetChecked(false);
}

}  // namespace
