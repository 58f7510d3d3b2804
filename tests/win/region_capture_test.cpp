// The region capture's windows in this process, driven by the messages the
// mouse and keyboard send: the frozen screen, the selection and its nudging,
// the lens and its corner jump, saving and copying the selection, Esc and
// the right button, snapping to another program's windows, and a hundred
// captures that keep no objects. Then the window-image buttons' copy to the
// clipboard.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <utility>

#include "capture/region_capture.h"
#include "capture/window_image.h"
#include "imaging/bitmap.h"
#include "imaging/core/bmp.h"
#include "imaging/image_objects.h"
#include "tests/win/test_support.h"
#include "win/file_replace.h"
#include "win/threads.h"

namespace {

using testing_support::PumpUntil;

// A topmost window of this process painted left red, right blue.
class TwoColourWindow {
public:
    TwoColourWindow(int left, int top) {
        static const ATOM atom = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"TavrinTestTwoColour";
            return RegisterClassW(&wc);
        }();
        (void)atom;
        hwnd_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"TavrinTestTwoColour", L"", WS_POPUP | WS_VISIBLE,
                                left, top, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        UpdateWindow(hwnd_);
        PumpUntil([&] { return testing_support::ScreenPixel(left + 150, top + 50) == RGB(0, 0, 255); }, 3000);
    }
    ~TwoColourWindow() { DestroyWindow(hwnd_); }
    HWND Handle() const { return hwnd_; }

private:
    static void Paint(HDC dc) {
        const RECT left = {0, 0, 100, 100}, right = {100, 0, 200, 100};
        const win::OwnedBrush red(CreateSolidBrush(RGB(255, 0, 0))), blue(CreateSolidBrush(RGB(0, 0, 255)));
        FillRect(dc, &left, red.Get());
        FillRect(dc, &right, blue.Get());
    }
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_PAINT) {
            Paint(win::PaintDC(hwnd).Get());
            return 0;
        }
        if (message == WM_PRINTCLIENT) {
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        }
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    HWND hwnd_ = nullptr;
};

// The clipboard's bitmap has this size and these colours at two points.
void ExpectClipboardImage(SIZE size, POINT a, COLORREF aColour, POINT b, COLORREF bColour) {
    ASSERT_TRUE(OpenClipboard(nullptr));
    const imaging::core::ByteSet copied = imaging::BitmapToBytes(static_cast<HBITMAP>(GetClipboardData(CF_BITMAP)));
    CloseClipboard();
    imaging::core::BmpInfo info;
    ASSERT_TRUE(imaging::core::ReadBmpInfo(copied, info));
    EXPECT_EQ(info.width, size.cx);
    EXPECT_EQ(info.height, size.cy);
    const win::OwnedBitmap back = imaging::CreateBitmapFromBmp(copied);
    EXPECT_EQ(imaging::GetBitmapPixel(back.Get(), a.x, a.y), aColour);
    EXPECT_EQ(imaging::GetBitmapPixel(back.Get(), b.x, b.y), bColour);
}

class RegionCaptureTest : public ::testing::Test {
protected:
    void SetUp() override {
        capture_.chooseFile = [this](HWND) { return choice_; };
        capture_.Finished = [this](bool ok) { finished_ = ok ? 1 : 0; };
    }
    void TearDown() override { capture_.CloseAll(); }
    HWND Selection() { return capture_.Selection()->Handle(); }
    // A message at a screen point (the windows cover the virtual screen).
    void Mouse(UINT message, int x, int y) {
        const base::Rect s = imaging::VirtualScreenRect();
        SendMessageW(Selection(), message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x - s.left, y - s.top));
    }
    void Key(HWND w, WPARAM key) { SendMessageW(w, WM_KEYDOWN, key, 0); }
    void Drag(int x1, int y1, int x2, int y2) {
        Mouse(WM_LBUTTONDOWN, x1, y1);
        Mouse(WM_MOUSEMOVE, (x1 + x2) / 2, (y1 + y2) / 2);
        Mouse(WM_MOUSEMOVE, x2, y2);
        Mouse(WM_LBUTTONUP, x2, y2);
    }

    capture::RegionCapture capture_{capture::SelectionCursors{LoadCursorW(nullptr, IDC_CROSS),
                                                              LoadCursorW(nullptr, IDC_HAND),
                                                              LoadCursorW(nullptr, IDC_ARROW)}};
    std::optional<capture::SaveChoice> choice_;
    int finished_ = -1;
};

