#include "messages/core/send_plan.h"

#include <algorithm>

namespace messages::core {

TextBufferPlan PlanTextBuffer(SendMethod method, std::int32_t wParam, std::size_t textLength) {
    TextBufferPlan plan;
    if (method == SendMethod::Post) {
        plan.refusal = kPostedTextStatus;
        return plan;
    }
    const std::size_t asked = wParam > 0 ? static_cast<std::size_t>(wParam) : 0;
    const std::size_t characters = std::max(textLength + 1, asked);
    if (characters > kMaxTextBuffer) {
        plan.refusal = kBufferTooLargeStatus;
        return plan;
    }
    plan.characters = characters;
    return plan;
}

}  // namespace messages::core
