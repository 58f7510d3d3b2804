#include "win/core/window_text.h"
#include "inspector/core/first_look.h"
#include "inspector/core/tree_insertion.h"
#include "inspector/core/tree_item_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <list>
#include <random>

namespace {

// Puts the items into a model of a tree control in the plan's order and
// lists the finished tree in pre-order. Fails the test when an item's
// parent or the item it goes after is not in the tree yet.
std::vector<int> BuildAndList(const std::vector<int>& parents, const inspector::core::TreeInsertionPlan& plan) {
    const std::size_t n = parents.size();
    std::vector<std::list<int>> children(n);
    std::list<int> roots;
    std::vector<bool> in(n, false);
    for (const int item : plan.order) {
        const int parent = parents[static_cast<std::size_t>(item)];
        const int after = plan.after[static_cast<std::size_t>(item)];
        EXPECT_FALSE(in[static_cast<std::size_t>(item)]) << "item " << item << " put in twice";
        if (parent >= 0) {
            EXPECT_TRUE(in[static_cast<std::size_t>(parent)]) << "parent of " << item << " not in yet";
        }
        std::list<int>& siblings = parent < 0 ? roots : children[static_cast<std::size_t>(parent)];
        if (after < 0) {
            siblings.push_front(item);
        } else {
            const auto at = std::find(siblings.begin(), siblings.end(), after);
            EXPECT_NE(at, siblings.end()) << "item " << item << " goes after " << after << ", not in yet";
            siblings.insert(at == siblings.end() ? at : std::next(at), item);
        }
        in[static_cast<std::size_t>(item)] = true;
    }
    std::vector<int> listed;
    auto walk = [&](auto&& self, const std::list<int>& level) -> void {
        for (const int item : level) {
            listed.push_back(item);
            self(self, children[static_cast<std::size_t>(item)]);
        }
    };
    walk(walk, roots);
    return listed;
}

std::vector<int> PreOrder(std::size_t n) {
    std::vector<int> order(n);
    for (std::size_t i = 0; i < n; ++i) order[i] = static_cast<int>(i);
    return order;
}

// Parents of a random tree numbered in pre-order: each new item hangs below
// the previous item or one of its ancestors.
std::vector<int> RandomPreOrderTree(std::mt19937& random, std::size_t n) {
    std::vector<int> parents = {-1};
    for (std::size_t i = 1; i < n; ++i) {
        int parent = static_cast<int>(i) - 1;
        while (parent > 0 && random() % 3 == 0) parent = parents[static_cast<std::size_t>(parent)];
        parents.push_back(parent);
    }
    return parents;
}

TEST(TreeInsertion, TheTargetsBranchGoesFirstAndTheTreeEndsInPreOrder) {
    //  0
    //  ├ 1
    //  │ ├ 2
    //  │ └ 3
    //  ├ 4
    //  │ ├ 5
    //  │ ├ 6   <- target
    //  │ └ 7
    //  └ 8
    const std::vector<int> parents = {-1, 0, 1, 1, 0, 4, 4, 4, 0};
    const inspector::core::TreeInsertionPlan plan = inspector::core::PlanTreeInsertion(parents, 6);
    ASSERT_EQ(plan.order.size(), parents.size());
    ASSERT_EQ(plan.branch, 3u);
    EXPECT_EQ(std::vector<int>(plan.order.begin(), plan.order.begin() + 3), (std::vector<int>{0, 4, 6}));
    EXPECT_EQ(std::vector<int>(plan.order.begin() + 3, plan.order.end()), (std::vector<int>{1, 2, 3, 5, 7, 8}));
    EXPECT_EQ(BuildAndList(parents, plan), PreOrder(parents.size()));
}

TEST(TreeInsertion, AnyTreeAndAnyTargetEndsInPreOrder) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        const std::vector<int> parents = RandomPreOrderTree(random, 1 + random() % 60);
        const int target = static_cast<int>(random() % (parents.size() + 1)) - 1;  // -1: no target
        const inspector::core::TreeInsertionPlan plan = inspector::core::PlanTreeInsertion(parents, target);
        ASSERT_EQ(plan.order.size(), parents.size());
        if (target >= 0) {
            // The branch ends with the target, right after its ancestors.
            int depth = 0;
            for (int i = target; i >= 0; i = parents[static_cast<std::size_t>(i)]) ++depth;
            EXPECT_EQ(plan.branch, static_cast<std::size_t>(depth));
            EXPECT_EQ(plan.order[static_cast<std::size_t>(depth - 1)], target);
        } else {
            EXPECT_EQ(plan.branch, 0u);
        }
        EXPECT_EQ(BuildAndList(parents, plan), PreOrder(parents.size())) << "round " << round;
    }
}

