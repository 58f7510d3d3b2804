// A frame shown on the screen, for the finder's outline of the hovered
// window and the window marker's flashes.
//
// Contract: Show(outer, thickness) lays a frame `thickness` pixels wide
// along the inside of the screen rectangle `outer`, above every window; it
// shows the inverted pixels of what lay beneath the frame when it was shown.
// Hide() takes it away. The frame is a window of this program's own (always
// on top, not activated, looked through by the mouse and by WindowFromPoint),
// so other programs' pixels are never drawn on: nothing is left behind when
// it goes, whether the framed window moved, repainted or vanished meanwhile.
// A ScreenFrame belongs to the thread that made it, which must handle its
// window messages (the GUI thread, or a worker that waits with Delay).
#pragma once

#include <windows.h>

#include <array>

#include "win/scoped.h"

namespace win {

class ScreenFrame {
public:
    ScreenFrame() = default;
    ~ScreenFrame();
    ScreenFrame(const ScreenFrame&) = delete;
    ScreenFrame& operator=(const ScreenFrame&) = delete;

    void Show(const RECT& outer, int thickness);
    void Hide();
    bool Shown() const { return window_ && IsWindowVisible(window_); }
    HWND Handle() const { return window_; }

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    bool EnsureWindow();
    void ReleaseStrips();
    void Paint(HDC dc) const;

    struct Strip {
        RECT place{};  // in the frame window's coordinates
        OwnedBitmap pixels;
    };
    HWND window_ = nullptr;
    std::array<Strip, 4> strips_{};
};

}  // namespace win
