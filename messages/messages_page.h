// The "消息|代码" page: the E-code generator and the message sender, and a
// second finder board that works as the inspector's.
#pragma once

#include <memory>

#include "messages/code_generator.h"
#include "messages/message_sender.h"
#include "ui/drawing_board.h"
#include "ui/form.h"

namespace messages {

class MessagesPage {
public:
    explicit MessagesPage(ui::Form& form);

    // Loads the message list: a step of the main window's creation.
    void OnCreated() { sender_->LoadMessageList(); }
    MessageSender& Sender() { return *sender_; }
    CodeGenerator& Generator() { return *generator_; }

    // Pressing this page's finder starts the inspector's capture: all its
    // events go to the inspector's finder board.
    void RouteFinderTo(ui::DrawingBoard& inspectorFinder);
    // Shows the same picture as the inspector's finder.
    void OnActivated(const ui::DrawingBoard& inspectorFinder);

private:
    ui::DrawingBoard& finder_;
    std::unique_ptr<MessageSender> sender_;
    std::unique_ptr<CodeGenerator> generator_;
};

}  // namespace messages
