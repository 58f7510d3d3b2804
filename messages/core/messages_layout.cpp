#include "messages/core/messages_layout.h"

namespace core {

const std::vector<ControlLayout>& MessagesPageLayout() {
    static const std::vector<ControlLayout> table = {TAVRIN_MESSAGES_CONTROLS(TAVRIN_LAYOUT_ROW)};
    return table;
}

}  // namespace core
