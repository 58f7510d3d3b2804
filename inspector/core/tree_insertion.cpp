#include "inspector/core/tree_insertion.h"

namespace inspector::core {
namespace {

// The previous sibling of every item: in pre-order, the last item met with
// the same parent.
std::vector<int> PreviousSiblings(const std::vector<int>& parents) {
    std::vector<int> previous(parents.size(), -1);
    std::vector<int> lastChild(parents.size(), -1);
    int lastRoot = -1;
    for (std::size_t i = 0; i < parents.size(); ++i) {
        const int parent = parents[i];
        int& last = parent < 0 ? lastRoot : lastChild[static_cast<std::size_t>(parent)];
        previous[i] = last;
        last = static_cast<int>(i);
    }
    return previous;
}

}  // namespace

TreeInsertionPlan PlanRemainingInsertion(const std::vector<int>& parents, const std::vector<bool>& in) {
    TreeInsertionPlan plan;
    plan.after = PreviousSiblings(parents);
    // An item right after its previous sibling lands before any later
    // sibling already in: the earlier items of its level are all in by then.
    for (std::size_t i = 0; i < parents.size(); ++i) {
        if (i >= in.size() || !in[i]) plan.order.push_back(static_cast<int>(i));
    }
    return plan;
}

TreeInsertionPlan PlanTreeInsertion(const std::vector<int>& parents, int target) {
    const int count = static_cast<int>(parents.size());
    TreeInsertionPlan plan;
    plan.order.reserve(parents.size());
    plan.after = PreviousSiblings(parents);

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
