#include "colour/core/colour_layout.h"

namespace core {
namespace {

using K = ControlKind;

constexpr ControlLayout kColour[] = {
    {"画板_捕获器2", K::DrawingBoard, 8, 32, 31, 31, ""},
    {"画板_画笔", K::DrawingBoard, 8, 60, 31, 16, ""},

    {"标签_窗口句柄1", K::Label, 48, 32, 64, 20, "窗口句柄:"},
    {"编辑框_窗口句柄1", K::EditBox, 112, 32, 56, 20, "", kDisplayOnly},
    {"标签_颜色值", K::Label, 176, 32, 72, 20, " 颜色值:"},
    {"编辑框_颜色值", K::EditBox, 248, 32, 56, 20, "", kDisplayOnly},
    {"标签_鼠标位置_X1", K::Label, 48, 64, 96, 20, "鼠标坐标: 横 X"},
    {"编辑框_鼠标位置_X1", K::EditBox, 144, 64, 56, 20, "", kDisplayOnly},
    {"标签_鼠标位置_Y1", K::Label, 208, 64, 40, 20, "纵 Y"},
    {"编辑框_鼠标位置_Y1", K::EditBox, 248, 64, 56, 20, "", kDisplayOnly},
    {"标签_窗口鼠标位置_X1", K::Label, 48, 88, 96, 20, "窗内坐标: 横 X"},
    {"编辑框_窗口鼠标位置_X1", K::EditBox, 144, 88, 56, 20, "", kDisplayOnly},
    {"标签_窗口鼠标位置_Y1", K::Label, 208, 88, 40, 20, "纵 Y"},
    {"编辑框_窗口鼠标位置_Y1", K::EditBox, 248, 88, 56, 20, "", kDisplayOnly},

    {"画板_放大镜", K::DrawingBoard, 48, 112, 257, 257, ""},
    {"标签_左键拖动图片", K::Label, 48, 370, 120, 18, "左键拖动图片"},
    {"标签_右键显示调色板", K::Label, 200, 370, 105, 18, "右键切换到调色板"},

    {"画板_颜色值", K::DrawingBoard, 320, 32, 56, 20, ""},
    {"标签_颜色值_R", K::Label, 396, 32, 12, 20, "R"},
    {"编辑框_颜色值_R", K::EditBox, 408, 32, 32, 20, "", kDisplayOnly},
    {"标签_颜色值_G", K::Label, 452, 32, 12, 20, "G"},
    {"编辑框_颜色值_G", K::EditBox, 464, 32, 32, 20, "", kDisplayOnly},
    {"标签_颜色值_B", K::Label, 508, 32, 12, 20, "B"},
    {"编辑框_颜色值_B", K::EditBox, 520, 32, 32, 20, "", kDisplayOnly},
    {"画板_颜色值1", K::DrawingBoard, 320, 64, 56, 20, ""},
    {"画板_色阶刻度", K::DrawingBoard, 475, 60, 11, 4, ""},
    {"画板_色阶", K::DrawingBoard, 408, 64, 144, 20, ""},
    {"编辑框_颜色值1", K::EditBox, 320, 88, 56, 20, ""},
    {"标签_颜色值_R1", K::Label, 396, 88, 12, 20, "R"},
    {"编辑框_颜色值_R1", K::EditBox, 408, 88, 32, 20, ""},
    {"标签_颜色值_G1", K::Label, 452, 88, 12, 20, "G"},
    {"编辑框_颜色值_G1", K::EditBox, 464, 88, 32, 20, ""},
    {"标签_颜色值_B1", K::Label, 508, 88, 12, 20, "B"},
    {"编辑框_颜色值_B1", K::EditBox, 520, 88, 32, 20, ""},
    {"画板_调色板", K::DrawingBoard, 392, 120, 160, 84, ""},

    {"标签_颜色值_16进制", K::Label, 392, 224, 48, 24, "16进制"},
    {"编辑框_颜色值_16进制", K::EditBox, 440, 224, 72, 20, "", kDisplayOnly},
    {"按钮_颜色值_16进制", K::Button, 520, 224, 32, 20, "复制"},
    {"标签_颜色值_HTML", K::Label, 392, 248, 48, 24, "HTML"},
    {"编辑框_颜色值_HTML", K::EditBox, 440, 248, 72, 20, "", kDisplayOnly},
    {"按钮_颜色值_HTML", K::Button, 520, 248, 32, 20, "复制"},
    {"标签_颜色值_VB", K::Label, 392, 272, 48, 24, "VB"},
    {"编辑框_颜色值_VB", K::EditBox, 440, 272, 72, 20, "", kDisplayOnly},
    {"按钮_颜色值_VB", K::Button, 520, 272, 32, 20, "复制"},
    {"标签_颜色值_C", K::Label, 392, 296, 48, 24, "C\\C++"},
    {"编辑框_颜色值_C", K::EditBox, 440, 296, 72, 20, "", kDisplayOnly},
    {"按钮_颜色值_C", K::Button, 520, 296, 32, 20, "复制"},
    {"标签_颜色值_Delphi", K::Label, 392, 320, 48, 24, "Delphi"},
    {"编辑框_颜色值_Delphi", K::EditBox, 440, 320, 72, 20, "", kDisplayOnly},
    {"按钮_颜色值_Delphi", K::Button, 520, 320, 32, 20, "复制"},

    {"按钮_截图", K::Button, 312, 344, 56, 24, "截图"},
    {"选择框_截取鼠标", K::CheckBox, 376, 344, 76, 24, "截取鼠标"},
    {"选择框_隐藏该窗口", K::CheckBox, 456, 344, 96, 24, "隐藏该窗口"},
};

}  // namespace

const std::vector<ControlLayout>& ColourPageLayout() {
    static const std::vector<ControlLayout> table(std::begin(kColour), std::end(kColour));
    return table;
}

}  // namespace core
