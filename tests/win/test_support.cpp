#include <gtest/gtest.h>

#include "tests/win/test_support.h"

#include <winternl.h>

#include <algorithm>
#include <cstdint>

#include "text/number_text.h"
#include "win/scoped.h"
#include "win/threads.h"

namespace testing_support {

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    bool holds = false;
    // What is waiting is handled before the first look: the condition is
    // taken after the events that were already due.
    win::ProcessPendingMessages();
    win::WaitHandlingMessages([&] { return (holds = condition()) || GetTickCount64() >= deadline; }, nullptr,
                               {{}, 10});
    return holds;
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
    return GetPixel(win::WindowDC().Get(), x, y);
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

std::string RunTestProgram(const std::wstring& program, const std::wstring& arguments, DWORD& exitCode,
                           DWORD timeoutMs) {
    exitCode = 1;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) return {};
    const win::OwnedHandle reading(readEnd);
    win::OwnedHandle writing(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    const std::wstring exe = TestProgramDirectory() + program;
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdOutput = writeEnd;
    si.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    si.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &si, &pi)) {
        return {};
    }
    const win::OwnedHandle process(pi.hProcess), thread(pi.hThread);
    writing.Reset();  // the child's end alone: reading ends when it ends
    std::string output;
    const bool ended = PumpUntil(
        [&] {
            DWORD available = 0;
            while (PeekNamedPipe(readEnd, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
                char chunk[4096];
                DWORD got = 0;
                if (!ReadFile(readEnd, chunk, std::min<DWORD>(available, sizeof chunk), &got, nullptr) || got == 0) break;
                output.append(chunk, got);
            }
            return WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0;
        },
        timeoutMs);
    if (!ended) TerminateProcess(process.Get(), 1);
    for (DWORD got = 0;;) {
        char chunk[4096];
        if (!ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) || got == 0) break;
        output.append(chunk, got);
    }
    GetExitCodeProcess(process.Get(), &exitCode);
    if (!ended) exitCode = STILL_ACTIVE;
    return output;
}

FixtureProcess::FixtureProcess(const std::wstring& arguments, const wchar_t* program)
    : arguments_(arguments), program_(program) {
    Start();
}

void FixtureProcess::Start() {
    const std::wstring exe = TestProgramDirectory() + program_;
    std::wstring commandLine = L"\"" + exe + L"\" " + arguments_;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    started_ = GetTickCount64();
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info_)) {
        info_ = {};
    }
}

FixtureProcess::~FixtureProcess() {
    if (!info_.hProcess) return;
    const win::OwnedHandle process(info_.hProcess), thread(info_.hThread);
    TerminateProcess(process.Get(), 0);
    WaitForSingleObject(process.Get(), 5000);
}

HWND FixtureProcess::Window(const wchar_t* className) {
    HWND found = nullptr;
    const auto shown = [&] {
        found = nullptr;
        while ((found = FindWindowExW(nullptr, found, className, nullptr)) != nullptr) {
            DWORD pid = 0;
            GetWindowThreadProcessId(found, &pid);
            if (pid == info_.dwProcessId && IsWindowVisible(found)) return true;
        }
        return false;
    };
    const auto ended = [&] { return info_.hProcess && WaitForSingleObject(info_.hProcess, 0) == WAIT_OBJECT_0; };
    PumpUntil([&] { return shown() || ended(); }, 10000);
    DWORD code = STILL_ACTIVE;
    if (!found && ended()) GetExitCodeProcess(info_.hProcess, &code);
    // Wine's process start fails now and then before any of the program's
    // code runs: a fixture that ends in failure within two seconds, having
    // shown nothing, is started once more (as the test scripts do).
    if (!found && code != STILL_ACTIVE && code != 0 && GetTickCount64() - started_ < 2000 && !restarted_) {
        std::fprintf(stderr, "%ls %ls ended with status %lu after %llu ms without a window; started again\n",
                     program_.c_str(), arguments_.c_str(), code, GetTickCount64() - started_);
        CloseHandle(info_.hProcess);
        CloseHandle(info_.hThread);
        restarted_ = true;
        Start();
        return Window(className);
    }
    if (!found) {
        std::fprintf(stderr, "%ls %ls: no window of class %ls; the process %s (status %lu)\n", program_.c_str(),
                     arguments_.c_str(), className, code == STILL_ACTIVE ? "still runs" : "has ended", code);
    }
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
    return SendMessageTimeoutW(counter, WM_APP + 2, 0, 0, SMTO_NORMAL, 5000, &answer) != 0 && answer == 1;
}

