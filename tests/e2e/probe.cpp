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
//   probe place CLASS X Y W H  move a top-level window; wait until it is there
//   probe child-class CLASS CHILDCLASS  print the handle of the first child
//                            of that class of a top-level window
//   probe text-of HANDLE     print the text of any window (WM_GETTEXT)
//   probe end CLASS          end the processes of all top-level windows of
//                            that class
//   probe desktop            print the desktop window's handle
//   probe finder-window      print the screen position of the finder window
//                            (the main window's 31 x 31 owned window) if shown
//
// Waits: each polls until its condition holds and fails with a message when
// it has not held within 15 seconds; what it prints is what it saw last.
//   probe end-title TEXT     end the programs of the top-level windows whose
//                            titles contain TEXT
//   probe top-levels         print the visible top-level windows
//   probe descendants CLASS  print every descendant of that top-level window
//   probe descendant-class CLASS CHILDCLASS  print the handle of the first
//                            visible descendant of that class, at any depth
//   probe facts HANDLE       print, field by field, what the panel should
//                            show for the window: "X Y<TAB>value" lines, X Y
//                            the 96-DPI client point of the field's box
//   probe window-rect HANDLE print the window's screen rectangle: left top
//                            width height
//   probe wait-enabled HANDLE  until the window is enabled
//   probe wait-cursor X Y    until the cursor is at the screen point (X, Y)
//   probe wait-text-at [--ending] X Y TEXT  until the control at the 96-DPI
//                            client point (X, Y) shows TEXT (with --ending: a
//                            text that ends with TEXT); line breaks are not
//                            compared
//   probe wait-text-of HANDLE TEXT  the same for any window
//   probe wait-focus X Y     until the control at the 96-DPI client point
//                            (X, Y) has the keyboard focus
//   probe wait-tree-selected TEXT  until the selected tree item, printed as
//                            by tree-selected, ends with TEXT
//   probe wait-menu          until a pop-up menu (class #32768) of the
//                            program is shown; print its screen rectangle
//                            (left top width height)
//   probe menu-gone          until no pop-up menu of the program is shown
//   probe control-in TITLE CAPTION  until the top-level window of that
//                            title shows a control with that caption; print
//                            the control's handle and centre
//   probe wait-log TITLE TEXT...  until an Edit in the top-level window of
//                            that title holds every TEXT, in the order
//                            given; print the Edit's text
//   probe close-titled TITLE close the top-level window of that title; wait
//                            until it is gone
//   probe form-state         print the state of fixture_app's form: "count
//                            N|check|edit text|list index|combo index"
//   probe wait-form-state STATE  until it is that
//   probe wait-finder-window [X Y]  until the finder window is shown (at the
//                            screen position (X, Y)); print its position
//   probe finder-window-gone until the finder window is gone
//   probe wait-suspended HWND yes|no  until the thread that owns the window
//                            is suspended (yes) or runs (no); print its
//                            suspend count
//   probe wait-pixel SX SY COLOUR  until the screen pixel (SX, SY) has the
//                            colour (decimal, red in the low byte); print it
//   probe wait-pixel-other SX SY COLOUR  until it has any other colour
//   probe wait-capture N     until the program shows N windows that cover
//                            the whole virtual screen (the region capture)
//   probe capture-gone       until it shows none
//   probe wait-tray-icons N  until Wine's tray shows N icons; print the
//                            screen centre of the first (if any) and N
//   probe minimise           minimise the main window; wait until it is
//   probe wait-centred       until the main window is restored and centred
//                            on the screen (integer halves); print its
//                            rectangle and whether it is in front
//   probe clipboard-text [PART]  until the clipboard's text holds PART;
//                            print the text (UTF-8, exactly)
//   probe clipboard-dib X Y  the device-independent bitmap on the clipboard
//                            (CF_DIB): print its width, height and the
//                            colour of pixel (X, Y) from the top (decimal)
//
// "probe --desktop NAME COMMAND ..." looks into the Wine virtual desktop of
// that name (started with "wine explorer /desktop=NAME,WxH ...").
//   probe answer-times MS    for MS milliseconds, time the main window's
//                            answers to WM_NULL sent every 10 ms; print the
//                            worst and how many took over 50 ms
//   probe startup RUNS EXE [BASELINE [EARLIER]]  start EXE (and BASELINE,
//                            and EARLIER, an earlier build of EXE, in turns)
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

#include "ui/core/glyphs.h"
#include "win/scoped.h"

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
    return GetPixel(win::WindowDC().Get(), p.x, p.y) == kFinderIcon;
}

bool WaitForPaint(HWND w, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        if (FinderPainted(w)) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(1);
    }
}

// Ends a process and waits a moment for it to be gone.
void EndProcess(DWORD pid) {
    if (const win::OwnedHandle process{OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid)}) {
        TerminateProcess(process.Get(), 0);
        WaitForSingleObject(process.Get(), 5000);
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
        process_.Reset(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid));
        if (process_) {
            address_ = static_cast<BYTE*>(VirtualAllocEx(process_.Get(), nullptr, size, MEM_COMMIT, PAGE_READWRITE));
        }
    }
    ~RemoteBuffer() {
        if (address_) VirtualFreeEx(process_.Get(), address_, 0, MEM_RELEASE);
    }
    bool Valid() const { return address_ != nullptr; }
    BYTE* Address(SIZE_T offset = 0) const { return address_ + offset; }
    void Write(SIZE_T offset, const void* data, SIZE_T size) const {
        WriteProcessMemory(process_.Get(), address_ + offset, data, size, nullptr);
    }
    void Read(SIZE_T offset, void* data, SIZE_T size) const {
        ReadProcessMemory(process_.Get(), address_ + offset, data, size, nullptr);
    }

