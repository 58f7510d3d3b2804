#include "inspector/core/first_look.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

namespace inspector::core {
namespace {

// Deeper than any real hierarchy; a loop of parents (a window re-parented
// during the look) ends here.
constexpr int kMaxDepth = 256;

// Up to `count` neighbours of `window` in one direction, nearest first. A
// window met again (the list changed under us) ends the run.
std::vector<std::int32_t> Neighbours(std::int32_t window, int count,
                                     const std::function<std::int32_t(std::int32_t)>& step,
                                     std::unordered_set<std::int32_t>& seen) {
    std::vector<std::int32_t> found;
    for (std::int32_t w = step(window); w != 0 && static_cast<int>(found.size()) < count; w = step(w)) {
        if (!seen.insert(w).second) break;
        found.push_back(w);
    }
    return found;
}

}  // namespace

std::vector<FirstLookItem> CollectFirstLook(std::int32_t root, std::int32_t target, int rows,
                                            const WindowLinks& links) {
    // The path from the root down to the target.
    std::vector<std::int32_t> path = {target};
    while (path.back() != root && static_cast<int>(path.size()) < kMaxDepth) {
        const std::int32_t up = links.parent(path.back());
        if (up == 0 || std::find(path.begin(), path.end(), up) != path.end()) break;
        path.push_back(up);
    }
    if (path.back() != root) return {{root, -1}};
    std::reverse(path.begin(), path.end());

    // Rows shown before the target, nearest first: its previous siblings,
    // then its parent's, and so on up; after it: its next siblings, then
    // its parent's next siblings, and so on.
    const std::size_t levels = path.size();
    std::unordered_set<std::int32_t> seen(path.begin(), path.end());
    std::vector<std::vector<std::int32_t>> before(levels), after(levels);
    int rowsBefore = std::max(rows, 0), rowsAfter = rowsBefore;
    for (std::size_t level = levels - 1; level > 0; --level) {
        before[level] = Neighbours(path[level], rowsBefore, links.previous, seen);
        rowsBefore -= static_cast<int>(before[level].size()) + 1;  // and the parent's own row
        after[level] = Neighbours(path[level], rowsAfter, links.next, seen);
        rowsAfter -= static_cast<int>(after[level].size());
        if (rowsBefore <= 0 && rowsAfter <= 0) break;
        rowsBefore = std::max(rowsBefore, 0);
        rowsAfter = std::max(rowsAfter, 0);
    }

    // Pre-order: each level's earlier siblings (farthest first), the path's
    // window with what lies below it, then the later siblings.
    std::vector<FirstLookItem> items = {{root, -1}};
    std::vector<int> pathIndex(levels, 0);
    for (std::size_t level = 1; level < levels; ++level) {
        const int parent = pathIndex[level - 1];
        for (auto w = before[level].rbegin(); w != before[level].rend(); ++w) items.push_back({*w, parent});
        pathIndex[level] = static_cast<int>(items.size());
        items.push_back({path[level], parent});
    }
    for (std::size_t level = levels - 1; level > 0; --level) {
        for (const std::int32_t w : after[level]) items.push_back({w, pathIndex[level - 1]});
    }
    return items;
}

std::optional<std::vector<int>> MatchFirstLook(const std::vector<FirstLookItem>& firstLook,
                                               const std::vector<std::int32_t>& windows,
                                               const std::vector<int>& parents) {
    std::unordered_map<std::int32_t, int> walkIndex;
    walkIndex.reserve(windows.size());
    for (std::size_t i = 0; i < windows.size(); ++i) walkIndex.emplace(windows[i], static_cast<int>(i));
    std::vector<int> match(firstLook.size(), -1);
    // The walk index of the last matched child of each first-look item (and
    // of the top level, at the end): siblings must come in the same order.
    std::vector<int> lastChild(firstLook.size() + 1, -1);
    for (std::size_t i = 0; i < firstLook.size(); ++i) {
        const auto found = walkIndex.find(firstLook[i].window);
        if (found == walkIndex.end()) return std::nullopt;
        const int w = found->second;
        const int parent = firstLook[i].parent;
        if (parent >= static_cast<int>(i)) return std::nullopt;  // not a pre-order list
        const int walkedParent = parent < 0 ? -1 : match[static_cast<std::size_t>(parent)];
        if (parents[static_cast<std::size_t>(w)] != walkedParent) return std::nullopt;
        int& last = lastChild[parent < 0 ? firstLook.size() : static_cast<std::size_t>(parent)];
        if (w <= last) return std::nullopt;
        last = w;
        match[i] = w;
    }
    return match;
}

}  // namespace inspector::core