win::OwnedHandle StartXdotool(const std::wstring& arguments) {
    std::wstring commandLine = L"start.exe /wait /unix /usr/bin/xdotool " + arguments;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        return {};
    }
    const win::OwnedHandle thread(pi.hThread);
    return win::OwnedHandle(pi.hProcess);
}

bool RunXdotool(const std::wstring& arguments) {
    const win::OwnedHandle process = StartXdotool(arguments);
    if (!process) return false;
    // Keep handling messages: the input may be waiting for this thread.
    PumpUntil([&] { return WaitForSingleObject(process.Get(), 0) == WAIT_OBJECT_0; }, 10000);
    DWORD code = 1;
    GetExitCodeProcess(process.Get(), &code);
    return code == 0;
}

namespace {

// One entry of the GDI handle table the system maps into every process
// (the process environment block's GdiSharedHandleTable): 24 bytes, the
// object's type in `type` (0 for a free entry) and the stock flag in the
// high bit of the low byte of `unique`.
struct GdiHandleEntry {
    std::uint64_t object;
    std::uint32_t owner;
    std::uint16_t unique;
    std::uint8_t type;
    std::uint8_t flags;
    std::uint64_t user;
};
static_assert(sizeof(GdiHandleEntry) == 24, "GDI handle table entry layout");
constexpr std::size_t kGdiHandleCount = 0x10000;
constexpr std::size_t kPebGdiTableOffset = 0xF8;  // 64-bit process environment block

const BYTE* ProcessEnvironmentBlock() {
    using Query = LONG(NTAPI*)(HANDLE, PROCESSINFOCLASS, void*, ULONG, ULONG*);
    static const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION info{};
    if (!query || query(GetCurrentProcess(), ProcessBasicInformation, &info, sizeof info, nullptr) != 0) return nullptr;
    return reinterpret_cast<const BYTE*>(info.PebBaseAddress);
}

long CountGdiHandleTable() {
    const BYTE* peb = ProcessEnvironmentBlock();
    if (!peb) return 0;
    const auto* table = *reinterpret_cast<const GdiHandleEntry* const*>(peb + kPebGdiTableOffset);
    if (!table) return 0;
    long live = 0;
    for (std::size_t i = 0; i < kGdiHandleCount; ++i) {
        if (table[i].type != 0 && !(table[i].unique & 0x80)) ++live;
    }
    return live;
}

BOOL CALLBACK CountOwnWindow(HWND hwnd, LPARAM count) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid != GetCurrentProcessId()) return TRUE;
    ++*reinterpret_cast<long*>(count);
    EnumChildWindows(
        hwnd,
        [](HWND, LPARAM c) -> BOOL {
            ++*reinterpret_cast<long*>(c);
            return TRUE;
        },
        count);
    return TRUE;
}

long CountOwnWindows() {
    long count = 0;
    EnumWindows(CountOwnWindow, reinterpret_cast<LPARAM>(&count));
    for (HWND w = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); w;
         w = FindWindowExW(HWND_MESSAGE, w, nullptr, nullptr)) {
        CountOwnWindow(w, reinterpret_cast<LPARAM>(&count));
    }
    return count;
}

}  // namespace

GuiObjectLevel GuiObjects() {
    GuiObjectLevel level;
    level.gdi = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    level.user = static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    if (level.gdi == 0) {
        level.gdi = CountGdiHandleTable();
        level.user = CountOwnWindows();
        level.windowsOnly = true;
    }
    return level;
}

GuiObjectLevel SettledGuiObjects() {
    // A DC and a font made and freed once bring in the objects the system
    // keeps from their first use on.
    {
        const win::MemoryDC dc;
        const win::OwnedFont font(CreateFontW(12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
        SelectObject(dc.Get(), font.Get());
        TextOutW(dc.Get(), 0, 0, L"x", 1);
    }
    return GuiObjects();
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

std::string Text(std::int64_t v) { return text::NumberToText(static_cast<double>(v)); }

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
    win::ProcessPendingMessages();
    window_->FinishStartUp();  // the tray icon and the later pages: the tests reach them at once
}

void ForgetQuit() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

void MainWindowTest::TearDown() {
    window_.reset();
    // The window posts WM_QUIT when it goes; take it out of the queue so
    // that the next test's pumping is not affected.
    ForgetQuit();
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
    win::ProcessPendingMessages();
}

}  // namespace testing_support