private:
    win::OwnedHandle process_;
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

// Polls the condition until it holds or kWaitMs have passed; its last value.
template <typename Condition>
bool WaitUntil(Condition condition) {
    const ULONGLONG deadline = GetTickCount64() + kWaitMs;
    for (;;) {
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        Sleep(10);
    }
}

// The first visible top-level window of the class. Windows of that class
// that are hidden (one still starting, one on its way out) are passed over.
HWND VisibleWindowOfClass(const wchar_t* className) {
    HWND found = nullptr;
    while ((found = FindWindowExW(nullptr, found, className, nullptr)) != nullptr) {
        if (IsWindowVisible(found)) return found;
    }
    return nullptr;
}

HWND WaitForClass(const wchar_t* className) {
    HWND found = nullptr;
    WaitUntil([&] { return (found = VisibleWindowOfClass(className)) != nullptr; });
    return found;
}

// The window's text; false when the window did not answer in time (a busy
// program on a loaded machine can take seconds: the wait is generous, so
// that an unanswered question is never taken for an empty box). Not
// SMTO_ABORTIFHUNG: Wine counts a program idle for five seconds as hung
// for the moment it wakes for anything else.
bool AskText(HWND hwnd, std::wstring& text) {
    wchar_t buffer[4096] = {};
    DWORD_PTR copied = 0;
    const bool answered = SendMessageTimeoutW(hwnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(buffer),
                                              SMTO_NORMAL, kWaitMs, &copied) != 0;
    text = buffer;
    return answered;
}

std::wstring TextOf(HWND hwnd) {
    std::wstring text;
    AskText(hwnd, text);
    return text;
}

// Until the clipboard's text holds `part`; prints the text.
int ClipboardText(const std::wstring& part) {
    std::wstring text;
    const bool found = WaitUntil([&] {
        text.clear();
        if (!OpenClipboard(nullptr)) return false;
        if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
            if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
                text = chars;
                GlobalUnlock(data);
            }
        }
        CloseClipboard();
        return text.find(part) != std::wstring::npos;
    });
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), stdout);
    return found ? 0 : Fail("the clipboard never held that text");
}

int ClipboardDib(int x, int y) {
    if (!OpenClipboard(nullptr)) return Fail("cannot open the clipboard");
    struct Closer {
        ~Closer() { CloseClipboard(); }
    } closer;
    HANDLE data = GetClipboardData(CF_DIB);
    if (!data) return Fail("no CF_DIB on the clipboard");
    const auto* info = static_cast<const BITMAPINFOHEADER*>(GlobalLock(data));
    if (!info) return Fail("the CF_DIB cannot be read");
    struct Unlocker {
        HANDLE h;
        ~Unlocker() { GlobalUnlock(h); }
    } unlocker{data};
    const long width = info->biWidth, height = std::labs(info->biHeight);
    if (info->biBitCount != 24 && info->biBitCount != 32) return Fail("a CF_DIB of another depth");
    if (x < 0 || y < 0 || x >= width || y >= height) return Fail("the pixel lies outside the bitmap");
    const std::size_t bytesPerPixel = info->biBitCount / 8u;
    const std::size_t stride = (static_cast<std::size_t>(width) * info->biBitCount + 31) / 32 * 4;
    const std::size_t masks = info->biCompression == BI_BITFIELDS ? 12 : 0;
    const auto* bits = reinterpret_cast<const BYTE*>(info) + info->biSize + masks;
    const long row = info->biHeight > 0 ? height - 1 - y : y;  // bottom-up unless the height is negative
    const BYTE* p = bits + stride * static_cast<std::size_t>(row) + bytesPerPixel * static_cast<std::size_t>(x);
    std::printf("%ld %ld %lu\n", width, height, static_cast<unsigned long>(RGB(p[2], p[1], p[0])));
    return 0;
}

int Finder() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    const POINT p = ClientPoint(w, 8 + 15, 32 + 15);
    std::printf("%ld %ld\n", p.x, p.y);
    return 0;
}

