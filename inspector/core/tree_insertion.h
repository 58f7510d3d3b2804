// The order in which the window tree's items are put into the tree control,
// so that the current target's item can be shown and selected at once
// however many items come before it.
//
// The items are the windows of a walk in depth-first pre-order, each given
// by the index of its parent (-1 for the root). The plan puts the target's
// branch first (the root, each ancestor of the target, the target), then
// every other item in pre-order. Each item goes right after `after[i]`, an
// item already in the tree (its previous sibling), or first among its
// siblings (-1): the finished tree holds the items in pre-order, exactly as
// if they had been added one after another.
#pragma once

#include <vector>

namespace inspector::core {

struct TreeInsertionPlan {
    std::vector<int> order;  // item indices, in the order they are put in
    std::vector<int> after;  // by item index: the item it goes after, or -1
    std::size_t branch = 0;  // the first `branch` of `order` are the target's branch
};

// `parents[i]` is the parent of item i (< i), -1 for item 0; `target` is the
// item to show first, or -1 for none.
TreeInsertionPlan PlanTreeInsertion(const std::vector<int>& parents, int target);

// The plan for the items not yet in the tree when `in` (by item index) are:
// those must hold each one's parent and stand in their right order among
// their siblings. The others go in pre-order, each after its previous
// sibling; `branch` is 0.
TreeInsertionPlan PlanRemainingInsertion(const std::vector<int>& parents, const std::vector<bool>& in);

}  // namespace inspector::core
