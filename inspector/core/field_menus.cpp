#include "inspector/core/field_menus.h"

namespace inspector::core {

std::string_view FieldItemCaption(FieldItem item) {
    switch (item) {
        case FieldItem::Copy: return "复制";
        case FieldItem::CopyHex: return "复制十六进制";
        case FieldItem::Paste: return "粘贴";
        case FieldItem::Change: return "更改";
        case FieldItem::Mark: return "标记";
        case FieldItem::Refresh: return "刷新";
        case FieldItem::Pause: return kPauseCaption;
        case FieldItem::End: return "结束";
        case FieldItem::Locate: return "定位";
        case FieldItem::Move: return "移动";
        case FieldItem::LeftClick: return "左键单击";
        case FieldItem::RightClick: return "右键单击";
        case FieldItem::EnableAllButtons: return "解禁所有按钮";
        case FieldItem::ShowAllControls: return "显示所有控件";
        case FieldItem::WindowStyles: return "窗口样式…";
        case FieldItem::WindowActivity: return "窗口动态…";
    }
    return {};
}

std::string GoneWindowNotice(Field field, FieldItem item) {
    const std::string what = field == Field::ThreadId ? "线程" : "进程";
    const std::string done = item == FieldItem::Pause ? "暂停" : "结束";
    return "目标窗口已不存在，没有" + done + "任何" + what + "。";
}

}  // namespace inspector::core
