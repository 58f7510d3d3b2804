#include "inspector/core/tree_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace inspector::core;
namespace {

const std::vector<std::string> kItems = {
    "[notepad.exe]65552|Notepad|无标题 - 记事本",
    "100|Button|OK",
    "150|Edit|",
    "200|Button|Cancel",
};

TEST(SearchTreeItems, SameTextMovesOnAndWrapsAround) {
    TreeSearchState state;
    EXPECT_EQ(SearchTreeItems(state, "Button", kItems), 1);
    EXPECT_EQ(state.lastFoundTreeItem, 2);
    EXPECT_EQ(state.tagText, "Button");
    EXPECT_EQ(SearchTreeItems(state, "Button", kItems), 3);
    EXPECT_EQ(state.lastFoundTreeItem, 4);
    EXPECT_EQ(SearchTreeItems(state, "Button", kItems), 1);
    EXPECT_EQ(state.lastFoundTreeItem, 2);
    // A single match is found again and again.
    EXPECT_EQ(SearchTreeItems(state, "Edit", kItems), 2);
    EXPECT_EQ(SearchTreeItems(state, "Edit", kItems), 2);
}

TEST(SearchTreeItems, CaseSensitiveMissResetsToTheTop) {
    TreeSearchState state;
    EXPECT_EQ(SearchTreeItems(state, "Button", kItems), 1);
    EXPECT_EQ(SearchTreeItems(state, "Button", kItems), 3);
    EXPECT_EQ(SearchTreeItems(state, "button", kItems), kTreeItemNotFound);
    EXPECT_EQ(state.lastFoundTreeItem, 0);
    EXPECT_EQ(state.tagText, "Button");  // only a success changes it
    EXPECT_EQ(SearchTreeItems(state, "Button", kItems), 1);
}

TEST(SearchTreeItems, ChangedTextStartsFromTheTop) {
    TreeSearchState state;
    EXPECT_EQ(SearchTreeItems(state, "Button", kItems), 1);
    EXPECT_EQ(SearchTreeItems(state, "Button", kItems), 3);
    EXPECT_EQ(SearchTreeItems(state, "|", kItems), 0);
    EXPECT_EQ(SearchTreeItems(state, "Button", kItems), 1);
}

TEST(SearchTreeItems, ModuleNamesHandlesAndTitles) {
    TreeSearchState state;
    EXPECT_EQ(SearchTreeItems(state, "notepad.exe", kItems), 0);
    EXPECT_EQ(SearchTreeItems(state, "[notepad.exe]", kItems), 0);
    EXPECT_EQ(SearchTreeItems(state, "记事本", kItems), 0);
    EXPECT_EQ(SearchTreeItems(state, "200", kItems), 3);
    // Digits match wherever they occur: "5" is in 65552 and in 150.
    EXPECT_EQ(SearchTreeItems(state, "5", kItems), 0);
    EXPECT_EQ(SearchTreeItems(state, "5", kItems), 2);
}

TEST(SearchTreeItems, EmptyTreeAndEmptyText) {
    TreeSearchState state;
    EXPECT_EQ(SearchTreeItems(state, "Button", {}), kTreeItemNotFound);
    EXPECT_EQ(SearchTreeItems(state, "", {}), kTreeItemNotFound);
    EXPECT_EQ(state.lastFoundTreeItem, 0);
    // An empty text occurs in every non-empty item text.
    const std::vector<std::string> items = {"", "a", "", "b"};
    EXPECT_EQ(SearchTreeItems(state, "", items), 1);
    EXPECT_EQ(SearchTreeItems(state, "", items), 3);
    EXPECT_EQ(SearchTreeItems(state, "", items), 1);
    EXPECT_EQ(SearchTreeItems(state, "", {"", ""}), kTreeItemNotFound);
}

TEST(SearchTreeItems, PositionSurvivesARefreshOfTheItems) {
    TreeSearchState state;
    EXPECT_EQ(SearchTreeItems(state, "Button", kItems), 1);
    EXPECT_EQ(SearchTreeItems(state, "Button", kItems), 3);
    // After the refresh the tree holds fewer items: the search wraps around.
    const std::vector<std::string> fewer = {"[a.exe]1|X|", "7|Button|Go"};
    EXPECT_EQ(SearchTreeItems(state, "Button", fewer), 1);
    // More items: continues after the position found last.
    const std::vector<std::string> more = {"[a.exe]1|X|", "7|Button|Go", "8|Button|Stop", "9|Button|Quit"};
    EXPECT_EQ(SearchTreeItems(state, "Button", more), 2);
    EXPECT_EQ(SearchTreeItems(state, "Button", more), 3);
}

}  // namespace
}  // namespace
