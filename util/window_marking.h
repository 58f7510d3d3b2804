// Outlines that show a window on the screen by inverting the pixels of a
// 5-pixel frame: drawing the same frame again restores them exactly, so the
// marks leave no trace.
#pragma once

#include "util/window_query.h"

namespace util {

// Toggles an inverted frame just inside the window's outline (the inner
// half of a 5-pixel pen along it). Nothing for a handle that is no window.
void HighlightWindowFrame(WindowHandle hwnd);

// Flashes an inverted frame along the window's outline on the screen five
// times (200 ms shown, 100 ms not), then leaves the screen as it was.
// Meant for a worker thread: it waits with Delay.
void MarkWindow(WindowHandle hwnd);

}  // namespace util
