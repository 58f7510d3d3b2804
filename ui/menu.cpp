#include "ui/menu.h"

#include <map>

#include "ui/form.h"
#include "win/wide_text.h"

namespace ui {
namespace {

// Command ids of all live menu items, so that a form can find the routine
// of whatever menu sent the command.
struct CommandOwner {
    Menu* menu;
    int index;
};
std::map<UINT, CommandOwner>& Commands() {
    static std::map<UINT, CommandOwner> commands;
    return commands;
}

UINT NextCommandId() {
    static UINT next = 0x7000;
    return ++next;
}

}  // namespace

Menu::Menu(std::string caption) : caption_(std::move(caption)), menu_(CreatePopupMenu()) {}

Menu::~Menu() {
    for (const Item& item : items_) Commands().erase(item.id);
    DestroyMenu(menu_);
}

int Menu::AddItem(std::string_view caption, std::function<void()> action) {
    const UINT id = NextCommandId();
    items_.push_back({id, std::string(caption), std::move(action)});
    Commands()[id] = {this, static_cast<int>(items_.size()) - 1};
    AppendMenuW(menu_, MF_STRING, id, win::Wide(caption).c_str());
    return static_cast<int>(items_.size()) - 1;
}

void Menu::AddSeparator() {
    items_.push_back({0, {}, {}});
    AppendMenuW(menu_, MF_SEPARATOR, 0, nullptr);
}

std::string Menu::ItemCaption(int index) const {
    if (index < 0 || index >= ItemCount()) return {};
    return items_[index].caption;
}

void Menu::SetItemCaption(int index, std::string_view caption) {
    if (index < 0 || index >= ItemCount() || items_[index].id == 0) return;
    items_[index].caption = std::string(caption);
    ModifyMenuW(menu_, static_cast<UINT>(index), MF_BYPOSITION | MF_STRING, items_[index].id,
                win::Wide(caption).c_str());
}

void Menu::SetAction(int index, std::function<void()> action) {
    if (index >= 0 && index < ItemCount()) items_[index].action = std::move(action);
}

void Menu::SetItemEnabled(int index, bool enabled) {
    if (index < 0 || index >= ItemCount() || items_[index].id == 0) return;
    EnableMenuItem(menu_, items_[index].id, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

bool Menu::ItemEnabled(int index) const {
    if (index < 0 || index >= ItemCount() || items_[index].id == 0) return false;
    const UINT state = GetMenuState(menu_, items_[index].id, MF_BYCOMMAND);
    return state != static_cast<UINT>(-1) && !(state & (MF_GRAYED | MF_DISABLED));
}

void Menu::Popup(Form& owner, POINT screen, UINT alignment) {
    // The owner must be in front for the menu to close when the user clicks
    // elsewhere; the null message lets the menu loop end properly.
    SetForegroundWindow(owner.Handle());
    TrackPopupMenu(menu_, alignment | TPM_RIGHTBUTTON, screen.x, screen.y, 0, owner.Handle(), nullptr);
    PostMessageW(owner.Handle(), WM_NULL, 0, 0);
}

bool Menu::Dispatch(UINT id) {
    const auto it = Commands().find(id);
    if (it == Commands().end()) return false;
    // A copy: the routine may change its own menu while it runs.
    const auto action = it->second.menu->items_[it->second.index].action;
    if (action) action();
    return true;
}

}  // namespace ui
