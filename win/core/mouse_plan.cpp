#include "win/core/mouse_plan.h"

#include <algorithm>

namespace win::core {

std::vector<MouseStep> ClickMousePlan(std::int32_t button, std::int32_t kind, std::optional<std::int32_t> delay,
                                      std::int32_t doubleClickTimeMs) {
    std::uint32_t press, release;
    switch (button) {
        case 0:
        case 1: press = kMouseLeftDown; release = kMouseLeftUp; break;
        case 2: press = kMouseRightDown; release = kMouseRightUp; break;
        case 3: press = kMouseMiddleDown; release = kMouseMiddleUp; break;
        default: return {};
    }
    const std::int32_t ms = delay.value_or(kDefaultClickDelayMs);

    std::vector<MouseStep> steps;
    const auto wait = [&steps](std::int64_t waitMs) {
        if (waitMs >= 1) steps.push_back(MouseStep::Wait(static_cast<std::uint32_t>(waitMs)));
    };
    const auto click = [&] {
        steps.push_back(MouseStep::Event(press));
        wait(ms);
        steps.push_back(MouseStep::Event(release));
    };
    switch (kind) {
        case 0:
        case 1: click(); break;
        case 2: {
            // The system counts a double click from press to press.
            const std::int64_t left = (static_cast<std::int64_t>(doubleClickTimeMs) - ms) / 2;
            click();
            wait(std::min<std::int64_t>(ms, left));
            click();
            break;
        }
        case 3: steps.push_back(MouseStep::Event(press)); break;
        case 4: steps.push_back(MouseStep::Event(release)); break;
        default: break;
    }
    return steps;
}

namespace {

std::uint32_t PackWords(std::uint32_t low, std::uint32_t high) { return (low & 0xFFFFu) | ((high & 0xFFFFu) << 16); }

}  // namespace

std::uint32_t PackPoint(std::int32_t x, std::int32_t y) {
    return PackWords(static_cast<std::uint32_t>(x), static_cast<std::uint32_t>(y));
}

std::vector<PostedMessage> PostMouseClickPlan(std::int32_t window, std::int32_t x, std::int32_t y,
                                              MouseButton button, std::int32_t clientOriginX,
                                              std::int32_t clientOriginY) {
    if (window == 0) return {};
    const std::uint32_t point = PackPoint(x, y);
    std::vector<PostedMessage> messages{{kWmMouseMove, 2, point}};
    if (button == MouseButton::Left) {
        messages.push_back({kWmLeftButtonDown, 1, point});
        messages.push_back({kWmLeftButtonUp, 0, point});
    } else {
        // The screen point in unsigned arithmetic, which wraps instead of
        // overflowing; only the low 16 bits of each coordinate are kept.
        const std::uint32_t screenX = static_cast<std::uint32_t>(clientOriginX) + static_cast<std::uint32_t>(x);
        const std::uint32_t screenY = static_cast<std::uint32_t>(clientOriginY) + static_cast<std::uint32_t>(y);
        messages.push_back({kWmRightButtonDown, 2, point});
        messages.push_back({kWmRightButtonUp, 2, point});
        messages.push_back({kWmContextMenu, window, PackWords(screenX, screenY)});
    }
    return messages;
}

}  // namespace win::core
