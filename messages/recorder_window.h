// The window of "录制操作…" (opened from the code box's context menu): a
// small captioned window owned by the main window with 开始录制,
// 停止录制, 清空, 生成易代码 and 复制代码, the recorded steps (time since
// the start, what was done, on which control) and the code that replays
// them. 生成易代码 writes the code into the window's code box and, as the
// program's other code goes, onto the clipboard.
//
// The target is the inspector's current window when 开始录制 is pressed:
// its program is recorded. Closing the window stops the recording; the
// steps stay for the next opening.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "messages/messages_controls.h"
#include "messages/recorder.h"
#include "ui/form.h"

namespace messages {

class RecorderWindow : public ui::Form {
public:
    RecorderWindow() = default;
    ~RecorderWindow() override;

    // Makes and shows the window, owned by `owner`. `target` gives the
    // window whose program 开始录制 records; `dress` gives the controls the
    // program's look. False when the window cannot be made.
    bool Open(HWND owner, win::InputHook& hook, std::function<win::WindowHandle()> target,
              const std::function<void(ui::Form&, const std::vector<ui::core::ControlLayout>&)>& dress);
    RecorderControls& Controls() { return *controls_; }
    Recorder& Record() { return *recorder_; }
    // What 生成易代码 wrote last.
    const std::string& Code() const { return code_; }

private:
    void ShowState();
    void GenerateCode();

    std::unique_ptr<RecorderControls> controls_;
    std::unique_ptr<Recorder> recorder_;
    std::function<win::WindowHandle()> target_;
    std::string code_;
};

}  // namespace messages
