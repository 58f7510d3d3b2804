#include "messages/lookup_facts.h"

#include <algorithm>
#include <unordered_set>

namespace messages {
namespace {

constexpr std::size_t kMostSiblings = 20000;  // a sibling chain that never ends

core::WindowFacts FactsOf(HWND hwnd, bool child) {
    core::WindowFacts facts;
    facts.className = win::GetWindowClassName(win::FromHwnd(hwnd));
    facts.title = win::GetWindowTitle(win::FromHwnd(hwnd));
    facts.id = child ? GetDlgCtrlID(hwnd) : 0;
    return facts;
}

}  // namespace

std::vector<core::LookupLevel> LookupLevelsOf(win::WindowHandle target) {
    const HWND hwnd = win::ToHwnd(target);
    if (!IsWindow(hwnd)) return {};
    // The chain up to the top-level window; the desktop holds the top.
    std::vector<HWND> chain;
    std::unordered_set<HWND> seen;
    for (HWND w = hwnd; w && w != GetDesktopWindow() && seen.insert(w).second; w = GetAncestor(w, GA_PARENT)) {
        chain.push_back(w);
    }
    std::reverse(chain.begin(), chain.end());
    std::vector<core::LookupLevel> levels;
    for (std::size_t depth = 0; depth < chain.size(); ++depth) {
        const HWND self = chain[depth];
        const bool child = depth > 0;
        const HWND parent = child ? chain[depth - 1] : GetDesktopWindow();
        core::LookupLevel level;
        bool found = false;
        for (HWND w = GetWindow(parent, GW_CHILD); w && level.siblings.size() < kMostSiblings;
             w = GetWindow(w, GW_HWNDNEXT)) {
            if (w == self) {
                level.self = level.siblings.size();
                found = true;
            }
            level.siblings.push_back(FactsOf(w, child));
        }
        if (!found) return {};  // the window went away meanwhile
        levels.push_back(std::move(level));
    }
    return levels;
}

}  // namespace messages
