#include "ui/combo_box.h"

#include "ui/form.h"
#include "win/wide_text.h"

namespace ui {
namespace {

constexpr int kDropDownHeight = 200;  // 96-DPI pixels of the opened list

}  // namespace

ComboBox::ComboBox(Form& form, std::string_view name, Bounds bounds, int page, std::vector<std::string> items,
                   int selected)
    : Control(form, name, bounds, page), initialItems_(std::move(items)), initialSelection_(selected) {}

void ComboBox::Create() {
    CreateWindowOf(L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, 0, "");
    ApplyBounds();  // room for the opened list, and the closed box's height
    for (const std::string& item : initialItems_) AddItem(item);
    SetSelectedIndex(initialSelection_);
}

void ComboBox::ApplyBounds() {
    if (!Handle()) return;
    // The window's height includes the opened list; the closed box takes the
    // layout's height through the height of its selection field, which is
    // the item height plus the borders around it.
    const Bounds b = GetBounds();
    SetWindowPos(Handle(), nullptr, ToPhysical(b.left), ToPhysical(b.top), ToPhysical(b.width),
                 ToPhysical(b.height + kDropDownHeight), SWP_NOZORDER | SWP_NOACTIVATE);
    // Systems differ in how the set value maps to the field (Wine adds two
    // pixels), so measure and correct until the closed box has its height.
    const int target = ToPhysical(b.height);
    int fieldHeight = static_cast<int>(SendMessageW(Handle(), CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0));
    for (int attempt = 0; attempt < 3; ++attempt) {
        RECT closed;
        GetWindowRect(Handle(), &closed);
        const int error = (closed.bottom - closed.top) - target;
        if (error == 0 || fieldHeight - error <= 0) break;
        fieldHeight -= error;
        SendMessageW(Handle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), fieldHeight);
    }
}

bool ComboBox::OnCommand(WORD code) {
    if (code != CBN_SELCHANGE) return false;
    if (ItemSelected) {
        auto handler = ItemSelected;
        handler();
    }
    return true;
}

void ComboBox::Clear() { SendMessageW(Handle(), CB_RESETCONTENT, 0, 0); }

void ComboBox::AddItem(std::string_view text) {
    SendMessageW(Handle(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::Wide(text).c_str()));
}

void ComboBox::SetItems(const std::vector<std::string>& items) {
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    Clear();
    std::size_t characters = 0;
    for (const std::string& item : items) characters += item.size() + 1;
    SendMessageW(Handle(), CB_INITSTORAGE, items.size(), characters * sizeof(wchar_t));
    for (const std::string& item : items) AddItem(item);
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
}

int ComboBox::ItemCount() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCOUNT, 0, 0)); }

std::string ComboBox::ItemText(int index) const {
    if (index < 0 || index >= ItemCount()) return {};
    const auto length = SendMessageW(Handle(), CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(Handle(), CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    return win::Utf8(text);
}

int ComboBox::SelectedIndex() const { return static_cast<int>(SendMessageW(Handle(), CB_GETCURSEL, 0, 0)); }

void ComboBox::SetSelectedIndex(int index) { SendMessageW(Handle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0); }

}  // namespace ui
