// The search box of the window tree: finds the next item whose text
// ("handle|class|title", the root with its module name in brackets before
// it) contains the search text, so one box searches handles, class names,
// titles and module names.
//
// Pressing the search button again with the same text moves on to the next
// matching item and after the last one back to the first. A different text
// starts again from the top. The test is a case-sensitive substring test on
// the UTF-8 texts; an empty search text occurs in every non-empty item text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace inspector::core {

struct TreeSearchState {
    // 1-based position (item index + 1) of the item found last; 0 = search
    // from the top. Kept across tree refreshes.
    std::int32_t lastFoundTreeItem = 0;
    // The text of the last successful search (the tree's tag text).
    std::string tagText;
};

inline constexpr int kTreeItemNotFound = -1;

// Searches the items after the last found one, then wraps around to the top.
// Returns the index of the found item, which becomes the last found one and
// its text the tag text; or kTreeItemNotFound, after which the next search
// starts from the top (the tag text stays as it was).
int SearchTreeItems(TreeSearchState& state, std::string_view text, const std::vector<std::string>& itemTexts);

}  // namespace inspector::core
