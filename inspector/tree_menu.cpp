#include "inspector/tree_menu.h"

#include "ui/buttons.h"
#include "ui/notice.h"
#include "win/threads.h"
#include "win/window_marking.h"

namespace inspector {
namespace {

constexpr const char* kPlaceholder = "可以为标题,类名,句柄";
constexpr base::Colour kPlaceholderColour = 0x808080;
constexpr const char* kNotFoundText = "未找到相关的窗口或控件！";

}  // namespace

TreeMenu::TreeMenu(AnalysisControls& controls, Target& target, WindowTree& tree)
    : c_(controls), target_(target), tree_(tree), menu_("树形框菜单") {
    menu_.AddItem("刷新窗口树", [this] { tree_.Refresh(); });
    menu_.AddSeparator();
    menu_.AddItem("标记窗口位置", [this] {
        const win::WindowHandle hwnd = tree_.Tree().ItemData(tree_.Tree().SelectedIndex());
        win::StartThread([hwnd] { win::MarkWindow(hwnd); });
    });
    menu_.AddSeparator();
    menu_.AddItem("切换至该窗口", [this] { win::FocusWindow(tree_.Tree().ItemData(tree_.Tree().SelectedIndex())); });
    menu_.AddSeparator();
    menu_.AddItem("查看窗口信息", [this] { ViewSelected(); });

    tree_.Tree().ItemRightClicked = [this] {
        if (tree_.Tree().SelectedIndex() < 0) return;
        POINT cursor;
        GetCursorPos(&cursor);
        menu_.Popup(c_.form, cursor);
    };

    showNotFound = [this] { ui::ShowNotice(c_.form.Handle(), kNotFoundText, 0); };
    c_.按钮_查找窗口.Clicked = [this] { Search(); };
    ui::EditBox& searchBox = c_.编辑框_查找窗口;
    searchBox.SetTag(kPlaceholder);
    searchBox.FocusGained = [&searchBox] {
        if (searchBox.Content() == searchBox.Tag()) {
            searchBox.SetContent("");
            searchBox.SetTextColour(0x000000);
        }
    };
    searchBox.FocusLost = [&searchBox] {
        if (searchBox.Content().empty()) {
            searchBox.SetContent(searchBox.Tag());
            searchBox.SetTextColour(kPlaceholderColour);
        }
    };
}

void TreeMenu::ViewSelected() {
    ui::TreeBox& tree = tree_.Tree();
    tree_.SetPreviousTreeItem(tree_.TargetTreeItem());
    tree_.SetTargetTreeItem(tree.SelectedIndex());
    tree.SetItemBold(tree_.PreviousTreeItem(), false);
    tree.SetItemBold(tree_.TargetTreeItem(), true);
    target_.Select(tree.ItemData(tree.SelectedIndex()));
}

void TreeMenu::Search() {
    ui::TreeBox& tree = tree_.Tree();
    const int found = core::SearchTreeItems(search_, c_.编辑框_查找窗口.Content(), tree.ItemTexts());
    if (found == core::kTreeItemNotFound) {
        if (showNotFound) showNotFound();
        return;
    }
    tree.EnsureVisible(found);
    tree.SelectItem(found);
    tree.Focus();
    tree.SetTag(search_.tagText);
}

}  // namespace inspector
