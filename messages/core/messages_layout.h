#pragma once

#include <vector>

#include "ui/core/layout.h"

namespace core {

// Controls of the "消息|代码" page: the E-code generator above the
// separator, the message sender below it, and the second finder board.
const std::vector<ControlLayout>& MessagesPageLayout();

}  // namespace core