// The control at a 96-DPI point of the main window's client area.
HWND ControlAt(HWND w, int x, int y) {
    const int dpi = WindowDpi(w);
    const POINT client = {MulDiv(x, dpi, 96), MulDiv(y, dpi, 96)};
    HWND control = ChildWindowFromPointEx(w, client, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    return control == w ? nullptr : control;
}

int TextAt(int x, int y) {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    HWND control = ControlAt(w, x, y);
    if (!control) return Fail("no control there");
    std::wstring text;
    if (!AskText(control, text)) return Fail("the control did not answer");
    PrintUtf8(text);
    return 0;
}

std::wstring WithoutLineBreaks(std::wstring text) {
    text.erase(std::remove_if(text.begin(), text.end(), [](wchar_t c) { return c == L'\r' || c == L'\n'; }),
               text.end());
    return text;
}

bool EndsWith(const std::wstring& text, const std::wstring& ending) {
    return text.size() >= ending.size() && text.compare(text.size() - ending.size(), ending.size(), ending) == 0;
}

// Waits until the window shows the text (or one ending with it); prints the
// text it showed last.
int WaitForText(HWND window, const std::wstring& expected, bool ending = false) {
    std::wstring text;
    const std::wstring wanted = WithoutLineBreaks(expected);
    const bool shown = WaitUntil([&] {
        text = WithoutLineBreaks(TextOf(window));
        return ending ? EndsWith(text, wanted) : text == wanted;
    });
    PrintUtf8(text);
    return shown ? 0 : Fail("the window never showed the expected text");
}

// How often the thread that owns the window is suspended (-1: it cannot be
// asked). Asking suspends and resumes it once.
int SuspendCount(HWND window) {
    const win::OwnedHandle thread(OpenThread(THREAD_SUSPEND_RESUME, FALSE, GetWindowThreadProcessId(window, nullptr)));
    if (!thread) return -1;
    const DWORD previous = SuspendThread(thread.Get());
    ResumeThread(thread.Get());
    return previous == static_cast<DWORD>(-1) ? -1 : static_cast<int>(previous);
}

// Until the thread of the window is suspended (or runs, for "no"); prints
// its suspend count.
int WaitForSuspended(HWND window, bool suspended) {
    int count = -1;
    const bool reached = WaitUntil([&] {
        count = SuspendCount(window);
        return count >= 0 && (count > 0) == suspended;
    });
    std::printf("%d\n", count);
    return reached ? 0 : Fail(suspended ? "the window's thread was never suspended" : "the window's thread stays suspended");
}

int WaitForTextAt(int x, int y, const std::wstring& expected, bool ending) {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    HWND control = ControlAt(w, x, y);
    if (!control) return Fail("no control there");
    return WaitForText(control, expected, ending);
}

int WaitForFocus(int x, int y) {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    HWND control = ControlAt(w, x, y);
    if (!control) return Fail("no control there");
    const DWORD thread = GetWindowThreadProcessId(w, nullptr);
    const bool focused = WaitUntil([&] {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        return GetGUIThreadInfo(thread, &info) && info.hwndFocus == control;
    });
    return focused ? 0 : Fail("the control never got the keyboard focus");
}

// Every descendant of the window, one "handle class title" line each, in
// depth-first order; a descendant of the class given comes first.
void ListDescendants(HWND parent, int depth) {
    for (HWND child = GetWindow(parent, GW_CHILD); child && depth < 64; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[256] = {}, title[256] = {};
        GetClassNameW(child, cls, 256);
        GetWindowTextW(child, title, 256);
        std::printf("%lld ", static_cast<long long>(reinterpret_cast<INT_PTR>(child)));
        std::fflush(stdout);
        PrintUtf8(std::wstring(cls) + L" " + title);
        ListDescendants(child, depth + 1);
    }
}

// The first visible descendant of that class, at any depth.
HWND DescendantOfClass(HWND parent, const wchar_t* className) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t cls[256] = {};
        GetClassNameW(child, cls, 256);
        if (IsWindowVisible(child) && _wcsicmp(cls, className) == 0) return child;
        if (HWND deeper = DescendantOfClass(child, className)) return deeper;
    }
    return nullptr;
}

int WindowRectOf(HWND window) {
    RECT r;
    if (!GetWindowRect(window, &r)) return Fail("no such window");
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

int WaitForEnabled(HWND window) {
    return WaitUntil([&] { return IsWindowEnabled(window) != FALSE; }) ? 0 : Fail("the window stayed disabled");
}

int WaitForCursor(int x, int y) {
    POINT cursor = {};
    const bool arrived = WaitUntil([&] { return GetCursorPos(&cursor) && cursor.x == x && cursor.y == y; });
    std::printf("%ld %ld\n", cursor.x, cursor.y);
    return arrived ? 0 : Fail("the cursor never arrived there");
}

// "bold " or "normal " and the text of the tree's selected item; empty when
// nothing is selected.
std::wstring SelectedTreeItem(HWND tree) {
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    if (!item) return L"";
    constexpr int kChars = 1024;
    RemoteBuffer remote(tree, sizeof(TVITEMW) + kChars * sizeof(wchar_t));
    if (!remote.Valid()) return L"";
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
    return std::wstring((query.state & TVIS_BOLD) ? L"bold " : L"normal ") + text;
}

HWND MainTree() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    return w ? FindWindowExW(w, nullptr, WC_TREEVIEWW, nullptr) : nullptr;
}

int TreeSelected() {
    HWND tree = MainTree();
    if (!tree) return Fail("no tree in the main window");
    const std::wstring selected = SelectedTreeItem(tree);
    if (selected.empty()) return Fail("no selected item");
    PrintUtf8(selected);
    return 0;
}

