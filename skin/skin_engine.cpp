// The skin engine (TavrinSkin.dll): attaching a ".TSK" skin to a thread
// makes every window of that thread, present and future, draw in the skin.
//
// How it works. Attaching reads the skin, makes its brushes and sets a CBT
// hook for the calling thread only; the hook subclasses each window as it
// is created (and attaching subclasses those already there), by replacing
// its window procedure and keeping the one it had in a window property (not
// through the common controls' subclass list: the library is loaded without
// the program's activation context, so it would bind to another copy of the
// common controls than the program's, whose subclass lists clash). Detaching,
// and the thread's end, undo all that: the hook goes, every window the skin
// subclassed gets its own procedure back, and the skin is freed. The subclass
// changes what the system would draw in its own colours, and nothing else:
//   - colour messages (WM_CTLCOLOR*): a brush in the parent's own page
//     colour or the system's face colour becomes the skin's page brush, a
//     white box the skin's box colour, and the system's black text the
//     skin's text colour; a colour a program chose on purpose is kept;
//   - backgrounds: a window that erases itself in one colour (learnt by
//     letting it erase a one-pixel bitmap) is erased in the skin's page
//     colour when it is a captioned window or erases like its top-level
//     window; windows that do not erase (drawing boards) are left alone;
//   - push buttons, check boxes, radio buttons, group boxes and tab strips
//     are painted by skin_painter on WM_PAINT, and again right after the
//     messages on which the button control paints without WM_PAINT (state,
//     focus, check, text changes);
//   - caption bars and frames are painted over the system's after each
//     non-client paint, activation and title change; box borders (client
//     edges) likewise, or instead of the system's where the border is the
//     whole frame; tree views get the box colours unless the program set
//     its own; pop-up menus get the skin's menu background in light skins
//     (the system writes menu texts in black).
// Layered windows (colour-keyed finder and picker windows) and their
// children are never touched, nor are owner-drawn and image buttons.
// No control is moved or resized: the skin only paints.
#include "skin/skin_engine.h"

#include <windows.h>

#include <commctrl.h>  // only the message macros: nothing of it is imported

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "skin/core/skin_file.h"
#include "skin/core/skin_table.h"
#include "skin/skin_painter.h"
#include "win/scoped.h"

