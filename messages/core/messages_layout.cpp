#include "messages/core/messages_layout.h"

namespace core {
namespace {

using K = ControlKind;

constexpr ControlLayout kMessages[] = {
    {"标签_消息代码导航", K::Label, 2, 20, 556, 52, "", kFrame},
    {"画板_捕获器1", K::DrawingBoard, 8, 32, 31, 31, ""},
    {"标签_纯API命令", K::Label, 48, 24, 88, 24, "纯 API 命令 ："},
    {"标签_Korvel模块命令", K::Label, 48, 48, 88, 24, "Korvel模块命令："},
    {"单选框_标题类名方式1", K::RadioButton, 136, 24, 104, 24, "标题类名方式"},
    {"单选框_控件ID方式1", K::RadioButton, 240, 24, 88, 24, "控件ID方式"},
    {"单选框_其它方式1", K::RadioButton, 328, 24, 72, 24, "其它方式"},
    {"单选框_标题类名方式2", K::RadioButton, 136, 48, 104, 24, "标题类名方式"},
    {"单选框_控件ID方式2", K::RadioButton, 240, 48, 88, 24, "控件ID方式"},
    {"单选框_其它方式2", K::RadioButton, 328, 48, 72, 24, "其它方式"},
    {"按钮_生成易代码", K::Button, 400, 26, 80, 40, "生成易代码"},
    {"按钮_复制代码", K::Button, 488, 26, 64, 40, "复制代码"},
    {"编辑框_易代码", K::EditBox, 48, 72, 504, 160, "", kMultiline | kNoWrap},
    {"标签_消息代码_分割线", K::Label, 48, 240, 504, 6,
     "-------------------------------------------------------------------------------------------"},

    {"标签_消息方式", K::Label, 48, 256, 64, 20, "消息方式"},
    {"组合框_消息方式", K::ComboBox, 112, 256, 192, 20,
     "发送消息(SendMessage)\n投递消息(PostMessage)\n发送消息(SendMessageTimeout)", kNoFlags, 0},
    {"标签_消息分类", K::Label, 312, 256, 56, 20, "消息分类"},
    {"组合框_消息分类1", K::ComboBox, 368, 256, 80, 20, "常用消息", kFilledAtStart, 0},
    {"组合框_消息分类2", K::ComboBox, 448, 256, 104, 20, "更改控件内容", kFilledAtStart, 0},
    {"标签_窗口句柄2", K::Label, 48, 280, 64, 20, "窗口句柄"},
    {"编辑框_窗口句柄2", K::EditBox, 112, 280, 192, 20, ""},
    {"标签_消息值", K::Label, 48, 304, 64, 20, "消 息 值"},
    {"编辑框_消息值", K::EditBox, 112, 304, 192, 20, ""},
    {"标签_参数一", K::Label, 48, 328, 64, 20, "参 数 一"},
    {"编辑框_参数一", K::EditBox, 112, 328, 192, 20, ""},
    {"标签_参数二", K::Label, 48, 352, 64, 20, "参 数 二"},
    {"编辑框_参数二", K::EditBox, 112, 352, 120, 20, ""},
    {"组合框_编辑框_参数二", K::ComboBox, 112, 352, 120, 20, "        假\n        真", kHiddenAtStart, 0},
    {"组合框_参数二", K::ComboBox, 240, 352, 64, 20, "整数型\n文本型\n逻辑型", kNoFlags, 0},
    {"编辑框_返回消息", K::EditBox, 312, 280, 240, 56, "", kMultiline | kDisplayOnly},
    {"按钮_发出消息", K::Button, 312, 340, 120, 30, "发出消息"},
    {"标签_返回值", K::Label, 440, 344, 56, 20, "返回值"},
    {"编辑框_返回值", K::EditBox, 496, 344, 56, 20, ""},
};

}  // namespace

const std::vector<ControlLayout>& MessagesPageLayout() {
    static const std::vector<ControlLayout> table(std::begin(kMessages), std::end(kMessages));
    return table;
}

}  // namespace core
