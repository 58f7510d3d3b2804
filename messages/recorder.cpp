#include "messages/recorder.h"

#include "messages/lookup_facts.h"
#include "win/core/window_text.h"
#include "win/window_query.h"

namespace messages {
namespace {

constexpr UINT kTypedTextDelayMs = 150;
constexpr int kShift = 0x10, kLeftShift = 0xA0, kRightShift = 0xA1, kCapsLock = 0x14;

// "“OK”（Button，控件ID 1）": the title where it names the control (not
// where it is what was typed), the class and the id.
std::string Describe(HWND window, const std::string& className) {
    const std::string title = win::core::KeepsItsOwnText(className) ? std::string()
                                                                     : win::GetWindowStoredTitle(win::FromHwnd(window));
    std::string text = title.empty() ? std::string() : "“" + title + "”";
    text += "（" + className;
    if (GetParent(window)) text += "，控件ID " + std::to_string(GetDlgCtrlID(window));
    return text + "）";
}

}  // namespace

Recorder::Recorder(ui::Form& form, win::InputHook& hook)
    : hook_(hook), typedText_(form, [this] { ReadTypedText(); }), grouper_([] {
          core::InputSettings s;
          s.dragWidth = GetSystemMetrics(SM_CXDRAG);
          s.dragHeight = GetSystemMetrics(SM_CYDRAG);
          s.doubleClickWidth = GetSystemMetrics(SM_CXDOUBLECLK);
          s.doubleClickHeight = GetSystemMetrics(SM_CYDOUBLECLK);
          s.doubleClickMs = GetDoubleClickTime();
          return s;
      }()) {}

Recorder::~Recorder() { Stop(); }

bool Recorder::Start(win::WindowHandle target, std::string& refusal) {
    if (Recording()) return true;
    DWORD pid = 0;
    if (!win::WindowExists(target) || !GetWindowThreadProcessId(win::ToHwnd(target), &pid)) {
        refusal = "先在“窗口分析”页用查找工具选中要录制的程序的一个窗口。";
        return false;
    }
    if (pid == GetCurrentProcessId()) {
        refusal = "选中的是本程序自己的窗口：请选中要录制的程序的窗口。";
        return false;
    }
    process_.Reset(OpenProcess(SYNCHRONIZE, FALSE, pid));
    processId_ = pid;
    shift_ = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    capsLock_ = (GetKeyState(VK_CAPITAL) & 1) != 0;
    tap_ = hook_.AddTap([this](const win::core::InputEvent& event) { OnInput(event); });
    if (tap_ == 0) {
        refusal = "全局鼠标键盘钩子装不上，无法录制。";
        process_.Reset();
        return false;
    }
    if (!started_) {
        grouper_.Start(GetTickCount());
        started_ = true;
    }
    return true;
}

void Recorder::Stop() {
    if (!Recording()) return;
    hook_.DeliverRecordedEvents();  // what was done before the stop counts
    hook_.RemoveTap(tap_);
    tap_ = 0;
    typedText_.Stop();
    ReadTypedText();
    process_.Reset();
    if (Changed) Changed();
}

void Recorder::Clear() {
    grouper_.Clear();
    controls_.clear();
    started_ = false;
    if (Recording()) {
        grouper_.Start(GetTickCount());
        started_ = true;
    }
    if (Changed) Changed();
}

int Recorder::ControlOf(HWND window) {
    DWORD pid = 0;
    if (!window || !GetWindowThreadProcessId(window, &pid) || pid != processId_) return -1;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].window == window) return static_cast<int>(i);
    }
    const std::string className = win::GetWindowClassName(win::FromHwnd(window));
    Control control{window, {}};
    control.replay.lookup = core::PlanLookup(LookupLevelsOf(win::FromHwnd(window)));
    control.replay.description = Describe(window, className);
    control.replay.editLike = win::core::TakesTypedText(className);
    control.replay.doubleClicks = (GetClassLongPtrW(window, GCL_STYLE) & CS_DBLCLKS) != 0;
    controls_.push_back(std::move(control));
    return static_cast<int>(controls_.size()) - 1;
}

