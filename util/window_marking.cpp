#include "util/window_marking.h"

#include "util/threads.h"

namespace util {
namespace {

// Inverts a 5-pixel outline of the rectangle on dc, putting back the
// device context's pen, brush and drawing mode afterwards.
void InvertFrame(HDC dc, const RECT& r) {
    HPEN pen = CreatePen(PS_SOLID, 5, RGB(255, 0, 0));  // the colour does not matter under R2_NOT
    HGDIOBJ oldPen = SelectObject(dc, pen);
    HGDIOBJ oldBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    const int oldMode = SetROP2(dc, R2_NOT);
    Rectangle(dc, r.left, r.top, r.right, r.bottom);
    SetROP2(dc, oldMode);
    SelectObject(dc, oldBrush);
    SelectObject(dc, oldPen);
    DeleteObject(pen);
}

}  // namespace

void HighlightWindowFrame(WindowHandle hwnd) {
    if (!WindowExists(hwnd)) return;
    RECT r;
    if (!GetWindowRect(ToHwnd(hwnd), &r)) return;
    // Drawn on the screen, clipped to the window's rectangle as its own
    // window device context would be: a window DC of another program's
    // window does not reach the screen everywhere (under Wine it never
    // does), the screen DC does.
    HDC screen = GetWindowDC(nullptr);
    if (!screen) return;
    const int saved = SaveDC(screen);
    IntersectClipRect(screen, r.left, r.top, r.right, r.bottom);
    InvertFrame(screen, r);
    RestoreDC(screen, saved);
    ReleaseDC(nullptr, screen);
}

void MarkWindow(WindowHandle hwnd) {
    if (!WindowExists(hwnd)) return;
    RECT r;
    if (!GetWindowRect(ToHwnd(hwnd), &r)) return;
    HDC screen = GetWindowDC(nullptr);
    if (!screen) return;
    for (int flash = 0; flash < 5; ++flash) {
        InvertFrame(screen, r);
        Delay(200);
        InvertFrame(screen, r);
        Delay(100);
    }
    ReleaseDC(nullptr, screen);
}

}  // namespace util