TEST(TreeInsertion, AnEmptyWalkOrAnUnknownTargetPlansPreOrder) {
    EXPECT_TRUE(inspector::core::PlanTreeInsertion({}, 0).order.empty());
    const std::vector<int> parents = {-1, 0, 0};
    EXPECT_EQ(inspector::core::PlanTreeInsertion(parents, 9).order, PreOrder(3));
    EXPECT_EQ(inspector::core::PlanTreeInsertion(parents, -1).order, PreOrder(3));
}

// A model of windows from a pre-order parent list: window i is i + 1000.
struct ModelWindows {
    explicit ModelWindows(std::vector<int> parentList) : parents(std::move(parentList)), children(parents.size()) {
        for (std::size_t i = 1; i < parents.size(); ++i) children[static_cast<std::size_t>(parents[i])].push_back(static_cast<int>(i));
    }
    static std::int32_t W(int i) { return i + 1000; }
    static int I(std::int32_t w) { return w - 1000; }
    std::int32_t Sibling(std::int32_t w, int step) const {
        const int i = I(w);
        if (i <= 0) return 0;
        const auto& level = children[static_cast<std::size_t>(parents[static_cast<std::size_t>(i)])];
        const auto at = std::find(level.begin(), level.end(), i) - level.begin() + step;
        return at >= 0 && at < static_cast<long>(level.size()) ? W(level[static_cast<std::size_t>(at)]) : 0;
    }
    inspector::core::WindowLinks Links() const {
        return {[this](std::int32_t w) { return I(w) > 0 ? W(parents[static_cast<std::size_t>(I(w))]) : 0; },
                [this](std::int32_t w) { return Sibling(w, -1); }, [this](std::int32_t w) { return Sibling(w, 1); }};
    }
    std::vector<std::int32_t> Windows() const {
        std::vector<std::int32_t> windows;
        for (std::size_t i = 0; i < parents.size(); ++i) windows.push_back(W(static_cast<int>(i)));
        return windows;
    }
    std::vector<int> parents;
    std::vector<std::vector<int>> children;
};

// The rows the tree shows around the target when only its ancestors are
// expanded: siblings near the target, then near each ancestor, as many as
// the rows allow on each side, listed as a tree in pre-order.
TEST(FirstLook, TakesTheRowsAroundTheTargetAsTheTreeShowsThem) {
    //  0
    //  ├ 1 ─ 2
    //  ├ 3
    //  ├ 4
    //  │ ├ 5
    //  │ ├ 6   <- target
    //  │ ├ 7
    //  │ └ 8
    //  ├ 9
    //  └ 10
    const ModelWindows model({-1, 0, 1, 0, 0, 4, 4, 4, 4, 0, 0});
    const auto W = ModelWindows::W;
    using inspector::core::FirstLookItem;
    auto windowsOf = [](const std::vector<FirstLookItem>& items) {
        std::vector<int> listed;
        for (const FirstLookItem& item : items) listed.push_back(ModelWindows::I(item.window));
        return listed;
    };
    // Two rows each way: 5 and the parent 4 above; 7 and 8 below.
    auto look = inspector::core::CollectFirstLook(W(0), W(6), 2, model.Links());
    EXPECT_EQ(windowsOf(look), (std::vector<int>{0, 4, 5, 6, 7, 8}));
    // Many rows: every sibling at both levels, never the collapsed 2.
    look = inspector::core::CollectFirstLook(W(0), W(6), 40, model.Links());
    EXPECT_EQ(windowsOf(look), (std::vector<int>{0, 1, 3, 4, 5, 6, 7, 8, 9, 10}));
    std::vector<int> parents;
    for (const FirstLookItem& item : look) parents.push_back(item.parent);
    EXPECT_EQ(parents, (std::vector<int>{-1, 0, 0, 0, 3, 3, 3, 3, 0, 0}));
    // The root itself, and a window that is not below the root.
    EXPECT_EQ(windowsOf(inspector::core::CollectFirstLook(W(0), W(0), 5, model.Links())), (std::vector<int>{0}));
    EXPECT_EQ(windowsOf(inspector::core::CollectFirstLook(W(4), W(2), 5, model.Links())), (std::vector<int>{4}));
}