namespace skin {
namespace {

// A one-pixel 32-bit DIB section selected into a memory DC of its own. A
// DIB section in memory, not a bitmap and a device context of the display:
// those cost round trips to the display (half a millisecond for each erase
// under Wine).
struct PixelSurface {
    win::OwnedBitmap bitmap;  // before the DC, which lets go of it first
    win::MemoryDC dc;
    const std::uint32_t* bits = nullptr;  // 0x00RRGGBB
    bool inUse = false;
};

struct ThreadSkin {
    std::string bytes;
    core::SkinStyle style;
    bool menus = false;
    bool frames = false;
    win::OwnedHook hook;
    win::OwnedBrush page, box, menu;
    std::unordered_map<HWND, COLORREF> erased;  // the colour each window erases itself in
    std::unordered_map<HWND, bool> active;      // captioned windows: drawn as active
    std::set<HWND> trees;                       // trees given the box colours
    std::set<HWND> unerased;                    // windows that erase nothing (drawing boards)
    std::map<UINT, win::OwnedFont> captionFonts;  // by DPI
    std::set<HWND> subclassed;                  // windows whose procedure the skin replaced
    std::unique_ptr<PixelSurface> pixel;        // erased onto to learn a window's colour
    int busy = 0;           // calls of the skin's window procedure under way on its thread
    bool detached = false;  // taken off while busy: the last call under way frees it
};

win::SlimMutex g_mutex;
// One per thread that attached, until the thread detaches or ends; the
// windows it subclassed hold a pointer to it, which detaching takes back.
std::map<DWORD, std::unique_ptr<ThreadSkin>> g_threads;

enum class Kind { Page, Button, Tab, Tree, Control };

// What a subclassed window had before, the skin it wears, and what kind of
// window it is (its class does not change).
struct Subclass {
    WNDPROC original;
    ThreadSkin* skin;  // null once the skin is off but another subclass still calls ours
    Kind kind;
};

// The subclass of every window whose procedure is ours, kept in the
// process: a window property would cost a round trip to the window system
// (under Wine a server request, ~50 µs) on every message of every skinned
// window, which made the skin's start-up tens of milliseconds slower.
win::SlimMutex g_subclassMutex;
std::unordered_map<HWND, Subclass*> g_subclasses;

Subclass* SubclassOf(HWND hwnd) {
    std::lock_guard<win::SlimMutex> lock(g_subclassMutex);
    const auto it = g_subclasses.find(hwnd);
    return it == g_subclasses.end() ? nullptr : it->second;
}

// Throws (no memory) before anything changed.
void RememberSubclass(HWND hwnd, Subclass* sub) {
    std::lock_guard<win::SlimMutex> lock(g_subclassMutex);
    g_subclasses[hwnd] = sub;
}

void ForgetSubclass(HWND hwnd) {
    std::lock_guard<win::SlimMutex> lock(g_subclassMutex);
    g_subclasses.erase(hwnd);
}

LRESULT CALLBACK SkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// The window's own procedure, as it was before the skin.
LRESULT Original(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (const Subclass* sub = SubclassOf(hwnd)) return CallWindowProcW(sub->original, hwnd, message, wParam, lParam);
    // Given back while this message was handled (the skin was taken off):
    // the window's own procedure is in place again.
    const auto own = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    return own && own != SkinProc ? CallWindowProcW(own, hwnd, message, wParam, lParam)
                                  : DefWindowProcW(hwnd, message, wParam, lParam);
}

ThreadSkin* SkinOfThread(DWORD thread) {
    std::lock_guard<win::SlimMutex> lock(g_mutex);
    const auto it = g_threads.find(thread);
    return it == g_threads.end() ? nullptr : it->second.get();
}

std::wstring ClassOf(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

bool SameClass(const std::wstring& a, const wchar_t* b) { return lstrcmpiW(a.c_str(), b) == 0; }

Kind KindOf(const std::wstring& c) {
    if (SameClass(c, L"Button")) return Kind::Button;
    if (SameClass(c, WC_TABCONTROLW)) return Kind::Tab;
    if (SameClass(c, WC_TREEVIEWW)) return Kind::Tree;
    for (const wchar_t* control : {L"Static", L"Edit", L"ListBox", L"ComboBox", L"ComboLBox", L"ScrollBar",
                                   L"SysListView32", L"SysHeader32", L"tooltips_class32", L"msctls_statusbar32",
                                   L"msctls_trackbar32", L"msctls_updown32", L"msctls_progress32", L"ToolbarWindow32",
                                   L"ReBarWindow32", L"SysLink", L"ComboBoxEx32", L"SysDateTimePick32",
                                   L"SysMonthCal32", L"SysIPAddress32", L"msctls_hotkey32", L"SysAnimate32",
                                   L"SysPager", L"NativeFontCtl"}) {
        if (SameClass(c, control)) return Kind::Control;
    }
    if (c.compare(0, 8, L"RichEdit") == 0 || c.compare(0, 8, L"RICHEDIT") == 0) return Kind::Control;
    return Kind::Page;
}

bool IsLayeredOrInLayered(HWND hwnd) {
    for (HWND w = hwnd; w; w = (GetWindowLongW(w, GWL_STYLE) & WS_CHILD) ? GetParent(w) : nullptr) {
        if (GetWindowLongW(w, GWL_EXSTYLE) & WS_EX_LAYERED) return true;
    }
    return false;
}

bool IsCaptioned(HWND hwnd) {
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    return (style & WS_CAPTION) == WS_CAPTION && !(style & WS_CHILD);
}

COLORREF BrushColour(HBRUSH brush, COLORREF fallback) {
    LOGBRUSH lb;
    return brush && GetObjectW(brush, sizeof lb, &lb) == sizeof lb && lb.lbStyle == BS_SOLID ? lb.lbColor : fallback;
}

std::unique_ptr<PixelSurface> MakePixelSurface() {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 1;
    info.bmiHeader.biHeight = 1;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    auto surface = std::make_unique<PixelSurface>();
    surface->bitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bits || !surface->dc.Select(surface->bitmap.Get())) return nullptr;
    surface->bits = static_cast<const std::uint32_t*>(bits);
    return surface;
}

// The colour `hwnd` erases itself in: it erases the pixel, first filled with
// one colour and, should that come back, with another. Each erase finds the
// DC as a fresh one would be: what the window's erasing selects or sets is
// put back after it.
std::optional<COLORREF> ErasedColourOn(const PixelSurface& surface, HWND hwnd) {
    const HDC dc = surface.dc.Get();
    for (COLORREF probe : {RGB(1, 2, 3), RGB(254, 253, 252)}) {
        SetPixelV(dc, 0, 0, probe);
        {
            const win::DcState state(dc);
            Original(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        }
        GdiFlush();
        const std::uint32_t value = *surface.bits;
        const COLORREF got = RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
        if (got != probe) return got;
    }
    return std::nullopt;
}

// The thread's surface, made once: windows are erased onto it a few times
// per control when a page is first shown (the controls' erasing asks for
// their parent's). A window's erasing may ask for another's colour
// meanwhile; that one gets a fresh surface.
std::optional<COLORREF> ErasedColour(ThreadSkin& s, HWND hwnd) {
    if (!s.pixel) s.pixel = MakePixelSurface();
    if (s.pixel && !s.pixel->inUse) {
        PixelSurface& surface = *s.pixel;
        surface.inUse = true;
        struct Release {
            PixelSurface& surface;
            ~Release() { surface.inUse = false; }
        } release{surface};
        return ErasedColourOn(surface, hwnd);
    }
    const std::unique_ptr<PixelSurface> fresh = MakePixelSurface();
    if (!fresh) return std::nullopt;
    return ErasedColourOn(*fresh, hwnd);
}

COLORREF PageColourOf(ThreadSkin& s, HWND hwnd) {
    const auto it = s.erased.find(hwnd);
    if (it != s.erased.end()) return it->second;
    const std::optional<COLORREF> colour = ErasedColour(s, hwnd);
    const COLORREF value = colour.value_or(GetSysColor(COLOR_BTNFACE));
    s.erased[hwnd] = value;
    return value;
}

bool IsDefaultText(COLORREF c) {
    return c == GetSysColor(COLOR_WINDOWTEXT) || c == GetSysColor(COLOR_BTNTEXT) || c == RGB(0, 0, 0);
}

bool IsBoxClass(HWND control) {
    const std::wstring c = ClassOf(control);
    return SameClass(c, L"Edit") || SameClass(c, L"ListBox") || SameClass(c, L"ComboBox") ||
           SameClass(c, L"ComboLBox") || c.compare(0, 8, L"RichEdit") == 0 || c.compare(0, 8, L"RICHEDIT") == 0;
}

// The colour messages: what the program answered, in the skin's colours
// where the program answered with a default.
LRESULT Recolour(ThreadSkin& s, HWND parent, UINT message, HDC dc, HWND control, LRESULT answer) {
    const auto& c = s.style.colours;
    const COLORREF given = BrushColour(reinterpret_cast<HBRUSH>(answer), CLR_INVALID);
    if (given == CLR_INVALID) return answer;
    const bool boxMessage = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
    const bool white = given == RGB(255, 255, 255) || given == GetSysColor(COLOR_WINDOW);
    if (white && (boxMessage || (control && IsBoxClass(control)))) {
        SetBkColor(dc, Ref(c[core::kSkinEdit]));
        if (IsDefaultText(GetTextColor(dc))) SetTextColor(dc, Ref(c[core::kSkinEditText]));
        return reinterpret_cast<LRESULT>(s.box.Get());
    }
    if (given == PageColourOf(s, parent) || given == GetSysColor(COLOR_BTNFACE)) {
        SetBkColor(dc, Ref(c[core::kSkinWindow]));
        if (IsDefaultText(GetTextColor(dc))) SetTextColor(dc, Ref(c[core::kSkinText]));
        return reinterpret_cast<LRESULT>(s.page.Get());
    }
    return answer;
}

// Erases a page-like window: in the skin's page colour where it erases like
// a page, as it would otherwise.
LRESULT Erase(ThreadSkin& s, HWND hwnd, HDC dc) {
    if (s.unerased.count(hwnd)) return Original(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    const std::optional<COLORREF> colour = ErasedColour(s, hwnd);
    if (!colour) {
        s.unerased.insert(hwnd);
        return Original(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    }
    s.erased[hwnd] = *colour;
    const HWND top = GetAncestor(hwnd, GA_ROOT);
    const bool page = IsCaptioned(hwnd) || *colour == GetSysColor(COLOR_BTNFACE) ||
                      (top != hwnd && s.erased.count(top) && s.erased[top] == *colour);
    if (!page) return Original(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT r;
    GetClientRect(hwnd, &r);
    FillRect(dc, &r, s.page.Get());
    return 1;
}

// --- Buttons ---------------------------------------------------------------

bool SkinnedButton(HWND hwnd) {
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    const LONG type = style & BS_TYPEMASK;
    if (style & (BS_BITMAP | BS_ICON)) return false;
    return type != BS_OWNERDRAW && type != BS_USERBUTTON && type <= BS_AUTORADIOBUTTON;
}

std::wstring TextOf(HWND hwnd) {
    const int length = GetWindowTextLengthW(hwnd);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), length + 1)));
    return text;
}

// Asks the parent for the button's background as the button control does
// (the parent's answer goes through its own subclass, so it is skinned).
HBRUSH BackgroundFromParent(ThreadSkin& s, HWND hwnd, HDC dc, UINT message) {
    HWND parent = GetParent(hwnd);
    const LRESULT answer =
        parent ? SendMessageW(parent, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)) : 0;
    return answer ? reinterpret_cast<HBRUSH>(answer) : s.page.Get();
}

void PaintButton(ThreadSkin& s, HWND hwnd, HDC target) {
    RECT r;
    GetClientRect(hwnd, &r);
    if (r.right <= 0 || r.bottom <= 0) return;
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    const LONG type = style & BS_TYPEMASK;
    const auto state = static_cast<LRESULT>(SendMessageW(hwnd, BM_GETSTATE, 0, 0));
    const UINT dpi = WindowDpi(hwnd);
    const LRESULT ui = SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0);
    ButtonLook look;
    look.text = TextOf(hwnd);
    look.font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    look.pressed = (state & BST_PUSHED) != 0;
    look.focused = (state & BST_FOCUS) != 0 && !(ui & UISF_HIDEFOCUS);
    look.disabled = !IsWindowEnabled(hwnd);
    look.emphasised = type == BS_DEFPUSHBUTTON;
    look.multiline = (style & BS_MULTILINE) != 0;

