// Controls of the "取点取色" page: the picker and pen boards, the
// sampled point, the magnifier, the colour boxes, scale, palette and
// notations, and the screen-capture trigger; and of the small window of the
// further notations.
#pragma once

#include <string_view>
#include <vector>

#include "base/geometry.h"
#include "ui/core/layout.h"

// The pen board covers the picker board's bottom rows (never drawn on);
// the scale marker sits just above the colour scale. The row of picked
// colours fills the gap between the palette and the notation rows; the
// button that opens the further notations stands in the free column left of
// the notation rows, level with the first.
#define TAVRIN_COLOUR_CONTROLS(X) \
    X(DrawingBoard, 画板_捕获器2, 8, 32, 31, 31, "", ui::core::kFinderBoard) \
    X(DrawingBoard, 画板_画笔, 8, 60, 31, 16, "") \
    X(Label, 标签_窗口句柄1, 48, 32, 64, 20, "窗口句柄:") \
    X(EditBox, 编辑框_窗口句柄1, 112, 32, 56, 20, "", ui::core::kDisplayOnly) \
    X(Label, 标签_颜色值, 176, 32, 72, 20, " 颜色值:") \
    X(EditBox, 编辑框_颜色值, 248, 32, 56, 20, "", ui::core::kDisplayOnly) \
    X(Label, 标签_鼠标位置_X1, 48, 64, 96, 20, "鼠标坐标: 横 X") \
    X(EditBox, 编辑框_鼠标位置_X1, 144, 64, 56, 20, "", ui::core::kDisplayOnly) \
    X(Label, 标签_鼠标位置_Y1, 208, 64, 40, 20, "纵 Y") \
    X(EditBox, 编辑框_鼠标位置_Y1, 248, 64, 56, 20, "", ui::core::kDisplayOnly) \
    X(Label, 标签_窗口鼠标位置_X1, 48, 88, 96, 20, "窗内坐标: 横 X") \
    X(EditBox, 编辑框_窗口鼠标位置_X1, 144, 88, 56, 20, "", ui::core::kDisplayOnly) \
    X(Label, 标签_窗口鼠标位置_Y1, 208, 88, 40, 20, "纵 Y") \
    X(EditBox, 编辑框_窗口鼠标位置_Y1, 248, 88, 56, 20, "", ui::core::kDisplayOnly) \
    X(DrawingBoard, 画板_放大镜, 48, 112, 257, 257, "") \
    X(Label, 标签_左键拖动图片, 48, 370, 120, 18, "左键拖动图片") \
    X(Label, 标签_右键显示调色板, 200, 370, 105, 18, "右键切换到调色板") \
    X(DrawingBoard, 画板_颜色值, 320, 32, 56, 20, "") \
    X(Label, 标签_颜色值_R, 396, 32, 12, 20, "R") \
    X(EditBox, 编辑框_颜色值_R, 408, 32, 32, 20, "", ui::core::kDisplayOnly) \
    X(Label, 标签_颜色值_G, 452, 32, 12, 20, "G") \
    X(EditBox, 编辑框_颜色值_G, 464, 32, 32, 20, "", ui::core::kDisplayOnly) \
    X(Label, 标签_颜色值_B, 508, 32, 12, 20, "B") \
    X(EditBox, 编辑框_颜色值_B, 520, 32, 32, 20, "", ui::core::kDisplayOnly) \
    X(DrawingBoard, 画板_颜色值1, 320, 64, 56, 20, "") \
    X(DrawingBoard, 画板_色阶刻度, 475, 60, 11, 4, "", ui::core::kOnPageColour) \
    X(DrawingBoard, 画板_色阶, 408, 64, 144, 20, "") \
    X(EditBox, 编辑框_颜色值1, 320, 88, 56, 20, "") \
    X(Label, 标签_颜色值_R1, 396, 88, 12, 20, "R") \
    X(EditBox, 编辑框_颜色值_R1, 408, 88, 32, 20, "") \
    X(Label, 标签_颜色值_G1, 452, 88, 12, 20, "G") \
    X(EditBox, 编辑框_颜色值_G1, 464, 88, 32, 20, "") \
    X(Label, 标签_颜色值_B1, 508, 88, 12, 20, "B") \
    X(EditBox, 编辑框_颜色值_B1, 520, 88, 32, 20, "") \
    X(DrawingBoard, 画板_调色板, 392, 120, 160, 84, "", ui::core::kOnPageColour) \
    X(DrawingBoard, 画板_历史颜色, 392, 204, 160, 20, "", ui::core::kOnPageColour) \
    X(Label, 标签_颜色值_16进制, 392, 224, 48, 24, "16进制") \
    X(EditBox, 编辑框_颜色值_16进制, 440, 224, 72, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_颜色值_16进制, 520, 224, 32, 20, "复制", ui::core::kHandCursor) \
    X(Label, 标签_颜色值_HTML, 392, 248, 48, 24, "HTML") \
    X(EditBox, 编辑框_颜色值_HTML, 440, 248, 72, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_颜色值_HTML, 520, 248, 32, 20, "复制", ui::core::kHandCursor) \
    X(Label, 标签_颜色值_VB, 392, 272, 48, 24, "VB") \
    X(EditBox, 编辑框_颜色值_VB, 440, 272, 72, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_颜色值_VB, 520, 272, 32, 20, "复制", ui::core::kHandCursor) \
    X(Label, 标签_颜色值_C, 392, 296, 48, 24, "C\\C++") \
    X(EditBox, 编辑框_颜色值_C, 440, 296, 72, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_颜色值_C, 520, 296, 32, 20, "复制", ui::core::kHandCursor) \
    X(Label, 标签_颜色值_Delphi, 392, 320, 48, 24, "Delphi") \
    X(EditBox, 编辑框_颜色值_Delphi, 440, 320, 72, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_颜色值_Delphi, 520, 320, 32, 20, "复制", ui::core::kHandCursor) \
    X(Button, 按钮_更多格式, 320, 224, 56, 20, "更多格式", ui::core::kHandCursor) \
    X(Button, 按钮_截图, 312, 344, 56, 24, "截图") \
    X(CheckBox, 选择框_截取鼠标, 376, 344, 76, 24, "截取鼠标") \
    X(CheckBox, 选择框_隐藏该窗口, 456, 344, 96, 24, "隐藏该窗口")

