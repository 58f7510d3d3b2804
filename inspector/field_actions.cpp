#include "inspector/field_actions.h"

#include "inspector/core/field_menus.h"
#include "ui/buttons.h"
#include "util/clipboard.h"
#include "util/core/number_text.h"
#include "util/launch.h"
#include "util/mouse_input.h"
#include "util/threads.h"
#include "util/window_marking.h"
#include "util/window_operations.h"

namespace inspector {
namespace {

// The edit box a field button stands for: 按钮_X shows 编辑框_X.
std::string BoxOfButton(std::string_view button) {
    constexpr std::string_view kButtonPrefix = "按钮_";
    return "编辑框_" + std::string(button.substr(kButtonPrefix.size()));
}

}  // namespace

FieldActions::FieldActions(ui::Form& form, InfoPanel& panel, WindowTree& tree, util::ThreadControl& threads)
    : form_(form), panel_(panel), tree_(tree), threads_(threads) {
    for (const core::FieldMenu& field : core::FieldMenus()) {
        auto menu = std::make_unique<ui::Menu>(std::string(field.menu));
        for (std::string_view item : field.items) menu->AddItem(item, nullptr);
        menus_.emplace(std::string(field.menu), std::move(menu));
        const std::string button(field.button);
        form.Get<ui::Button>(button).Clicked = [this, button] { PopUp(button); };
    }
    BindFieldItems();
    BindWindowItems();
    BindProcessAndThreadItems();
    BindMouseItems();
    BindBulkItems();
    panel_.BeforeNewTarget = [this] { ResumePaused(); };
}

ui::Menu& FieldActions::MenuOf(std::string_view menuName) {
    const auto it = menus_.find(menuName);
    if (it == menus_.end()) throw std::logic_error("no menu named " + std::string(menuName));
    return *it->second;
}

void FieldActions::Bind(std::string_view menuName, std::string_view caption, std::function<void()> action) {
    ui::Menu& menu = MenuOf(menuName);
    for (int i = 0; i < menu.ItemCount(); ++i) {
        if (menu.ItemCaption(i) == caption) {
            menu.SetAction(i, std::move(action));
            return;
        }
    }
    throw std::logic_error("no item " + std::string(caption) + " in " + std::string(menuName));
}

void FieldActions::PopUp(std::string_view buttonName) {
    for (const core::FieldMenu& field : core::FieldMenus()) {
        if (field.button != buttonName) continue;
        RECT r;
        GetWindowRect(form_.Get<ui::Button>(buttonName).Handle(), &r);
        MenuOf(field.menu).Popup(form_, {r.left, r.bottom});
        return;
    }
}

std::int32_t FieldActions::Number(std::string_view boxName) { return core::TextToInt32(Box(boxName).Content()); }

void FieldActions::BindFieldItems() {
    // The items that work on their own field's box.
    for (const core::FieldMenu& field : core::FieldMenus()) {
        const std::string box = BoxOfButton(field.button);
        for (std::string_view item : field.items) {
            if (item == "复制") Bind(field.menu, item, [this, box] { util::CopyTextToClipboard(Box(box).Content()); });
            if (item == "粘贴") Bind(field.menu, item, [this, box] { Box(box).SetContent(util::ClipboardText()); });
            if (item == "标记") {
                Bind(field.menu, item, [this, box] {
                    const std::int32_t hwnd = Number(box);
                    util::StartThread([hwnd] { util::MarkWindow(hwnd); });
                });
            }
        }
    }
}

void FieldActions::BindWindowItems() {
    Bind("下拉窗口句柄", "刷新", [this] { panel_.Refresh(); });
    Bind("下拉窗口标题", "更改",
         [this] { util::SetWindowTitle(Number("编辑框_窗口句柄"), Box("编辑框_窗口标题").Content()); });
    Bind("下拉控件内容", "更改",
         [this] { util::SetControlText(Number("编辑框_窗口句柄"), Box("编辑框_控件内容").Content()); });
    Bind("下拉程序路径", "定位", [this] {
        // The program's folder, up to and including the last backslash.
        const std::string path = Box("编辑框_程序路径").Content();
        const std::size_t slash = path.rfind('\\');
        util::RunProgram(slash == std::string::npos ? std::string() : path.substr(0, slash + 1));
    });
}

void FieldActions::TogglePause(std::string_view menuName, const std::function<bool(bool pause)>& pauseCall) {
    ui::Menu& menu = MenuOf(menuName);
    const bool pause = menu.ItemCaption(kPauseItem) == core::kPauseCaption;
    // The caption is the state: it changes only when the call succeeded.
    if (pauseCall(pause)) menu.SetItemCaption(kPauseItem, pause ? core::kResumeCaption : core::kPauseCaption);
}

void FieldActions::BindProcessAndThreadItems() {
    Bind("下拉进程ID", "暂停", [this] {
        TogglePause("下拉进程ID", [this](bool pause) { return util::PauseProcess(Number("编辑框_进程ID"), pause); });
    });
    Bind("下拉线程ID", "暂停", [this] {
        TogglePause("下拉线程ID",
                    [this](bool pause) { return util::PauseWindowThread(Number("编辑框_窗口句柄"), pause); });
    });
    Bind("下拉进程ID", "结束", [this] { util::TerminateProcessById(Number("编辑框_进程ID")); });
    Bind("下拉线程ID", "结束", [this] {
        if (threads_.OpenThreadById(Number("编辑框_线程ID"))) threads_.TerminateOpenedThread();
    });
}

void FieldActions::ResumePaused() {
    ui::Menu& process = MenuOf("下拉进程ID");
    if (process.ItemCaption(kPauseItem) == core::kResumeCaption) {
        util::PauseProcess(core::TextToInt32(Box("编辑框_进程ID").Tag()), false);
        process.SetItemCaption(kPauseItem, core::kPauseCaption);
    }
    ui::Menu& thread = MenuOf("下拉线程ID");
    if (thread.ItemCaption(kPauseItem) == core::kResumeCaption) {
        util::PauseWindowThread(core::TextToInt32(Box("编辑框_窗口句柄").Tag()), false);
        thread.SetItemCaption(kPauseItem, core::kPauseCaption);
    }
}

void FieldActions::BindMouseItems() {
    Bind("下拉鼠标位置", "移动", [this] { util::MoveMouse(0, Number("编辑框_鼠标位置_X"), Number("编辑框_鼠标位置_Y")); });
    for (const auto& [caption, button] : {std::pair{"左键单击", 1}, std::pair{"右键单击", 2}}) {
        Bind("下拉鼠标位置", caption, [this, button = button] {
            // Real input: the cursor jumps there, clicks and comes back.
            util::SaveMousePosition();
            util::MoveMouse(0, Number("编辑框_鼠标位置_X"), Number("编辑框_鼠标位置_Y"));
            util::ClickMouse(button, 1);
            util::RestoreMousePosition();
        });
    }
    Bind("下拉窗口鼠标位置", "移动", [this] {
        util::MoveMouse(Number("编辑框_窗口句柄"), Number("编辑框_窗口鼠标位置_X"), Number("编辑框_窗口鼠标位置_Y"));
    });
    for (const auto& [caption, button] :
         {std::pair{"左键单击", util::PostedButton::Left}, std::pair{"右键单击", util::PostedButton::Right}}) {
        Bind("下拉窗口鼠标位置", caption, [this, button = button] {
            util::PostMouseClick(Number("编辑框_窗口句柄"), Number("编辑框_窗口鼠标位置_X"),
                                 Number("编辑框_窗口鼠标位置_Y"), button);
        });
    }
}

void FieldActions::BindBulkItems() {
    Bind("下拉其它操作", "解禁所有按钮", [this] {
        ui::TreeBox& tree = tree_.Tree();
        for (int i = 0; i < tree.ItemCount(); ++i) EnableWindow(util::ToHwnd(tree.ItemData(i)), TRUE);
    });
    Bind("下拉其它操作", "显示所有控件", [this] {
        ui::TreeBox& tree = tree_.Tree();
        for (int i = 0; i < tree.ItemCount(); ++i) util::SetWindowShowState(tree.ItemData(i), SW_SHOWNORMAL, true);
    });
}

}  // namespace inspector
