// The controls of the "消息|代码" page, resolved once when the page is made.
#pragma once

#include "messages/core/messages_layout.h"
#include "ui/page_controls.h"

namespace messages {

TAVRIN_PAGE_CONTROLS(MessagesControls, TAVRIN_MESSAGES_CONTROLS)

}  // namespace messages
