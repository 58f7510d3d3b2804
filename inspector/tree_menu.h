// The window tree's menu and search. Right-clicking an item selects it and
// pops up `树形框菜单` ("刷新窗口树", "标记窗口位置", "切换至该窗口",
// "查看窗口信息"). The search box finds the next item whose text contains
// the search text (handle, class name, title or module name), wrapping
// around after the last match; a search without match says so in a message
// box. The search box shows a grey placeholder while it is empty and
// unfocused.
#pragma once

#include "inspector/analysis_controls.h"
#include "inspector/core/tree_search.h"
#include "inspector/target.h"
#include "inspector/window_tree.h"
#include "ui/edit_box.h"
#include "ui/form.h"
#include "ui/menu.h"

namespace inspector {

class TreeMenu {
public:
    TreeMenu(AnalysisControls& controls, Target& target, WindowTree& tree);

    ui::Menu& Menu() { return menu_; }
    void Search();
    const core::TreeSearchState& SearchState() const { return search_; }
    // "查看窗口信息": makes the selected item the viewed one.
    void ViewSelected();

    // Shows the not-found message; replaceable for tests.
    std::function<void()> showNotFound;

private:
    AnalysisControls& c_;
    Target& target_;
    WindowTree& tree_;
    ui::Menu menu_;
    core::TreeSearchState search_;
};

}  // namespace inspector
