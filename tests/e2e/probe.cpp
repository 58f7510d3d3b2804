// Looks at a running Tavrin.exe from outside, as another program would: the
// end-to-end test and the start-up benchmark drive it from shell scripts.
//
//   probe window             wait for the main window; print its geometry
//   probe painted            wait until the finder board shows its icon on screen
//   probe tabs               print the tab captions, one per line (UTF-8)
//   probe tabstrip           print the screen rectangle of the tab strip
//   probe close              close the main window; wait for the process to end
//   probe finder             print the screen point of the finder board's centre
//   probe point X Y          print the screen point of the 96-DPI point (X, Y)
//                            of the main window's client area
//   probe text-at X Y        print the text of the control at the 96-DPI point
//                            (X, Y) of the main window's client area
//   probe tree-selected      print "bold" or "normal" and the selected tree item's text
//   probe window-of CLASS    print handle, centre of the client area and caption
//                            centre (screen) and title of a top-level window
//   probe child-of CLASS ID1 [ID2...]  print handle and screen centre of the
//                            window reached from that top-level window by
//                            control ids
//   probe place CLASS X Y W H  move a top-level window
//   probe child-class CLASS CHILDCLASS  print the handle of the first child
//                            of that class of a top-level window
//   probe text-of HANDLE     print the text of any window (WM_GETTEXT)
//   probe end CLASS          end the processes of all top-level windows of
//                            that class
//   probe desktop            print the desktop window's handle
//   probe finder-window      print the screen position of the finder window
//                            (the main window's 31 x 31 owned window) if shown
//
// "probe --desktop NAME COMMAND ..." looks into the Wine virtual desktop of
// that name (started with "wine explorer /desktop=NAME,WxH ...").
//   probe startup RUNS EXE [BASELINE]  start EXE (and BASELINE, in turns)
//                            RUNS times; print start-up figures and ratios
//
// Exit code 0 on success; 1 with a message on standard error otherwise.
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kTitle[] = L"Tavrin编程助手1.1";
constexpr COLORREF kFinderIcon = 0xFF00FF;
constexpr DWORD kWaitMs = 15000;

void PrintUtf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    std::fputc('\n', stdout);
}

int Fail(const char* message) {
    std::fprintf(stderr, "probe: %s\n", message);
    return 1;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

HWND MainWindow(DWORD pid = 0) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, nullptr, kTitle)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(found, &owner);
        if (IsWindowVisible(found) && (pid == 0 || owner == pid)) return found;
    }
    return nullptr;
}

HWND WaitForMainWindow(DWORD pid, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (HWND w = MainWindow(pid)) return w;
        if (GetTickCount64() >= deadline) return nullptr;
        Sleep(1);
    }
}

// The main window's DPI, from the ratio of its outer width to 565.
int WindowDpi(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    return MulDiv(r.right - r.left, 96, 565);
}

// Screen point of a 96-DPI point in the main window's client area.
POINT ClientPoint(HWND w, int x, int y) {
    const int dpi = WindowDpi(w);
    POINT p = {MulDiv(x, dpi, 96), MulDiv(y, dpi, 96)};
    ClientToScreen(w, &p);
    return p;
}

bool FinderPainted(HWND w) {
    // The finder board lies at (8, 32); its icon's disc covers (20, 20).
    const POINT p = ClientPoint(w, 8 + 20, 32 + 20);
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, p.x, p.y);
    ReleaseDC(nullptr, screen);
    return c == kFinderIcon;
}

bool WaitForPaint(HWND w, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (FinderPainted(w)) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(1);
    }
}

HWND TabControlOf(HWND w) { return FindWindowExW(w, nullptr, WC_TABCONTROLW, nullptr); }

