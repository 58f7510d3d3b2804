// A drop-down list: items, the selected index, and an event when the user
// selects an item. Selecting from the program raises no event.
#pragma once

#include <vector>

#include "ui/control.h"

namespace ui {

class ComboBox : public Control {
public:
    ComboBox(Form& form, std::string_view name, Bounds bounds, int page, std::vector<std::string> items,
             int selected);
    void Create() override;
    bool OnCommand(WORD code) override;

    void Clear();
    void AddItem(std::string_view text);
    // Replaces every item at once, with room made for all of them first and
    // the list not redrawn meanwhile; no item selected.
    void SetItems(const std::vector<std::string>& items);
    int ItemCount() const;
    std::string ItemText(int index) const;
    int SelectedIndex() const;
    void SetSelectedIndex(int index);
    // Text of the selected item ("" when none).
    std::string Text() const { return ItemText(SelectedIndex()); }

    std::function<void()> ItemSelected;

protected:
    void ApplyBounds() override;
    base::Colour DefaultBackground() const override { return 0xFFFFFF; }

private:
    std::vector<std::string> initialItems_;
    int initialSelection_;
};

}  // namespace ui
