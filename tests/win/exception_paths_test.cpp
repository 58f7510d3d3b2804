// A step that throws half way (an allocation refused, a call that fails)
// leaves nothing behind: no GDI object, no open clipboard, no COM apartment,
// no busy flag or running fill that would wedge the rest of the run. The
// callback guard keeps the program going after such a step, so whatever it
// left would stay for the rest of the run.
#include <gtest/gtest.h>

#include <objbase.h>

#include <filesystem>

#include <new>
#include <random>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/program_run.h"
#include "colour/core/magnifier.h"
#include "imaging/core/bmp.h"
#include "imaging/image_file.h"
#include "tests/win/failing_allocations.h"
#include "tests/win/test_support.h"
#include "win/callback_guard.h"
#include "win/clipboard.h"
#include "win/error_log.h"
#include "win/file_replace.h"
#include "win/launch.h"
#include "win/screen_frame.h"

namespace {

using testing_support::FailingAllocations;
using testing_support::GuiObjects;
using testing_support::PumpUntil;
using testing_support::SettledGuiObjects;

// Whether COM is free to be set up afresh on the calling thread.
bool ComNotInitialised() {
    const HRESULT again = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    if (SUCCEEDED(again)) CoUninitialize();
    return again == S_OK;
}

TEST(ExceptionPaths, AFrameWhoseWindowRefusesItsRegionKeepsNoRegion) {
    win::ScreenFrame frame;
    const RECT outer = {200, 200, 400, 300};
    frame.Show(outer, 3);
    ASSERT_TRUE(frame.Shown());
    // The window goes behind the frame's back (with the region it owned):
    // the next Show's SetWindowRgn fails.
    DestroyWindow(frame.Handle());
    const testing_support::GuiObjectLevel before = SettledGuiObjects();
    frame.Show(outer, 3);  // the four strips are made again; the region must not stay
    EXPECT_EQ(GuiObjects().gdi, before.gdi);
}

TEST(ExceptionPaths, TheClipboardIsClosedWhenItsTextCannotBeConverted) {
    ASSERT_TRUE(win::CopyTextToClipboard(std::string(300000, 'x')));
    {
        const FailingAllocations refused(400000);  // the text's wide copy
        EXPECT_THROW(win::ClipboardText(), std::bad_alloc);
        EXPECT_GT(refused.Refused(), 0);
    }
    // Closing succeeds only while this thread has the clipboard open.
    EXPECT_FALSE(CloseClipboard()) << "the clipboard was left open";
}

TEST(ExceptionPaths, COMIsUninitialisedWhenEncodingOrReadingAShortcutThrows) {
    std::thread fresh([] {
        // Noise, so that the PNG is about as large as the pixel rows: the
        // rows are spared, the encoded bytes are refused.
        std::mt19937 random(7);
        const imaging::core::ByteSet bmp = imaging::core::MakeBmp24(200, 200, [&](int, int) { return random() & 0xFFFFFF; });
        {
            const FailingAllocations refused(60000, 1);
            EXPECT_THROW(imaging::EncodeImage(bmp, imaging::core::ImageFormat::Png), std::bad_alloc);
            EXPECT_GT(refused.Refused(), 0);
        }
        EXPECT_TRUE(ComNotInitialised()) << "after encoding";
        EXPECT_FALSE(imaging::EncodeImage(bmp, imaging::core::ImageFormat::Png).empty());

        // A shortcut's name whose wide copy is refused while COM is up.
        const std::string name = std::string(400000, 'a') + ".lnk";
        {
            const FailingAllocations refused(600000);
            EXPECT_THROW(win::ReadLnkShortcut(name), std::bad_alloc);
            EXPECT_GT(refused.Refused(), 0);
        }
        EXPECT_TRUE(ComNotInitialised()) << "after reading a shortcut";
    });
    fresh.join();
}

class ExceptionPathsOfThePages : public testing_support::HierarchyTest {};

TEST_F(ExceptionPathsOfThePages, TheMagnifiersCutGoesWhenShowingItThrows) {
    colour::MagnifierView& magnifier = Window().Colour().Magnifier();
    const base::Point at{300, 300};
    ASSERT_TRUE(magnifier.MagnifyAt(at, false));
    const testing_support::GuiObjectLevel before = SettledGuiObjects();
    {
        const FailingAllocations refused(100000);  // the zoomed picture
        EXPECT_THROW(magnifier.MagnifyAt(at, false), std::bad_alloc);
    }
    EXPECT_EQ(GuiObjects().gdi, before.gdi);
    EXPECT_TRUE(magnifier.MagnifyAt(at, false)) << "the magnifier stays busy";
}

TEST_F(ExceptionPathsOfThePages, ATickThatThrowsLeavesNoBusyFlagAndTheCaptureStillEnds) {
    inspector::TargetCapture& capture = Window().Analysis().Capture();
    bool held = true;
    capture.Tool().leftButtonDown = [&held]() -> bool {
        if (held) throw std::runtime_error("the button state could not be read");
        return false;
    };
    RECT over;
    GetWindowRect(b_, &over);
    ASSERT_TRUE(testing_support::MoveCursorTo({(over.left + over.right) / 2, (over.top + over.bottom) / 2}));
    EXPECT_THROW(capture.Start(Get<ui::DrawingBoard>("画板_捕获器")), std::runtime_error);
    ASSERT_TRUE(capture.Running());
    held = false;
    capture.CaptureTick();
    EXPECT_FALSE(capture.Running()) << "the tick stayed busy";
    PumpUntil([&] { return !Window().Analysis().Tree().FillRunning(); }, 5000);

    colour::ColourPicker& picker = Window().Colour().Picker();
    held = true;
    picker.Tool().leftButtonDown = capture.Tool().leftButtonDown;
    EXPECT_THROW(picker.Start(), std::runtime_error);
    ASSERT_TRUE(picker.Running());
    held = false;
    picker.Tick();
    EXPECT_FALSE(picker.Running()) << "the picker's tick stayed busy";
}

// A window of this process with enough children that the walk's list of
// them is a large allocation.
class ManyChildren {
public:
    explicit ManyChildren(int count) {
        parent_ = CreateWindowExW(0, L"Static", L"many", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        for (int i = 0; i < count; ++i) {
            CreateWindowExW(0, L"Static", L"", WS_CHILD, 0, 0, 1, 1, parent_, nullptr, nullptr, nullptr);
        }
    }
    ~ManyChildren() { DestroyWindow(parent_); }
    HWND Handle() const { return parent_; }

private:
    HWND parent_ = nullptr;
};

TEST_F(ExceptionPathsOfThePages, AFillThatThrowsOnItsWorkerLeavesTheTreeFreeForTheNext) {
    ManyChildren many(3000);
    Window().Analysis().CurrentTarget().Select(testing_support::H(many.Handle()));
    inspector::WindowTree& tree = Window().Analysis().Tree();
    {
        const FailingAllocations refused(100000);  // the walk's list, on the worker
        tree.RefreshOnWorkerThread();
        ASSERT_TRUE(PumpUntil([&] { return refused.Refused() > 0; }, 10000));
        EXPECT_TRUE(PumpUntil([&] { return !tree.FillRunning(); }, 5000)) << "the failed fill still counts as running";
    }
    tree.Refresh();
    EXPECT_EQ(tree.Tree().ItemCount(), 3001);
    // The window's destructor waits for running fills: it must not wait for
    // the failed one (the test would hang here).
}

// The error log of this test: LOCALAPPDATA points into a folder of its own.
class ErrorLogTest : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH];
        GetTempPathW(MAX_PATH, temp);
        folder_ = std::wstring(temp) + L"tavrin_error_log_" + std::to_wstring(GetCurrentProcessId());
        CreateDirectoryW(folder_.c_str(), nullptr);
        wchar_t saved[MAX_PATH] = {};
        hadSaved_ = GetEnvironmentVariableW(L"LOCALAPPDATA", saved, MAX_PATH) > 0;
        saved_ = saved;
        SetEnvironmentVariableW(L"LOCALAPPDATA", folder_.c_str());
    }
    void TearDown() override {
        SetEnvironmentVariableW(L"LOCALAPPDATA", hadSaved_ ? saved_.c_str() : nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(std::filesystem::path(folder_), ignored);
    }
    std::string Log() {
        std::string bytes;
        win::ReadWholeFile(win::ErrorLogPath(), bytes);
        return bytes;
    }
    std::wstring folder_, saved_;
    bool hadSaved_ = false;
};