int WaitForTreeSelected(const std::wstring& ending) {
    HWND tree = MainTree();
    if (!tree) return Fail("no tree in the main window");
    std::wstring selected;
    const bool shown = WaitUntil([&] {
        selected = SelectedTreeItem(tree);
        return EndsWith(selected, ending);
    });
    PrintUtf8(selected);
    return shown ? 0 : Fail("the selected tree item never ended with the expected text");
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

HWND HandleArgument(const wchar_t* text) {
    return reinterpret_cast<HWND>(static_cast<INT_PTR>(std::wcstoll(text, nullptr, 10)));
}

int Place(const wchar_t* className, int x, int y, int width, int height) {
    // A number is a window handle; anything else a class name.
    const bool handle = *className && std::wcsspn(className, L"0123456789") == std::wcslen(className);
    HWND w = handle ? HandleArgument(className) : WaitForClass(className);
    if (!w) return Fail("no such window");
    if (!SetWindowPos(w, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE)) return Fail("cannot move it");
    const bool placed = WaitUntil([&] {
        RECT r;
        return GetWindowRect(w, &r) && r.left == x && r.top == y && r.right - r.left == width &&
               r.bottom - r.top == height;
    });
    return placed ? 0 : Fail("the window never got there");
}

int ChildClass(const wchar_t* className, const wchar_t* childClass) {
    HWND child = nullptr;
    // The child may be made a moment after its top-level window shows.
    WaitUntil([&] {
        HWND top = VisibleWindowOfClass(className);
        return top && (child = FindWindowExW(top, nullptr, childClass, nullptr)) != nullptr;
    });
    if (!child) return Fail("no such child window");
    std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(child)));
    return 0;
}

// The program's pop-up menu window, if one is shown.
HWND ProgramMenu(DWORD pid) {
    HWND menu = nullptr;
    while ((menu = FindWindowExW(nullptr, menu, L"#32768", nullptr)) != nullptr) {
        DWORD owner = 0;
        GetWindowThreadProcessId(menu, &owner);
        if (owner == pid && IsWindowVisible(menu)) return menu;
    }
    return nullptr;
}

DWORD ProgramId() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    DWORD pid = 0;
    if (w) GetWindowThreadProcessId(w, &pid);
    return pid;
}

// Visible top-level windows of the program that cover the virtual screen.
int CaptureWindowCount(DWORD pid) {
    const RECT screen = {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
                         GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN),
                         GetSystemMetrics(SM_YVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    int count = 0;
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(h, &owner);
        RECT r;
        if (owner != pid || !IsWindowVisible(h) || !GetWindowRect(h, &r)) continue;
        if (EqualRect(&r, &screen)) ++count;
    }
    return count;
}

int WaitForCaptureWindows(int wanted) {
    const DWORD pid = ProgramId();
    if (!pid) return Fail("the main window did not appear");
    int seen = 0;
    const bool there = WaitUntil([&] { return (seen = CaptureWindowCount(pid)) == wanted; });
    std::printf("%d\n", seen);
    return there ? 0 : Fail("the capture windows never were that many");
}

