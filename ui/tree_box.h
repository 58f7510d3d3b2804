// A tree of text items, each with an integer of data, addressed by index in
// the order the items were added (0 is the first). Items can be bold,
// selected and scrolled into view.
//
// Every operation goes to the tree through window messages, so a worker
// thread may fill the tree while the GUI thread owns it; the index table is
// guarded for that.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <cstdint>
#include <mutex>
#include <vector>

#include "ui/control.h"

namespace ui {

class TreeBox : public Control {
public:
    TreeBox(Form& form, std::string_view name, Bounds bounds, int page);
    void Create() override;
    LRESULT OnNotify(NMHDR* header) override;

    void Clear();
    // Adds an item below parentIndex (-1: a top-level item); returns its index.
    int AddItem(int parentIndex, std::string_view text, std::int32_t data);
    int ItemCount() const;
    std::string ItemText(int index) const;
    std::int32_t ItemData(int index) const;
    // Index of the item's parent; -1 for a top-level item or no such item.
    int ParentIndex(int index) const;
    void SetItemBold(int index, bool bold);
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

    mutable std::mutex mutex_;
    std::vector<HTREEITEM> items_;
    std::vector<std::string> texts_;  // kept here: the texts never change once added
};

}  // namespace ui
