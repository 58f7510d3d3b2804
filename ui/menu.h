// A pop-up menu: a list of captioned items, each running its routine when
// chosen. The same menu can sit in a form's menu bar and pop up anywhere.
// Item captions can change while the program runs (a caption may be the
// state an item toggles).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace ui {

class Form;

class Menu {
public:
    explicit Menu(std::string caption = {});
    ~Menu();
    Menu(const Menu&) = delete;
    Menu& operator=(const Menu&) = delete;

    const std::string& Caption() const { return caption_; }
    HMENU Handle() const { return menu_; }

    // Appends an item; returns its index (separators count as items).
    int AddItem(std::string_view caption, std::function<void()> action);
    void AddSeparator();
    int ItemCount() const { return static_cast<int>(items_.size()); }
    std::string ItemCaption(int index) const;
    void SetItemCaption(int index, std::string_view caption);
    void SetAction(int index, std::function<void()> action);
    // A disabled item is shown grey and cannot be chosen.
    void SetItemEnabled(int index, bool enabled);
    bool ItemEnabled(int index) const;

    // Pops the menu up with its top-left corner at a screen point (physical
    // pixels) for the form, and returns when it has closed; a chosen item's
    // routine then runs through the form's command message.
    void Popup(Form& owner, POINT screen, UINT alignment = TPM_LEFTALIGN | TPM_TOPALIGN);

    // Runs the routine of a menu command id; false when the id is not ours.
    static bool Dispatch(UINT id);

private:
    struct Item {
        UINT id;
        std::string caption;
        std::function<void()> action;
    };
    std::string caption_;
    HMENU menu_;
    std::vector<Item> items_;
};

}  // namespace ui
