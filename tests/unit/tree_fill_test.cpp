#include "win/core/window_text.h"
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
