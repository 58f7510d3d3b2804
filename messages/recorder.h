// The action recorder of "录制操作…": while it records, the program's
// global hooks (win/input_hook.h, a tap of its own) report every press,
// release and key; the recorder keeps those that land on the target's
// program (any window of its process: its top-level windows and the
// windows they own) and groups them into steps (messages/core/recording.h).
// Nothing runs in the other program; the program's own windows are never
// recorded.
//
// For each control a step uses, the recorder notes, when it first meets it,
// how to find it again (the lookup levels), a description, whether typed
// text is its content and whether its class takes double clicks: the
// control may be gone by the time the code is written. The text of a
// control typed into is read 150 ms after the last key of the typing, when
// an input ends the typing, and when the recording stops, so the replay can
// set it in one step.
//
// Lives on the GUI thread; its timer belongs to the form given.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "messages/core/recording.h"
#include "messages/core/replay_code.h"
#include "ui/form.h"
#include "ui/timer.h"
#include "win/input_hook.h"
#include "win/scoped.h"
#include "win/window_query.h"

namespace messages {

class Recorder {
public:
    Recorder(ui::Form& form, win::InputHook& hook);
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Starts recording what lands on the program of `target` (the steps so
    // far are kept: a new recording goes on after them). False, with the
    // reason, when there is no such window or the hooks cannot be
    // installed.
    bool Start(win::WindowHandle target, std::string& refusal);
    void Stop();
    bool Recording() const { return tap_ != 0; }
    void Clear();

    const std::vector<core::Step>& Steps() const { return grouper_.Steps(); }
    // The recorded steps, one a line, as the window lists them.
    std::string StepList() const;
    // E code that replays the steps; empty before the first step.
    std::string Code() const;

    // After every change of the steps.
    std::function<void()> Changed;

private:
    struct Control {
        HWND window;
        core::ReplayControl replay;
    };
    void OnInput(const win::core::InputEvent& event);
    // The recorder's number of a window of the target's program; -1 for
    // any other window.
    int ControlOf(HWND window);
    void ReadTypedText();
    // Reads the typed text before an input that ends the typing (a press,
    // another control's key, a key that is a step of its own): the hook
    // hands events over in a batch when this thread was busy, so the timer
    // that reads it 150 ms after the last key may not have run yet.
    void TakeTypedTextBefore(const core::RecordedInput& input);

    win::InputHook& hook_;
    ui::Timer typedText_;
    int tap_ = 0;
    win::OwnedHandle process_;  // the target's process, held so that its id stays its own
    DWORD processId_ = 0;
    bool shift_ = false, capsLock_ = false;
    core::StepGrouper grouper_;
    std::vector<Control> controls_;
    bool started_ = false;  // the grouper's clock has its start
};

}  // namespace messages
