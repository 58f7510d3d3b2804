// Changes to other programs' windows: transparency, enabled state, show
// state, topmost, position and size, title and text, and clicks posted to a
// window. Each answers with its failure value; none throws.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "win/window_query.h"

namespace win {

// Layered with the given opacity (0-255); the window's other extended
// styles are kept. 255 makes it fully opaque again.
bool SetWindowAlpha(WindowHandle hwnd, std::uint8_t alpha);
// Fully opaque and no longer layered (for a window that was not layered
// before it was made transparent); the other extended styles are kept.
bool ClearWindowAlpha(WindowHandle hwnd);
bool IsWindowLayered(WindowHandle hwnd);
bool SetWindowDisabled(WindowHandle hwnd, bool disabled);
bool SetWindowShowState(WindowHandle hwnd, int command, bool asynchronous = false);
bool SetWindowTopmost(WindowHandle hwnd, bool topmost);

// Moves and sizes the window: its top-left corner to a screen point, its
// outer size; values not given are kept. The position is turned into what
// MoveWindow takes (client coordinates of the window it lies in for a child,
// the screen for a top-level window), so giving the window's own rectangle
// back never moves or resizes it.
void MoveResizeWindow(WindowHandle hwnd, std::optional<std::int32_t> screenLeft, std::optional<std::int32_t> screenTop,
                      std::optional<std::int32_t> width, std::optional<std::int32_t> height);
// Resizes the window so that its client area gets the given size; the
// position stays. False for a minimised window, or when it cannot be asked.
bool SetWindowClientSize(WindowHandle hwnd, std::int32_t clientWidth, std::int32_t clientHeight);

// The window's title (0 = the foreground window).
bool SetWindowTitle(WindowHandle hwnd, const std::string& text);
// The window's text through WM_SETTEXT, waiting at most 100 ms for it.
void SetControlText(WindowHandle hwnd, const std::string& text);

// The window's style and extended style; false when there is no window.
bool GetWindowStyles(WindowHandle hwnd, std::uint32_t& style, std::uint32_t& extended);
// Gives the window these styles: written with SetWindowLongPtr and made to
// take effect with SWP_FRAMECHANGED; the bits the system keeps for itself
// are changed the way that works (WS_VISIBLE by showing or hiding,
// WS_DISABLED by enabling, WS_EX_TOPMOST through the Z order, a button's
// kind by BM_SETSTYLE, an edit's ES_READONLY by EM_SETREADONLY). False when
// there is no window.
bool ApplyWindowStyles(WindowHandle hwnd, std::uint32_t style, std::uint32_t extended);

// Activates the window with its thread's input attached to ours, then makes
// it the foreground window; true when Windows took it to the front.
bool BringWindowToFront(HWND hwnd);

enum class PostedButton { Left, Right };
// Posts the messages of one click at client point (x, y) to the window
// (0 = the desktop's icon list); returns at once.
void PostMouseClick(WindowHandle hwnd, std::int32_t x, std::int32_t y, PostedButton button);

}  // namespace win