// A block of memory in another process: common controls read and write
// the structures of their messages in their own address space.
class RemoteBuffer {
public:
    RemoteBuffer(HWND window, SIZE_T size) {
        DWORD pid = 0;
        GetWindowThreadProcessId(window, &pid);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        if (process_) address_ = static_cast<BYTE*>(VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_) CloseHandle(process_);
    }
    bool Valid() const { return address_ != nullptr; }
    BYTE* Address(SIZE_T offset = 0) const { return address_ + offset; }
    void Write(SIZE_T offset, const void* data, SIZE_T size) const {
        WriteProcessMemory(process_, address_ + offset, data, size, nullptr);
    }
    void Read(SIZE_T offset, void* data, SIZE_T size) const {
        ReadProcessMemory(process_, address_ + offset, data, size, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    BYTE* address_ = nullptr;
};

std::vector<std::wstring> TabCaptions(HWND tab) {
    std::vector<std::wstring> captions;
    constexpr int kChars = 256;
    RemoteBuffer remote(tab, sizeof(TCITEMW) + kChars * sizeof(wchar_t));
    const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; remote.Valid() && i < count; ++i) {
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = reinterpret_cast<wchar_t*>(remote.Address(sizeof(TCITEMW)));
        item.cchTextMax = kChars;
        remote.Write(0, &item, sizeof item);
        SendMessageW(tab, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(remote.Address()));
        wchar_t text[kChars] = {};
        remote.Read(sizeof(TCITEMW), text, sizeof text - sizeof(wchar_t));
        captions.emplace_back(text);
    }
    return captions;
}

RECT TabItemRect(HWND tab, int index) {
    RECT r = {};
    RemoteBuffer remote(tab, sizeof r);
    if (!remote.Valid()) return r;
    SendMessageW(tab, TCM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(remote.Address()));
    remote.Read(0, &r, sizeof r);
    return r;
}

HWND WaitForClass(const wchar_t* className) {
    const ULONGLONG deadline = GetTickCount64() + kWaitMs;
    for (;;) {
        HWND found = FindWindowW(className, nullptr);
        if (found && IsWindowVisible(found)) return found;
        if (GetTickCount64() >= deadline) return nullptr;
        Sleep(10);
    }
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[4096] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, &copied);
    return text;
}

int Finder() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    const POINT p = ClientPoint(w, 8 + 15, 32 + 15);
    std::printf("%ld %ld\n", p.x, p.y);
    return 0;
}

int TextAt(int x, int y) {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    const int dpi = WindowDpi(w);
    const POINT client = {MulDiv(x, dpi, 96), MulDiv(y, dpi, 96)};
    HWND control = ChildWindowFromPointEx(w, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (!control || control == w) return Fail("no control there");
    PrintUtf8(TextOf(control));
    return 0;
}

int TreeSelected() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    HWND tree = w ? FindWindowExW(w, nullptr, WC_TREEVIEWW, nullptr) : nullptr;
    if (!tree) return Fail("no tree in the main window");
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return Fail("no selected item");
    constexpr int kChars = 1024;
    RemoteBuffer remote(tree, sizeof(TVITEMW) + kChars * sizeof(wchar_t));
    if (!remote.Valid()) return Fail("cannot reach the program's memory");
    TVITEMW query = {};
    query.mask = TVIF_TEXT | TVIF_STATE;
    query.hItem = item;
    query.stateMask = TVIS_BOLD;
    query.pszText = reinterpret_cast<wchar_t*>(remote.Address(sizeof(TVITEMW)));
    query.cchTextMax = kChars;
    remote.Write(0, &query, sizeof query);
    SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote.Address()));
    remote.Read(0, &query, sizeof query);
    wchar_t text[kChars] = {};
    remote.Read(sizeof(TVITEMW), text, sizeof text - sizeof(wchar_t));
    PrintUtf8(std::wstring((query.state & TVIS_BOLD) ? L"bold " : L"normal ") + text);
    return 0;
}

POINT CentreOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

int WindowOf(const wchar_t* className) {
    HWND w = WaitForClass(className);
    if (!w) return Fail("no such window");
    RECT client;
    GetClientRect(w, &client);
    POINT centre = {client.right / 2, client.bottom / 2};
    ClientToScreen(w, &centre);
    RECT r;
    GetWindowRect(w, &r);
    POINT origin = {0, 0};
    ClientToScreen(w, &origin);
    // The caption lies between the window's top edge and the client area.
    const POINT caption = {(r.left + r.right) / 2, (r.top + origin.y) / 2};
    std::printf("%lld %ld %ld %ld %ld ", static_cast<long long>(reinterpret_cast<INT_PTR>(w)), centre.x, centre.y,
                caption.x, caption.y);
    std::fflush(stdout);
    wchar_t title[1024] = {};
    GetWindowTextW(w, title, 1024);
    PrintUtf8(title);
    return 0;
}