// The window of the further notations (positions in its client area): one
// row each for CSS rgb(), HSL and HSV, laid out as the page's notation rows
// with a wider box; below them the square the sampled colour is averaged
// over, the contrast of the chosen and the sampled colour, the button that
// writes E code waiting for the picked colour, and what it did.
#define TAVRIN_NOTATION_WINDOW_CONTROLS(X) \
    X(Label, 标签_颜色值_CSS, 8, 8, 40, 24, "CSS") \
    X(EditBox, 编辑框_颜色值_CSS, 48, 8, 136, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_颜色值_CSS, 192, 8, 32, 20, "复制", ui::core::kHandCursor) \
    X(Label, 标签_颜色值_HSL, 8, 32, 40, 24, "HSL") \
    X(EditBox, 编辑框_颜色值_HSL, 48, 32, 136, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_颜色值_HSL, 192, 32, 32, 20, "复制", ui::core::kHandCursor) \
    X(Label, 标签_颜色值_HSV, 8, 56, 40, 24, "HSV") \
    X(EditBox, 编辑框_颜色值_HSV, 48, 56, 136, 20, "", ui::core::kDisplayOnly) \
    X(Button, 按钮_颜色值_HSV, 192, 56, 32, 20, "复制", ui::core::kHandCursor) \
    X(Label, 标签_取色范围, 8, 84, 64, 24, "取色范围") \
    X(ComboBox, 组合框_取色范围, 72, 82, 152, 20, "1 × 1 像素\n3 × 3 像素的平均\n5 × 5 像素的平均", \
      ui::core::kHandCursor, 0) \
    X(Label, 标签_对比度, 8, 108, 216, 20, "") \
    X(Label, 标签_对比度_AA, 8, 128, 216, 20, "") \
    X(Label, 标签_对比度_AAA, 8, 148, 216, 20, "") \
    X(Button, 按钮_等待颜色代码, 8, 172, 216, 24, "生成等待颜色的易代码", ui::core::kHandCursor) \
    X(Label, 标签_等待颜色代码, 8, 198, 216, 36, "")

namespace colour::core {

namespace colour {
TAVRIN_COLOUR_CONTROLS(TAVRIN_DECLARE_CONTROL_NAME)
TAVRIN_NOTATION_WINDOW_CONTROLS(TAVRIN_DECLARE_CONTROL_NAME)
}  // namespace colour

const std::vector<ui::core::ControlLayout>& ColourPageLayout();

inline constexpr std::string_view kNotationWindowTitle = "更多格式";
// The client area of the notation window (96-DPI pixels).
inline constexpr int kNotationClientWidth = 232;
inline constexpr int kNotationClientHeight = 238;
const std::vector<ui::core::ControlLayout>& NotationWindowLayout();

// Where a window of the given outer size goes beside its owner: right of
// the owner's outer rectangle with its top at `top`, or left of it when the
// work area has no room on the right, or against the work area's right
// edge when it has room on neither side; moved up or down as far as it
// takes to lie within the work area (its top edge wins when the window is
// taller).
base::Rect PlaceBeside(const base::Rect& owner, int top, int width, int height, const base::Rect& workArea);

}  // namespace colour::core
