// The start-up baseline: a bare window with the same controls as the main
// window, made the plainest way Windows allows. The same title, outer size,
// tab control and every control of the three page tables, with the same
// system classes and rectangles, the pages after the first hidden; no
// toolkit, no subclassing, no start-up steps. The first finder board paints
// the finder's colour where the probe looks for the program's first paint.
//
// bench/startup starts it and Tavrin.exe in turns and prints the ratios.
#include <windows.h>

#include <commctrl.h>

#include <string>

#include "app/core/main_layout.h"
#include "text/text_encoding.h"
#include "ui/core/glyphs.h"

#include "win/scoped.h"

namespace {

std::wstring Wide(std::string_view utf8) {
    const std::u16string u = text::Utf8ToUtf16(utf8);
    return std::wstring(u.begin(), u.end());
}

HWND firstBoard = nullptr;

LRESULT CALLBACK BareProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        const bool finder = item->hwndItem == firstBoard;
        const win::OwnedBrush field(CreateSolidBrush(finder ? ui::core::kFinderBackground : 0xFFFFFF));
        FillRect(item->hDC, &item->rcItem, field.Get());
        if (finder) {
            const win::OwnedBrush disc(CreateSolidBrush(ui::core::kFinderIcon));
            const win::DcState state(item->hDC);
            SelectObject(item->hDC, disc.Get());
            Ellipse(item->hDC, 4, 4, 26, 26);
        }
        return TRUE;
    }
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(hwnd, message, wParam, lParam);
}

struct SystemClass {
    const wchar_t* name;
    DWORD style;
    DWORD exStyle;
};

SystemClass ClassOf(const ui::core::ControlLayout& c) {
    using K = ui::core::ControlKind;
    switch (c.kind) {
        case K::Label: return {L"STATIC", SS_LEFT, 0};
        case K::Button: return {L"BUTTON", BS_PUSHBUTTON, 0};
        case K::SuperButton: return {L"BUTTON", BS_OWNERDRAW, 0};
        case K::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX, 0};
        case K::RadioButton: return {L"BUTTON", BS_AUTORADIOBUTTON, 0};
        case K::EditBox: {
            const DWORD multi = (c.flags & ui::core::kMultiline) ? ES_MULTILINE | WS_VSCROLL : ES_AUTOHSCROLL;
            return {L"EDIT", multi, WS_EX_CLIENTEDGE};
        }
        case K::ComboBox: return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0};
        case K::DrawingBoard: return {L"STATIC", SS_OWNERDRAW, 0};
        case K::TreeBox: return {WC_TREEVIEWW, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT, WS_EX_CLIENTEDGE};
        case K::FileDialog: break;
    }
    return {nullptr, 0, 0};
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = BareProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"TavrinBareBaseline";
    RegisterClassExW(&wc);
    const int width = app::core::kMainWindowWidth, height = app::core::kMainWindowHeight;
    HWND window = CreateWindowExW(0, wc.lpszClassName, Wide(app::core::kMainWindowTitle).c_str(),
                                  WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
                                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, nullptr, nullptr,
                                  instance, nullptr);
    const win::OwnedFont font(
        CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0, L"SimSun"));
    HWND tab = CreateWindowExW(0, WC_TABCONTROLW, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0,
                               app::core::kTabWidth, app::core::kTabHeight, window, nullptr, instance, nullptr);
    const auto& pages = app::core::MainWindowPages();
    for (std::size_t page = 0; page < pages.size(); ++page) {
        std::wstring caption = Wide(pages[page].caption);
        TCITEMW item = {};
        item.mask = TCIF_TEXT;
        item.pszText = caption.data();
        SendMessageW(tab, TCM_INSERTITEMW, page, reinterpret_cast<LPARAM>(&item));
        for (const ui::core::ControlLayout& c : pages[page].controls) {
            const SystemClass kind = ClassOf(c);
            if (!kind.name) continue;
            const DWORD visible = page == 0 && !(c.flags & ui::core::kHiddenAtStart) ? WS_VISIBLE : 0;
            HWND control = CreateWindowExW(kind.exStyle, kind.name, Wide(c.caption).c_str(),
                                           WS_CHILD | WS_CLIPSIBLINGS | visible | kind.style, c.left, c.top, c.width,
                                           c.height, window, nullptr, instance, nullptr);
            SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), FALSE);
            if (!firstBoard && c.kind == ui::core::ControlKind::DrawingBoard) firstBoard = control;
        }
    }
    SetWindowPos(tab, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(window, show);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
