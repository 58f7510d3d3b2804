// The "消息|代码" page: the E-code generator and the message sender, and a
// second finder board that works as the inspector's.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "messages/code_generator.h"
#include "messages/message_sender.h"
#include "messages/messages_controls.h"
#include "messages/recorder_window.h"

namespace messages {

class MessagesPage {
public:
    explicit MessagesPage(ui::Form& form);

    // Loads the message list: a step of the main window's creation.
    void OnCreated() { sender_.LoadMessageList(); }
    MessagesControls& Controls() { return controls_; }
    MessageSender& Sender() { return sender_; }
    CodeGenerator& Generator() { return generator_; }

    // This page's finder board works as another's: its events go there, and
    // it shows what that one shows.
    void RouteFinderTo(ui::DrawingBoard& finder) { controls_.画板_捕获器1.RouteEventsTo(&finder); }
    void MirrorFinder(const ui::DrawingBoard& finder) { controls_.画板_捕获器1.ShowSameAs(finder); }

    // The action recorder's window ("录制操作…"): opened once and shown
    // again afterwards; null before. What it needs is set when the pages
    // are wired together: the input hook, the window whose program it
    // records, the program's look for its controls.
    void OpenRecorder();
    RecorderWindow* RecordingWindow() { return recorder_.get(); }
    win::InputHook* hook = nullptr;
    std::function<win::WindowHandle()> recordingTarget;
    std::function<void(ui::Form&, const std::vector<ui::core::ControlLayout>&)> dressWindow;

private:
    ui::Form& form_;
    MessagesControls controls_;
    MessageSender sender_;
    CodeGenerator generator_;
    std::unique_ptr<RecorderWindow> recorder_;
};

}  // namespace messages
