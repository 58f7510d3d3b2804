// The message sender of the "消息|代码" page: a message picked from the
// two-level list of message.ini (category, then name) fills the message
// value and the two parameters; "发出消息" sends it to the window in the
// handle box by SendMessage, PostMessage or SendMessageTimeout and shows
// the outcome: a status text in magenta, or the text the receiver wrote
// back in black, and the result in `编辑框_返回值`.
//
// SendMessage can wait for ever on a hung or paused program, so it waits on a
// thread of its own: the window stays responsive, the send button is
// disabled and the status says that the answer is awaited until it comes.
// PostMessage and SendMessageTimeout (500 ms) answer at once. A text
// parameter that cannot be handed over safely (with PostMessage, or in a
// buffer beyond the sane limit) is refused with a status that says why.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/core/send_code.h"
#include "messages/message_file.h"
#include "messages/messages_controls.h"
#include "win/window_query.h"

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
    MessageFile& File() { return file_; }
    // A SendMessage waits for its answer: the send button is disabled.
    bool Waiting() const { return waiting_; }

    // The last message that went out (whatever came back) and the window it
    // went to; none before the first, and none for what was refused before
    // it went (an invalid handle, a text that cannot be handed over).
    struct LastSend {
        win::WindowHandle target = 0;
        core::SentMessage message;
    };
    const std::optional<LastSend>& LastSent() const { return lastSent_; }

private:
    struct Delivery;
    // Fills a list with names, at most core::kMaxListedItems of them.
    void List(ui::ComboBox& combo, std::vector<std::string> names);
    void RememberSend(HWND hwnd, core::SendMethod method, const Delivery& delivery);
    void SendAndWait(const std::shared_ptr<Delivery>& delivery);
    void ShowOutcome(const Delivery& delivery, bool sent);
    void ShowStatus(std::string_view text, base::Colour colour);

    MessagesControls& c_;
    MessageFile file_;
    bool waiting_ = false;
    std::optional<LastSend> lastSent_;
};

}  // namespace messages