int ChildOf(const wchar_t* className, int argc, wchar_t** argv) {
    HWND w = WaitForClass(className);
    for (int i = 0; w && i < argc; ++i) w = GetDlgItem(w, _wtoi(argv[i]));
    if (!w) return Fail("no such window");
    const POINT centre = CentreOf(w);
    std::printf("%lld %ld %ld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(w)), centre.x, centre.y);
    return 0;
}

int Place(const wchar_t* className, int x, int y, int width, int height) {
    HWND w = WaitForClass(className);
    if (!w) return Fail("no such window");
    return SetWindowPos(w, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE) ? 0 : Fail("cannot move it");
}

int FinderWindow() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    const int size = MulDiv(31, WindowDpi(w), 96);
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
        RECT r;
        if (GetWindow(h, GW_OWNER) != w || !IsWindowVisible(h) || !GetWindowRect(h, &r)) continue;
        if (r.right - r.left == size && r.bottom - r.top == size) {
            std::printf("%ld %ld\n", r.left, r.top);
            return 0;
        }
    }
    return Fail("no finder window");
}

int Window() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    RECT r;
    GetWindowRect(w, &r);
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    std::printf("pid %lu outer %ld %ld %ld %ld dpi %d\n", pid, r.left, r.top, r.right - r.left, r.bottom - r.top,
                WindowDpi(w));
    return 0;
}

int Painted() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    return WaitForPaint(w, kWaitMs) ? 0 : Fail("the finder board was never painted");
}

int Tabs() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    HWND tab = w ? TabControlOf(w) : nullptr;
    if (!tab) return Fail("no tab control in the main window");
    for (const std::wstring& caption : TabCaptions(tab)) PrintUtf8(caption);
    return 0;
}

int TabStrip() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    HWND tab = w ? TabControlOf(w) : nullptr;
    if (!tab) return Fail("no tab control in the main window");
    const int count = static_cast<int>(SendMessageW(tab, TCM_GETITEMCOUNT, 0, 0));
    const RECT first = TabItemRect(tab, 0), last = TabItemRect(tab, count - 1);
    POINT topLeft = {first.left, first.top}, bottomRight = {last.right, last.bottom};
    ClientToScreen(tab, &topLeft);
    ClientToScreen(tab, &bottomRight);
    std::printf("%ld %ld %ld %ld\n", topLeft.x, topLeft.y, bottomRight.x - topLeft.x, bottomRight.y - topLeft.y);
    return 0;
}

int Close() {
    HWND w = MainWindow();
    if (!w) return Fail("no main window to close");
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    HANDLE process = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    PostMessageW(w, WM_CLOSE, 0, 0);
    if (!process) return Fail("cannot open the program's process");
    const bool ended = WaitForSingleObject(process, 5000) == WAIT_OBJECT_0;
    DWORD code = 1;
    GetExitCodeProcess(process, &code);
    CloseHandle(process);
    if (!ended) return Fail("the program did not end after its window was closed");
    std::printf("exit code %lu\n", code);
    return code == 0 ? 0 : 1;
}

struct StartupFigures {
    std::vector<double> toWindow, toPaint, workingSet;
};

