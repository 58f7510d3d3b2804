#include "messages/core/messages_layout.h"

namespace messages::core {

const std::vector<ui::core::ControlLayout>& MessagesPageLayout() {
    static const std::vector<ui::core::ControlLayout> table = {TAVRIN_MESSAGES_CONTROLS(TAVRIN_LAYOUT_ROW)};
    return table;
}

const std::vector<ui::core::ControlLayout>& RecorderWindowLayout() {
    static const std::vector<ui::core::ControlLayout> table = {TAVRIN_RECORDER_WINDOW_CONTROLS(TAVRIN_LAYOUT_ROW)};
    return table;
}

}  // namespace messages::core
