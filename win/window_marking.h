// Outlines that show a window on the screen: a frame of inverted pixels
// along its rectangle, drawn by a frame window of the program's own
// (win/screen_frame.h), so that nothing is ever left on other programs'
// windows.
#pragma once

#include "win/screen_frame.h"
#include "win/window_query.h"

namespace win {

// The finder's outline of the window under the cursor: the inner three
// pixels along the window's rectangle.
class WindowOutline {
public:
    // Outlines the window, taking the outline off the one before; a handle
    // that is no window shows nothing.
    void Show(WindowHandle hwnd);
    void Hide();
    bool Shown() const { return frame_.Shown(); }

private:
    ScreenFrame frame_;
};

// Flashes an inverted frame along the window's outline (five pixels across
// it) on the screen five times (200 ms shown, 100 ms not), then leaves the
// screen as it was. Meant for a worker thread: it waits with Delay.
void MarkWindow(WindowHandle hwnd);

}  // namespace win
