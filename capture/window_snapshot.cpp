#include "capture/window_snapshot.h"

#include <windows.h>

#include <unordered_set>

#include "win/callback_guard.h"
#include "win/system_library.h"

namespace capture {
namespace {

// DwmGetWindowAttribute and the two attributes asked for (dwmapi.h), loaded
// when first needed; missing (or failing, as under Wine) they change nothing.
using DwmGetWindowAttributeFunction = HRESULT(WINAPI*)(HWND, DWORD, PVOID, DWORD);
constexpr DWORD kExtendedFrameBounds = 9;
constexpr DWORD kCloaked = 14;

// More windows than any desktop has: the walk stops there.
constexpr std::size_t kMostWindows = 20000;

base::Rect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

base::Rect WindowRect(HWND hwnd) {
    RECT r{};
    return GetWindowRect(hwnd, &r) ? ToRect(r) : base::Rect{};
}

base::Rect ClientRect(HWND hwnd) {
    RECT r{};
    if (!GetClientRect(hwnd, &r)) return {};
    MapWindowPoints(hwnd, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return ToRect(r);
}

// Each window is asked for its style first, so that a hidden one costs one
// question; under Wine every question goes to the window server.
class Walk {
public:
    std::vector<core::SnapWindow> windows;

    void TopLevel(HWND hwnd) {
        const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
        if (windows.size() >= kMostWindows || !(style & WS_VISIBLE) || (style & WS_MINIMIZE)) return;
        const LONG exStyle = GetWindowLongW(hwnd, GWL_EXSTYLE);
        if ((exStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) == (WS_EX_LAYERED | WS_EX_TRANSPARENT)) return;
        base::Rect shown = WindowRect(hwnd);
        if (dwm_) {
            DWORD cloaked = 0;
            if (SUCCEEDED(dwm_(hwnd, kCloaked, &cloaked, sizeof cloaked)) && cloaked) return;
            RECT frame{};
            if (SUCCEEDED(dwm_(hwnd, kExtendedFrameBounds, &frame, sizeof frame))) {
                const base::Rect visible = base::Intersection(ToRect(frame), shown);
                if (!visible.Empty()) shown = visible;
            }
        }
        const base::Rect client = ClientRect(hwnd);
        windows.push_back({shown, client, -1});
        Children(hwnd, static_cast<int>(windows.size() - 1), base::Intersection(client, shown));
    }

private:
    // The children of `parent` (at `index`), topmost first, each followed
    // by its own; `area` is the part of the parent's client area that shows.
    void Children(HWND parent, int index, const base::Rect& area) {
        if (area.Empty()) return;
        for (HWND child = GetWindow(parent, GW_CHILD); child && windows.size() < kMostWindows;
             child = GetWindow(child, GW_HWNDNEXT)) {
            // A window destroyed meanwhile can send the chain back to windows
            // already met; the first one met again ends it.
            if (!seen_.insert(child).second) break;
            if (!(GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE)) continue;
            if (GetWindowLongW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) continue;
            const base::Rect window = WindowRect(child);
            const base::Rect shown = base::Intersection(window, area);
            if (shown.Empty()) continue;
            // Only a window with children needs its client area.
            const bool parentToo = GetWindow(child, GW_CHILD) != nullptr;
            const base::Rect client = parentToo ? ClientRect(child) : window;
            windows.push_back({window, client, index});
            if (parentToo) Children(child, static_cast<int>(windows.size() - 1), base::Intersection(client, shown));
        }
    }

    std::unordered_set<HWND> seen_;
    DwmGetWindowAttributeFunction dwm_ =
        win::SystemFunctionOf<DwmGetWindowAttributeFunction>(L"dwmapi.dll", "DwmGetWindowAttribute");
};

}  // namespace

std::vector<core::SnapWindow> VisibleWindowSnapshot() {
    // The top-level windows first, in Z order, then walked one by one, so
    // that a window made or closed meanwhile cannot cut the walk short.
    std::vector<HWND> topLevels;
    EnumWindows(
        [](HWND hwnd, LPARAM list) -> BOOL {
            return win::GuardCallback(
                [&] {
                    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
                    return TRUE;
                },
                FALSE);
        },
        reinterpret_cast<LPARAM>(&topLevels));
    Walk walk;
    for (HWND hwnd : topLevels) walk.TopLevel(hwnd);
    return std::move(walk.windows);
}

}  // namespace capture
