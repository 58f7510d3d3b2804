#include "inspector/core/tree_insertion.h"

namespace inspector::core {

TreeInsertionPlan PlanTreeInsertion(const std::vector<int>& parents, int target) {
    const int count = static_cast<int>(parents.size());
    TreeInsertionPlan plan;
    plan.order.reserve(parents.size());
    plan.after.assign(parents.size(), -1);

    // The previous sibling of every item: in pre-order, the last item met
    // with the same parent.
    std::vector<int> lastChild(parents.size(), -1);
    int lastRoot = -1;
    for (int i = 0; i < count; ++i) {
        const int parent = parents[static_cast<std::size_t>(i)];
        int& last = parent < 0 ? lastRoot : lastChild[static_cast<std::size_t>(parent)];
        plan.after[static_cast<std::size_t>(i)] = last;
        last = i;
    }

    // The target's branch, from the root down. Its items go first among
    // their siblings: none of their siblings is in the tree yet.
    std::vector<bool> inBranch(parents.size(), false);
    std::vector<int> branch;
    for (int i = target >= 0 && target < count ? target : -1; i >= 0; i = parents[static_cast<std::size_t>(i)]) {
        branch.push_back(i);
        inBranch[static_cast<std::size_t>(i)] = true;
        plan.after[static_cast<std::size_t>(i)] = -1;
    }
    plan.order.assign(branch.rbegin(), branch.rend());
    plan.branch = branch.size();
    // The rest in pre-order: an item's previous sibling and parent come
    // before it in pre-order, so they are in the tree by then, and it goes
    // in front of any later sibling of the branch.
    for (int i = 0; i < count; ++i) {
        if (!inBranch[static_cast<std::size_t>(i)]) plan.order.push_back(i);
    }
    return plan;
}

}  // namespace inspector::core
