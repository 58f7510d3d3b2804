// Recorded input turned into steps: what the user did in another program,
// as "录制操作…" lists it and writes it again as E code.
//
// The recorder feeds the input events that landed on the target's program,
// in the order of the input, each with the control it landed on (as the
// finder takes it). They become steps:
//   - a press and a release of one button that stay within the system's
//     drag distance: a click on the control of the press, at the press's
//     point in that control's client area; two such clicks of one button
//     on one control within the system's double-click time and distance: a
//     double click; a press and a release further apart: a drag, from the
//     press to the release (both in the pressed control's client area);
//   - keys that type characters (and Backspace) into one control, one after
//     another: one typing step for that control, with what they typed; the
//     recorder adds the text the control holds when the typing ends, for
//     controls that keep their own text (edits and their kin);
//   - Enter, Tab, Esc and the arrow keys: a key step each;
//   - other keys (Shift, Ctrl ...) and key releases: nothing of their own.
// Each step knows the time from the start of the recording and the pause
// since the step before it ended.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/geometry.h"

namespace messages::core {

enum class InputKind { ButtonDown, ButtonUp, KeyDown, KeyUp };
enum class Button { Left, Right };

// One input event on the target's program.
struct RecordedInput {
    InputKind kind = InputKind::ButtonDown;
    Button button = Button::Left;
    std::uint32_t timeMs = 0;  // of the input clock
    int control = -1;          // the recorder's number of the control it landed on
    base::Point screen;        // the cursor (buttons)
    base::Point clientOrigin;  // the control's client area's top-left corner on the screen then
    int virtualKey = 0;        // keys
    char typed = 0;            // the character the key types, 0 for none
};

// The system's settings the grouping follows (GetSystemMetrics,
// GetDoubleClickTime).
struct InputSettings {
    int dragWidth = 4, dragHeight = 4;                // SM_CXDRAG, SM_CYDRAG
    int doubleClickWidth = 4, doubleClickHeight = 4;  // SM_CXDOUBLECLK, SM_CYDOUBLECLK
    std::uint32_t doubleClickMs = 500;
};

enum class StepKind { Click, DoubleClick, Drag, Typing, Key };

struct Step {
    StepKind kind = StepKind::Click;
    Button button = Button::Left;
    int control = -1;
    base::Point at;                  // clicks and drags: in the control's client area
    base::Point to;                  // drags: where the button was released
    std::string typed;               // typing: the characters, in order ('\b' for Backspace)
    std::vector<int> keys;           // typing: the virtual keys that typed them
    int key = 0;                     // key steps: the virtual key
    std::optional<std::string> text;  // typing into an edit-like control: its text afterwards (UTF-8)
    std::uint32_t startMs = 0;       // from the start of the recording
    std::uint32_t endMs = 0;
    std::uint32_t pauseBeforeMs = 0;  // since the step before it ended (0 for the first)
};

// The virtual keys that make key steps.
bool IsStepKey(int virtualKey);
// The character a key types on a US keyboard (letters, digits, blank,
// punctuation, Backspace), with Shift held or not and Caps Lock on or not;
// 0 for a key that types none.
char CharacterOfKey(int virtualKey, bool shift, bool capsLock);

// Groups events into steps as they come.
class StepGrouper {
public:
    explicit StepGrouper(const InputSettings& settings) : settings_(settings) {}

    // The recording's start on the input clock.
    void Start(std::uint32_t timeMs);
    void Add(const RecordedInput& input);
    const std::vector<Step>& Steps() const { return steps_; }
    // The typing step still open (the next event may add to it), if any.
    std::optional<std::size_t> OpenTyping() const;
    // What the control held when the typing of a step ended.
    void SetText(std::size_t step, std::string text);
    void Clear();

private:
    std::uint32_t Since(std::uint32_t timeMs) const { return timeMs - start_; }
    void Push(Step step);

    InputSettings settings_;
    std::uint32_t start_ = 0;
    std::vector<Step> steps_;
    std::optional<RecordedInput> pressed_;  // a press whose release has not come
    bool typingOpen_ = false;
    base::Point lastClickScreen_;      // the press of the last click, for a double click
    std::uint32_t lastClickDownMs_ = 0;
};

// A step as the recorder's list shows it: "12.34 s  左键单击  (12, 8)" and
// the like, the control's description after it.
std::string DescribeStep(const Step& step, const std::string& control);

}  // namespace messages::core