    if (type == BS_GROUPBOX) {
        // Straight onto the window: the inside is not ours to paint.
        HBRUSH behind = BackgroundFromParent(s, hwnd, target, WM_CTLCOLORSTATIC);
        PaintGroupBox(target, r, s.style, look, behind, GetTextColor(target), dpi);
        return;
    }
    // The rest through a bitmap, so that it never shows half drawn.
    const win::OwnedBitmap bitmap(CreateCompatibleBitmap(target, r.right, r.bottom));
    const win::MemoryDC memory(target);
    if (!memory.Select(bitmap.Get())) return;
    const HDC dc = memory.Get();
    if (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) {
        HBRUSH behind = BackgroundFromParent(s, hwnd, dc, WM_CTLCOLORBTN);
        PaintPushButton(dc, r, s.style, look, BrushColour(behind, Ref(s.style.colours[core::kSkinWindow])), dpi);
    } else {
        HBRUSH behind = BackgroundFromParent(s, hwnd, dc, WM_CTLCOLORSTATIC);
        MarkLook mark;
        static_cast<ButtonLook&>(mark) = look;
        mark.mark = (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON) ? Mark::Radio : Mark::Check;
        mark.state = (state & BST_CHECKED) ? MarkState::Set
                                           : (state & BST_INDETERMINATE) ? MarkState::Mixed : MarkState::Clear;
        mark.markOnRight = (style & BS_LEFTTEXT) != 0;
        mark.textColour = GetTextColor(dc);
        PaintMarkButton(dc, r, s.style, mark, behind, dpi);
    }
    BitBlt(target, 0, 0, r.right, r.bottom, dc, 0, 0, SRCCOPY);
}