TEST_F(RegionCaptureTest, OpensOverTheWholeScreenWithTheLensAtTheBottomLeft) {
    ASSERT_TRUE(testing_support::MoveCursorTo({600, 500}));
    ASSERT_TRUE(capture_.Show());
    const base::Rect screen = imaging::VirtualScreenRect();
    for (HWND w : {capture_.Save()->Handle(), Selection()}) {
        RECT r;
        GetWindowRect(w, &r);
        EXPECT_EQ(r.left, screen.left);
        EXPECT_EQ(r.right, screen.right);
        EXPECT_EQ(r.bottom, screen.bottom);
        EXPECT_TRUE(IsWindowVisible(w));
    }
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(Selection(), nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 150);
    RECT lens;
    GetWindowRect(capture_.Lens()->Handle(), &lens);
    EXPECT_EQ(lens.right - lens.left, 88);
    EXPECT_EQ(lens.bottom - lens.top, 111);
    EXPECT_EQ(lens.left, 0);
    EXPECT_EQ(lens.top, 1024 - 111 - 30);

    // Into the leftmost 88 pixels: the lens jumps to the bottom-right.
    Mouse(WM_MOUSEMOVE, 40, 500);
    GetWindowRect(capture_.Lens()->Handle(), &lens);
    EXPECT_EQ(lens.left, screen.right - 88);
    Mouse(WM_MOUSEMOVE, screen.right - 100, 500);
    GetWindowRect(capture_.Lens()->Handle(), &lens);
    EXPECT_EQ(lens.left, 0);

    // Esc from the lens closes every window.
    Key(capture_.Lens()->Handle(), VK_ESCAPE);
    EXPECT_FALSE(capture_.Open());
    EXPECT_EQ(capture_.Selection()->Handle(), nullptr);
    EXPECT_EQ(capture_.Lens()->Handle(), nullptr);
}

