#include "messages/recorder_window.h"

#include "ui/layout_builder.h"
#include "win/clipboard.h"

namespace messages {

RecorderWindow::~RecorderWindow() {
    // The recording ends before the window's controls go.
    if (recorder_) recorder_->Stop();
    Destroy();
}

bool RecorderWindow::Open(HWND owner, win::InputHook& hook, std::function<win::WindowHandle()> target,
                          const std::function<void(ui::Form&, const std::vector<ui::core::ControlLayout>&)>& dress) {
    ui::FormOptions options;
    options.title = std::string(core::kRecorderWindowTitle);
    options.width = core::kRecorderClientWidth + 8;
    options.height = core::kRecorderClientHeight + 28;
    options.owner = owner;
    options.style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    if (!Form::Create(options)) return false;
    EnsureClientSize(core::kRecorderClientWidth, core::kRecorderClientHeight);
    const std::vector<ui::core::ControlLayout>& table = core::RecorderWindowLayout();
    ui::BuildControls(*this, table, ui::kNoPage);
    controls_ = std::make_unique<RecorderControls>(*this);
    if (dress) dress(*this, table);
    target_ = std::move(target);
    recorder_ = std::make_unique<Recorder>(*this, hook);
    recorder_->Changed = [this] { ShowState(); };

    RecorderControls& c = *controls_;
    c.按钮_开始录制.Clicked = [this] {
        std::string refusal;
        if (!recorder_->Start(target_ ? target_() : 0, refusal)) {
            controls_->标签_录制状态.SetCaption(refusal);
            return;
        }
        ShowState();
    };
    c.按钮_停止录制.Clicked = [this] { recorder_->Stop(); };
    c.按钮_清空录制.Clicked = [this] {
        recorder_->Clear();
        code_.clear();
        controls_->编辑框_回放代码.SetContent("");
    };
    c.按钮_生成回放代码.Clicked = [this] { GenerateCode(); };
    c.按钮_复制回放代码.Clicked = [this] {
        if (!code_.empty()) win::CopyTextToClipboard(code_);
    };
    Destroying = [this] { recorder_->Stop(); };
    ShowState();
    Show(SW_SHOWNORMAL);
    return true;
}

void RecorderWindow::ShowState() {
    if (!controls_) return;
    RecorderControls& c = *controls_;
    const bool recording = recorder_->Recording();
    c.按钮_开始录制.SetDisabled(recording);
    c.按钮_停止录制.SetDisabled(!recording);
    const std::size_t steps = recorder_->Steps().size();
    c.标签_录制状态.SetCaption((recording ? "正在录制目标程序的操作……" : "没有在录制。") + std::string("已录下 ") +
                              std::to_string(steps) + " 步。");
    c.编辑框_录制步骤.SetContent(recorder_->StepList());
}

void RecorderWindow::GenerateCode() {
    code_ = recorder_->Code();
    if (code_.empty()) {
        controls_->编辑框_回放代码.SetContent("还没有录下操作：先按“开始录制”，在目标程序里操作，再按“停止录制”。");
        return;
    }
    controls_->编辑框_回放代码.SetContent(code_);
    win::CopyTextToClipboard(code_);
}

}  // namespace messages