void PaintButtonNow(ThreadSkin& s, HWND hwnd) {
    if (!IsWindowVisible(hwnd)) return;
    const win::WindowDC dc(hwnd);
    PaintButton(s, hwnd, dc.Get());
}

// Messages after which the button control paints itself directly.
bool RepaintsButton(HWND hwnd, UINT message) {
    switch (message) {
        case BM_SETSTATE:
        case BM_SETCHECK:
        case BM_SETSTYLE:
        case BM_CLICK:
        case WM_SETTEXT:
        case WM_ENABLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CAPTURECHANGED:
        case WM_UPDATEUISTATE:
        case WM_MOUSELEAVE:
        case WM_THEMECHANGED:
            return true;
        case WM_MOUSEMOVE:
            return GetCapture() == hwnd;
        default:
            return false;
    }
}

// --- Tab strips ------------------------------------------------------------

void PaintTabs(ThreadSkin& s, HWND hwnd, HDC target) {
    RECT client;
    GetClientRect(hwnd, &client);
    if (client.right <= 0 || client.bottom <= 0) return;
    const int count = TabCtrl_GetItemCount(hwnd);
    const int selected = TabCtrl_GetCurSel(hwnd);
    std::vector<TabLook> tabs;
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 256;
        TabCtrl_GetItem(hwnd, i, &item);
        TabLook tab{text, {}, i == selected};
        TabCtrl_GetItemRect(hwnd, i, &tab.r);
        tabs.push_back(tab);
    }
    RECT page = client;
    TabCtrl_AdjustRect(hwnd, FALSE, &page);
    const win::OwnedBitmap bitmap(CreateCompatibleBitmap(target, client.right, client.bottom));
    const win::MemoryDC memory(target);
    if (!memory.Select(bitmap.Get())) return;
    const HDC dc = memory.Get();
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
    PaintTabStrip(dc, client, page, tabs.data(), static_cast<int>(tabs.size()), font, s.style, s.page.Get(),
                  WindowDpi(hwnd));
    BitBlt(target, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
}

