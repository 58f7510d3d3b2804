#include "inspector/core/inspector_layout.h"

namespace core {
namespace {

using K = ControlKind;

// Field rows: caption button (56 wide) at x = 48 with its box right of it;
// the short id fields share their rows with a second pair at x = 176.
// Position and size rows carry two labelled boxes each.
constexpr ControlLayout kInspector[] = {
    {"画板_捕获器", K::DrawingBoard, 8, 32, 31, 31, ""},

    {"按钮_窗口句柄", K::Button, 48, 32, 56, 20, "窗口句柄"},
    {"编辑框_窗口句柄", K::EditBox, 108, 32, 64, 20, "", kDisplayOnly},
    {"按钮_进程ID", K::Button, 176, 32, 56, 20, "进程ID"},
    {"编辑框_进程ID", K::EditBox, 236, 32, 56, 20, "", kDisplayOnly},
    {"按钮_父句柄", K::Button, 48, 56, 56, 20, "父句柄"},
    {"编辑框_父句柄", K::EditBox, 108, 56, 64, 20, "", kDisplayOnly},
    {"按钮_线程ID", K::Button, 176, 56, 56, 20, "线程ID"},
    {"编辑框_线程ID", K::EditBox, 236, 56, 56, 20, "", kDisplayOnly},
    {"按钮_顶级句柄", K::Button, 48, 80, 56, 20, "顶级句柄"},
    {"编辑框_顶级句柄", K::EditBox, 108, 80, 64, 20, "", kDisplayOnly},
    {"按钮_控件ID", K::Button, 176, 80, 56, 20, "控件ID"},
    {"编辑框_控件ID", K::EditBox, 236, 80, 56, 20, "", kDisplayOnly},

    {"按钮_窗口标题", K::Button, 48, 104, 56, 20, "窗口标题"},
    {"编辑框_窗口标题", K::EditBox, 108, 104, 184, 20, ""},
    {"按钮_窗口类名", K::Button, 48, 128, 56, 20, "窗口类名"},
    {"编辑框_窗口类名", K::EditBox, 108, 128, 184, 20, "", kDisplayOnly},
    {"按钮_控件内容", K::Button, 48, 152, 56, 20, "控件内容"},
    {"编辑框_控件内容", K::EditBox, 108, 152, 184, 20, ""},
    {"按钮_程序路径", K::Button, 48, 176, 56, 20, "程序路径"},
    {"编辑框_程序路径", K::EditBox, 108, 176, 184, 20, "", kDisplayOnly},

    {"标签_窗口分析_分割线", K::Label, 48, 200, 244, 6, "--------------------------------------------"},

    {"按钮_鼠标位置", K::Button, 48, 208, 56, 20, "鼠标位置"},
    {"标签_鼠标位置_X", K::Label, 108, 208, 36, 20, "横 X:"},
    {"编辑框_鼠标位置_X", K::EditBox, 144, 208, 56, 20, ""},
    {"标签_鼠标位置_Y", K::Label, 204, 208, 32, 20, "纵 Y:"},
    {"编辑框_鼠标位置_Y", K::EditBox, 236, 208, 56, 20, ""},
    {"按钮_窗口鼠标位置", K::Button, 48, 232, 56, 20, "窗内鼠标"},
    {"标签_窗口鼠标位置_X", K::Label, 108, 232, 36, 20, "横 X:"},
    {"编辑框_窗口鼠标位置_X", K::EditBox, 144, 232, 56, 20, ""},
    {"标签_窗口鼠标位置_Y", K::Label, 204, 232, 32, 20, "纵 Y:"},
    {"编辑框_窗口鼠标位置_Y", K::EditBox, 236, 232, 56, 20, ""},
    {"按钮_窗口位置", K::Button, 48, 256, 56, 20, "窗口位置"},
    {"标签_窗口位置_左边", K::Label, 108, 256, 36, 20, "左边:"},
    {"编辑框_窗口位置_左边", K::EditBox, 144, 256, 56, 20, ""},
    {"标签_窗口位置_顶边", K::Label, 204, 256, 32, 20, "顶边:"},
    {"编辑框_窗口位置_顶边", K::EditBox, 236, 256, 56, 20, ""},
    {"按钮_控件位置", K::Button, 48, 280, 56, 20, "控件位置"},
    {"标签_控件位置_左边", K::Label, 108, 280, 36, 20, "左边:"},
    {"编辑框_控件位置_左边", K::EditBox, 144, 280, 56, 20, ""},
    {"标签_控件位置_顶边", K::Label, 204, 280, 32, 20, "顶边:"},
    {"编辑框_控件位置_顶边", K::EditBox, 236, 280, 56, 20, ""},
    {"按钮_窗口大小", K::Button, 48, 304, 56, 20, "窗口大小"},
    {"标签_窗口大小_宽度", K::Label, 108, 304, 36, 20, "宽度:"},
    {"编辑框_窗口大小_宽度", K::EditBox, 144, 304, 56, 20, ""},
    {"标签_窗口大小_高度", K::Label, 204, 304, 32, 20, "高度:"},
    {"编辑框_窗口大小_高度", K::EditBox, 236, 304, 56, 20, ""},
    {"按钮_窗口内部大小", K::Button, 48, 328, 56, 20, "内部大小"},
    {"标签_窗口内部大小_宽度", K::Label, 108, 328, 36, 20, "宽度:"},
    {"编辑框_窗口内部大小_宽度", K::EditBox, 144, 328, 56, 20, ""},
    {"标签_窗口内部大小_高度", K::Label, 204, 328, 32, 20, "高度:"},
    {"编辑框_窗口内部大小_高度", K::EditBox, 236, 328, 56, 20, ""},

    {"按钮_其它操作", K::Button, 48, 352, 56, 20, "其它操作"},
    {"选择框_置顶", K::CheckBox, 110, 352, 44, 20, "置顶"},
    {"选择框_隐藏", K::CheckBox, 156, 352, 44, 20, "隐藏"},
    {"选择框_禁止", K::CheckBox, 202, 352, 44, 20, "禁止"},
    {"选择框_透明", K::CheckBox, 248, 352, 44, 20, "透明"},

    {"标签_查找窗口", K::Label, 304, 32, 56, 20, "查找窗口"},
    {"编辑框_查找窗口", K::EditBox, 360, 32, 144, 20, ""},
    {"按钮_查找窗口", K::Button, 512, 32, 40, 20, "查找"},
    {"超级按钮_截图", K::SuperButton, 304, 56, 50, 20, "截图"},
    {"超级按钮_截图2", K::SuperButton, 358, 56, 34, 20, "保存"},
    {"超级按钮_定位", K::SuperButton, 396, 56, 50, 20, "定位"},
    {"超级按钮_刷新", K::SuperButton, 450, 56, 50, 20, "刷新"},
    {"超级按钮_切换", K::SuperButton, 504, 56, 48, 20, "切换"},
    {"树型框_窗口", K::TreeBox, 304, 80, 248, 296, ""},

    {"通用对话框1", K::FileDialog, 0, 0, 0, 0, ""},
};

}  // namespace

const std::vector<ControlLayout>& InspectorPageLayout() {
    static const std::vector<ControlLayout> table(std::begin(kInspector), std::end(kInspector));
    return table;
}

}  // namespace core
