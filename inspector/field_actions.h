// The field buttons of the "窗口分析" page and their drop-down menus. A
// click on a field button pops its menu up at the button's lower-left
// corner; the items copy, paste, change, mark, pause or resume, end, move or
// click, each working on what the panel's boxes show at that moment.
//
// The captions of the two "暂停" items are the pause state: "恢复" while a
// process or thread is paused by this program. A caption changes only when
// the pause or resume call succeeded; when the panel moves to another window,
// whatever was paused is resumed first.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "inspector/info_panel.h"
#include "inspector/window_tree.h"
#include "ui/edit_box.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "util/process_control.h"

namespace inspector {

class FieldActions {
public:
    FieldActions(ui::Form& form, InfoPanel& panel, WindowTree& tree, util::ThreadControl& threads);

    ui::Menu& MenuOf(std::string_view menuName);
    // Sets the routine of an item, found by its menu and caption.
    void Bind(std::string_view menuName, std::string_view caption, std::function<void()> action);
    // Pops a field's menu up below its button, as its click does.
    void PopUp(std::string_view buttonName);

    std::string ProcessPauseCaption() { return MenuOf("下拉进程ID").ItemCaption(kPauseItem); }
    std::string ThreadPauseCaption() { return MenuOf("下拉线程ID").ItemCaption(kPauseItem); }

private:
    static constexpr int kPauseItem = 1;
    void BindFieldItems();
    void BindWindowItems();
    void BindProcessAndThreadItems();
    void BindMouseItems();
    void BindBulkItems();
    void TogglePause(std::string_view menuName, const std::function<bool(bool pause)>& pauseCall);
    void ResumePaused();
    ui::EditBox& Box(std::string_view name) { return form_.Get<ui::EditBox>(name); }
    std::int32_t Number(std::string_view boxName);

    ui::Form& form_;
    InfoPanel& panel_;
    WindowTree& tree_;
    util::ThreadControl& threads_;
    std::map<std::string, std::unique_ptr<ui::Menu>, std::less<>> menus_;
};

}  // namespace inspector
