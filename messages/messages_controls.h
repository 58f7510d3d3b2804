// The controls of the "消息|代码" page and of the recorder's window,
// resolved once when the page or the window is made.
#pragma once

#include "messages/core/messages_layout.h"
#include "ui/page_controls.h"

namespace messages {

TAVRIN_PAGE_CONTROLS(MessagesControls, TAVRIN_MESSAGES_CONTROLS)
TAVRIN_PAGE_CONTROLS(RecorderControls, TAVRIN_RECORDER_WINDOW_CONTROLS)

}  // namespace messages
