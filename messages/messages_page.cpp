#include "messages/messages_page.h"

namespace messages {

MessagesPage::MessagesPage(ui::Form& form) : controls_(form), sender_(controls_), generator_(controls_, sender_) {}

}  // namespace messages
