#include <gtest/gtest.h>

#include "tests/win/test_support.h"
#include "util/core/number_text.h"
#include "util/threads.h"

namespace testing_support {

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        util::ProcessPendingMessages();
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

::testing::AssertionResult CursorArrivesAt(POINT expected, DWORD timeoutMs) {
    POINT cursor = {};
    if (PumpUntil([&] { return GetCursorPos(&cursor) && cursor.x == expected.x && cursor.y == expected.y; },
                  timeoutMs)) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "the cursor is at " << cursor.x << "," << cursor.y << ", not at "
                                         << expected.x << "," << expected.y;
}

::testing::AssertionResult MoveCursorTo(POINT point, DWORD timeoutMs) {
    SetCursorPos(point.x, point.y);
    return CursorArrivesAt(point, timeoutMs);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

RECT RectInClient(HWND window, HWND parent) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring TestProgramDirectory() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path);
    return p.substr(0, p.find_last_of(L'\\') + 1);
}

FixtureProcess::FixtureProcess(const std::wstring& arguments, const wchar_t* program) {
    const std::wstring exe = TestProgramDirectory() + program;
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info_)) {
        info_ = {};
    }
}

FixtureProcess::~FixtureProcess() {
    if (!info_.hProcess) return;
    TerminateProcess(info_.hProcess, 0);
    WaitForSingleObject(info_.hProcess, 5000);
    CloseHandle(info_.hThread);
    CloseHandle(info_.hProcess);
}

HWND FixtureProcess::Window(const wchar_t* className) const {
    HWND found = nullptr;
    PumpUntil(
        [&] {
            found = nullptr;
            while ((found = FindWindowExW(nullptr, found, className, nullptr)) != nullptr) {
                DWORD pid = 0;
                GetWindowThreadProcessId(found, &pid);
                if (pid == info_.dwProcessId && IsWindowVisible(found)) return true;
            }
            return false;
        },
        10000);
    return found;
}

bool HangFixture(HWND anyWindowOfIt, DWORD ms) {
    if (!PostMessageW(anyWindowOfIt, WM_APP + 1, ms, 0)) return false;
    // Hung once a question it would answer at once goes unanswered.
    return PumpUntil(
        [&] {
            DWORD_PTR answer = 0;
            return SendMessageTimeoutW(anyWindowOfIt, WM_NULL, 0, 0, SMTO_NORMAL, 50, &answer) == 0;
        },
        5000);
}

bool QuietFixtureCounter(HWND counter) {
    DWORD_PTR answer = 0;
    return SendMessageTimeoutW(counter, WM_APP + 2, 0, 0, SMTO_ABORTIFHUNG, 5000, &answer) != 0 && answer == 1;
}

HANDLE StartXdotool(const std::wstring& arguments) {
    std::wstring commandLine = L"start.exe /wait /unix /usr/bin/xdotool " + arguments;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        return nullptr;
    }
    CloseHandle(pi.hThread);
    return pi.hProcess;
}

bool RunXdotool(const std::wstring& arguments) {
    HANDLE process = StartXdotool(arguments);
    if (!process) return false;
    // Keep handling messages: the input may be waiting for this thread.
    PumpUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, 10000);
    DWORD code = 1;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    return code == 0;
}

GuiObjectLevel GuiObjects() {
    GuiObjectLevel level;
    level.gdi = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    level.user = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    level.counted = level.gdi > 0;
    if (!level.counted) {
        HPEN pen = CreatePen(PS_SOLID, 1, 0);
        level.gdi = static_cast<long>(reinterpret_cast<UINT_PTR>(pen) & 0xFFFF);
        DeleteObject(pen);
        HMENU menu = CreateMenu();
        level.user = static_cast<long>(reinterpret_cast<UINT_PTR>(menu) & 0xFFFF);
        DestroyMenu(menu);
    }
    return level;
}

RECT MenuRectDuring(const std::function<void()>& action, DWORD timeoutMs) {
    static RECT found;
    found = RECT{-1, -1, -1, -1};
    // The menu runs its own loop inside `action`; a thread timer still fires
    // there, finds the menu and ends it.
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR, DWORD) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu && IsWindowVisible(menu)) {
            GetWindowRect(menu, &found);
            EndMenu();
        }
    });
    action();
    PumpUntil([] { return found.left != -1; }, timeoutMs);
    KillTimer(nullptr, timer);
    return found;
}

std::string Text(std::int64_t v) { return core::NumberToText(static_cast<double>(v)); }

bool RunningUnderWine() {
    return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr;
}

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

void MainWindowTest::SetUp() {
    window_ = std::make_unique<app::MainWindow>(utilities_);
    ASSERT_TRUE(window_->Create());
    window_->Show(SW_SHOWNORMAL);
    SetForegroundWindow(window_->Handle());
    // Painted, controls included, and in front before the test begins.
    RedrawWindow(window_->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == window_->Handle(); }, 2000));
    util::ProcessPendingMessages();
    window_->BuildLaterPages();  // made after the first paint; the tests reach all pages at once
}

void MainWindowTest::TearDown() {
    window_.reset();
    // The window posts WM_QUIT when it goes; take it out of the queue so
    // that the next test's pumping is not affected.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

FixtureProcess* HierarchyTest::fixture_ = nullptr;

void HierarchyTest::SetUpTestSuite() { fixture_ = new FixtureProcess(L"hierarchy"); }

void HierarchyTest::TearDownTestSuite() {
    delete fixture_;
    fixture_ = nullptr;
}

void HierarchyTest::SetUp() {
    MainWindowTest::SetUp();
    root_ = fixture_->Window(L"TavrinFixtureRoot");
    ASSERT_NE(root_, nullptr);
    a_ = GetDlgItem(root_, 101);
    a1_ = GetDlgItem(a_, 111);
    b_ = GetDlgItem(root_, 102);
    c_ = GetDlgItem(root_, 103);
    ASSERT_TRUE(a_ && a1_ && b_ && c_);
}

void MainWindowTest::SelectPage(int page) {
    window_->Tabs().SelectPage(page);
    RedrawWindow(window_->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    util::ProcessPendingMessages();
}

}  // namespace testing_support