void Recorder::OnInput(const win::core::InputEvent& event) {
    using namespace win::core;
    core::RecordedInput input;
    input.timeMs = event.time;
    switch (event.message) {
        case kHookLeftDown:
        case kHookRightDown:
        case kHookLeftUp:
        case kHookRightUp: {
            const bool down = event.message == kHookLeftDown || event.message == kHookRightDown;
            input.kind = down ? core::InputKind::ButtonDown : core::InputKind::ButtonUp;
            input.button = event.message == kHookLeftDown || event.message == kHookLeftUp ? core::Button::Left
                                                                                           : core::Button::Right;
            input.screen = {event.a, event.b};
            const HWND window = reinterpret_cast<HWND>(static_cast<LONG_PTR>(event.picked));
            // A release counts wherever it lands (its press says where the
            // step is); a press only on the target's program.
            input.control = ControlOf(window);
            if (down && input.control < 0) {
                TakeTypedTextBefore(input);
                grouper_.Add(input);  // ends what was pressed before, on nothing of ours to record
                return;
            }
            POINT origin = {0, 0};
            if (window) ClientToScreen(window, &origin);
            input.clientOrigin = {origin.x, origin.y};
            break;
        }
        case kHookKeyDown:
        case kHookKeyUp: {
            const int key = event.b;
            const bool down = event.message == kHookKeyDown;
            if (key == kShift || key == kLeftShift || key == kRightShift) shift_ = down;
            if (key == kCapsLock && down) capsLock_ = !capsLock_;
            input.kind = down ? core::InputKind::KeyDown : core::InputKind::KeyUp;
            input.virtualKey = key;
            input.typed = core::CharacterOfKey(key, shift_, capsLock_);
            input.control = ControlOf(reinterpret_cast<HWND>(static_cast<LONG_PTR>(event.picked)));
            if (input.control < 0) return;
            break;
        }
        default: return;
    }
    TakeTypedTextBefore(input);
    const std::size_t before = grouper_.Steps().size();
    grouper_.Add(input);
    if (grouper_.OpenTyping() && input.kind == core::InputKind::KeyDown) typedText_.Start(kTypedTextDelayMs);
    if (Changed && (grouper_.Steps().size() != before || input.kind != core::InputKind::KeyUp)) Changed();
}

void Recorder::TakeTypedTextBefore(const core::RecordedInput& input) {
    const auto open = grouper_.OpenTyping();
    if (!open) return;
    const bool key = input.kind == core::InputKind::KeyDown || input.kind == core::InputKind::KeyUp;
    const bool goesOn = key && input.control == grouper_.Steps()[*open].control && !core::IsStepKey(input.virtualKey);
    if (!goesOn) ReadTypedText();
}

void Recorder::ReadTypedText() {
    typedText_.Stop();
    const auto open = grouper_.OpenTyping();
    if (!open) return;
    const core::Step& step = grouper_.Steps()[*open];
    const Control& control = controls_[static_cast<std::size_t>(step.control)];
    if (!control.replay.editLike || !IsWindow(control.window)) return;
    const win::SafeTitle text = win::QueryWindowTitleSafe(win::FromHwnd(control.window));
    if (text.timedOut) return;
    grouper_.SetText(*open, text.text);
    if (Changed) Changed();
}

std::string Recorder::StepList() const {
    std::string list;
    for (const core::Step& step : grouper_.Steps()) {
        const std::string& control = controls_[static_cast<std::size_t>(step.control)].replay.description;
        list += core::DescribeStep(step, control) + "\r\n";
    }
    return list;
}

std::string Recorder::Code() const {
    std::vector<core::ReplayControl> replay;
    for (const Control& c : controls_) replay.push_back(c.replay);
    return core::ReplayCode(replay, grouper_.Steps());
}

}  // namespace messages
