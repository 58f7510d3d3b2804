// The first look at the window tree after a capture: the few windows the
// tree shows around the target once it has scrolled to it, read before
// the walk of the whole hierarchy so that the target is selected at once.
//
// Only the target's ancestors are expanded in the tree, so the rows around
// the target are: the root, each ancestor's siblings near it, the target's
// siblings near it. The first look takes `rows` of them before the target
// and `rows` after it in the order the tree shows them, and lists them as
// a small tree of its own in pre-order. When the walk's result comes, the
// first look's items stay in the tree control if they fit the walk (same
// windows, same parents, same order among siblings) and the rest goes in
// around them; otherwise the tree is made again from the walk.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace inspector::core {

// One item of the first look: its window and the index of its parent item
// in the same list (-1 for the root).
struct FirstLookItem {
    std::int32_t window;
    int parent;
};

// How windows hang together as the tree shows them (0: none): the item
// above a window's item, and the windows listed right before and after it
// below that same item. Windows owned by another are listed after all its
// children, so they have no neighbours here.
struct WindowLinks {
    std::function<std::int32_t(std::int32_t)> parent;
    std::function<std::int32_t(std::int32_t)> previous;
    std::function<std::int32_t(std::int32_t)> next;
};

// The first look for `target` in the tree of `root`, in pre-order; the
// root alone when the target is not found below the root.
std::vector<FirstLookItem> CollectFirstLook(std::int32_t root, std::int32_t target, int rows,
                                            const WindowLinks& links);

// For each first-look item, the index of the walked item it stands for,
// when every one of them is in the walk (`windows` and `parents` by walk
// index, in pre-order) below the same parent and in the same order among
// its siblings; nothing when they do not fit.
std::optional<std::vector<int>> MatchFirstLook(const std::vector<FirstLookItem>& firstLook,
                                               const std::vector<std::int32_t>& windows,
                                               const std::vector<int>& parents);

}  // namespace inspector::core
