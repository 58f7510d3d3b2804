// A tree of text items, each with an integer of data, addressed by index in
// the order the items were added (0 is the first). Items can be bold,
// selected and scrolled into view, and have a text colour of their own.
//
// A tree of known size can also be filled in any order: Reset(count) makes
// room for `count` items, and PlaceItem puts item `index` in, below its
// parent and right after a sibling already in the tree. The indices stay
// those given; items not placed yet count nowhere (ItemCount, ItemTexts).
//
// The tree belongs to the GUI thread: only that thread uses it.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/control.h"
#include "win/scoped.h"

namespace ui {

class TreeBox : public Control {
public:
    TreeBox(Form& form, std::string_view name, Bounds bounds, int page);
    void Create() override;
    LRESULT OnNotify(NMHDR* header) override;

    void Clear();
    // Adds an item below parentIndex (-1: a top-level item); returns its index.
    int AddItem(int parentIndex, std::string_view text, std::int32_t data);
    // Empties the tree and makes room for `count` items placed by index.
    void Reset(int count);
    struct NewItem {
        int parent;  // index of an item in the tree, -1: top level
        int after;   // index of a sibling in the tree it follows, -1: first
        std::string_view text;
        std::int32_t data;
        std::optional<base::Colour> colour;  // unset: the tree's own
    };
    // Puts item `index` (< the count of Reset) into the tree; false when the
    // parent or the sibling is not in it, or the control refused.
    bool PlaceItem(int index, const NewItem& item);
    // Keeps the items in the tree under new indices in a tree of `count`
    // items: the item at old index i becomes item newIndex[i]. When an item
    // has no new index of its own (-1, out of range, taken twice), the tree
    // is emptied as by Reset(count) instead, and this returns false.
    bool Reindex(int count, const std::vector<int>& newIndex);
    // Changes an item's text.
    void SetItemText(int index, std::string_view text);
    // How many whole rows the tree shows at once.
    int VisibleRows() const;
    // Number of items in the tree.
    int ItemCount() const;
    std::string ItemText(int index) const;
    std::int32_t ItemData(int index) const;
    // Index of the item's parent; -1 for a top-level item or no such item.
    int ParentIndex(int index) const;
    void SetItemBold(int index, bool bold);
    // The colour an item's text is drawn in (unset: the tree's own); the
    // text itself is unchanged.
    void SetItemTextColour(int index, std::optional<base::Colour> colour);
    std::optional<base::Colour> ItemTextColour(int index) const;
    bool ItemBold(int index) const;
    // Selects the item (-1: no selection); the tree scrolls to it.
    void SelectItem(int index);
    int SelectedIndex() const;
    void EnsureVisible(int index);
    // Scrolls the tree back to its left edge.
    void ScrollToLeftEdge();

    // Texts of all items, in index order.
    std::vector<std::string> ItemTexts() const;

    std::function<void()> SelectionChanged;
    // The right button was released over an item (its icon, label or state
    // icon); the item has been made the selection first.
    std::function<void()> ItemRightClicked;

private:
    HTREEITEM ItemAt(int index) const;
    int IndexOf(HTREEITEM item) const;
    void OnRightClick();
    LRESULT OnCustomDraw(NMTVCUSTOMDRAW& draw);

    std::vector<HTREEITEM> items_;    // by index; null where not placed yet
    std::vector<std::string> texts_;  // kept here: read far more often than changed
    int count_ = 0;                   // items in the tree
    std::unordered_map<HTREEITEM, base::Colour> colours_;
};

}  // namespace ui
