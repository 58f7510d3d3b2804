// A program whose windows the tests inspect from another process: a known
// hierarchy of windows with known classes, titles and control ids.
//
//   fixture_app hierarchy     root "Fixture Root" (TavrinFixtureRoot) with
//                             children A {A1} and B, and a hidden child C
//   fixture_app corner        the same plus "Fixture Corner" at (-4, -4),
//                             800 x 600, beneath all other windows
//   fixture_app many N [G]    root "Fixture Many" with N descendants: N
//                             Static children, or with G, N / G panels
//                             (TavrinFixturePanel "panel k") of G - 1
//                             children each, every tenth child an Edit whose
//                             text was changed after it was made ("edited
//                             k"), the rest Statics ("item k")
//   fixture_app counters      "TavrinFixtureCounter" (GUI thread) and
//                             "TavrinFixtureWorker" (a second thread with its
//                             own window), each counting in its title every
//                             10 ms
//   fixture_app clicks        "TavrinFixtureClicks", which writes the mouse
//                             messages it gets into its title, and the
//                             desktop's icon list chain Progman >
//                             SHELLDLL_DefView > SysListView32 doing the same
//   fixture_app churn         root "Fixture Churn" (TavrinFixtureChurn) whose
//                             30 children keep changing: the first is moved
//                             to the bottom of the Z order all the time, and
//                             every tenth turn one is destroyed and another
//                             made, while the program keeps answering
//   fixture_app dialog        "Fixture Owner" (TavrinFixtureOwner, at 60,60,
//                             300 x 240) with a frameless panel (id 201)
//                             holding an edit (211), and the dialog it owns,
//                             "Fixture Dialog" (TavrinFixtureDialog, a
//                             captioned pop-up at 400,60, 300 x 240) with a
//                             disabled button "Disabled" (301), two radio
//                             buttons (311, 312) inside a group box (310)
//                             made after them, so lying above them, and an
//                             edit (302)
//   fixture_app colours       "Fixture Colours" (TavrinFixtureColours), a
//                             frameless window at 900,560, 200 x 100: its
//                             left half RGB(200, 30, 60), its right half
//                             RGB(20, 180, 90)
//   fixture_app hostile       "TavrinFixtureHostile" ("Fixture Hostile") with
//                             a child of class "TavrinHostileEdit" (id 501)
//                             that announces a text of 2^40 characters
//                             (WM_GETTEXTLENGTH) and gives 5,000 'h' (or as
//                             many as fit) for WM_GETTEXT, and a child of
//                             class "TavrinSlowEdit" (id 502) that answers
//                             WM_GETTEXT with "late answer" after 250 ms
//   fixture_app listview      "TavrinFixtureList" ("Fixture List") with a
//                             list view (id 601) holding one item "first"
//   fixture_app form          "TavrinFixtureForm" ("Fixture Form", at 60,60,
//                             320 x 280): a button "Count" (701) whose clicks
//                             are counted in the static "count N" (706), a
//                             check box (702), an edit (703), a list box
//                             (704: alpha, beta, gamma) and a drop-down list
//                             (705: red, green, blue), for recording
//   fixture_app square MS     "TavrinFixtureSquare" ("Fixture Square", a
//                             frameless 120 x 120 window at 1120,860): red
//                             RGB(220, 40, 40), green RGB(30, 180, 60) from
//                             MS milliseconds after it is shown
//   fixture_app FILE.tavrintest  "TavrinFixtureDocument" titled with FILE
//                             (the program a test associates with documents)
//
//   fixture_app activity FILE "TavrinFixtureActivity" ("Fixture Activity", at
//                             60,60, 320 x 240) and the captioned window it
//                             owns, "Fixture Activity Tool"
//                             (TavrinFixtureActivityTool, at 420,60, 200 x
//                             120). Posted kActivityMessage (WM_APP + 3), it
//                             makes itself the foreground window and then,
//                             every 300 ms on a timer, one change of each
//                             kind, appending "KIND MS" to FILE after each
//                             (MS of the performance counter): created (a
//                             button "动态", id 801, at 10,10, 80 x 24),
//                             title ("改名"), moved (30,40, 100 x 30),
//                             hidden, shown, disabled, enabled, style
//                             (BS_MULTILINE added), focus (the button),
//                             foreground (the tool window), destroyed (the
//                             button)
//
// Posting kHangMessage (WM_APP + 1) with wParam = milliseconds to any of its
// windows makes its GUI thread stop answering for that long. Sending
// kQuietMessage (WM_APP + 2) to a counting window stops its counting and
// finishes its painting before the send returns 1: its thread then only
// waits for messages, so it can be ended without leaving a lock of the
// window system held (a thread ended inside a window call can hang the
// other threads of the process for good). The hierarchy's
// root carries the extended style WS_EX_ACCEPTFILES, which changes to the
// window must keep.
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "win/scoped.h"

