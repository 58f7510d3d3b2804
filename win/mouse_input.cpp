#include "win/mouse_input.h"

#include "win/core/mouse_plan.h"
#include "win/threads.h"

namespace win {
namespace {

POINT savedMousePoint = {0, 0};

}  // namespace

POINT SaveMousePosition() {
    savedMousePoint = {0, 0};
    GetCursorPos(&savedMousePoint);
    return savedMousePoint;
}

void MoveMouse(WindowHandle hwnd, std::int32_t x, std::int32_t y) {
    POINT origin = {0, 0};
    if (hwnd != 0) ClientToScreen(ToHwnd(hwnd), &origin);
    SetCursorPos(origin.x + x, origin.y + y);
}

void ClickMouse(std::int32_t button, std::int32_t kind, std::optional<std::int32_t> delayMs) {
    const auto plan = core::ClickMousePlan(button, kind, delayMs, static_cast<std::int32_t>(GetDoubleClickTime()));
    for (const core::MouseStep& step : plan) {
        if (step.kind == core::MouseStep::Kind::Wait) {
            Delay(static_cast<std::int32_t>(step.value));
            continue;
        }
        INPUT input = {};
        input.type = INPUT_MOUSE;
        input.mi.dwFlags = step.value;  // the same flags as mouse_event's, at the cursor position
        SendInput(1, &input, sizeof input);
    }
}

void RestoreMousePosition(std::optional<POINT> point) {
    const POINT p = point.value_or(savedMousePoint);
    SetCursorPos(p.x, p.y);
}

}  // namespace win
