// Controls of the "窗口分析" page: the finder, the information panel,
// the window operations, and the window tree with its search.
#pragma once

#include <string_view>
#include <vector>

#include "ui/core/layout.h"

// Field rows: caption button (56 wide) at x = 48 with its box right of it;
// the short id fields share their rows with a second pair at x = 176.
// Position and size rows carry two labelled boxes each. Right of them the
// window search, the super buttons and the window tree.
#define TAVRIN_ANALYSIS_CONTROLS(X) \
    X(DrawingBoard, 画板_捕获器, 8, 32, 31, 31, "", ui::core::kFinderBoard) \
    X(Button, 按钮_窗口句柄, 48, 32, 56, 20, "窗口句柄", ui::core::kHandCursor) \
    X(EditBox, 编辑框_窗口句柄, 108, 32, 64, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_进程ID, 176, 32, 56, 20, "进程ID", ui::core::kHandCursor) \
    X(EditBox, 编辑框_进程ID, 236, 32, 56, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_父句柄, 48, 56, 56, 20, "父句柄", ui::core::kHandCursor) \
    X(EditBox, 编辑框_父句柄, 108, 56, 64, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_线程ID, 176, 56, 56, 20, "线程ID", ui::core::kHandCursor) \
    X(EditBox, 编辑框_线程ID, 236, 56, 56, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_顶级句柄, 48, 80, 56, 20, "顶级句柄", ui::core::kHandCursor) \
    X(EditBox, 编辑框_顶级句柄, 108, 80, 64, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_控件ID, 176, 80, 56, 20, "控件ID", ui::core::kHandCursor) \
    X(EditBox, 编辑框_控件ID, 236, 80, 56, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_窗口标题, 48, 104, 56, 20, "窗口标题", ui::core::kHandCursor) \
    X(EditBox, 编辑框_窗口标题, 108, 104, 184, 20, "") \
    X(Button, 按钮_窗口类名, 48, 128, 56, 20, "窗口类名", ui::core::kHandCursor) \
    X(EditBox, 编辑框_窗口类名, 108, 128, 184, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_控件内容, 48, 152, 56, 20, "控件内容", ui::core::kHandCursor) \
    X(EditBox, 编辑框_控件内容, 108, 152, 184, 20, "") \
    X(Button, 按钮_程序路径, 48, 176, 56, 20, "程序路径", ui::core::kHandCursor) \
    X(EditBox, 编辑框_程序路径, 108, 176, 184, 20, "", ui::core::kDisplayOnly) \
    X(Label, 标签_窗口分析_分割线, 48, 200, 244, 6, "--------------------------------------------") \
    X(Button, 按钮_鼠标位置, 48, 208, 56, 20, "鼠标位置", ui::core::kHandCursor) \
    X(Label, 标签_鼠标位置_X, 108, 208, 36, 20, "横 X:") \
    X(EditBox, 编辑框_鼠标位置_X, 144, 208, 56, 20, "") \
    X(Label, 标签_鼠标位置_Y, 204, 208, 32, 20, "纵 Y:") \
    X(EditBox, 编辑框_鼠标位置_Y, 236, 208, 56, 20, "") \
    X(Button, 按钮_窗口鼠标位置, 48, 232, 56, 20, "窗内鼠标", ui::core::kHandCursor) \
    X(Label, 标签_窗口鼠标位置_X, 108, 232, 36, 20, "横 X:") \
    X(EditBox, 编辑框_窗口鼠标位置_X, 144, 232, 56, 20, "") \
    X(Label, 标签_窗口鼠标位置_Y, 204, 232, 32, 20, "纵 Y:") \
    X(EditBox, 编辑框_窗口鼠标位置_Y, 236, 232, 56, 20, "") \
    X(Button, 按钮_窗口位置, 48, 256, 56, 20, "窗口位置", ui::core::kHandCursor) \
    X(Label, 标签_窗口位置_左边, 108, 256, 36, 20, "左边:") \
    X(EditBox, 编辑框_窗口位置_左边, 144, 256, 56, 20, "") \
    X(Label, 标签_窗口位置_顶边, 204, 256, 32, 20, "顶边:") \
    X(EditBox, 编辑框_窗口位置_顶边, 236, 256, 56, 20, "") \
    X(Button, 按钮_控件位置, 48, 280, 56, 20, "控件位置", ui::core::kHandCursor) \
    X(Label, 标签_控件位置_左边, 108, 280, 36, 20, "左边:") \
    X(EditBox, 编辑框_控件位置_左边, 144, 280, 56, 20, "") \
    X(Label, 标签_控件位置_顶边, 204, 280, 32, 20, "顶边:") \
    X(EditBox, 编辑框_控件位置_顶边, 236, 280, 56, 20, "") \
    X(Button, 按钮_窗口大小, 48, 304, 56, 20, "窗口大小", ui::core::kHandCursor) \
    X(Label, 标签_窗口大小_宽度, 108, 304, 36, 20, "宽度:") \
    X(EditBox, 编辑框_窗口大小_宽度, 144, 304, 56, 20, "") \
    X(Label, 标签_窗口大小_高度, 204, 304, 32, 20, "高度:") \
    X(EditBox, 编辑框_窗口大小_高度, 236, 304, 56, 20, "") \
    X(Button, 按钮_窗口内部大小, 48, 328, 56, 20, "内部大小", ui::core::kHandCursor) \
    X(Label, 标签_窗口内部大小_宽度, 108, 328, 36, 20, "宽度:") \
    X(EditBox, 编辑框_窗口内部大小_宽度, 144, 328, 56, 20, "") \
    X(Label, 标签_窗口内部大小_高度, 204, 328, 32, 20, "高度:") \
    X(EditBox, 编辑框_窗口内部大小_高度, 236, 328, 56, 20, "") \
    X(Button, 按钮_其它操作, 48, 352, 56, 20, "其它操作", ui::core::kHandCursor) \
    X(CheckBox, 选择框_置顶, 110, 352, 44, 20, "置顶", ui::core::kHandCursor) \
    X(CheckBox, 选择框_隐藏, 156, 352, 44, 20, "隐藏", ui::core::kHandCursor) \
    X(CheckBox, 选择框_禁止, 202, 352, 44, 20, "禁止", ui::core::kHandCursor) \
    X(CheckBox, 选择框_透明, 248, 352, 44, 20, "透明", ui::core::kHandCursor) \
    X(Label, 标签_查找窗口, 304, 32, 56, 20, "查找窗口") \
    X(EditBox, 编辑框_查找窗口, 360, 32, 144, 20, "") \
    X(Button, 按钮_查找窗口, 512, 32, 40, 20, "查找", ui::core::kHandCursor) \
    X(SuperButton, 超级按钮_截图, 304, 56, 50, 20, "截图", ui::core::kHandCursor) \
    X(SuperButton, 超级按钮_截图2, 358, 56, 34, 20, "保存", ui::core::kHandCursor) \
    X(SuperButton, 超级按钮_定位, 396, 56, 50, 20, "定位", ui::core::kHandCursor) \
    X(SuperButton, 超级按钮_刷新, 450, 56, 50, 20, "刷新", ui::core::kHandCursor) \
    X(SuperButton, 超级按钮_切换, 504, 56, 48, 20, "切换", ui::core::kHandCursor) \
    X(TreeBox, 树型框_窗口, 304, 80, 248, 296, "") \
    X(FileDialog, 通用对话框1, 0, 0, 0, 0, "")

