// The "消息|代码" page: the E-code generator and the message sender, and a
// second finder board that works as the inspector's.
#pragma once

#include "messages/code_generator.h"
#include "messages/message_sender.h"
#include "messages/messages_controls.h"

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

private:
    MessagesControls controls_;
    MessageSender sender_;
    CodeGenerator generator_;
};

}  // namespace messages