// A fault caught at the boundary leaves a line with its time, the place of
// the guard and its message; however many come, the log stays under 64 KB
// and ends with the newest.
TEST_F(ErrorLogTest, CaughtFaultsAreWrittenWithTimeAndPlaceAndTheLogStaysSmall) {
    ASSERT_EQ(win::ErrorLogPath(), folder_ + L"\\Tavrin\\errors.log");
    win::GuardCallback([] { throw std::runtime_error("first fault"); });
    const int line = __LINE__ - 1;
    const std::string log = Log();
    EXPECT_NE(log.find("win/exception_paths_test.cpp:" + std::to_string(line) + "  first fault\r\n"), std::string::npos)
        << log;
    EXPECT_EQ(log.size() > 4 ? log.substr(0, 2) : "", "20") << "the line starts with the year";
    for (int i = 0; i < 1500; ++i) {
        win::GuardCallback([i] { throw std::runtime_error("fault " + std::to_string(i) + std::string(60, '.')); });
    }
    const std::string full = Log();
    EXPECT_LE(full.size(), win::kErrorLogLimit);
    EXPECT_NE(full.find("fault 1499..."), std::string::npos);
    EXPECT_EQ(full.find("first fault"), std::string::npos);  // the oldest went
}

// A main window that cannot be made (here a hook refuses it) is not a silent
// end: the user is told, with the system's words, and the log keeps it.
TEST_F(ErrorLogTest, AMainWindowThatCannotBeMadeIsReportedNotSilent) {
    const win::OwnedHook refuse(SetWindowsHookExW(
        WH_CBT,
        [](int code, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (code == HCBT_CREATEWND) {
                wchar_t name[64] = {};
                GetClassNameW(reinterpret_cast<HWND>(wParam), name, 64);
                if (std::wstring(name) == L"TavrinForm") return 1;  // refused
            }
            return CallNextHookEx(nullptr, code, wParam, lParam);
        },
        nullptr, GetCurrentThreadId()));
    ASSERT_TRUE(refuse);
    std::vector<std::string> told;
    EXPECT_EQ(app::RunProgram(SW_HIDE, [&](const std::string& text) { told.push_back(text); }), 1);
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].rfind("主窗口无法创建", 0), 0u) << told[0];
    EXPECT_NE(told[0].find("错误代码"), std::string::npos) << told[0];
    EXPECT_NE(Log().find(told[0]), std::string::npos);
    // The system's words for a known error.
    EXPECT_NE(app::MainWindowFailureText(ERROR_NOT_ENOUGH_MEMORY).find("（错误代码 8）"), std::string::npos);
    EXPECT_GT(app::MainWindowFailureText(ERROR_NOT_ENOUGH_MEMORY).size(),
              app::MainWindowFailureText(0).size() + 3);
}

}  // namespace
