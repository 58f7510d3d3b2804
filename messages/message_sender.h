// The message sender of the "消息|代码" page: a message picked from the
// two-level list of message.ini (category, then name) fills the message
// value and the two parameters; "发出消息" sends it to the window in the
// handle box by SendMessage, PostMessage or SendMessageTimeout and shows
// the outcome: a status text in magenta, or the text the receiver wrote
// back in black, and the result in `编辑框_返回值`.
#pragma once

#include <string>

#include "messages/message_file.h"
#include "messages/messages_controls.h"

namespace messages {

class MessageSender {
public:
    explicit MessageSender(MessagesControls& controls);

    // Opens the message list (message.ini beside the program unless told
    // otherwise) and fills the category list.
    void LoadMessageList(const std::string& path = "message.ini");
    void CategoryChanged();
    void MessageChanged();
    void TypeChanged();
    void Send();

private:
    void ShowStatus(const std::string& text, core::Colour colour);

    MessagesControls& c_;
    MessageFile file_;
};

}  // namespace messages
