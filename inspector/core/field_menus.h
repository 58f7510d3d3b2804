// The drop-down menus of the field buttons on the "窗口分析" page: which
// button opens which menu, with which items in which order, and the box
// whose content the copy, paste and mark items work on.
//
// The table is constant data, so a routine bound to an item of a menu that
// does not have it is refused when the program is built (HasItem in a
// static_assert).
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "inspector/core/analysis_layout.h"

namespace inspector::core {

enum class FieldItem {
    Copy,             // 复制
    CopyHex,          // 复制十六进制: a handle as 0x%08X
    Paste,            // 粘贴
    Change,           // 更改
    Mark,             // 标记
    Refresh,          // 刷新
    Pause,            // 暂停 (恢复 while paused)
    End,              // 结束
    Locate,           // 定位
    Move,             // 移动
    LeftClick,        // 左键单击
    RightClick,       // 右键单击
    EnableAllButtons, // 解禁所有按钮
    ShowAllControls,  // 显示所有控件
    WindowStyles,     // 窗口样式…: the style window
    WindowActivity,   // 窗口动态…: the activity log of the target's program
};

// The caption an item is created with.
std::string_view FieldItemCaption(FieldItem item);

// The fields, in the order of the table.
enum class Field {
    WindowHandle,
    Parent,
    TopLevel,
    ProcessId,
    ThreadId,
    ControlId,
    Title,
    ClassName,
    Content,
    ProgramPath,
    Mouse,
    MouseInWindow,
    WindowPosition,
    ControlPosition,
    WindowSize,
    ClientSize,
    Other,
};
inline constexpr std::size_t kFieldCount = 17;

inline constexpr std::size_t kMaxFieldItems = 4;

struct FieldMenu {
    Field field;
    ui::core::ControlName<ui::core::ControlKind::Button> button;
    // The box of the field the copy, paste and mark items act on; empty for
    // fields whose items do not use one box.
    ui::core::ControlName<ui::core::ControlKind::EditBox> box;
    std::string_view menu;
    std::array<FieldItem, kMaxFieldItems> items;
    std::size_t itemCount;
};

namespace field_menu_rows {
using I = FieldItem;
using F = Field;
namespace a = analysis;
inline constexpr ui::core::ControlName<ui::core::ControlKind::EditBox> kNoBox{};
}  // namespace field_menu_rows

inline constexpr std::array<FieldMenu, kFieldCount> kFieldMenus = [] {
    using namespace field_menu_rows;
    return std::array<FieldMenu, kFieldCount>{{
        {F::WindowHandle, a::按钮_窗口句柄, a::编辑框_窗口句柄, "下拉窗口句柄", {I::Copy, I::CopyHex, I::Mark, I::Refresh}, 4},
        {F::Parent, a::按钮_父句柄, a::编辑框_父句柄, "下拉父句柄", {I::Copy, I::CopyHex, I::Mark}, 3},
        {F::TopLevel, a::按钮_顶级句柄, a::编辑框_顶级句柄, "下拉顶级句柄", {I::Copy, I::CopyHex, I::Mark}, 3},
        {F::ProcessId, a::按钮_进程ID, a::编辑框_进程ID, "下拉进程ID", {I::Copy, I::Pause, I::End}, 3},
        {F::ThreadId, a::按钮_线程ID, a::编辑框_线程ID, "下拉线程ID", {I::Copy, I::Pause, I::End}, 3},
        {F::ControlId, a::按钮_控件ID, a::编辑框_控件ID, "下拉控件ID", {I::Copy}, 1},
        {F::Title, a::按钮_窗口标题, a::编辑框_窗口标题, "下拉窗口标题", {I::Copy, I::Paste, I::Change}, 3},
        {F::ClassName, a::按钮_窗口类名, a::编辑框_窗口类名, "下拉窗口类名", {I::Copy}, 1},
        {F::Content, a::按钮_控件内容, a::编辑框_控件内容, "下拉控件内容", {I::Copy, I::Paste, I::Change}, 3},
        {F::ProgramPath, a::按钮_程序路径, a::编辑框_程序路径, "下拉程序路径", {I::Copy, I::Locate}, 2},
        {F::Mouse, a::按钮_鼠标位置, kNoBox, "下拉鼠标位置", {I::Move, I::LeftClick, I::RightClick}, 3},
        {F::MouseInWindow, a::按钮_窗口鼠标位置, kNoBox, "下拉窗口鼠标位置", {I::Move, I::LeftClick, I::RightClick}, 3},
        {F::WindowPosition, a::按钮_窗口位置, kNoBox, "下拉窗口位置", {I::Change}, 1},
        {F::ControlPosition, a::按钮_控件位置, kNoBox, "下拉控件位置", {I::Change}, 1},
        {F::WindowSize, a::按钮_窗口大小, kNoBox, "下拉窗口大小", {I::Change}, 1},
        {F::ClientSize, a::按钮_窗口内部大小, kNoBox, "下拉内部大小", {I::Change}, 1},
        {F::Other, a::按钮_其它操作, kNoBox, "下拉其它操作",
         {I::EnableAllButtons, I::ShowAllControls, I::WindowStyles, I::WindowActivity}, 4},
    }};
}();

constexpr const FieldMenu& FieldMenuOf(Field field) { return kFieldMenus[static_cast<std::size_t>(field)]; }

// Position of the item in its menu; -1 when the menu has no such item.
constexpr int FieldItemIndex(Field field, FieldItem item) {
    const FieldMenu& menu = FieldMenuOf(field);
    for (std::size_t i = 0; i < menu.itemCount; ++i) {
        if (menu.items[i] == item) return static_cast<int>(i);
    }
    return -1;
}
constexpr bool HasItem(Field field, FieldItem item) { return FieldItemIndex(field, item) >= 0; }

// The table's rows stand in the order of the fields, and every item that
// works on the field's box has one.
constexpr bool FieldMenusAreConsistent() {
    for (std::size_t i = 0; i < kFieldMenus.size(); ++i) {
        const FieldMenu& menu = kFieldMenus[i];
        if (static_cast<std::size_t>(menu.field) != i || menu.itemCount == 0 || menu.itemCount > kMaxFieldItems) {
            return false;
        }
        for (std::size_t k = 0; k < menu.itemCount; ++k) {
            const FieldItem item = menu.items[k];
            if ((item == FieldItem::Copy || item == FieldItem::CopyHex || item == FieldItem::Paste ||
                 item == FieldItem::Mark) &&
                menu.box.text.empty()) {
                return false;
            }
        }
    }
    return true;
}
static_assert(FieldMenusAreConsistent(), "field menu table out of order or an item without its box");

// The item captions of the two pause items: the caption is the pause state.
inline constexpr std::string_view kPauseCaption = "暂停";   // running: the item pauses
inline constexpr std::string_view kResumeCaption = "恢复";  // paused by this program: the item resumes

// What the user is told when an item that acts on the target's process or
// thread finds the window gone: e.g. "目标窗口已不存在，没有结束任何进程。"
std::string GoneWindowNotice(Field field, FieldItem item);

}  // namespace inspector::core
