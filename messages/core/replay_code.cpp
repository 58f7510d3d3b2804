#include "messages/core/replay_code.h"

#include <algorithm>
#include <map>

#include "win/core/key_names.h"
#include "win/core/mouse_plan.h"

namespace messages::core {
namespace {

constexpr int kMouseMove = 0x0200, kLeftDown = 0x0201, kLeftUp = 0x0202, kLeftDouble = 0x0203;
constexpr int kRightDown = 0x0204, kRightUp = 0x0205, kRightDouble = 0x0206;
constexpr int kKeyDown = 0x0100, kKeyUp = 0x0101, kChar = 0x0102, kSetText = 0x000C;
constexpr int kLeftButtonFlag = 1, kRightButtonFlag = 2;  // MK_LBUTTON, MK_RBUTTON
// A key release's second parameter: repeat count 1, previous state and
// transition bits set.
constexpr std::int32_t kKeyUpFlags = static_cast<std::int32_t>(0xC0000001u);

constexpr const char* kPost = "_投递消息";
constexpr const char* kSendText = "_发送文本消息";

std::string Packed(base::Point p) {
    return std::to_string(static_cast<std::int32_t>(win::core::PackPoint(p.x, p.y)));
}

std::string PointText(base::Point p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

std::string Post(int message, std::int64_t wParam, const std::string& lParam, const std::string& what) {
    return std::string(kPost) + " (窗口, " + std::to_string(message) + ", " + std::to_string(wParam) + ", " + lParam +
           ")  ' " + what + "\r\n";
}

// A key pressed and released. Its character is not posted: the program's
// message loop makes it from the WM_KEYDOWN (TranslateMessage), and a
// WM_CHAR posted as well would be typed twice.
std::string PressKey(int key, const std::string& name) {
    return Post(kKeyDown, key, "1", "WM_KEYDOWN：按下 " + name) +
           Post(kKeyUp, key, std::to_string(kKeyUpFlags), "WM_KEYUP：松开 " + name);
}

// A character typed: WM_CHAR alone, with the case it was typed in (a
// WM_KEYDOWN would be translated again with the keyboard as it is when the
// program gets it, typing a second character, in the wrong case).
std::string TypeCharacter(unsigned char c, const std::string& name) {
    return Post(kChar, c, "1", "WM_CHAR：输入 " + name + "（字符码 " + std::to_string(c) + "）");
}

std::string StepLines(const Step& step, const ReplayControl& control) {
    const bool left = step.button == Button::Left;
    const int down = left ? kLeftDown : kRightDown, up = left ? kLeftUp : kRightUp;
    const int flag = left ? kLeftButtonFlag : kRightButtonFlag;
    const std::string button = left ? "左键" : "右键";
    const std::string at = Packed(step.at);
    std::string code;
    switch (step.kind) {
        case StepKind::Click:
            code += Post(down, flag, at, button + "按下，客户区坐标 " + PointText(step.at));
            code += Post(up, 0, at, button + "松开");
            break;
        case StepKind::DoubleClick:
            code += Post(down, flag, at, button + "按下，客户区坐标 " + PointText(step.at));
            code += Post(up, 0, at, button + "松开");
            if (control.doubleClicks) {
                code += Post(left ? kLeftDouble : kRightDouble, flag, at, button + "双击（这个控件的窗口类接收双击）");
            } else {
                code += Post(down, flag, at, button + "第二次按下（这个控件的窗口类不接收双击消息）");
            }
            code += Post(up, 0, at, button + "松开");
            break;
        case StepKind::Drag:
            code += Post(down, flag, at, button + "按下，客户区坐标 " + PointText(step.at));
            code += Post(kMouseMove, flag, Packed(step.to), "按着" + button + "移到 " + PointText(step.to));
            code += Post(up, 0, Packed(step.to), button + "在那里松开");
            break;
        case StepKind::Typing:
            if (control.editLike && step.text) {
                code += std::string(kSendText) + " (窗口, " + std::to_string(kSetText) + ", 0, " + ETextConstant(*step.text) +
                        ")  ' WM_SETTEXT：把内容设成录制时输入后的样子\r\n";
                break;
            }
            for (const char typed : step.typed) {
                const auto c = static_cast<unsigned char>(typed);
                const std::string name = c == '\b' ? "退格" : "“" + ECommentText(std::string(1, typed)) + "”";
                code += TypeCharacter(c, name);
            }
            break;
        case StepKind::Key: code += PressKey(step.key, win::core::KeyName(step.key)); break;
    }
    return code;
}

}  // namespace

std::string ReplayCode(const std::vector<ReplayControl>& controls, const std::vector<Step>& steps) {
    if (steps.empty()) return {};
    // The controls the steps use, numbered in the order of first use.
    std::map<int, int> number;
    std::vector<int> used;
    for (const Step& step : steps) {
        if (step.control < 0 || step.control >= static_cast<int>(controls.size())) return {};
        if (controls[static_cast<std::size_t>(step.control)].lookup.empty()) return {};
        if (number.emplace(step.control, static_cast<int>(used.size()) + 1).second) used.push_back(step.control);
    }
    std::vector<LookupStep> allLookups;
    bool posts = false, setsText = false;
    for (int c : used) {
        const auto& lookup = controls[static_cast<std::size_t>(c)].lookup;
        allLookups.insert(allLookups.end(), lookup.begin(), lookup.end());
    }
    for (const Step& step : steps) {
        const bool setText = step.kind == StepKind::Typing &&
                             controls[static_cast<std::size_t>(step.control)].editLike && step.text;
        setsText |= setText;
        posts |= !setText;
    }

    std::string code(kECodeHeader);
    code += LookupDeclarations(allLookups);
    if (posts) {
        code += ".DLL命令 " + std::string(kPost) + ", 整数型, \"user32\", \"PostMessageA\", , "
                "把消息放进控件的消息队列，不等它处理；返回 0 表示投递失败\r\n"
                "    .参数 窗口句柄, 整数型\r\n"
                "    .参数 消息值, 整数型\r\n"
                "    .参数 参数一, 整数型\r\n"
                "    .参数 参数二, 整数型\r\n";
    }
    if (setsText) {
        code += ".DLL命令 " + std::string(kSendText) + ", 整数型, \"user32\", \"SendMessageA\", , "
                "发送带文本参数的消息，等控件处理完才返回\r\n"
                "    .参数 窗口句柄, 整数型\r\n"
                "    .参数 消息值, 整数型\r\n"
                "    .参数 参数一, 整数型\r\n"
                "    .参数 参数二, 文本型, , 传的是文本的地址\r\n";
    }
    for (int c : used) {
        const ReplayControl& control = controls[static_cast<std::size_t>(c)];
        code += "\r\n" + LookupSubroutine(control.lookup, "取控件句柄_" + std::to_string(number[c]),
                                          "找回" + control.description + "，找不到时返回 0");
    }

    code += "\r\n.子程序 回放操作, , , 在后台照录制的样子再做一遍：不动鼠标，每一步都是发给控件的消息\r\n"
            ".局部变量 窗口, 整数型\r\n";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const Step& step = steps[i];
        const ReplayControl& control = controls[static_cast<std::size_t>(step.control)];
        const std::string n = std::to_string(i + 1);
        code += "\r\n' 第 " + n + " 步：" + ECommentText(DescribeStep(step, control.description)) + "\r\n";
        if (i > 0) {
            const std::uint32_t pause = std::clamp(step.pauseBeforeMs, kShortestReplayPauseMs, kLongestReplayPauseMs);
            code += "延时 (" + std::to_string(pause) + ")  ' 录制时两步之间停了 " + std::to_string(step.pauseBeforeMs) +
                    " 毫秒（回放时在 " + std::to_string(kShortestReplayPauseMs) + " 到 " +
                    std::to_string(kLongestReplayPauseMs) + " 毫秒之间）\r\n";
        }
        code += "窗口 = 取控件句柄_" + std::to_string(number[step.control]) + " ()\r\n"
                ".如果真 (窗口 = 0)\r\n"
                "    信息框 (" + ETextConstant("第 " + n + " 步找不到" + control.description + "，回放停止") +
                ", 0, )\r\n"
                "    返回 ()\r\n"
                ".如果真结束\r\n";
        code += StepLines(step, control);
    }
    return code;
}

}  // namespace messages::core