bool SkinnedTabs(HWND hwnd) { return !(GetWindowLongW(hwnd, GWL_STYLE) & (TCS_BOTTOM | TCS_VERTICAL | TCS_BUTTONS)); }

// --- Frames ----------------------------------------------------------------

void PaintFrame(ThreadSkin& s, HWND hwnd) {
    if (!s.frames || !IsCaptioned(hwnd) || IsIconic(hwnd) || !IsWindowVisible(hwnd)) return;
    const UINT dpi = WindowDpi(hwnd);
    RECT w, client;
    GetWindowRect(hwnd, &w);
    GetClientRect(hwnd, &client);
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    const int left = origin.x - w.left;
    const int right = w.right - (origin.x + client.right);
    const int bottom = w.bottom - (origin.y + client.bottom);
    int insideTop = origin.y - w.top;
    if (GetMenu(hwnd)) {
        MENUBARINFO info{};
        info.cbSize = sizeof info;
        if (GetMenuBarInfo(hwnd, OBJID_MENU, 0, &info) && info.rcBar.bottom > info.rcBar.top) {
            insideTop = info.rcBar.top - w.top;
        } else {
            insideTop -= MetricForDpi(SM_CYMENU, dpi);
        }
    }
    const int captionHeight = insideTop - left;
    if (captionHeight <= 0 || left < 0 || right < 0 || bottom < 0) return;
    const RECT window = {0, 0, w.right - w.left, w.bottom - w.top};
    const RECT inside = {left, insideTop, window.right - right, window.bottom - bottom};
    CaptionLook look;
    look.title = TextOf(hwnd);
    look.icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, ICON_SMALL, 0));
    if (!look.icon) look.icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICONSM));
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    if (!(style & WS_SYSMENU)) look.icon = nullptr;
    const auto it = s.active.find(hwnd);
    look.active = it != s.active.end() ? it->second : GetActiveWindow() == hwnd;
    look.closeBox = (style & WS_SYSMENU) != 0;
    look.minimiseBox = (style & WS_SYSMENU) && (style & WS_MINIMIZEBOX);
    look.maximiseBox = (style & WS_SYSMENU) && (style & WS_MAXIMIZEBOX);
    win::OwnedFont& font = s.captionFonts[dpi];
    if (!font) font.Reset(CreateCaptionFont(dpi));
    look.font = font.Get();
    const win::WindowDC dc(hwnd, win::WindowDC::Area::Whole);
    PaintCaptionAndFrame(dc.Get(), window, inside, captionHeight, s.style, look, dpi);
}

// Messages after which the system has painted the caption its own way.
bool RepaintsFrame(UINT message) {
    switch (message) {
        case WM_NCPAINT:
        case WM_NCACTIVATE:
        case WM_SETTEXT:
        case WM_SETICON:
        case WM_NCLBUTTONDOWN:
        case WM_NCLBUTTONUP:
        case WM_NCRBUTTONUP:
        case WM_SYSCOMMAND:
        case WM_DPICHANGED:
        case WM_THEMECHANGED:
            return true;
        default:
            return false;
    }
}

int BoxEdgeWidth(HWND hwnd) { return MetricForDpi(SM_CXEDGE, WindowDpi(hwnd)); }

void PaintBoxEdge(ThreadSkin& s, HWND hwnd) {
    RECT w;
    GetWindowRect(hwnd, &w);
    const RECT r = {0, 0, w.right - w.left, w.bottom - w.top};
    const win::WindowDC dc(hwnd, win::WindowDC::Area::Whole);
    PaintBoxBorder(dc.Get(), r, BoxEdgeWidth(hwnd), s.style);
}

