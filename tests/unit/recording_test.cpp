// Recorded input grouped into steps, and the E code that replays them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messages/core/recording.h"
#include "messages/core/replay_code.h"
#include "messages/core/wait_colour_code.h"
#include "win/core/window_text.h"

namespace {

using namespace messages::core;

// Events as data: a press or a release at a screen point on a control whose
// client area starts at (100, 200), or a key.
RecordedInput Press(std::uint32_t t, int x, int y, int control = 0, Button b = Button::Left) {
    RecordedInput e;
    e.kind = InputKind::ButtonDown;
    e.button = b;
    e.timeMs = t;
    e.control = control;
    e.screen = {x, y};
    e.clientOrigin = {100, 200};
    return e;
}
RecordedInput Release(std::uint32_t t, int x, int y, int control = 0, Button b = Button::Left) {
    RecordedInput e = Press(t, x, y, control, b);
    e.kind = InputKind::ButtonUp;
    return e;
}
RecordedInput Key(std::uint32_t t, int vk, char typed, int control) {
    RecordedInput e;
    e.kind = InputKind::KeyDown;
    e.timeMs = t;
    e.control = control;
    e.virtualKey = vk;
    e.typed = typed;
    return e;
}

std::vector<Step> Group(const std::vector<RecordedInput>& events) {
    InputSettings settings;  // drag 4 x 4, double click 4 x 4 within 500 ms
    StepGrouper grouper(settings);
    grouper.Start(1000);
    for (const RecordedInput& e : events) grouper.Add(e);
    return grouper.Steps();
}

TEST(Recording, ClicksDoubleClicksAndDragsByTheSystemsDistancesAndTime) {
    const struct {
        const char* what;
        std::vector<RecordedInput> events;
        std::vector<StepKind> kinds;
    } cases[] = {
        {"press and release in place", {Press(1100, 110, 210), Release(1150, 110, 210)}, {StepKind::Click}},
        {"moved 2 px: still a click", {Press(1100, 110, 210), Release(1150, 112, 208)}, {StepKind::Click}},
        {"moved 3 px: a drag", {Press(1100, 110, 210), Release(1150, 113, 210)}, {StepKind::Drag}},
        {"two clicks within 500 ms: a double click",
         {Press(1100, 110, 210), Release(1150, 110, 210), Press(1500, 111, 211), Release(1550, 111, 211)},
         {StepKind::DoubleClick}},
        {"600 ms apart: two clicks",
         {Press(1100, 110, 210), Release(1150, 110, 210), Press(1700, 110, 210), Release(1750, 110, 210)},
         {StepKind::Click, StepKind::Click}},
        {"second click 3 px away: two clicks",
         {Press(1100, 110, 210), Release(1150, 110, 210), Press(1300, 113, 210), Release(1350, 113, 210)},
         {StepKind::Click, StepKind::Click}},
        {"on another control: two clicks",
         {Press(1100, 110, 210), Release(1150, 110, 210), Press(1300, 110, 210, 1), Release(1350, 110, 210, 1)},
         {StepKind::Click, StepKind::Click}},
        {"left then right: two clicks",
         {Press(1100, 110, 210), Release(1150, 110, 210), Press(1300, 110, 210, 0, Button::Right),
          Release(1350, 110, 210, 0, Button::Right)},
         {StepKind::Click, StepKind::Click}},
        {"three quick clicks: a double click, then a click",
         {Press(1100, 110, 210), Release(1150, 110, 210), Press(1200, 110, 210), Release(1250, 110, 210),
          Press(1300, 110, 210), Release(1350, 110, 210)},
         {StepKind::DoubleClick, StepKind::Click}},
        {"a release without its press (pressed before the recording): nothing", {Release(1150, 110, 210)}, {}},
        {"a press on no control of the program: nothing", {Press(1100, 110, 210, -1), Release(1150, 110, 210)}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<StepKind> kinds;
        for (const Step& s : Group(c.events)) kinds.push_back(s.kind);
        EXPECT_EQ(kinds, c.kinds);
    }
    // Points are the press's, in the pressed control's client area; a
    // drag's end too, wherever the release landed.
    const std::vector<Step> drag = Group({Press(1100, 110, 210), Release(1300, 160, 195, 3)});
    ASSERT_EQ(drag.size(), 1u);
    EXPECT_EQ(drag[0].at.x, 10);
    EXPECT_EQ(drag[0].at.y, 10);
    EXPECT_EQ(drag[0].to.x, 60);
    EXPECT_EQ(drag[0].to.y, -5);
    EXPECT_EQ(drag[0].control, 0);
    EXPECT_EQ(drag[0].startMs, 100u);
    EXPECT_EQ(drag[0].endMs, 300u);
}

TEST(Recording, TypingIsOneStepPerControlAndKeysAndPausesAreTheirOwn) {
    const std::vector<Step> steps = Group({
        Key(1100, 'A', 'a', 2), Key(1150, 'B', 'b', 2), Key(1180, 0x10, 0, 2),  // Shift types nothing
        Key(1200, 0x08, '\b', 2), Key(1300, 'C', 'C', 2),
        Key(1500, 0x0D, 0, 2),                     // Enter: a step of its own, and the typing ends
        Key(1600, 'D', 'd', 2),                    // typing again: a new step
        Key(1700, 'E', 'e', 4),                    // another control: a new step
        Press(2000, 110, 210), Release(2050, 110, 210),
        Key(2400, 'F', 'f', 4),                    // after a click: a new step
    });
    ASSERT_EQ(steps.size(), 6u);
    EXPECT_EQ(steps[0].kind, StepKind::Typing);
    EXPECT_EQ(steps[0].typed, "ab\bC");
    EXPECT_EQ(steps[0].keys, (std::vector<int>{'A', 'B', 0x08, 'C'}));
    EXPECT_EQ(steps[1].kind, StepKind::Key);
    EXPECT_EQ(steps[1].key, 0x0D);
    EXPECT_EQ(steps[1].pauseBeforeMs, 200u);  // the typing ended at 300 ms, Enter came at 500
    EXPECT_EQ(steps[2].typed, "d");
    EXPECT_EQ(steps[3].typed, "e");
    EXPECT_EQ(steps[3].control, 4);
    EXPECT_EQ(steps[4].kind, StepKind::Click);
    EXPECT_EQ(steps[4].pauseBeforeMs, 300u);
    EXPECT_EQ(steps[5].typed, "f");
    EXPECT_EQ(steps[0].startMs, 100u);
    EXPECT_EQ(steps[5].startMs, 1400u);
}

TEST(Recording, KeysTypeTheirCharactersOnAUsKeyboard) {
    EXPECT_EQ(CharacterOfKey('A', false, false), 'a');
    EXPECT_EQ(CharacterOfKey('A', true, false), 'A');
    EXPECT_EQ(CharacterOfKey('A', true, true), 'a');
    EXPECT_EQ(CharacterOfKey('1', true, false), '!');
    EXPECT_EQ(CharacterOfKey('0', true, false), ')');
    EXPECT_EQ(CharacterOfKey(0x62, false, false), '2');  // the number pad
    EXPECT_EQ(CharacterOfKey(0xBD, true, false), '_');
    EXPECT_EQ(CharacterOfKey(0xDE, true, false), '"');
    EXPECT_EQ(CharacterOfKey(0x10, false, false), 0);  // Shift
    EXPECT_TRUE(IsStepKey(0x0D) && IsStepKey(0x09) && IsStepKey(0x1B) && IsStepKey(0x28));
    EXPECT_FALSE(IsStepKey('A') || IsStepKey(0x2E));
}

ReplayControl Control(const std::string& className, int id, bool editLike = false, bool doubleClicks = false) {
    ReplayControl c;
    LookupStep top;
    top.way = LookupWay::ClassAndTitle;
    top.className = "TavrinFixtureForm";
    top.title = "Fixture Form";
    LookupStep self;
    self.way = LookupWay::ControlId;
    self.className = className;
    self.id = id;
    c.lookup = {top, self};
    c.description = className + "（控件ID " + std::to_string(id) + "）";
    c.editLike = editLike;
    c.doubleClicks = doubleClicks;
    return c;
}

bool Has(const std::string& code, const std::string& line) { return code.find(line) != std::string::npos; }

TEST(ReplayCode, EachStepFindsItsControlAndPostsWhatTheUserDid) {
    std::vector<ReplayControl> controls = {Control("Button", 701, false, true), Control("Edit", 703, true),
                                           Control("Static", 706)};
    std::vector<Step> steps(5);
    steps[0].kind = StepKind::Click;
    steps[0].control = 0;
    steps[0].at = {10, -2};
    steps[1].kind = StepKind::DoubleClick;
    steps[1].control = 0;
    steps[1].at = {3, 4};
    steps[1].pauseBeforeMs = 10;  // kept at 50
    steps[2].kind = StepKind::Typing;
    steps[2].control = 1;
    steps[2].typed = "ab";
    steps[2].keys = {'A', 'B'};
    steps[2].text = "say \"hi\"\r\nnext line";
    steps[2].pauseBeforeMs = 9000;  // kept at 2000
    steps[3].kind = StepKind::Typing;
    steps[3].control = 2;  // not edit-like: keys
    steps[3].typed = "x";
    steps[3].keys = {'X'};
    steps[4].kind = StepKind::Key;
    steps[4].control = 1;
    steps[4].key = 0x0D;
    const std::string code = ReplayCode(controls, steps);

    // One lookup per control used, numbered by first use.
    EXPECT_TRUE(Has(code, ".子程序 取控件句柄_1, 整数型, , 找回Button（控件ID 701），找不到时返回 0\r\n"));
    EXPECT_TRUE(Has(code, ".子程序 取控件句柄_2, 整数型"));
    EXPECT_TRUE(Has(code, ".子程序 取控件句柄_3, 整数型"));
    EXPECT_FALSE(Has(code, "取控件句柄_4"));
    EXPECT_TRUE(Has(code, "窗口 = _窗口控件ID取句柄 (父窗口, 701)"));
    // The click: down and up at (10, -2), packed as MAKELPARAM packs it.
    EXPECT_TRUE(Has(code, "_投递消息 (窗口, 513, 1, " + std::to_string(static_cast<std::int32_t>(0xFFFE000Au)) + ")"));
    EXPECT_TRUE(Has(code, "_投递消息 (窗口, 514, 0, " + std::to_string(static_cast<std::int32_t>(0xFFFE000Au)) + ")"));
    // The double click on a class that takes double clicks.
    EXPECT_TRUE(Has(code, "_投递消息 (窗口, 515, 1, 262147)"));
    // Pauses kept within 50 ms and 2 s.
    EXPECT_TRUE(Has(code, "延时 (50)"));
    EXPECT_TRUE(Has(code, "延时 (2000)"));
    // Typing into an edit: WM_SETTEXT of its text, the quotes and the line
    // break inside the constant, never ending it.
    EXPECT_TRUE(Has(code, "_发送文本消息 (窗口, 12, 0, \"say \" + #引号 + \"hi\" + #引号 + #换行符 + \"next line\")"));
    // Typing elsewhere: the characters posted, and nothing else: the
    // program's message loop turns a posted WM_KEYDOWN into a character of
    // its own (TranslateMessage), which would type each one twice.
    EXPECT_TRUE(Has(code, "_投递消息 (窗口, 258, 120, 1)"));
    EXPECT_FALSE(Has(code, "_投递消息 (窗口, 256, 88, 1)"));
    EXPECT_FALSE(Has(code, "_投递消息 (窗口, 257, 88, "));
    // Enter: its key pressed and released; its character comes from the
    // program's own translation.
    EXPECT_TRUE(Has(code, "_投递消息 (窗口, 256, 13, 1)"));
    EXPECT_TRUE(Has(code, "_投递消息 (窗口, 257, 13, -1073741823)"));
    EXPECT_FALSE(Has(code, "_投递消息 (窗口, 258, 13, 1)"));
    // A control not found ends the replay, naming the step.
    EXPECT_TRUE(Has(code, "信息框 (\"第 3 步找不到Edit（控件ID 703），回放停止\", 0, )"));
    // Only what is called is declared.
    EXPECT_TRUE(Has(code, ".DLL命令 _投递消息, 整数型, \"user32\", \"PostMessageA\""));
    EXPECT_TRUE(Has(code, ".DLL命令 _发送文本消息, 整数型, \"user32\", \"SendMessageA\""));
    EXPECT_FALSE(Has(code, "_按类名查找子窗口"));
    // No comment line can be broken by the texts.
    for (std::size_t at = code.find("' "); at != std::string::npos; at = code.find("' ", at + 1)) {
        const std::size_t end = code.find("\r\n", at);
        EXPECT_EQ(code.substr(at, end - at).find('\n'), std::string::npos);
    }

    // A double click where the class takes none: a second press instead.
    controls[0].doubleClicks = false;
    const std::string plain = ReplayCode(controls, steps);
    EXPECT_FALSE(Has(plain, "_投递消息 (窗口, 515,"));
    EXPECT_TRUE(Has(plain, "第二次按下"));
    // Only posts: no text command declared; nothing for no steps or a
    // control that cannot be found again.
    EXPECT_FALSE(Has(ReplayCode(controls, {steps[0]}), "_发送文本消息"));
    EXPECT_EQ(ReplayCode(controls, {}), "");
    controls[2].lookup.clear();
    EXPECT_EQ(ReplayCode(controls, steps), "");
}

}  // namespace

namespace {

// Typing replays as WM_SETTEXT only where the typed text is the content.
TEST(Recording, TypedTextIsTheContentOfEditsAndTheirKinOnly) {
    for (const char* takes : {"Edit", "RichEdit20W", "RICHEDIT50W", "TEdit", "TMemo", "ThunderTextBox",
                              "WindowsForms10.EDIT.app.0.141b42a_r9_ad1", "Scintilla"}) {
        EXPECT_TRUE(win::core::TakesTypedText(takes)) << takes;
    }
    for (const char* not_ : {"ComboBox", "ComboBoxEx32", "Button", "SysDateTimePick32", "SysListView32", "Static"}) {
        EXPECT_FALSE(win::core::TakesTypedText(not_)) << not_;
    }
}

}  // namespace

namespace {

TEST(WaitColourCode, ReadsThePickedPointThroughTheWindowsOwnDeviceContextWithinTheTolerance) {
    LookupStep top;
    top.way = LookupWay::ClassAndTitle;
    top.className = "TavrinFixtureSquare";
    top.title = "Fixture \"Square\"";
    const std::string code = WaitColourCode({top}, {12, -3}, base::Rgb(30, 180, 60));
    EXPECT_TRUE(Has(code, ".子程序 等待颜色, 逻辑型"));
    EXPECT_TRUE(Has(code, ".参数 超时毫秒, 整数型"));
    EXPECT_TRUE(Has(code, ".参数 容差, 整数型"));
    EXPECT_TRUE(Has(code, "颜色 = _取点颜色 (场景, 12, -3)"));
    EXPECT_TRUE(Has(code, "位与 (颜色, 255) － 30) ≤ 容差"));
    EXPECT_TRUE(Has(code, "位与 (右移 (颜色, 8), 255) － 180) ≤ 容差"));
    EXPECT_TRUE(Has(code, "位与 (右移 (颜色, 16), 255) － 60) ≤ 容差"));
    EXPECT_TRUE(Has(code, "延时 (50)"));
    EXPECT_TRUE(Has(code, "\"user32\", \"GetDC\""));
    EXPECT_TRUE(Has(code, "\"user32\", \"ReleaseDC\""));
    EXPECT_TRUE(Has(code, "\"gdi32\", \"GetPixel\""));
    EXPECT_TRUE(Has(code, "_查找子窗口 (0, 0, \"TavrinFixtureSquare\", \"Fixture \" + #引号 + \"Square\" + #引号)"));
    EXPECT_EQ(WaitColourCode({}, {0, 0}, 0), "");
}

}  // namespace