namespace {

constexpr UINT kHangMessage = WM_APP + 1;
constexpr UINT kQuietMessage = WM_APP + 2;
constexpr UINT kActivityMessage = WM_APP + 3;

LRESULT CALLBACK FixtureProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kHangMessage) {
        Sleep(static_cast<DWORD>(wParam));
        return 0;
    }
    if (message == WM_DESTROY && GetParent(hwnd) == nullptr && GetWindow(hwnd, GW_OWNER) == nullptr) {
        PostQuitMessage(0);
    }
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

void Register(const wchar_t* name, WNDPROC procedure = FixtureProc) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = name;
    RegisterClassExW(&wc);
}

HWND Child(HWND parent, const wchar_t* cls, const wchar_t* title, int id, int x, int y, int w, int h,
           bool visible = true) {
    return CreateWindowExW(0, cls, title, WS_CHILD | (visible ? WS_VISIBLE : 0), x, y, w, h, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void Hierarchy() {
    Register(L"TavrinFixtureRoot");
    Register(L"FixtureA");
    HWND root = CreateWindowExW(WS_EX_ACCEPTFILES, L"TavrinFixtureRoot", L"Fixture Root", WS_OVERLAPPEDWINDOW, 60, 60,
                                280, 220,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND a = Child(root, L"FixtureA", L"Child A", 101, 10, 10, 130, 100);
    Child(a, L"Button", L"A1 button", 111, 5, 5, 100, 30);
    Child(root, L"Edit", L"B text", 102, 150, 10, 100, 24);
    Child(root, L"Static", L"Hidden C", 103, 150, 50, 100, 24, false);
    ShowWindow(root, SW_SHOWNOACTIVATE);
}

// Counts in the window's title every 10 ms, on the thread that owns it.
LRESULT CALLBACK CounterProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) {
        const auto count = static_cast<unsigned>(GetWindowLongPtrW(hwnd, GWLP_USERDATA)) + 1;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, count);
        SetWindowTextW(hwnd, std::to_wstring(count).c_str());
        return 0;
    }
    if (message == kQuietMessage) {
        KillTimer(hwnd, 1);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        return 1;
    }
    return FixtureProc(hwnd, message, wParam, lParam);
}

HWND CountingWindow(const wchar_t* cls, int x) {
    Register(cls, CounterProc);
    HWND hwnd = CreateWindowExW(0, cls, L"0", WS_OVERLAPPEDWINDOW, x, 320, 150, 100, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetTimer(hwnd, 1, 10, nullptr);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    return hwnd;
}

DWORD WINAPI Worker(void*) {
    CountingWindow(L"TavrinFixtureWorker", 220);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    return 0;
}

void Counters() {
    CountingWindow(L"TavrinFixtureCounter", 60);
    const win::OwnedHandle worker(CreateThread(nullptr, 0, Worker, nullptr, 0, nullptr));  // runs on alone
}

// Writes each mouse message it gets into its title: "message@x,y" (for
// WM_CONTEXTMENU "123@x,y w=wParam"), the last few, separated by blanks.
LRESULT CALLBACK ClicksProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOUSEMOVE || (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONDBLCLK) ||
        message == WM_CONTEXTMENU) {
        wchar_t title[1024] = {};
        GetWindowTextW(hwnd, title, 1024);
        std::wstring log = title;
        std::wstring entry = std::to_wstring(message) + L"@" + std::to_wstring(static_cast<short>(LOWORD(lParam))) +
                             L"," + std::to_wstring(static_cast<short>(HIWORD(lParam)));
        if (message == WM_CONTEXTMENU) entry += L" w=" + std::to_wstring(static_cast<long long>(wParam));
        log = log.empty() ? entry : log + L" " + entry;
        SetWindowTextW(hwnd, log.c_str());
        return 0;
    }
    return FixtureProc(hwnd, message, wParam, lParam);
}