TEST_F(RegionCaptureTest, ASelectionDraggedBackwardsAndNudgedIsSavedAsItsFormat) {
    TwoColourWindow painted(900, 600);
    ASSERT_TRUE(capture_.Show());
    // A double click before any drag saves nothing.
    SendMessageW(Selection(), WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_EQ(finished_, -1);
    EXPECT_TRUE(capture_.Open());

    Drag(1020, 645, 900, 600);  // up and to the left: 120 x 45
    EXPECT_EQ(capture_.Lens()->Label(), "x:120 y:45");
    EXPECT_FALSE(IsWindowVisible(capture_.Lens()->Handle()));
    for (int i = 0; i < 3; ++i) Key(Selection(), VK_RIGHT);
    EXPECT_EQ(capture_.State().Selected(), (base::Rect{903, 600, 1023, 645}));
    // A second drag on a fixed selection is ignored.
    Drag(10, 10, 50, 50);
    EXPECT_EQ(capture_.State().Selected(), (base::Rect{903, 600, 1023, 645}));

    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    const std::wstring path = std::wstring(folder) + L"tavrin_region_test.png";
    DeleteFileW(path.c_str());
    choice_ = capture::SaveChoice{path, imaging::core::ImageFormat::Png};
    SendMessageW(Selection(), WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_FALSE(capture_.Open());
    EXPECT_EQ(finished_, 1);
    std::string bytes;
    ASSERT_TRUE(win::ReadWholeFile(path, bytes));
    ASSERT_GT(bytes.size(), 8u);
    EXPECT_EQ(bytes.substr(1, 3), "PNG");
    DeleteFileW(path.c_str());
}

TEST_F(RegionCaptureTest, BmpAndJpegSavesHoldTheirFormatAndACancelWritesNothing) {
    TwoColourWindow painted(900, 600);
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    struct Case {
        const wchar_t* name;
        imaging::core::ImageFormat format;
    };
    for (const Case& c : {Case{L"tavrin_region_test.bmp", imaging::core::ImageFormat::Bmp},
                          Case{L"tavrin_region_test.jpg", imaging::core::ImageFormat::Jpeg}}) {
        const std::wstring path = std::wstring(folder) + c.name;
        DeleteFileW(path.c_str());
        ASSERT_TRUE(capture_.Show());
        Drag(900, 600, 1020, 645);  // 120 x 45, red left of x 1000, blue right
        choice_ = capture::SaveChoice{path, c.format};
        finished_ = -1;
        SendMessageW(Selection(), WM_LBUTTONDBLCLK, 0, 0);
        EXPECT_EQ(finished_, 1);
        std::string bytes;
        ASSERT_TRUE(win::ReadWholeFile(path, bytes));
        if (c.format == imaging::core::ImageFormat::Bmp) {
            const imaging::core::ByteSet bmp(bytes.begin(), bytes.end());
            imaging::core::BmpInfo info;
            ASSERT_TRUE(imaging::core::ReadBmpInfo(bmp, info));
            EXPECT_EQ(info.width, 120);
            EXPECT_EQ(info.height, 45);
            EXPECT_EQ(imaging::core::Bmp24Pixel(bmp, 0, 0), RGB(255, 0, 0));
            EXPECT_EQ(imaging::core::Bmp24Pixel(bmp, 99, 44), RGB(255, 0, 0));
            EXPECT_EQ(imaging::core::Bmp24Pixel(bmp, 100, 0), RGB(0, 0, 255));
            EXPECT_EQ(imaging::core::Bmp24Pixel(bmp, 119, 44), RGB(0, 0, 255));
        } else {
            ASSERT_GT(bytes.size(), 3u);
            EXPECT_EQ(static_cast<unsigned char>(bytes[0]), 0xFF);
            EXPECT_EQ(static_cast<unsigned char>(bytes[1]), 0xD8);
        }
        DeleteFileW(path.c_str());
    }

    // Cancelling the dialog closes everything and writes nothing.
    ASSERT_TRUE(capture_.Show());
    Drag(900, 600, 1020, 645);
    choice_.reset();
    finished_ = -1;
    SendMessageW(Selection(), WM_LBUTTONDBLCLK, 0, 0);
    EXPECT_FALSE(capture_.Open());
    EXPECT_EQ(finished_, -1);
}

TEST_F(RegionCaptureTest, EscClosesEveryWindowFromEveryState) {
    auto escape = [&](HWND from) {
        Key(from, VK_ESCAPE);
        EXPECT_FALSE(capture_.Open());
        EXPECT_EQ(capture_.Selection()->Handle(), nullptr);
        EXPECT_EQ(capture_.Lens()->Handle(), nullptr);
    };
    ASSERT_TRUE(capture_.Show());
    escape(Selection());  // selecting
    ASSERT_TRUE(capture_.Show());
    Mouse(WM_LBUTTONDOWN, 100, 100);
    Mouse(WM_MOUSEMOVE, 150, 150);
    escape(Selection());  // dragging
    ASSERT_TRUE(capture_.Show());
    Drag(100, 100, 150, 150);
    escape(capture_.Save()->Handle());  // selected, from the save window
    ASSERT_TRUE(capture_.Show());
    escape(capture_.Lens()->Handle());
}

TEST_F(RegionCaptureTest, CtrlCCopiesTheSelectedPixelsAndTheRightButtonLeavesTheFrozenScreen) {
    TwoColourWindow painted(900, 600);
    ASSERT_TRUE(capture_.Show());
    Drag(950, 610, 1050, 650);  // 100 x 40 across the colour edge at 1000
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    Key(Selection(), 'C');
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_FALSE(capture_.Open());
    EXPECT_EQ(finished_, 1);
    ExpectClipboardImage({100, 40}, {10, 20}, RGB(255, 0, 0), {90, 20}, RGB(0, 0, 255));

    // The frozen image stays when the selection window goes; Esc ends it.
    ASSERT_TRUE(capture_.Show());
    SendMessageW(Selection(), WM_RBUTTONUP, 0, 0);
    EXPECT_EQ(capture_.Selection()->Handle(), nullptr);
    EXPECT_TRUE(capture_.Open());
    Key(capture_.Save()->Handle(), VK_ESCAPE);
    EXPECT_FALSE(capture_.Open());
}

// The rectangle of a window, and of its client area, on the screen.
base::Rect ScreenRectOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return {r.left, r.top, r.right, r.bottom};
}
base::Rect ClientRectOf(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right, r.bottom};
}