// True when the box border the skin paints covers all of the window's frame:
// the frame is the client edge alone (no border, no scroll bars), each side
// exactly as wide as the skin's border.
bool BoxEdgeIsWholeFrame(HWND hwnd) {
    if (GetWindowLongW(hwnd, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) return false;
    RECT w, client;
    if (!GetWindowRect(hwnd, &w) || !GetClientRect(hwnd, &client)) return false;
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    const int edge = BoxEdgeWidth(hwnd);
    return origin.x - w.left == edge && origin.y - w.top == edge && w.right - (origin.x + client.right) == edge &&
           w.bottom - (origin.y + client.bottom) == edge;
}

void ColourTree(ThreadSkin& s, HWND hwnd) {
    const bool ours = s.trees.count(hwnd) != 0;
    if (!ours && TreeView_GetBkColor(hwnd) != static_cast<COLORREF>(-1)) return;  // the program's own colours
    TreeView_SetBkColor(hwnd, Ref(s.style.colours[core::kSkinEdit]));
    TreeView_SetTextColor(hwnd, Ref(s.style.colours[core::kSkinEditText]));
    TreeView_SetLineColor(hwnd, Ref(s.style.colours[core::kSkinFrame]));
    s.trees.insert(hwnd);
}

void SkinMenu(ThreadSkin& s, HMENU menu) {
    if (!s.menus || !menu || core::Lightness(s.style.colours[core::kSkinMenu]) < 128) return;
    MENUINFO info{};
    info.cbSize = sizeof info;
    info.fMask = MIM_BACKGROUND;
    info.hbrBack = s.menu.Get();
    SetMenuInfo(menu, &info);
}

// WM_PAINT and WM_PRINTCLIENT of a control the skin draws wholly; true when
// `message` was one of them.
template <typename Paint>
bool PaintedWhole(HWND hwnd, UINT message, WPARAM wParam, Paint paint) {
    if (message == WM_PAINT) {
        const win::PaintDC dc(hwnd);
        paint(dc.Get());
        return true;
    }
    if (message == WM_PRINTCLIENT) {
        paint(reinterpret_cast<HDC>(wParam));
        return true;
    }
    return false;
}

LRESULT Handle(ThreadSkin& s, Kind kind, HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORDLG:
        {
            const LRESULT answer = Original(hwnd, message, wParam, lParam);
            if (s.detached) return answer;
            return Recolour(s, hwnd, message, reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam), answer);
        }
        case WM_INITMENUPOPUP:
            SkinMenu(s, reinterpret_cast<HMENU>(wParam));
            break;
        default:
            break;
    }
    if (kind == Kind::Button && SkinnedButton(hwnd)) {
        const bool group = (GetWindowLongW(hwnd, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
        if (PaintedWhole(hwnd, message, wParam, [&](HDC dc) { PaintButton(s, hwnd, dc); })) return 0;
        if (message == WM_ERASEBKGND && !group) return 1;
        if (RepaintsButton(hwnd, message)) {
            const LRESULT result = Original(hwnd, message, wParam, lParam);
            if (IsWindow(hwnd) && !s.detached) PaintButtonNow(s, hwnd);
            return result;
        }
    } else if (kind == Kind::Tab && SkinnedTabs(hwnd)) {
        if (PaintedWhole(hwnd, message, wParam, [&](HDC dc) { PaintTabs(s, hwnd, dc); })) return 0;
        if (message == WM_ERASEBKGND) return 1;
    } else if (kind == Kind::Tree && message == WM_PAINT) {
        ColourTree(s, hwnd);
    } else if (kind == Kind::Page && message == WM_ERASEBKGND) {
        return Erase(s, hwnd, reinterpret_cast<HDC>(wParam));
    }
    if (message == WM_NCPAINT && (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) &&
        (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_CLIENTEDGE)) {
        // A frame that the skin's border covers wholly is not drawn by the
        // system first: every pixel of that would be painted over at once,
        // and under Wine it costs a device context of the frame (about
        // 0.3 ms a box, when a page of boxes is first shown).
        if (!s.detached && BoxEdgeIsWholeFrame(hwnd)) {
            PaintBoxEdge(s, hwnd);
            return 0;
        }
        const LRESULT result = Original(hwnd, message, wParam, lParam);
        if (!s.detached) PaintBoxEdge(s, hwnd);
        return result;
    }
    if (IsCaptioned(hwnd) && RepaintsFrame(message)) {
        if (message == WM_NCACTIVATE) s.active[hwnd] = wParam != FALSE;
        if (message == WM_NCPAINT) SkinMenu(s, GetMenu(hwnd));
        const LRESULT result = Original(hwnd, message, wParam, lParam);
        if (IsWindow(hwnd) && !s.detached) PaintFrame(s, hwnd);
        return result;
    }
    return Original(hwnd, message, wParam, lParam);
}

void FreeSkin(ThreadSkin* s) { delete s; }  // its brushes and fonts with it

// A call of the skin's window procedure under way; the last one to end
// frees a skin that was taken off meanwhile (by a handler of the message).
class Busy {
public:
    explicit Busy(ThreadSkin& s) : s_(s) { ++s_.busy; }
    ~Busy() {
        if (--s_.busy == 0 && s_.detached) FreeSkin(&s_);
    }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

private:
    ThreadSkin& s_;
};

LRESULT CALLBACK SkinProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Subclass* sub = SubclassOf(hwnd);
    if (!sub) return DefWindowProcW(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        if (ThreadSkin* s = sub->skin) {
            s->erased.erase(hwnd);
            s->active.erase(hwnd);
            s->trees.erase(hwnd);
            s->unerased.erase(hwnd);
            s->subclassed.erase(hwnd);
        }
        const WNDPROC original = sub->original;
        ForgetSubclass(hwnd);
        delete sub;
        return CallWindowProcW(original, hwnd, message, wParam, lParam);
    }
    if (!sub->skin) return CallWindowProcW(sub->original, hwnd, message, wParam, lParam);
    if (IsLayeredOrInLayered(hwnd)) return Original(hwnd, message, wParam, lParam);
    ThreadSkin& s = *sub->skin;
    const Kind kind = sub->kind;
    const Busy busy(s);
    try {
        return Handle(s, kind, hwnd, message, wParam, lParam);
    } catch (...) {
        // Nothing may unwind into the system's frames: the window is drawn
        // as the system would.
        return Original(hwnd, message, wParam, lParam);
    }
}

