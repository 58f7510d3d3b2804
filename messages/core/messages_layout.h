// Controls of the "消息|代码" page: the E-code generator above the
// separator, the message sender below it, and the second finder board.
#pragma once

#include <string_view>
#include <vector>

#include "ui/core/layout.h"

// The frame of the code generator's radio rows holds the second finder
// board; the true/false box stands in the place of the parameter-two box
// and is shown instead of it for logical parameters.
#define TAVRIN_MESSAGES_CONTROLS(X) \
    X(Label, 标签_消息代码导航, 2, 20, 556, 52, "", ui::core::kFrame) \
    X(DrawingBoard, 画板_捕获器1, 8, 32, 31, 31, "", ui::core::kFinderBoard) \
    X(Label, 标签_纯API命令, 48, 24, 88, 24, "纯 API 命令 ：") \
    X(Label, 标签_Korvel模块命令, 48, 48, 88, 24, "Korvel模块命令：") \
    X(RadioButton, 单选框_标题类名方式1, 136, 24, 104, 24, "标题类名方式", ui::core::kHandCursor) \
    X(RadioButton, 单选框_控件ID方式1, 240, 24, 88, 24, "控件ID方式", ui::core::kHandCursor) \
    X(RadioButton, 单选框_其它方式1, 328, 24, 72, 24, "其它方式", ui::core::kHandCursor) \
    X(RadioButton, 单选框_标题类名方式2, 136, 48, 104, 24, "标题类名方式", ui::core::kHandCursor) \
    X(RadioButton, 单选框_控件ID方式2, 240, 48, 88, 24, "控件ID方式", ui::core::kHandCursor) \
    X(RadioButton, 单选框_其它方式2, 328, 48, 72, 24, "其它方式", ui::core::kHandCursor) \
    X(Button, 按钮_生成易代码, 400, 26, 80, 40, "生成易代码", ui::core::kHandCursor) \
    X(Button, 按钮_复制代码, 488, 26, 64, 40, "复制代码", ui::core::kHandCursor) \
    X(EditBox, 编辑框_易代码, 48, 72, 504, 160, "", ui::core::kMultiline | ui::core::kNoWrap) \
    X(Label, 标签_消息代码_分割线, 48, 240, 504, 6, "-------------------------------------------------------------------------------------------") \
    X(Label, 标签_消息方式, 48, 256, 64, 20, "消息方式") \
    X(ComboBox, 组合框_消息方式, 112, 256, 192, 20, "发送消息(SendMessage)\n投递消息(PostMessage)\n发送消息(SendMessageTimeout)", ui::core::kHandCursor, 0) \
    X(Label, 标签_消息分类, 312, 256, 56, 20, "消息分类") \
    X(ComboBox, 组合框_消息分类1, 368, 256, 80, 20, "常用消息", ui::core::kFilledAtStart | ui::core::kHandCursor, 0) \
    X(ComboBox, 组合框_消息分类2, 448, 256, 104, 20, "更改控件内容", ui::core::kFilledAtStart | ui::core::kHandCursor, 0) \
    X(Label, 标签_窗口句柄2, 48, 280, 64, 20, "窗口句柄") \
    X(EditBox, 编辑框_窗口句柄2, 112, 280, 192, 20, "") \
    X(Label, 标签_消息值, 48, 304, 64, 20, "消 息 值") \
    X(EditBox, 编辑框_消息值, 112, 304, 192, 20, "") \
    X(Label, 标签_参数一, 48, 328, 64, 20, "参 数 一") \
    X(EditBox, 编辑框_参数一, 112, 328, 192, 20, "") \
    X(Label, 标签_参数二, 48, 352, 64, 20, "参 数 二") \
    X(EditBox, 编辑框_参数二, 112, 352, 120, 20, "") \
    X(ComboBox, 组合框_编辑框_参数二, 112, 352, 120, 20, "        假\n        真", ui::core::kHiddenAtStart | ui::core::kHandCursor, 0) \
    X(ComboBox, 组合框_参数二, 240, 352, 64, 20, "整数型\n文本型\n逻辑型", ui::core::kHandCursor, 0) \
    X(EditBox, 编辑框_返回消息, 312, 280, 240, 56, "", ui::core::kMultiline | ui::core::kDisplayOnly) \
    X(Button, 按钮_发出消息, 312, 340, 120, 30, "发出消息", ui::core::kHandCursor) \
    X(Label, 标签_返回值, 440, 344, 56, 20, "返回值") \
    X(EditBox, 编辑框_返回值, 496, 344, 56, 20, "")

// The window of "录制操作…": the buttons in a row, the recorded steps, the
// code that replays them.
#define TAVRIN_RECORDER_WINDOW_CONTROLS(X) \
    X(Button, 按钮_开始录制, 8, 8, 72, 24, "开始录制", ui::core::kHandCursor) \
    X(Button, 按钮_停止录制, 84, 8, 72, 24, "停止录制", ui::core::kHandCursor) \
    X(Button, 按钮_清空录制, 160, 8, 56, 24, "清空", ui::core::kHandCursor) \
    X(Button, 按钮_生成回放代码, 262, 8, 80, 24, "生成易代码", ui::core::kHandCursor) \
    X(Button, 按钮_复制回放代码, 346, 8, 72, 24, "复制代码", ui::core::kHandCursor) \
    X(Label, 标签_录制状态, 8, 38, 410, 20, "") \
    X(EditBox, 编辑框_录制步骤, 8, 60, 410, 150, "", ui::core::kMultiline | ui::core::kNoWrap | ui::core::kDisplayOnly) \
    X(EditBox, 编辑框_回放代码, 8, 216, 410, 180, "", ui::core::kMultiline | ui::core::kNoWrap | ui::core::kDisplayOnly)

namespace messages::core {

namespace messages {
TAVRIN_MESSAGES_CONTROLS(TAVRIN_DECLARE_CONTROL_NAME)
TAVRIN_RECORDER_WINDOW_CONTROLS(TAVRIN_DECLARE_CONTROL_NAME)
}  // namespace messages

const std::vector<ui::core::ControlLayout>& MessagesPageLayout();

inline constexpr std::string_view kRecorderWindowTitle = "录制操作";
// The client area of the recorder's window (96-DPI pixels).
inline constexpr int kRecorderClientWidth = 426;
inline constexpr int kRecorderClientHeight = 404;
const std::vector<ui::core::ControlLayout>& RecorderWindowLayout();

}  // namespace messages::core