// A key with Shift held or not, as the window reads it.
void KeyWithShift(HWND w, WPARAM key, bool shift) {
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_SHIFT] = shift ? 0x80 : 0;
    SetKeyboardState(keys);
    SendMessageW(w, WM_KEYDOWN, key, 0);
    keys[VK_SHIFT] = 0;
    SetKeyboardState(keys);
}

// Snapping, over windows of another program: the owner window and its
// dialog, whose button is disabled. (The end-to-end test saves a snapped
// button through the real dialog and compares its pixels.)
TEST_F(RegionCaptureTest, AClickTakesTheWindowUnderTheCursorTabStepsOutAndADragStillWins) {
    const testing_support::OwnedDialogFixture fixture;
    ASSERT_TRUE(fixture.owner && fixture.dialog);
    const base::Rect button = ScreenRectOf(GetDlgItem(fixture.dialog, 301));
    const base::Rect owner = ScreenRectOf(fixture.owner), ownerClient = ClientRectOf(fixture.owner);
    const POINT onButton{(button.left + button.right) / 2, (button.top + button.bottom) / 2};

    // Over the disabled button: its rectangle is framed at once, with its
    // size on the lens, and a click without a drag takes it.
    ASSERT_TRUE(testing_support::MoveCursorTo(onButton));
    ASSERT_TRUE(capture_.Show());
    EXPECT_EQ(capture_.State().Selected(), button);
    EXPECT_EQ(capture_.Lens()->Label(), "x:" + std::to_string(button.Width()) + " y:" + std::to_string(button.Height()));
    Mouse(WM_LBUTTONDOWN, onButton.x, onButton.y);
    Mouse(WM_MOUSEMOVE, onButton.x + 2, onButton.y + 1);  // within the drag distance
    Mouse(WM_LBUTTONUP, onButton.x + 2, onButton.y + 1);
    EXPECT_TRUE(capture_.State().Done());
    EXPECT_EQ(capture_.State().Selected(), button);
    capture_.CloseAll();

    // Over the owner's client area, off its panel: the client rectangle;
    // Tab or the wheel away steps out to the whole window, Shift+Tab or the
    // wheel back in again.
    const POINT onClient{ownerClient.right - 20, ownerClient.bottom - 20};
    ASSERT_TRUE(testing_support::MoveCursorTo(onClient));
    ASSERT_TRUE(capture_.Show());
    EXPECT_EQ(capture_.State().Selected(), ownerClient);
    KeyWithShift(Selection(), VK_TAB, false);
    EXPECT_EQ(capture_.State().Selected(), owner);
    EXPECT_EQ(capture_.Lens()->Label(), "x:" + std::to_string(owner.Width()) + " y:" + std::to_string(owner.Height()));
    KeyWithShift(Selection(), VK_TAB, true);
    EXPECT_EQ(capture_.State().Selected(), ownerClient);
    SendMessageW(Selection(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
    EXPECT_EQ(capture_.State().Selected(), owner);
    SendMessageW(Selection(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), 0);
    EXPECT_EQ(capture_.State().Selected(), ownerClient);
    Mouse(WM_MOUSEMOVE, onClient.x, onClient.y);
    Mouse(WM_LBUTTONDOWN, onClient.x, onClient.y);
    Mouse(WM_LBUTTONUP, onClient.x, onClient.y);
    EXPECT_EQ(capture_.State().Selected(), ownerClient);
    capture_.CloseAll();

    // A real drag from the button wins over it.
    ASSERT_TRUE(testing_support::MoveCursorTo(onButton));
    ASSERT_TRUE(capture_.Show());
    Drag(onButton.x, onButton.y, onButton.x + 40, onButton.y + 30);
    EXPECT_EQ(capture_.State().Selected(), (base::Rect{onButton.x, onButton.y, onButton.x + 40, onButton.y + 30}));
}

TEST_F(RegionCaptureTest, AHundredCapturesKeepNoObjects) {
    for (int i = 0; i < 5; ++i) {  // first-time allocations
        ASSERT_TRUE(capture_.Show());
        capture_.CloseAll();
    }
    const testing_support::GuiObjectLevel before = testing_support::GuiObjects();
    for (int i = 0; i < 100; ++i) {
        ASSERT_TRUE(capture_.Show());
        Drag(100, 100, 200 + i, 150);
        Key(Selection(), VK_ESCAPE);
    }
    win::ProcessPendingMessages();
    const testing_support::GuiObjectLevel after = testing_support::GuiObjects();
    // Each capture makes some 20 objects (three windows, the frozen image,
    // DCs, brushes): not one of them may stay.
    EXPECT_EQ(after.gdi, before.gdi) << "GDI objects";
    EXPECT_EQ(after.user, before.user) << (after.windowsOnly ? "windows" : "USER objects");
}

// The window-image actions with a main window of their own.
class WindowImageActionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ui::FormOptions options;
        options.width = 200;
        options.height = 100;
        ASSERT_TRUE(main_.Create(options));
        main_.Show(SW_SHOWNOACTIVATE);
        actions_.Finished = [this](bool ok) { finished_ = ok ? 1 : 0; };
    }
    // Copies the window's image and reads the clipboard's bitmap back; the
    // image's two halves have these colours.
    void CopyAndExpectHalves(HWND target, COLORREF left, COLORREF right) {
        finished_ = -1;
        actions_.CopyToClipboard(target);
        EXPECT_TRUE(IsIconic(main_.Handle()));
        ASSERT_TRUE(PumpUntil([&] { return finished_ != -1; }, 3000));
        EXPECT_EQ(finished_, 1);
        ExpectClipboardImage({200, 100}, {50, 50}, left, {150, 50}, right);
    }
    ui::Form main_;
    capture::WindowImageActions actions_{main_};
    int finished_ = -1;
};