// `className`: the window's class when the caller knows it (a window being
// made names it), else empty and asked.
void Adopt(ThreadSkin& s, HWND hwnd, std::wstring className = {}) {
    const std::wstring c = className.empty() ? ClassOf(hwnd) : std::move(className);
    if (SameClass(c, L"#32768")) return;  // pop-up menus: skinned through WM_INITMENUPOPUP
    if (Subclass* sub = SubclassOf(hwnd)) {
        s.subclassed.insert(hwnd);
        sub->skin = &s;
        return;
    }
    auto sub = std::make_unique<Subclass>(Subclass{nullptr, &s, KindOf(c)});
    sub->original = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC));
    if (!sub->original) return;
    // What can throw comes before the window is changed.
    s.subclassed.insert(hwnd);
    try {
        RememberSubclass(hwnd, sub.get());
    } catch (...) {
        s.subclassed.erase(hwnd);
        throw;
    }
    if (!SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SkinProc))) {
        ForgetSubclass(hwnd);
        s.subclassed.erase(hwnd);
        return;
    }
    sub.release();
}

// Gives `hwnd` its own procedure back. One that another subclass has since
// wrapped keeps ours, which then passes every message on.
void GiveBack(HWND hwnd) {
    Subclass* sub = SubclassOf(hwnd);
    if (!sub) return;
    const auto ours = reinterpret_cast<LONG_PTR>(SkinProc);
    if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) == ours) {
        SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(sub->original));
        if (GetWindowLongPtrW(hwnd, GWLP_WNDPROC) != ours) {
            ForgetSubclass(hwnd);
            delete sub;
            return;
        }
    }
    sub->skin = nullptr;
}

