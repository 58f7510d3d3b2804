#include "win/window_pick.h"

#include <unordered_set>
#include <vector>

#include "win/core/window_pick.h"

namespace win {

WindowHandle DeepestWindowAt(POINT point) {
    const HWND found = WindowFromPoint(point);
    if (!found || found == GetDesktopWindow()) return 0;
    HWND current = GetAncestor(found, GA_ROOT);
    if (!current) current = found;
    std::unordered_set<HWND> seen = {current};  // a parent chain that turns back on itself ends there
    for (;;) {
        // Children show only inside their parent's client area.
        RECT client = {};
        GetClientRect(current, &client);
        MapWindowPoints(current, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
        const base::Rect visibleArea{client.left, client.top, client.right, client.bottom};
        std::vector<HWND> children;
        std::vector<base::Rect> rects;
        for (HWND child = GetWindow(current, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child)) continue;
            if (GetWindowLongPtrW(child, GWL_EXSTYLE) & WS_EX_TRANSPARENT) continue;
            RECT r;
            if (!GetWindowRect(child, &r)) continue;
            children.push_back(child);
            rects.push_back(base::Intersection({r.left, r.top, r.right, r.bottom}, visibleArea));
            if (children.size() > 10000) break;  // a sibling chain that never ends
        }
        const int best = core::SmallestContaining(rects, {point.x, point.y});
        if (best < 0 || !seen.insert(children[static_cast<std::size_t>(best)]).second) break;
        current = children[static_cast<std::size_t>(best)];
    }
    return FromHwnd(current);
}

}  // namespace win