int WaitForMenu() {
    const DWORD pid = ProgramId();
    if (!pid) return Fail("the main window did not appear");
    HWND menu = nullptr;
    if (!WaitUntil([&] { return (menu = ProgramMenu(pid)) != nullptr; })) return Fail("no pop-up menu appeared");
    RECT r;
    GetWindowRect(menu, &r);
    std::printf("%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

// The centre of the control with that caption in the visible top-level
// window of that title (waits for both); prints its handle and centre.
int ControlIn(const std::wstring& title, const std::wstring& caption) {
    HWND control = nullptr;
    const bool found = WaitUntil([&] {
        HWND top = FindWindowW(nullptr, title.c_str());
        if (!top || !IsWindowVisible(top)) return false;
        control = FindWindowExW(top, nullptr, nullptr, caption.c_str());
        return control != nullptr && IsWindowVisible(control);
    });
    if (!found) return Fail("no such control");
    const POINT centre = CentreOf(control);
    std::printf("%lld %ld %ld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(control)), centre.x, centre.y);
    return 0;
}

// Until an Edit of the top-level window of that title holds the texts, one
// after another.
int WaitForLog(const std::wstring& title, int count, wchar_t** texts) {
    std::wstring text;
    const bool found = WaitUntil([&] {
        HWND top = FindWindowW(nullptr, title.c_str());
        for (HWND edit = top ? FindWindowExW(top, nullptr, L"Edit", nullptr) : nullptr; edit;
             edit = FindWindowExW(top, edit, L"Edit", nullptr)) {
            text = TextOf(edit);
            std::size_t at = 0;
            int i = 0;
            for (; i < count && (at = text.find(texts[i], at)) != std::wstring::npos; ++i) at += wcslen(texts[i]);
            if (i == count) return true;
        }
        return false;
    });
    PrintUtf8(text);
    return found ? 0 : Fail("the log never held those texts in that order");
}

// Closes the visible top-level window of that title (WM_CLOSE) and waits
// until it is gone.
int CloseTitled(const std::wstring& title) {
    HWND top = nullptr;
    if (!WaitUntil([&] { return (top = FindWindowW(nullptr, title.c_str())) != nullptr; })) return Fail("no such window");
    PostMessageW(top, WM_CLOSE, 0, 0);
    return WaitUntil([&] { return !IsWindow(top) || !IsWindowVisible(top); }) ? 0 : Fail("the window stays");
}

// The state of the fixture's form (fixture_app form): "count N|check|edit
// text|list index|combo index".
std::wstring FormState() {
    HWND form = VisibleWindowOfClass(L"TavrinFixtureForm");
    if (!form) return L"";
    wchar_t count[64] = {}, text[256] = {};
    GetDlgItemTextW(form, 706, count, 64);
    SendMessageW(GetDlgItem(form, 703), WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    const LRESULT check = SendMessageW(GetDlgItem(form, 702), BM_GETCHECK, 0, 0);
    const LRESULT list = SendMessageW(GetDlgItem(form, 704), LB_GETCURSEL, 0, 0);
    const LRESULT combo = SendMessageW(GetDlgItem(form, 705), CB_GETCURSEL, 0, 0);
    return std::wstring(count) + L"|" + std::to_wstring(check) + L"|" + text + L"|" + std::to_wstring(list) + L"|" +
           std::to_wstring(combo);
}

int WaitForFormState(const std::wstring& expected) {
    std::wstring state;
    const bool reached = WaitUntil([&] { return (state = FormState()) == expected || expected.empty(); });
    PrintUtf8(state);
    return reached ? 0 : Fail("the form never reached that state");
}

int MenuGone() {
    const DWORD pid = ProgramId();
    if (!pid) return Fail("the main window did not appear");
    return WaitUntil([&] { return ProgramMenu(pid) == nullptr; }) ? 0 : Fail("the pop-up menu is still shown");
}

// The screen rectangle of the finder window (the main window's owned 31 x 31
// window) if it is shown.
bool FinderWindowRect(HWND w, RECT& found) {
    const int size = MulDiv(31, WindowDpi(w), 96);
    for (HWND h = GetTopWindow(nullptr); h; h = GetWindow(h, GW_HWNDNEXT)) {
        RECT r;
        if (GetWindow(h, GW_OWNER) != w || !IsWindowVisible(h) || !GetWindowRect(h, &r)) continue;
        if (r.right - r.left == size && r.bottom - r.top == size) {
            found = r;
            return true;
        }
    }
    return false;
}

int FinderWindow() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    RECT r;
    if (!FinderWindowRect(w, r)) return Fail("no finder window");
    std::printf("%ld %ld\n", r.left, r.top);
    return 0;
}

// Until the finder window is shown, and at (x, y) when `at` is set.
int WaitForFinderWindow(bool at, int x, int y) {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    RECT r = {};
    bool shown = false;
    const bool there = WaitUntil([&] {
        shown = FinderWindowRect(w, r);
        return shown && (!at || (r.left == x && r.top == y));
    });
    if (shown) std::printf("%ld %ld\n", r.left, r.top);
    if (!shown) return Fail("no finder window appeared");
    return there ? 0 : Fail("the finder window never got there");
}

int WaitForPixel(int x, int y, COLORREF wanted, bool same) {
    COLORREF seen = CLR_INVALID;
    const bool there = WaitUntil([&] {
        seen = GetPixel(win::WindowDC().Get(), x, y);
        return (seen == wanted) == same;
    });
    std::printf("%lu\n", static_cast<unsigned long>(seen));
    return there ? 0 : Fail(same ? "the screen pixel never got that colour" : "the screen pixel kept that colour");
}

int FinderWindowGone() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    RECT r;
    return WaitUntil([&] { return !FinderWindowRect(w, r); }) ? 0 : Fail("the finder window is still shown");
}

// The icons Wine's own tray window shows: without a desktop shell, Wine puts
// the notification icons in a top-level window of class
// "__winex11_standalone_tray" at the screen's top-left, one child per icon,
// and hides that window once the last icon is deleted. The visible children
// of a visible such window.
std::vector<HWND> TrayIcons() {
    std::vector<HWND> icons;
    HWND tray = nullptr;
    while ((tray = FindWindowExW(nullptr, tray, L"__winex11_standalone_tray", nullptr)) != nullptr) {
        if (!IsWindowVisible(tray)) continue;
        HWND icon = nullptr;
        while ((icon = FindWindowExW(tray, icon, L"__winex11_tray_icon", nullptr)) != nullptr) {
            if (IsWindowVisible(icon)) icons.push_back(icon);
        }
    }
    return icons;
}

int WaitForTrayIcons(std::size_t count) {
    std::vector<HWND> icons;
    const bool held = WaitUntil([&] { return (icons = TrayIcons()).size() == count; });
    if (!icons.empty()) {
        const POINT centre = CentreOf(icons.front());
        std::printf("%ld %ld ", centre.x, centre.y);
    }
    std::printf("%zu\n", icons.size());
    return held ? 0 : Fail("the tray never showed that many icons");
}

int Minimise() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    ShowWindow(w, SW_MINIMIZE);
    return WaitUntil([&] { return IsIconic(w) != FALSE; }) ? 0 : Fail("the main window was not minimised");
}

int WaitForCentred() {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    RECT r = {};
    const bool held = WaitUntil([&] {
        if (IsIconic(w) || !GetWindowRect(w, &r)) return false;
        const int x = (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2;
        const int y = (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
        return r.left == x && r.top == y;
    });
    // In front is told, not required: a click on Wine's tray gives the X
    // focus to the tray's window, which may take the foreground back after
    // the program took it.
    std::printf("%ld %ld %ld %ld iconic %d foreground %d\n", r.left, r.top, r.right - r.left, r.bottom - r.top,
                IsIconic(w) ? 1 : 0, GetForegroundWindow() == w ? 1 : 0);
    return held ? 0 : Fail("the main window is not restored and centred");
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
    const win::OwnedHandle process(OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    PostMessageW(w, WM_CLOSE, 0, 0);
    if (!process) return Fail("cannot open the program's process");
    const bool ended = WaitForSingleObject(process.Get(), 5000) == WAIT_OBJECT_0;
    DWORD code = 1;
    GetExitCodeProcess(process.Get(), &code);
    if (!ended) return Fail("the program did not end after its window was closed");
    std::printf("exit code %lu\n", code);
    return code == 0 ? 0 : 1;
}

struct StartupFigures {
    std::vector<double> toWindow, toClient, toBoard, toPaint, workingSet;
};

// A point of the client area away from every control: its bottom-left
// corner, inside the tab control's frame.
COLORREF ClientCornerPixel(HWND w) {
    RECT client;
    GetClientRect(w, &client);
    POINT p = {6, client.bottom - 6};
    ClientToScreen(w, &p);
    return GetPixel(win::WindowDC().Get(), p.x, p.y);
}

// The first finder board painted: its background at the board's corner.
bool FinderBoardPainted(HWND w) {
    const POINT p = ClientPoint(w, 8 + 1, 32 + 1);
    return GetPixel(win::WindowDC().Get(), p.x, p.y) == ui::core::kFinderBackground;
}

// Starts the program once and notes its start-up figures; false when it
// never painted.
bool StartOnce(const wchar_t* exe, StartupFigures& figures) {
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    std::wstring commandLine = L"\"" + std::wstring(exe) + L"\"";
    LARGE_INTEGER start, window, client = {}, board = {}, painted = {};
    QueryPerformanceCounter(&start);
    if (!CreateProcessW(exe, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return false;
    const win::OwnedHandle process(pi.hProcess), thread(pi.hThread);
    HWND w = WaitForMainWindow(pi.dwProcessId, kWaitMs);
    QueryPerformanceCounter(&window);
    // The client area (its corner no longer black, the colour of the bare
    // display), the board's background and the finder icon on it, each
    // when first seen.
    bool paintedOk = false;
    for (const ULONGLONG deadline = GetTickCount64() + kWaitMs; w && !paintedOk && GetTickCount64() < deadline;) {
        if (client.QuadPart == 0 && ClientCornerPixel(w) != 0) QueryPerformanceCounter(&client);
        if (board.QuadPart == 0 && FinderBoardPainted(w)) QueryPerformanceCounter(&board);
        if (FinderPainted(w)) {
            QueryPerformanceCounter(&painted);
            if (board.QuadPart == 0) board = painted;
            if (client.QuadPart == 0) client = painted;
            paintedOk = true;
        } else {
            Sleep(1);
        }
    }
    WaitForInputIdle(pi.hProcess, kWaitMs);  // start-up settled: waiting for input
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory);
    if (w) PostMessageW(w, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    if (!paintedOk) return false;
    figures.toWindow.push_back(Seconds(start, window) * 1000);
    figures.toClient.push_back(Seconds(start, client) * 1000);
    figures.toBoard.push_back(Seconds(start, board) * 1000);
    figures.toPaint.push_back(Seconds(start, painted) * 1000);
    figures.workingSet.push_back(static_cast<double>(memory.WorkingSetSize) / 1024.0);
    return true;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

void PrintFigures(const char* name, const StartupFigures& f) {
    std::vector<double> afterBoard, afterClient;
    for (std::size_t i = 0; i < f.toPaint.size(); ++i) {
        afterBoard.push_back(f.toPaint[i] - f.toBoard[i]);
        afterClient.push_back(f.toPaint[i] - f.toClient[i]);
    }
    std::printf("%s: start to visible window %.1f ms, to first paint %.1f ms (min %.1f, max %.1f), "
                "working set %.0f KiB (medians)\n",
                name, Median(f.toWindow), Median(f.toPaint), *std::min_element(f.toPaint.begin(), f.toPaint.end()),
                *std::max_element(f.toPaint.begin(), f.toPaint.end()), Median(f.workingSet));
    std::printf("  the finder icon after the client area's first paint %.1f ms, after its board %.1f ms (medians)\n",
                Median(afterClient), Median(afterBoard));
}

// For `ms` milliseconds, sends WM_NULL to the main window every 10 ms from
// this other program and times each answer; prints the worst and how many
// took over 50 ms.
int AnswerTimes(int ms) {
    HWND w = WaitForMainWindow(0, kWaitMs);
    if (!w) return Fail("the main window did not appear");
    LARGE_INTEGER start, now, frequency;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    double worst = 0;
    int over = 0, count = 0;
    for (;;) {
        LARGE_INTEGER sent;
        QueryPerformanceCounter(&sent);
        if (Seconds(start, sent) * 1000 >= ms) break;
        DWORD_PTR result = 0;
        SendMessageTimeoutW(w, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
        QueryPerformanceCounter(&now);
        const double took = Seconds(sent, now) * 1000;
        worst = std::max(worst, took);
        over += took > 50;
        ++count;
        Sleep(10);
    }
    std::printf("%d answers, worst %.1f ms, %d over 50 ms\n", count, worst, over);
    return 0;
}

// Starts the program, and the baseline and an earlier build when given, in
// turns, so that all see the same machine; prints their medians and the
// ratios.
int Startup(int runs, const wchar_t* exe, const wchar_t* baseline, const wchar_t* earlier) {
    StartupFigures program, bare, before;
    for (int run = 0; run < runs; ++run) {
        if (!StartOnce(exe, program)) return Fail("the program never painted its finder board");
        if (baseline && !StartOnce(baseline, bare)) return Fail("the baseline never painted");
        if (earlier && !StartOnce(earlier, before)) return Fail("the earlier build never painted");
    }
    std::printf("runs %d\n", runs);
    PrintFigures("program", program);
    if (!baseline) return 0;
    PrintFigures("bare window with the same controls", bare);
    if (earlier) PrintFigures("earlier build", before);
    // Beside the ratio of the medians, the median of each round's own ratio:
    // a round's starts follow each other closely, so a machine that is
    // busier for a while slows all of them alike.
    const auto roundRatios = [&bare](const StartupFigures& f) {
        std::vector<double> ratios;
        for (std::size_t i = 0; i < f.toPaint.size(); ++i) ratios.push_back(f.toPaint[i] / bare.toPaint[i]);
        return Median(ratios);
    };
    std::printf("first paint: %.2f times the bare window's (median of the rounds' ratios %.2f)\n",
                Median(program.toPaint) / Median(bare.toPaint), roundRatios(program));
    if (earlier) {
        std::printf("first paint of the earlier build: %.2f times the bare window's (median of the rounds' ratios %.2f)\n",
                    Median(before.toPaint) / Median(bare.toPaint), roundRatios(before));
    }
    std::printf("working set: %+.1f MiB over the bare window's\n",
                (Median(program.workingSet) - Median(bare.workingSet)) / 1024.0);
    return 0;
}

// What the inspector's panel should show for a window, read here on our
// own, one "box-point<TAB>value" line per field: the 96-DPI client point
// of the panel box and the value, so that a script can compare the two.
int Facts(HWND w) {
    if (!IsWindow(w)) return Fail("no such window");
    auto line = [](const char* at, const std::wstring& value) {
        std::fputs(at, stdout);
        std::fputc('\t', stdout);
        std::fflush(stdout);
        PrintUtf8(value);
    };
    auto number = [](long long v) { return std::to_wstring(v); };
    auto handle = [&](HWND h) { return number(static_cast<long long>(reinterpret_cast<INT_PTR>(h))); };
    DWORD pid = 0;
    const DWORD tid = GetWindowThreadProcessId(w, &pid);
    wchar_t buffer[4096] = {};
    line("140 42", handle(w));
    line("140 66", handle(GetParent(w)));
    line("140 90", handle(GetAncestor(w, GA_ROOTOWNER)));
    line("264 42", number(pid));
    line("264 66", number(tid));
    line("264 90", number(GetDlgCtrlID(w)));
    GetWindowTextW(w, buffer, 4096);
    line("200 114", buffer);
    GetClassNameW(w, buffer, 4096);
    line("200 138", buffer);
    line("200 162", TextOf(w));
    std::wstring path;
    if (const win::OwnedHandle process{OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid)}) {
        DWORD size = 4096;
        if (QueryFullProcessImageNameW(process.Get(), 0, buffer, &size)) path.assign(buffer, size);
    }
    line("200 186", path);
    RECT r, parent = {0, 0, 0, 0}, client = {};
    GetWindowRect(w, &r);
    if (HWND p = GetParent(w)) GetWindowRect(p, &parent);
    GetClientRect(w, &client);
    POINT cursor, origin = {0, 0};
    GetCursorPos(&cursor);
    ClientToScreen(w, &origin);
    line("172 218", number(cursor.x));
    line("264 218", number(cursor.y));
    line("172 242", number(cursor.x - origin.x));
    line("264 242", number(cursor.y - origin.y));
    line("172 266", number(r.left));
    line("264 266", number(r.top));
    line("172 290", number(r.left - parent.left));
    line("264 290", number(r.top - parent.top));
    line("172 314", number(r.right - r.left));
    line("264 314", number(r.bottom - r.top));
    line("172 338", number(client.right));
    line("264 338", number(client.bottom));
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
    if (command == L"startup" && argc > 3) {
        return Startup(_wtoi(argv[2]), argv[3], argc > 4 ? argv[4] : nullptr, argc > 5 ? argv[5] : nullptr);
    }
    if (command == L"answer-times" && argc > 2) return AnswerTimes(_wtoi(argv[2]));
    if (command == L"finder") return Finder();
    if (command == L"clipboard-dib" && argc > 3) return ClipboardDib(_wtoi(argv[2]), _wtoi(argv[3]));
    if (command == L"clipboard-text") return ClipboardText(argc > 2 ? argv[2] : L"");
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
    if (command == L"child-class" && argc > 3) return ChildClass(argv[2], argv[3]);
    if (command == L"text-of" && argc > 2) {
        PrintUtf8(TextOf(HandleArgument(argv[2])));
        return 0;
    }
    if (command == L"end-title" && argc > 2) {
        // Programs whose window class is no ASCII word: by a part of the title.
        for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
            wchar_t title[256] = {};
            GetWindowTextW(w, title, 256);
            if (!std::wcsstr(title, argv[2])) continue;
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            EndProcess(pid);
        }
        return 0;
    }
    if (command == L"top-levels") {
        for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
            if (!IsWindowVisible(w)) continue;
            wchar_t cls[256] = {}, title[256] = {};
            GetClassNameW(w, cls, 256);
            GetWindowTextW(w, title, 256);
            std::printf("%lld ", static_cast<long long>(reinterpret_cast<INT_PTR>(w)));
            std::fflush(stdout);
            PrintUtf8(std::wstring(cls) + L" " + title);
        }
        return 0;
    }
    if (command == L"descendants" && argc > 2) {
        HWND top = VisibleWindowOfClass(argv[2]);
        if (!WaitUntil([&] { return (top = VisibleWindowOfClass(argv[2])) != nullptr; })) return Fail("no such window");
        ListDescendants(top, 0);
        return 0;
    }
    if (command == L"descendant-class" && argc > 3) {
        HWND found = nullptr;
        const bool ok = WaitUntil([&] {
            HWND top = VisibleWindowOfClass(argv[2]);
            return top && (found = DescendantOfClass(top, argv[3])) != nullptr;
        });
        if (!ok) return Fail("no such descendant");
        std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(found)));
        return 0;
    }
    if (command == L"facts" && argc > 2) return Facts(HandleArgument(argv[2]));
    if (command == L"window-rect" && argc > 2) return WindowRectOf(HandleArgument(argv[2]));
    if (command == L"wait-enabled" && argc > 2) return WaitForEnabled(HandleArgument(argv[2]));
    if (command == L"wait-cursor" && argc > 3) return WaitForCursor(_wtoi(argv[2]), _wtoi(argv[3]));
    if (command == L"wait-text-at" && argc > 5 && std::wstring(argv[2]) == L"--ending") {
        return WaitForTextAt(_wtoi(argv[3]), _wtoi(argv[4]), argv[5], true);
    }
    if (command == L"wait-text-at" && argc > 4) return WaitForTextAt(_wtoi(argv[2]), _wtoi(argv[3]), argv[4], false);
    if (command == L"wait-text-of" && argc > 3) return WaitForText(HandleArgument(argv[2]), argv[3]);
    if (command == L"wait-focus" && argc > 3) return WaitForFocus(_wtoi(argv[2]), _wtoi(argv[3]));
    if (command == L"wait-suspended" && argc > 3) {
        return WaitForSuspended(HandleArgument(argv[2]), std::wstring(argv[3]) == L"yes");
    }
    if (command == L"wait-tree-selected" && argc > 2) return WaitForTreeSelected(argv[2]);
    if (command == L"wait-menu") return WaitForMenu();
    if (command == L"menu-gone") return MenuGone();
    if (command == L"control-in" && argc > 3) return ControlIn(argv[2], argv[3]);
    if (command == L"close-titled" && argc > 2) return CloseTitled(argv[2]);
    if (command == L"wait-log" && argc > 3) return WaitForLog(argv[2], argc - 3, argv + 3);
    if (command == L"form-state") return WaitForFormState(L"");
    if (command == L"wait-form-state" && argc > 2) return WaitForFormState(argv[2]);
    if (command == L"wait-finder-window") {
        return argc > 3 ? WaitForFinderWindow(true, _wtoi(argv[2]), _wtoi(argv[3])) : WaitForFinderWindow(false, 0, 0);
    }
    if (command == L"finder-window-gone") return FinderWindowGone();
    if (command == L"wait-capture" && argc > 2) return WaitForCaptureWindows(_wtoi(argv[2]));
    if (command == L"capture-gone") return WaitForCaptureWindows(0);
    if (command == L"wait-pixel" && argc > 4) {
        return WaitForPixel(_wtoi(argv[2]), _wtoi(argv[3]), static_cast<COLORREF>(wcstoul(argv[4], nullptr, 10)), true);
    }
    if (command == L"wait-pixel-other" && argc > 4) {
        return WaitForPixel(_wtoi(argv[2]), _wtoi(argv[3]), static_cast<COLORREF>(wcstoul(argv[4], nullptr, 10)), false);
    }
    if (command == L"wait-tray-icons" && argc > 2) return WaitForTrayIcons(static_cast<std::size_t>(_wtoi(argv[2])));
    if (command == L"minimise") return Minimise();
    if (command == L"wait-centred") return WaitForCentred();
    if (command == L"end" && argc > 2) {
        HWND w = nullptr;
        while ((w = FindWindowExW(nullptr, w, argv[2], nullptr)) != nullptr) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            EndProcess(pid);
        }
        return 0;
    }
    if (command == L"desktop") {
        std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(GetDesktopWindow())));
        return 0;
    }
    return Fail("usage: probe window|painted|tabs|tabstrip|close|startup|finder|point|finder-window|text-at|"
                "tree-selected|window-of|child-of|place|child-class|text-of|end|desktop|wait-cursor|wait-text-at|wait-pixel|"
                "wait-pixel-other|wait-capture|capture-gone|wait-tray-icons|minimise|wait-centred|"
                "wait-text-of|wait-focus|wait-tree-selected|wait-menu|menu-gone|wait-finder-window|"
                "finder-window-gone|clipboard-dib ...");
}