// The window of "窗口动态…": its buttons in a row, what it watches, the log.
#define TAVRIN_ACTIVITY_WINDOW_CONTROLS(X) \
    X(Button, 按钮_暂停动态, 8, 8, 64, 24, "暂停", ui::core::kHandCursor) \
    X(Button, 按钮_清空动态, 76, 8, 56, 24, "清空", ui::core::kHandCursor) \
    X(Button, 按钮_复制动态, 136, 8, 56, 24, "复制", ui::core::kHandCursor) \
    X(Label, 标签_动态状态, 200, 10, 412, 20, "") \
    X(Label, 标签_动态目标, 8, 38, 604, 20, "") \
    X(EditBox, 编辑框_动态, 8, 60, 604, 332, "", ui::core::kMultiline | ui::core::kNoWrap | ui::core::kDisplayOnly)

namespace inspector::core {

namespace analysis {
TAVRIN_ANALYSIS_CONTROLS(TAVRIN_DECLARE_CONTROL_NAME)
}  // namespace analysis

const std::vector<ui::core::ControlLayout>& AnalysisPageLayout();

namespace analysis {
TAVRIN_ACTIVITY_WINDOW_CONTROLS(TAVRIN_DECLARE_CONTROL_NAME)
}  // namespace analysis

inline constexpr std::string_view kActivityWindowTitle = "窗口动态";
// The client area of the activity window (96-DPI pixels).
inline constexpr int kActivityClientWidth = 620;
inline constexpr int kActivityClientHeight = 400;
const std::vector<ui::core::ControlLayout>& ActivityWindowLayout();

}  // namespace inspector::core
