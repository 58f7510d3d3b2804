#include "win/window_marking.h"

#include "win/threads.h"

namespace win {
namespace {

constexpr int kOutlineWidth = 3;  // inside the window's rectangle
constexpr int kMarkWidth = 5;     // across the window's outline
constexpr int kFlashes = 5;

}  // namespace

void WindowOutline::Show(WindowHandle hwnd) {
    RECT r;
    if (!WindowExists(hwnd) || !GetWindowRect(ToHwnd(hwnd), &r)) {
        Hide();
        return;
    }
    frame_.Show(r, kOutlineWidth);
}

void WindowOutline::Hide() { frame_.Hide(); }

void MarkWindow(WindowHandle hwnd) {
    RECT r;
    if (!WindowExists(hwnd) || !GetWindowRect(ToHwnd(hwnd), &r)) return;
    const RECT outer = {r.left - kMarkWidth / 2, r.top - kMarkWidth / 2, r.right + kMarkWidth / 2,
                        r.bottom + kMarkWidth / 2};
    ScreenFrame frame;
    for (int flash = 0; flash < kFlashes; ++flash) {
        frame.Show(outer, kMarkWidth);
        Delay(200);
        frame.Hide();
        Delay(100);
    }
}

}  // namespace win
