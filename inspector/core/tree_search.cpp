#include "inspector/core/tree_search.h"

#include <cstddef>

namespace inspector::core {
namespace {

bool Occurs(std::string_view text, const std::string& itemText) {
    if (itemText.empty()) return false;
    return itemText.find(text) != std::string::npos;
}

}  // namespace

int SearchTreeItems(TreeSearchState& state, std::string_view text, const std::vector<std::string>& itemTexts) {
    if (text != state.tagText) state.lastFoundTreeItem = 0;
    const std::size_t count = itemTexts.size();
    // Items after the last found one first; then from the top, which also
    // finds matches at or before the last found one.
    std::size_t found = count;
    for (std::size_t i = 0; i < count && found == count; ++i) {
        if (static_cast<std::int64_t>(i) + 1 > state.lastFoundTreeItem && Occurs(text, itemTexts[i])) found = i;
    }
    for (std::size_t i = 0; i < count && found == count; ++i) {
        if (Occurs(text, itemTexts[i])) found = i;
    }
    if (found == count) {
        state.lastFoundTreeItem = 0;
        return kTreeItemNotFound;
    }
    state.lastFoundTreeItem = static_cast<std::int32_t>(found + 1);
    state.tagText = std::string(text);
    return static_cast<int>(found);
}

}  // namespace inspector::core
