#include "messages/core/recording.h"

#include <cstdio>
#include <cstdlib>

#include "win/core/key_names.h"

namespace messages::core {
namespace {

constexpr int kBackspace = 0x08, kTab = 0x09, kEnter = 0x0D, kEscape = 0x1B, kSpace = 0x20;
constexpr int kLeft = 0x25, kDown = 0x28;  // the arrows lie between them

base::Point Minus(base::Point a, base::Point b) { return {a.x - b.x, a.y - b.y}; }

// Whether b lies in the rectangle width x height centred on a.
bool Within(base::Point a, base::Point b, int width, int height) {
    return std::abs(b.x - a.x) <= width / 2 && std::abs(b.y - a.y) <= height / 2;
}

std::string PointText(base::Point p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

// What was typed, as a list shows it: Backspace as ⌫.
std::string Shown(const std::string& typed) {
    std::string shown;
    for (char c : typed) shown += c == '\b' ? std::string("⌫") : std::string(1, c);
    return shown;
}

}  // namespace

bool IsStepKey(int key) {
    return key == kEnter || key == kTab || key == kEscape || (key >= kLeft && key <= kDown);
}

char CharacterOfKey(int key, bool shift, bool capsLock) {
    if (key >= 'A' && key <= 'Z') return static_cast<char>(shift != capsLock ? key : key - 'A' + 'a');
    if (key >= '0' && key <= '9') return shift ? ")!@#$%^&*("[key - '0'] : static_cast<char>(key);
    if (key >= 0x60 && key <= 0x69) return static_cast<char>('0' + key - 0x60);  // the number pad
    switch (key) {
        case kSpace: return ' ';
        case kBackspace: return '\b';
        case 0x6A: return '*';
        case 0x6B: return '+';
        case 0x6D: return '-';
        case 0x6E: return '.';
        case 0x6F: return '/';
        case 0xBA: return shift ? ':' : ';';
        case 0xBB: return shift ? '+' : '=';
        case 0xBC: return shift ? '<' : ',';
        case 0xBD: return shift ? '_' : '-';
        case 0xBE: return shift ? '>' : '.';
        case 0xBF: return shift ? '?' : '/';
        case 0xC0: return shift ? '~' : '`';
        case 0xDB: return shift ? '{' : '[';
        case 0xDC: return shift ? '|' : '\\';
        case 0xDD: return shift ? '}' : ']';
        case 0xDE: return shift ? '"' : '\'';
        default: return 0;
    }
}

void StepGrouper::Start(std::uint32_t timeMs) {
    Clear();
    start_ = timeMs;
}

void StepGrouper::Clear() {
    steps_.clear();
    pressed_.reset();
    typingOpen_ = false;
}

void StepGrouper::Push(Step step) {
    step.pauseBeforeMs = steps_.empty() || step.startMs < steps_.back().endMs ? 0 : step.startMs - steps_.back().endMs;
    steps_.push_back(std::move(step));
}

std::optional<std::size_t> StepGrouper::OpenTyping() const {
    if (!typingOpen_ || steps_.empty()) return std::nullopt;
    return steps_.size() - 1;
}

void StepGrouper::SetText(std::size_t step, std::string text) {
    if (step < steps_.size() && steps_[step].kind == StepKind::Typing) steps_[step].text = std::move(text);
}

void StepGrouper::Add(const RecordedInput& input) {
    switch (input.kind) {
        case InputKind::ButtonDown:
            typingOpen_ = false;
            pressed_ = input;
            return;
        case InputKind::ButtonUp: {
            // A release whose press did not land on the program (or came
            // before the recording) is nobody's.
            if (!pressed_ || pressed_->button != input.button) return;
            const RecordedInput down = *pressed_;
            pressed_.reset();
            if (down.control < 0) return;
            Step step;
            step.button = down.button;
            step.control = down.control;
            step.at = Minus(down.screen, down.clientOrigin);
            step.startMs = Since(down.timeMs);
            step.endMs = Since(input.timeMs);
            if (!Within(down.screen, input.screen, settings_.dragWidth, settings_.dragHeight)) {
                step.kind = StepKind::Drag;
                step.to = Minus(input.screen, down.clientOrigin);
                Push(std::move(step));
                return;
            }
            // The second click of a double click: the same button on the
            // same control, soon enough and near enough to the first.
            if (!steps_.empty()) {
                Step& last = steps_.back();
                const bool near = Within(lastClickScreen_, down.screen, settings_.doubleClickWidth,
                                         settings_.doubleClickHeight);
                if (last.kind == StepKind::Click && last.button == down.button && last.control == down.control &&
                    near && down.timeMs - lastClickDownMs_ <= settings_.doubleClickMs) {
                    last.kind = StepKind::DoubleClick;
                    last.endMs = step.endMs;
                    return;
                }
            }
            lastClickScreen_ = down.screen;
            lastClickDownMs_ = down.timeMs;
            step.kind = StepKind::Click;
            Push(std::move(step));
            return;
        }
        case InputKind::KeyDown: {
            if (input.control < 0) return;
            if (IsStepKey(input.virtualKey)) {
                typingOpen_ = false;
                Step step;
                step.kind = StepKind::Key;
                step.control = input.control;
                step.key = input.virtualKey;
                step.startMs = step.endMs = Since(input.timeMs);
                Push(std::move(step));
                return;
            }
            if (input.typed == 0) return;  // Shift, Ctrl and the like
            if (typingOpen_ && steps_.back().control == input.control) {
                Step& typing = steps_.back();
                typing.typed += input.typed;
                typing.keys.push_back(input.virtualKey);
                typing.endMs = Since(input.timeMs);
                return;
            }
            Step step;
            step.kind = StepKind::Typing;
            step.control = input.control;
            step.typed = std::string(1, input.typed);
            step.keys = {input.virtualKey};
            step.startMs = step.endMs = Since(input.timeMs);
            Push(std::move(step));
            typingOpen_ = true;
            return;
        }
        case InputKind::KeyUp: return;
    }
}

std::string DescribeStep(const Step& step, const std::string& control) {
    char time[32];
    std::snprintf(time, sizeof time, "%6.2f 秒  ", static_cast<double>(step.startMs) / 1000.0);
    const std::string button = step.button == Button::Left ? "左键" : "右键";
    std::string what;
    switch (step.kind) {
        case StepKind::Click: what = button + "单击 " + PointText(step.at); break;
        case StepKind::DoubleClick: what = button + "双击 " + PointText(step.at); break;
        case StepKind::Drag: what = button + "拖动 " + PointText(step.at) + " → " + PointText(step.to); break;
        case StepKind::Typing:
            what = "输入“" + Shown(step.typed) + "”";
            if (step.text) what += "，内容成为“" + *step.text + "”";
            break;
        case StepKind::Key: what = "按 " + win::core::KeyName(step.key); break;
    }
    return time + what + "  " + control;
}

}  // namespace messages::core