// Starts the program once and notes its start-up figures; false when it
// never painted.
bool StartOnce(const wchar_t* exe, StartupFigures& figures) {
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::wstring commandLine = L"\"" + std::wstring(exe) + L"\"";
    LARGE_INTEGER start, window, painted;
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    HWND w = WaitForMainWindow(pi.dwProcessId, kWaitMs);
    QueryPerformanceCounter(&window);
    const bool paintedOk = w && WaitForPaint(w, kWaitMs);
    QueryPerformanceCounter(&painted);
    Sleep(500);  // let start-up settle before measuring memory
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory);
    if (w) PostMessageW(w, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    if (!paintedOk) return false;
    figures.toWindow.push_back(Seconds(start, window) * 1000);
    figures.toPaint.push_back(Seconds(start, painted) * 1000);
    figures.workingSet.push_back(static_cast<double>(memory.WorkingSetSize) / 1024.0);
    return true;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void PrintFigures(const char* name, const StartupFigures& f) {
    std::printf("%s: start to visible window %.1f ms, to first paint %.1f ms (min %.1f, max %.1f), "
                "working set %.0f KiB (medians)\n",
                name, Median(f.toWindow), Median(f.toPaint), *std::min_element(f.toPaint.begin(), f.toPaint.end()),
                *std::max_element(f.toPaint.begin(), f.toPaint.end()), Median(f.workingSet));
}

// Starts the program, and the baseline when given, in turns, so that both
// see the same machine; prints their medians and the ratios.
int Startup(int runs, const wchar_t* exe, const wchar_t* baseline) {
    StartupFigures program, bare;
    for (int run = 0; run < runs; ++run) {
        if (!StartOnce(exe, program)) return Fail("the program never painted its finder board");
        if (baseline && !StartOnce(baseline, bare)) return Fail("the baseline never painted");
    }
    std::printf("runs %d\n", runs);
    PrintFigures("program", program);
    if (!baseline) return 0;
    PrintFigures("bare window with the same controls", bare);
    std::printf("first paint: %.2f times the bare window's\n", Median(program.toPaint) / Median(bare.toPaint));
    std::printf("working set: %+.1f MiB over the bare window's\n",
                (Median(program.workingSet) - Median(bare.workingSet)) / 1024.0);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 2 && std::wstring(argv[1]) == L"--desktop") {
        // The desktop may still be starting: wait for it.
        HDESK desktop = nullptr;
        const ULONGLONG deadline = GetTickCount64() + kWaitMs;
        while (!(desktop = OpenDesktopW(argv[2], 0, FALSE, GENERIC_ALL)) && GetTickCount64() < deadline) Sleep(50);
        if (!desktop || !SetThreadDesktop(desktop)) return Fail("cannot enter that desktop");
        argc -= 2;
        argv += 2;
    }
    const std::wstring command = argc > 1 ? argv[1] : L"";
    if (command == L"window") return Window();
    if (command == L"painted") return Painted();
    if (command == L"tabs") return Tabs();
    if (command == L"tabstrip") return TabStrip();
    if (command == L"close") return Close();
    if (command == L"startup" && argc > 3) return Startup(_wtoi(argv[2]), argv[3], argc > 4 ? argv[4] : nullptr);
    if (command == L"finder") return Finder();
    if (command == L"point" && argc > 3) {
        HWND w = WaitForMainWindow(0, kWaitMs);
        if (!w) return Fail("the main window did not appear");
        const POINT p = ClientPoint(w, _wtoi(argv[2]), _wtoi(argv[3]));
        std::printf("%ld %ld\n", p.x, p.y);
        return 0;
    }
    if (command == L"finder-window") return FinderWindow();
    if (command == L"text-at" && argc > 3) return TextAt(_wtoi(argv[2]), _wtoi(argv[3]));
    if (command == L"tree-selected") return TreeSelected();
    if (command == L"window-of" && argc > 2) return WindowOf(argv[2]);
    if (command == L"child-of" && argc > 2) return ChildOf(argv[2], argc - 3, argv + 3);
    if (command == L"place" && argc > 6) {
        return Place(argv[2], _wtoi(argv[3]), _wtoi(argv[4]), _wtoi(argv[5]), _wtoi(argv[6]));
    }
    if (command == L"child-class" && argc > 3) {
        HWND top = WaitForClass(argv[2]);
        HWND child = top ? FindWindowExW(top, nullptr, argv[3], nullptr) : nullptr;
        if (!child) return Fail("no such child window");
        std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(child)));
        return 0;
    }
    if (command == L"text-of" && argc > 2) {
        PrintUtf8(TextOf(reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(argv[2], nullptr, 10)))));
        return 0;
    }
    if (command == L"end" && argc > 2) {
        HWND w = nullptr;
        while ((w = FindWindowExW(nullptr, w, argv[2], nullptr)) != nullptr) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)) {
                TerminateProcess(process, 0);
                WaitForSingleObject(process, 5000);
                CloseHandle(process);
            }
        }
        return 0;
    }
    if (command == L"desktop") {
        std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(GetDesktopWindow())));
        return 0;
    }
    return Fail("usage: probe window|painted|tabs|tabstrip|close|startup|finder|text-at|tree-selected|window-of|"
                "child-of|place|desktop ...");
}