LRESULT CALLBACK CreationHook(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        try {
            const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
            if (ThreadSkin* s = SkinOfThread(GetCurrentThreadId())) {
                // The class named by its maker, unless given as an atom.
                const LPCWSTR name = create->lpcs->lpszClass;
                if (!(create->lpcs->dwExStyle & WS_EX_LAYERED)) {
                    Adopt(*s, reinterpret_cast<HWND>(wParam), IS_INTRESOURCE(name) ? std::wstring() : name);
                }
            }
        } catch (...) {
            // The window is made all the same, unskinned.
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

BOOL CALLBACK AdoptChild(HWND hwnd, LPARAM data) {
    // Nothing may unwind into the system's enumeration: a window that cannot
    // be adopted (no memory) stays as the system draws it, and the others
    // are still adopted.
    try {
        if (GetWindowThreadProcessId(hwnd, nullptr) == GetCurrentThreadId()) {
            Adopt(*reinterpret_cast<ThreadSkin*>(data), hwnd);
        }
    } catch (...) {
    }
    return TRUE;
}

BOOL CALLBACK AdoptTopLevel(HWND hwnd, LPARAM data) {
    AdoptChild(hwnd, data);
    EnumChildWindows(hwnd, AdoptChild, data);
    return TRUE;
}

BOOL CALLBACK Repaint(HWND hwnd, LPARAM) {
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    return TRUE;
}


int Attach(const void* bytes, int count, const char* password, int existing, int menus, int frames) {
    if (!bytes || count <= 0 || (password && *password)) return 0;
    const std::string_view view(static_cast<const char*>(bytes), static_cast<std::size_t>(count));
    std::optional<core::SkinStyle> style = core::ReadSkinFile(view);
    if (!style) return 0;
    // Everything that can fail before the thread's skin changes.
    std::string copy(view);
    win::OwnedBrush page(CreateSolidBrush(Ref(style->colours[core::kSkinWindow])));
    win::OwnedBrush box(CreateSolidBrush(Ref(style->colours[core::kSkinEdit])));
    win::OwnedBrush menu(CreateSolidBrush(Ref(style->colours[core::kSkinMenu])));
    if (!page || !box || !menu) return 0;
    const DWORD thread = GetCurrentThreadId();
    ThreadSkin* s = SkinOfThread(thread);
    if (!s) {
        auto made = std::make_unique<ThreadSkin>();
        s = made.get();
        {
            std::lock_guard<win::SlimMutex> lock(g_mutex);
            g_threads.emplace(thread, std::move(made));
        }
        s->hook.Reset(SetWindowsHookExW(WH_CBT, CreationHook, nullptr, thread));
        if (!s->hook) {
            std::lock_guard<win::SlimMutex> lock(g_mutex);
            g_threads.erase(thread);
            return 0;
        }
    }
    s->bytes.swap(copy);
    s->style = std::move(*style);
    s->menus = menus != 0;
    s->frames = frames != 0;
    s->erased.clear();
    s->unerased.clear();
    s->page = std::move(page);  // the old ones go
    s->box = std::move(box);
    s->menu = std::move(menu);
    if (existing) EnumThreadWindows(thread, AdoptTopLevel, reinterpret_cast<LPARAM>(s));
    EnumThreadWindows(thread, Repaint, 0);
    return 1;
}

// Takes the skin off the calling thread: its hook goes, every window the
// skin subclassed gets its own procedure back, and the skin is freed (once
// no call of the skin's procedure is under way any more).
void Detach() {
    std::unique_ptr<ThreadSkin> s;
    {
        std::lock_guard<win::SlimMutex> lock(g_mutex);
        const auto it = g_threads.find(GetCurrentThreadId());
        if (it == g_threads.end()) return;
        s = std::move(it->second);
        g_threads.erase(it);
    }
    s->hook.Reset();
    for (HWND hwnd : s->subclassed) GiveBack(hwnd);
    s->subclassed.clear();
    s->detached = true;
    ThreadSkin* left = s.release();
    if (left->busy == 0) FreeSkin(left);
}

}  // namespace
}  // namespace skin

extern "C" __declspec(dllexport) int __cdecl TavrinSkin_AttachRes(const void* bytes, int count, const char* password,
                                                                  int existing, int menus, int frames) {
    try {
        return skin::Attach(bytes, count, password, existing, menus, frames);
    } catch (...) {
        return 0;
    }
}

extern "C" __declspec(dllexport) void __cdecl TavrinSkin_Detach() {
    try {
        skin::Detach();
    } catch (...) {
        // Only the lock can fail: the skin stays on.
    }
}

// A thread's skin goes with the thread, so that nothing of it is left for a
// later thread that is given the same id.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_THREAD_DETACH) TavrinSkin_Detach();
    return TRUE;
}

extern "C" __declspec(dllexport) int __cdecl TavrinSkin_CopyAttached(void* buffer, int size) {
    const skin::ThreadSkin* s = skin::SkinOfThread(GetCurrentThreadId());
    if (!s) return 0;
    if (buffer && size > 0) {
        const std::size_t n = std::min<std::size_t>(static_cast<std::size_t>(size), s->bytes.size());
        std::copy(s->bytes.begin(), s->bytes.begin() + static_cast<std::ptrdiff_t>(n), static_cast<char*>(buffer));
    }
    return static_cast<int>(s->bytes.size());
}
