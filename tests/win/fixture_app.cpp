// A program whose windows the tests inspect from another process: a known
// hierarchy of windows with known classes, titles and control ids.
//
//   fixture_app hierarchy     root "Fixture Root" (TavrinFixtureRoot) with
//                             children A {A1} and B, and a hidden child C
//   fixture_app corner        the same plus "Fixture Corner" at (-4, -4),
//                             800 x 600, beneath all other windows
//   fixture_app many N        root "Fixture Many" with N children
//
// Posting kHangMessage (WM_APP + 1) with wParam = milliseconds to any of its
// windows makes its GUI thread stop answering for that long.
#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

constexpr UINT kHangMessage = WM_APP + 1;

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

void Register(const wchar_t* name) {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = FixtureProc;
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
    HWND root = CreateWindowExW(0, L"TavrinFixtureRoot", L"Fixture Root", WS_OVERLAPPEDWINDOW, 60, 60, 280, 220,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND a = Child(root, L"FixtureA", L"Child A", 101, 10, 10, 130, 100);
    Child(a, L"Button", L"A1 button", 111, 5, 5, 100, 30);
    Child(root, L"Edit", L"B text", 102, 150, 10, 100, 24);
    Child(root, L"Static", L"Hidden C", 103, 150, 50, 100, 24, false);
    ShowWindow(root, SW_SHOWNOACTIVATE);
}

void Corner() {
    Register(L"TavrinFixtureCorner");
    HWND corner = CreateWindowExW(0, L"TavrinFixtureCorner", L"Fixture Corner", WS_POPUP | WS_BORDER, -4, -4, 800,
                                  600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SetWindowPos(corner, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void Many(int count) {
    Register(L"TavrinFixtureMany");
    HWND root = CreateWindowExW(0, L"TavrinFixtureMany", L"Fixture Many", WS_OVERLAPPEDWINDOW, 980, 60, 280, 220,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    for (int i = 0; i < count; ++i) {
        const std::wstring title = L"item " + std::to_wstring(i);
        Child(root, L"Static", title.c_str(), 1000 + i, (i % 20) * 12, (i / 20 % 15) * 12, 10, 10);
    }
    ShowWindow(root, SW_SHOWNOACTIVATE);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 1 ? argv[1] : L"hierarchy";
    if (mode == L"many") {
        Many(argc > 2 ? _wtoi(argv[2]) : 100);
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
