#include "ui/tree_box.h"

#include <algorithm>
#include <cstring>

#include "win/wide_text.h"

namespace ui {

TreeBox::TreeBox(Form& form, std::string_view name, Bounds bounds, int page) : Control(form, name, bounds, page) {}

void TreeBox::Create() {
    CreateWindowOf(WC_TREEVIEWW, TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | TVS_SHOWSELALWAYS | WS_TABSTOP,
                   WS_EX_CLIENTEDGE, "");
}

LRESULT TreeBox::OnNotify(NMHDR* header) {
    if (header->code == TVN_SELCHANGEDW && SelectionChanged) SelectionChanged();
    if (header->code == NM_RCLICK) OnRightClick();
    if (header->code == NM_CUSTOMDRAW) return OnCustomDraw(*reinterpret_cast<NMTVCUSTOMDRAW*>(header));
    return 0;
}

LRESULT TreeBox::OnCustomDraw(NMTVCUSTOMDRAW& draw) {
    if (draw.nmcd.dwDrawStage == CDDS_PREPAINT) return CDRF_NOTIFYITEMDRAW;
    if (draw.nmcd.dwDrawStage != CDDS_ITEMPREPAINT) return CDRF_DODEFAULT;
    // A selected item keeps the selection's colours.
    if (draw.nmcd.uItemState & CDIS_SELECTED) return CDRF_DODEFAULT;
    const auto it = colours_.find(reinterpret_cast<HTREEITEM>(draw.nmcd.dwItemSpec));
    if (it == colours_.end()) return CDRF_DODEFAULT;
    draw.clrText = ToColorref(it->second);
    return CDRF_NEWFONT;
}

void TreeBox::SetItemTextColour(int index, std::optional<base::Colour> colour) {
    HTREEITEM item = ItemAt(index);
    if (!item) return;
    if (colour) {
        colours_[item] = *colour;
    } else {
        colours_.erase(item);
    }
    // TVM_GETITEMRECT takes the item in the rectangle it fills.
    RECT r = {};
    std::memcpy(&r, &item, sizeof item);
    if (SendMessageW(Handle(), TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(&r))) InvalidateRect(Handle(), &r, TRUE);
}

std::optional<base::Colour> TreeBox::ItemTextColour(int index) const {
    HTREEITEM item = ItemAt(index);
    const auto it = colours_.find(item);
    if (it == colours_.end()) return std::nullopt;
    return it->second;
}

void TreeBox::OnRightClick() {
    const DWORD at = GetMessagePos();
    TVHITTESTINFO hit = {};
    hit.pt = {static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    ScreenToClient(Handle(), &hit.pt);
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
    if (!item || !(hit.flags & TVHT_ONITEM)) return;  // empty space or the expand button
    SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    if (ItemRightClicked) ItemRightClicked();
}

HTREEITEM TreeBox::ItemAt(int index) const {
    return index >= 0 && index < static_cast<int>(items_.size()) ? items_[index] : nullptr;
}

int TreeBox::IndexOf(HTREEITEM item) const {
    if (!item) return -1;
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
}

void TreeBox::Clear() { Reset(0); }

void TreeBox::Reset(int count) {
    items_.assign(static_cast<std::size_t>(std::max(count, 0)), nullptr);
    texts_.assign(items_.size(), std::string());
    colours_.clear();
    count_ = 0;
    SendMessageW(Handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
}

namespace {

HTREEITEM Insert(HWND tree, HTREEITEM parent, HTREEITEM after, std::string_view text, std::int32_t data) {
    std::wstring wide = win::Wide(text);
    TVINSERTSTRUCTW insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = wide.data();
    insert.item.lParam = static_cast<LPARAM>(data);
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

}  // namespace

int TreeBox::AddItem(int parentIndex, std::string_view text, std::int32_t data) {
    HTREEITEM parent = parentIndex < 0 ? TVI_ROOT : ItemAt(parentIndex);
    if (!parent) return -1;
    const HTREEITEM item = Insert(Handle(), parent, TVI_LAST, text, data);
    if (!item) return -1;
    items_.push_back(item);
    texts_.emplace_back(text);
    ++count_;
    return static_cast<int>(items_.size()) - 1;
}

bool TreeBox::PlaceItem(int index, const NewItem& item) {
    HTREEITEM parent = TVI_ROOT, after = TVI_FIRST;
    const auto known = [this](int i) { return i >= 0 && i < static_cast<int>(items_.size()) ? items_[i] : nullptr; };
    if (index < 0 || index >= static_cast<int>(items_.size()) || items_[index]) return false;
    if (item.parent >= 0 && !(parent = known(item.parent))) return false;
    if (item.after >= 0 && !(after = known(item.after))) return false;
    const HTREEITEM placed = Insert(Handle(), parent, after, item.text, item.data);
    if (!placed) return false;
    items_[index] = placed;
    texts_[index] = item.text;
    if (item.colour) colours_[placed] = *item.colour;
    ++count_;
    return true;
}

bool TreeBox::Reindex(int count, const std::vector<int>& newIndex) {
    std::vector<HTREEITEM> items(static_cast<std::size_t>(std::max(count, 0)), nullptr);
    std::vector<std::string> texts(items.size());
    for (std::size_t old = 0; old < items_.size(); ++old) {
        if (!items_[old]) continue;
        const int to = old < newIndex.size() ? newIndex[old] : -1;
        if (to < 0 || to >= count || items[static_cast<std::size_t>(to)]) {
            Reset(count);
            return false;
        }
        items[static_cast<std::size_t>(to)] = items_[old];
        texts[static_cast<std::size_t>(to)] = std::move(texts_[old]);
    }
    items_ = std::move(items);
    texts_ = std::move(texts);
    return true;
}

void TreeBox::SetItemText(int index, std::string_view text) {
    HTREEITEM item = ItemAt(index);
    if (!item || texts_[static_cast<std::size_t>(index)] == text) return;
    std::wstring wide = win::Wide(text);
    TVITEMW change = {};
    change.mask = TVIF_TEXT;
    change.hItem = item;
    change.pszText = wide.data();
    SendMessageW(Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
    texts_[static_cast<std::size_t>(index)] = text;
}

int TreeBox::VisibleRows() const {
    return static_cast<int>(SendMessageW(Handle(), TVM_GETVISIBLECOUNT, 0, 0));
}

int TreeBox::ItemCount() const {
    return count_;
}

std::string TreeBox::ItemText(int index) const {
    return index >= 0 && index < static_cast<int>(texts_.size()) ? texts_[index] : std::string();
}

std::vector<std::string> TreeBox::ItemTexts() const {
    return texts_;
}

std::int32_t TreeBox::ItemData(int index) const {
    HTREEITEM item = ItemAt(index);
    if (!item) return 0;
    TVITEMW query = {};
    query.mask = TVIF_PARAM;
    query.hItem = item;
    SendMessageW(Handle(), TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&query));
    return static_cast<std::int32_t>(query.lParam);
}

int TreeBox::ParentIndex(int index) const {
    HTREEITEM item = ItemAt(index);
    if (!item) return -1;
    const auto parent = reinterpret_cast<HTREEITEM>(
        SendMessageW(Handle(), TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
    return parent ? IndexOf(parent) : -1;
}

void TreeBox::SetItemBold(int index, bool bold) {
    HTREEITEM item = ItemAt(index);
    if (!item) return;
    TVITEMW change = {};
    change.mask = TVIF_STATE;
    change.hItem = item;
    change.stateMask = TVIS_BOLD;
    change.state = bold ? TVIS_BOLD : 0;
    SendMessageW(Handle(), TVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&change));
}

bool TreeBox::ItemBold(int index) const {
    HTREEITEM item = ItemAt(index);
    if (!item) return false;
    const auto state = SendMessageW(Handle(), TVM_GETITEMSTATE, reinterpret_cast<WPARAM>(item), TVIS_BOLD);
    return (state & TVIS_BOLD) != 0;
}

void TreeBox::SelectItem(int index) {
    SendMessageW(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(ItemAt(index)));
}

int TreeBox::SelectedIndex() const {
    const auto item = reinterpret_cast<HTREEITEM>(SendMessageW(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
    return item ? IndexOf(item) : -1;
}

void TreeBox::EnsureVisible(int index) {
    if (HTREEITEM item = ItemAt(index)) SendMessageW(Handle(), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
}

void TreeBox::ScrollToLeftEdge() {
    if (Handle()) SendMessageW(Handle(), WM_HSCROLL, MAKEWPARAM(SB_LEFT, 0), 0);
}

}  // namespace ui