void Clicks() {
    Register(L"TavrinFixtureClicks", ClicksProc);
    HWND clicks = CreateWindowExW(0, L"TavrinFixtureClicks", L"", WS_POPUP | WS_BORDER, 60, 460, 200, 120, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(clicks, SW_SHOWNOACTIVATE);
    // A stand-in for the desktop's icon list, which Wine has not.
    Register(L"Progman");
    Register(L"SHELLDLL_DefView");
    Register(L"SysListView32", ClicksProc);
    HWND progman = CreateWindowExW(0, L"Progman", L"Program Manager", WS_POPUP, 300, 460, 200, 120, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    HWND view = Child(progman, L"SHELLDLL_DefView", L"", 0, 0, 0, 200, 120);
    Child(view, L"SysListView32", L"", 0, 10, 10, 180, 100);
    ShowWindow(progman, SW_SHOWNOACTIVATE);
}

void Document(const std::wstring& file) {
    Register(L"TavrinFixtureDocument");
    HWND hwnd = CreateWindowExW(0, L"TavrinFixtureDocument", (L"Fixture Document " + file).c_str(),
                                WS_OVERLAPPEDWINDOW, 520, 460, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr),
                                nullptr);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
}

void Corner() {
    Register(L"TavrinFixtureCorner");
    HWND corner = CreateWindowExW(0, L"TavrinFixtureCorner", L"Fixture Corner", WS_POPUP | WS_BORDER, -4, -4, 800,
                                  600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(corner, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void Many(int count, int group) {
    Register(L"TavrinFixtureMany");
    Register(L"TavrinFixturePanel");
    HWND root = CreateWindowExW(0, L"TavrinFixtureMany", L"Fixture Many", WS_OVERLAPPEDWINDOW, 980, 60, 280, 220,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND parent = root;
    for (int i = 0; i < count; ++i) {
        const std::wstring title = L"item " + std::to_wstring(i);
        const int x = (i % 20) * 12, y = (i / 20 % 15) * 12;
        if (group > 1 && i % group == 0) {
            const std::wstring panel = L"panel " + std::to_wstring(i / group);
            parent = Child(root, L"TavrinFixturePanel", panel.c_str(), 1000 + i, 0, 0, 260, 180);
        } else if (group > 1 && i % 10 == 5) {
            HWND edit = Child(parent, L"Edit", title.c_str(), 1000 + i, x, y, 10, 10);
            SetWindowTextW(edit, (L"edited " + std::to_wstring(i)).c_str());
        } else {
            Child(parent, L"Static", title.c_str(), 1000 + i, x, y, 10, 10);
        }
    }
    ShowWindow(root, SW_SHOWNOACTIVATE);
}

// A control that lies about its text's length, as a hostile program may.
LRESULT CALLBACK HostileProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETTEXTLENGTH) {
        // 2^40 where the answer can hold it (64-bit), else the most it can.
        return sizeof(LRESULT) > 4 ? static_cast<LRESULT>(static_cast<long long>(1) << 40) : 0x7FFFFFFF;
    }
    if (message == WM_GETTEXT) {
        if (wParam == 0) return 0;
        const std::size_t count = std::min<std::size_t>(wParam - 1, 5000);
        auto* text = reinterpret_cast<wchar_t*>(lParam);
        std::fill(text, text + count, L'h');
        text[count] = L'\0';
        return static_cast<LRESULT>(count);
    }
    return FixtureProc(hwnd, message, wParam, lParam);
}

// A control of a busy program: it answers, but only after a while.
LRESULT CALLBACK SlowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_GETTEXT) Sleep(250);
    return FixtureProc(hwnd, message, wParam, lParam);
}

void Hostile() {
    Register(L"TavrinFixtureHostile");
    Register(L"TavrinHostileEdit", HostileProc);
    Register(L"TavrinSlowEdit", SlowProc);
    HWND root = CreateWindowExW(0, L"TavrinFixtureHostile", L"Fixture Hostile", WS_OVERLAPPEDWINDOW, 700, 300, 240,
                                120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    Child(root, L"TavrinHostileEdit", L"", 501, 10, 10, 200, 24);
    Child(root, L"TavrinSlowEdit", L"late answer", 502, 10, 40, 200, 24);
    ShowWindow(root, SW_SHOWNOACTIVATE);
}

void ListView() {
    INITCOMMONCONTROLSEX classes = {sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    Register(L"TavrinFixtureList");
    HWND root = CreateWindowExW(0, L"TavrinFixtureList", L"Fixture List", WS_OVERLAPPEDWINDOW, 700, 440, 240, 160,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND list = CreateWindowExW(0, L"SysListView32", L"", WS_CHILD | WS_VISIBLE | LVS_LIST, 10, 10, 200, 100, root,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(601)), GetModuleHandleW(nullptr), nullptr);
    LVITEMW item = {};
    item.mask = LVIF_TEXT;
    item.pszText = const_cast<wchar_t*>(L"first");
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    ShowWindow(root, SW_SHOWNOACTIVATE);
}

void OwnerAndDialog() {
    Register(L"TavrinFixtureOwner");
    Register(L"TavrinFixtureDialog");
    Register(L"TavrinFixturePanel");
    HWND owner = CreateWindowExW(0, L"TavrinFixtureOwner", L"Fixture Owner", WS_OVERLAPPEDWINDOW, 60, 60, 300, 240,
                                 nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND panel = Child(owner, L"TavrinFixturePanel", L"Panel", 201, 20, 20, 200, 120);
    Child(panel, L"Edit", L"panel edit", 211, 10, 10, 150, 24);
    HWND dialog = CreateWindowExW(0, L"TavrinFixtureDialog", L"Fixture Dialog", WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                  400, 60, 300, 240, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND disabled = Child(dialog, L"Button", L"Disabled", 301, 20, 20, 100, 28);
    EnableWindow(disabled, FALSE);
    Child(dialog, L"Edit", L"dialog edit", 302, 140, 20, 130, 24);
    auto button = [dialog](const wchar_t* title, int id, DWORD style, int x, int y, int w, int h) {
        return CreateWindowExW(0, L"Button", title, WS_CHILD | WS_VISIBLE | style, x, y, w, h, dialog,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    };
    button(L"One", 311, BS_AUTORADIOBUTTON, 30, 90, 100, 24);
    button(L"Two", 312, BS_AUTORADIOBUTTON, 30, 120, 100, 24);
    HWND group = button(L"Group", 310, BS_GROUPBOX, 20, 70, 180, 90);
    // Made last, but above the radio buttons in the Z order.
    SetWindowPos(group, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(owner, SW_SHOWNOACTIVATE);
    ShowWindow(dialog, SW_SHOWNOACTIVATE);
}

LRESULT CALLBACK ColoursProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        const win::PaintDC dc(hwnd);
        RECT left = {0, 0, 100, 100}, right = {100, 0, 200, 100};
        const win::OwnedBrush red(CreateSolidBrush(RGB(200, 30, 60))), green(CreateSolidBrush(RGB(20, 180, 90)));
        FillRect(dc.Get(), &left, red.Get());
        FillRect(dc.Get(), &right, green.Get());
        return 0;
    }
    return FixtureProc(hwnd, message, wParam, lParam);
}

void Colours() {
    Register(L"TavrinFixtureColours", ColoursProc);
    HWND w = CreateWindowExW(WS_EX_TOOLWINDOW, L"TavrinFixtureColours", L"Fixture Colours", WS_POPUP, 900, 560, 200,
                             100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(w, SW_SHOWNOACTIVATE);
}

// Counts the clicks of its button in its static.
LRESULT CALLBACK FormProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static int clicks = 0;
    if (message == WM_COMMAND && LOWORD(wParam) == 701 && HIWORD(wParam) == BN_CLICKED) {
        const std::wstring text = L"count " + std::to_wstring(++clicks);
        SetDlgItemTextW(hwnd, 706, text.c_str());
        return 0;
    }
    return FixtureProc(hwnd, message, wParam, lParam);
}

void Form() {
    Register(L"TavrinFixtureForm", FormProc);
    HWND form = CreateWindowExW(0, L"TavrinFixtureForm", L"Fixture Form", WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 60,
                                60, 320, 280, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    auto control = [form](const wchar_t* cls, const wchar_t* title, int id, DWORD style, int x, int y, int w, int h) {
        return CreateWindowExW(cls == std::wstring(L"Edit") || cls == std::wstring(L"ListBox") ? WS_EX_CLIENTEDGE : 0,
                               cls, title, WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, x, y, w, h, form,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    };
    control(L"Button", L"Count", 701, BS_PUSHBUTTON, 10, 10, 90, 28);
    control(L"Static", L"count 0", 706, 0, 110, 16, 100, 20);
    control(L"Button", L"Check", 702, BS_AUTOCHECKBOX, 10, 48, 120, 24);
    control(L"Edit", L"", 703, ES_AUTOHSCROLL, 10, 80, 200, 24);
    HWND list = control(L"ListBox", L"", 704, LBS_NOTIFY | WS_VSCROLL, 10, 112, 140, 90);
    HWND combo = control(L"ComboBox", L"", 705, CBS_DROPDOWNLIST | WS_VSCROLL, 160, 112, 140, 120);
    for (const wchar_t* item : {L"alpha", L"beta", L"gamma"}) {
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    for (const wchar_t* item : {L"red", L"green", L"blue"}) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    }
    ShowWindow(form, SW_SHOWNORMAL);
}

// Red until the timer turns it green.
LRESULT CALLBACK SquareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static bool green = false;
    if (message == WM_TIMER) {
        KillTimer(hwnd, 1);
        green = true;
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    }
    if (message == WM_PAINT) {
        const win::PaintDC dc(hwnd);
        RECT all;
        GetClientRect(hwnd, &all);
        const win::OwnedBrush brush(CreateSolidBrush(green ? RGB(30, 180, 60) : RGB(220, 40, 40)));
        FillRect(dc.Get(), &all, brush.Get());
        return 0;
    }
    return FixtureProc(hwnd, message, wParam, lParam);
}

void Square(int greenAfterMs) {
    Register(L"TavrinFixtureSquare", SquareProc);
    HWND w = CreateWindowExW(WS_EX_TOOLWINDOW, L"TavrinFixtureSquare", L"Fixture Square", WS_POPUP, 1120, 860, 120,
                             120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(w, SW_SHOWNOACTIVATE);
    SetTimer(w, 1, static_cast<UINT>(greenAfterMs), nullptr);
}

std::wstring g_activityFile;
HWND g_activityTool = nullptr;

// One change of each kind, one per tick, each written down when made.
LRESULT CALLBACK ActivityProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    static int step = 0;
    static HWND button = nullptr;
    if (message == kActivityMessage) {
        SetForegroundWindow(hwnd);
        SetFocus(hwnd);
        step = 0;
        SetTimer(hwnd, 1, 300, nullptr);
        return 0;
    }
    if (message != WM_TIMER) return FixtureProc(hwnd, message, wParam, lParam);
    const wchar_t* kind = nullptr;
    switch (step++) {
        case 0:
            button = CreateWindowExW(0, L"Button", L"动态", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24, hwnd,
                                     reinterpret_cast<HMENU>(801), GetModuleHandleW(nullptr), nullptr);
            kind = L"created";
            break;
        case 1: SetWindowTextW(button, L"改名"), kind = L"title"; break;
        case 2: MoveWindow(button, 30, 40, 100, 30, TRUE), kind = L"moved"; break;
        case 3: ShowWindow(button, SW_HIDE), kind = L"hidden"; break;
        case 4: ShowWindow(button, SW_SHOW), kind = L"shown"; break;
        case 5: EnableWindow(button, FALSE), kind = L"disabled"; break;
        case 6: EnableWindow(button, TRUE), kind = L"enabled"; break;
        case 7:
            SetWindowLongPtrW(button, GWL_STYLE, GetWindowLongPtrW(button, GWL_STYLE) | BS_MULTILINE);
            kind = L"style";
            break;
        case 8: SetFocus(button), kind = L"focus"; break;
        case 9: SetForegroundWindow(g_activityTool), kind = L"foreground"; break;
        case 10: DestroyWindow(button), kind = L"destroyed"; break;
        default: KillTimer(hwnd, 1); return 0;
    }
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    const double ms = static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
    const std::wstring line = std::wstring(kind) + L" " + std::to_wstring(static_cast<long long>(ms)) + L"\n";
    const win::OwnedFile file(CreateFileW(g_activityFile.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                                          OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    const std::string narrow(line.begin(), line.end());  // ASCII only
    DWORD written = 0;
    if (file) WriteFile(file.Get(), narrow.data(), static_cast<DWORD>(narrow.size()), &written, nullptr);
    return 0;
}

void Activity(const std::wstring& file) {
    g_activityFile = file;
    Register(L"TavrinFixtureActivity", ActivityProc);
    Register(L"TavrinFixtureActivityTool");
    HWND root = CreateWindowExW(0, L"TavrinFixtureActivity", L"Fixture Activity", WS_OVERLAPPEDWINDOW, 60, 60, 320,
                                240, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    g_activityTool = CreateWindowExW(0, L"TavrinFixtureActivityTool", L"Fixture Activity Tool",
                                     WS_OVERLAPPED | WS_CAPTION, 420, 60, 200, 120, root, nullptr,
                                     GetModuleHandleW(nullptr), nullptr);
    ShowWindow(root, SW_SHOWNOACTIVATE);
    ShowWindow(g_activityTool, SW_SHOWNOACTIVATE);
}

// Runs its own message loop until the window goes.
void Churn() {
    Register(L"TavrinFixtureChurn");
    HWND root = CreateWindowExW(0, L"TavrinFixtureChurn", L"Fixture Churn", WS_OVERLAPPEDWINDOW, 700, 60, 280, 220,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    int made = 0;
    auto make = [&] {
        const std::wstring title = L"churn " + std::to_wstring(made);
        Child(root, L"Static", title.c_str(), 2000 + made % 1000, (made % 10) * 20, (made / 10 % 8) * 20, 18, 18);
        ++made;
    };
    for (int i = 0; i < 30; ++i) make();
    ShowWindow(root, SW_SHOWNOACTIVATE);
    for (unsigned turn = 0; IsWindow(root); ++turn) {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return;
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        HWND first = GetWindow(root, GW_CHILD);
        SetWindowPos(first, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        if (turn % 10 == 0) {
            DestroyWindow(GetWindow(root, GW_CHILD));
            make();
        }
        if (turn % 50 == 0) Sleep(0);
    }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"hierarchy";
    const std::wstring documentType = L".tavrintest";
    if (mode == L"many") {
        Many(argc > 2 ? _wtoi(argv[2]) : 100, argc > 3 ? _wtoi(argv[3]) : 0);
    } else if (mode == L"counters") {
        Counters();
    } else if (mode == L"dialog") {
        OwnerAndDialog();
    } else if (mode == L"churn") {
        Churn();
        return 0;
    } else if (mode == L"clicks") {
        Clicks();
    } else if (mode == L"listview") {
        ListView();
    } else if (mode == L"hostile") {
        Hostile();
    } else if (mode == L"colours") {
        Colours();
    } else if (mode == L"form") {
        Form();
    } else if (mode == L"activity") {
        Activity(argc > 2 ? argv[2] : L"activity.txt");
    } else if (mode == L"square") {
        Square(argc > 2 ? _wtoi(argv[2]) : 1000);
    } else if (mode.size() > documentType.size() &&
               mode.compare(mode.size() - documentType.size(), documentType.size(), documentType) == 0) {
        Document(mode);
    } else {
        Hierarchy();
        if (mode == L"corner") Corner();
    }
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