// The first look stays when the walk holds its windows in the same places;
// a window gone, moved to another parent or reordered among its siblings
// since then makes the tree be built again.
TEST(FirstLook, FitsTheWalkOnlyWithTheSameWindowsParentsAndOrder) {
    using inspector::core::FirstLookItem;
    const std::vector<std::int32_t> windows = {10, 11, 12, 13, 14};
    const std::vector<int> parents = {-1, 0, 1, 0, 0};
    const auto match = inspector::core::MatchFirstLook({{10, -1}, {13, 0}, {14, 0}}, windows, parents);
    ASSERT_TRUE(match.has_value());
    EXPECT_EQ(*match, (std::vector<int>{0, 3, 4}));
    EXPECT_FALSE(inspector::core::MatchFirstLook({{10, -1}, {15, 0}}, windows, parents)) << "gone";
    EXPECT_FALSE(inspector::core::MatchFirstLook({{10, -1}, {13, 0}, {12, 1}}, windows, parents)) << "other parent";
    EXPECT_FALSE(inspector::core::MatchFirstLook({{10, -1}, {14, 0}, {13, 0}}, windows, parents)) << "reordered";
    EXPECT_FALSE(inspector::core::MatchFirstLook({{10, -1}, {13, 0}, {13, 0}}, windows, parents)) << "twice";
    EXPECT_FALSE(inspector::core::MatchFirstLook({{11, -1}}, windows, parents)) << "another root";
}

// Whatever the tree, the target and the rows: the first look put in first,
// each item after its previous sibling in the look, then the rest as
// planned, ends as the walk's pre-order.
TEST(FirstLook, TheRestGoesInAroundItAndTheTreeEndsInPreOrder) {
    std::mt19937 random(11);
    for (int round = 0; round < 300; ++round) {
        const ModelWindows model(RandomPreOrderTree(random, 1 + random() % 80));
        const int target = static_cast<int>(random() % model.parents.size());
        const int rows = static_cast<int>(random() % 12);
        const auto look = inspector::core::CollectFirstLook(ModelWindows::W(0), ModelWindows::W(target), rows,
                                                            model.Links());
        const auto match = inspector::core::MatchFirstLook(look, model.Windows(), model.parents);
        ASSERT_TRUE(match.has_value()) << "round " << round;
        std::vector<bool> in(model.parents.size(), false);
        inspector::core::TreeInsertionPlan plan =
            inspector::core::PlanRemainingInsertion(model.parents, std::vector<bool>(model.parents.size(), false));
        inspector::core::TreeInsertionPlan combined;
        combined.after = plan.after;
        std::vector<int> lastLookChild(look.size() + 1, -1);
        for (std::size_t i = 0; i < look.size(); ++i) {
            const int item = (*match)[i];
            int& last = lastLookChild[look[i].parent < 0 ? look.size() : static_cast<std::size_t>(look[i].parent)];
            combined.order.push_back(item);
            combined.after[static_cast<std::size_t>(item)] = last;
            last = item;
            in[static_cast<std::size_t>(item)] = true;
        }
        EXPECT_TRUE(in[static_cast<std::size_t>(target)]);
        const auto rest = inspector::core::PlanRemainingInsertion(model.parents, in);
        for (const int item : rest.order) {
            combined.order.push_back(item);
            combined.after[static_cast<std::size_t>(item)] = rest.after[static_cast<std::size_t>(item)];
        }
        ASSERT_EQ(combined.order.size(), model.parents.size());
        EXPECT_EQ(BuildAndList(model.parents, combined), PreOrder(model.parents.size())) << "round " << round;
    }
}

// The tree reads the window system's copy of a title, except for windows
// that keep their text themselves: the controls of real programs.
TEST(TitleSource, EditsAndTheirKinAreAskedTheRestAreRead) {
    for (const char* asked : {"Edit", "RichEdit20W", "RICHEDIT50W", "ComboBox", "ComboBoxEx32", "Scintilla", "TEdit",
                              "TMemo", "ThunderRT6TextBox", "WindowsForms10.EDIT.app.0.141b42a_r9_ad1",
                              "SysIPAddress32", "SysDateTimePick32"}) {
        EXPECT_TRUE(win::core::KeepsItsOwnText(asked)) << asked;
    }
    for (const char* read : {"Button", "Static", "#32770", "Notepad", "Afx:400000:8:10003:0:0", "SysTreeView32",
                             "msctls_statusbar32", "TavrinFixtureMany", ""}) {
        EXPECT_FALSE(win::core::KeepsItsOwnText(read)) << read;
    }
}

// A title of several lines makes an item of one: each line break (CR LF,
// CR, LF) and other control character a blank, nothing else changed.
TEST(TreeItemText, ATitleOfSeveralLinesIsOneLine) {
    EXPECT_EQ(inspector::core::TreeItemText(7, "Static", "第一行\r\n第二行\r第三\n四\t五"), "7|Static|第一行 第二行 第三 四 五");
    EXPECT_EQ(inspector::core::RootItemText("a.exe", 8, "Main", "x\r\n"), "[a.exe]8|Main|x ");
}

}  // namespace
