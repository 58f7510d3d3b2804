// Real mouse input: moving the cursor and clicking where it is, with a way to
// put the cursor back afterwards. The clicks go through the system's input
// queue, so the window under the cursor gets them as if the user clicked.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>

#include "win/window_query.h"

namespace win {

// Remembers the cursor position (module state) and returns it.
POINT SaveMousePosition();
// Puts the cursor at (x, y) relative to the window's client area, or on the
// screen when hwnd is 0.
void MoveMouse(WindowHandle hwnd, std::int32_t x, std::int32_t y);
// Clicks at the cursor: button 0/1 left, 2 right, 3 middle; kind 0/1 click,
// 2 double click, 3 press only, 4 release only; the press lasts `delayMs`
// (50 when not given). Waits keep the caller's windows alive.
void ClickMouse(std::int32_t button, std::int32_t kind, std::optional<std::int32_t> delayMs = std::nullopt);
// Puts the cursor back to the given point, or to the one saved last.
void RestoreMousePosition(std::optional<POINT> point = std::nullopt);

}  // namespace win