TEST_F(WindowImageActionsTest, CopyPutsTheTargetsImageOnTheClipboardAndIgnoresMissingWindows) {
    TwoColourWindow painted(300, 300);
    actions_.CopyToClipboard(reinterpret_cast<HWND>(static_cast<INT_PTR>(0x7FFFFFF0)));  // no such window
    EXPECT_FALSE(PumpUntil([&] { return finished_ != -1; }, 2 * capture::kSettleMs));
    EXPECT_FALSE(IsIconic(main_.Handle()));
    CopyAndExpectHalves(painted.Handle(), RGB(255, 0, 0), RGB(0, 0, 255));
}

// Another program's window: its program does not draw it for us under
// Wine (PrintWindow leaves black), so its image comes from the screen, with
// its real colours.
TEST_F(WindowImageActionsTest, AnotherProgramsWindowIsCopiedWithItsColoursNotBlack) {
    testing_support::FixtureProcess fixture(L"colours");
    HWND colours = fixture.Window(L"TavrinFixtureColours");
    ASSERT_NE(colours, nullptr);
    // Painted on the screen before it is copied.
    ASSERT_TRUE(PumpUntil([&] { return testing_support::ScreenPixel(900 + 50, 560 + 50) == RGB(200, 30, 60); }, 3000));
    CopyAndExpectHalves(colours, RGB(200, 30, 60), RGB(20, 180, 90));

    // Another program reads it too: a device-independent bitmap, its pixels.
    for (const auto& [x, colour] : {std::pair{50, RGB(200, 30, 60)}, std::pair{150, RGB(20, 180, 90)}}) {
        DWORD exitCode = 1;
        const std::string read =
            testing_support::RunTestProgram(L"tavrin_probe.exe", L"clipboard-dib " + std::to_wstring(x) + L" 50", exitCode);
        EXPECT_EQ(exitCode, 0u) << read;
        EXPECT_EQ(read.substr(0, read.find_first_of("\r\n")), "200 100 " + std::to_string(colour));
    }
}

}  // namespace
