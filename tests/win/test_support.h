// Helpers of the Windows tests: waiting with a deadline while the GUI thread
// keeps handling messages, reading the screen, and the main window fixture.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "app/main_window.h"
#include "win/scoped.h"
#include "win/window_query.h"

namespace testing_support {

// Handles this thread's messages until the condition holds or the time is
// up; returns the condition's last value. Like every wait of the program
// it ends when the program ends (a WM_QUIT in the queue): a test that closes
// the main window and goes on takes the quit out first (ForgetQuit).
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);
// Takes a WM_QUIT that a closed main window left out of this thread's queue.
void ForgetQuit();

// Whether the cursor is at the screen point within the time (under Wine a
// move is seen a moment after it was made, and an earlier move's position
// can be reported after a later one); the failure says where it is.
::testing::AssertionResult CursorArrivesAt(POINT expected, DWORD timeoutMs = 2000);
// Moves the cursor there and waits until it is.
::testing::AssertionResult MoveCursorTo(POINT point, DWORD timeoutMs = 2000);

// Colour of a screen pixel, red in the low byte.
COLORREF ScreenPixel(int x, int y);

// Screen rectangle of a window relative to the client area of `parent`.
RECT RectInClient(HWND window, HWND parent);

// The folder of the running test program, with a trailing backslash.
std::wstring TestProgramDirectory();

// Runs a program of the tests' folder to its end (at most `timeoutMs`,
// handling this thread's messages meanwhile) and gives what it printed on
// its standard output; its exit code in `exitCode` (STILL_ACTIVE when it
// was ended for taking too long).
std::string RunTestProgram(const std::wstring& program, const std::wstring& arguments, DWORD& exitCode,
                           DWORD timeoutMs = 10000);

// A fixture program (fixture_app.exe beside the tests) running for the
// lifetime of this object; ended when it goes.
class FixtureProcess {
public:
    // Starts `exe` (from the tests' folder) with `arguments`.
    explicit FixtureProcess(const std::wstring& arguments, const wchar_t* exe = L"fixture_app.exe");
    ~FixtureProcess();
    FixtureProcess(const FixtureProcess&) = delete;
    FixtureProcess& operator=(const FixtureProcess&) = delete;
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }
    // The fixture's top-level window of that class (waits up to 10 s). A
    // fixture that Wine failed to start (it ended in failure at once) is
    // started once more; one whose window never comes is named on stderr.
    HWND Window(const wchar_t* className);

private:
    void Start();

    std::wstring arguments_;
    std::wstring program_;
    PROCESS_INFORMATION info_ = {};
    ULONGLONG started_ = 0;
    bool restarted_ = false;
};

// The fixture program in its "dialog" mode: the owner window and the dialog
// it owns (each null when it did not appear within 10 s).
struct OwnedDialogFixture {
    FixtureProcess process{L"dialog"};
    HWND owner = process.Window(L"TavrinFixtureOwner");
    HWND dialog = process.Window(L"TavrinFixtureDialog");
};

// Makes the fixture's GUI thread stop answering for `ms` milliseconds;
// returns once it has stopped answering (false if it never did).
bool HangFixture(HWND anyWindowOfIt, DWORD ms);
// Stops a counting window of the fixture and lets its thread go idle, waiting
// for messages (see fixture_app.cpp); false when it did not answer.
bool QuietFixtureCounter(HWND counter);

// Runs xdotool with the arguments (Wine starts the Unix program) and waits.
bool RunXdotool(const std::wstring& arguments);
// Starts it without waiting; the process, or nothing when it could not be
// started.
win::OwnedHandle StartXdotool(const std::wstring& arguments);

// How many GDI and USER objects this process holds, exactly. Where the
// system does not count them (Wine's GetGuiResources gives 0), the GDI
// objects are counted in the process's GDI handle table and the USER
// objects stand for the process's windows (top-level, child and
// message-only), which are what the program makes and destroys at run time.
struct GuiObjectLevel {
    long gdi = 0;
    long user = 0;
    bool windowsOnly = false;  // true: `user` counts windows only
};
GuiObjectLevel GuiObjects();
// The first GuiObjects() of a test draws the system's own first-use objects
// (fonts, DC defaults); call this once before taking a level.
GuiObjectLevel SettledGuiObjects();

// Runs `action`, which should pop up a menu, and returns the screen
// rectangle of the menu that appeared (closing it again), or {-1, -1, -1,
// -1} when none appeared within the time.
RECT MenuRectDuring(const std::function<void()>& action, DWORD timeoutMs = 1500);

// A window handle as the program shows it, and a number as its boxes show it.
inline win::WindowHandle H(HWND hwnd) { return win::FromHwnd(hwnd); }
std::string Text(std::int64_t v);

// True under Wine, for the few checks where Wine differs from Windows.
bool RunningUnderWine();

// Milliseconds since some fixed point, for measuring.
double NowMs();

// Creates the main window, shows it in front and lets it paint.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    app::MainWindow& Window() { return *window_; }
    template <typename T>
    T& Get(std::string_view name) {
        return window_->Get<T>(name);
    }
    void SelectPage(int page);

    app::UtilityObjects utilities_;
    std::unique_ptr<app::MainWindow> window_;
};

// The main window and, for the whole test suite, a fixture program with the
// hierarchy root {A {A1}, B, hidden C}.
class HierarchyTest : public MainWindowTest {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

    static FixtureProcess* fixture_;
    HWND root_ = nullptr, a_ = nullptr, a1_ = nullptr, b_ = nullptr, c_ = nullptr;
};

}  // namespace testing_support
