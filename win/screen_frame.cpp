#include "win/screen_frame.h"

#include "win/callback_guard.h"

namespace win {
namespace {

constexpr wchar_t kFrameClass[] = L"TavrinScreenFrame";

void RegisterFrameClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = procedure;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kFrameClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

}  // namespace

ScreenFrame::~ScreenFrame() {
    if (window_) DestroyWindow(window_);
    ReleaseStrips();
}

bool ScreenFrame::EnsureWindow() {
    if (window_) return true;
    RegisterFrameClass(WindowProc);
    window_ = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT,
                              kFrameClass, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr),
                              nullptr);
    if (!window_) return false;
    return true;
}

void ScreenFrame::ReleaseStrips() {
    for (Strip& strip : strips_) strip = Strip{};
}

void ScreenFrame::Show(const RECT& outer, int thickness) {
    Hide();  // never take the old frame's own pixels for what lies beneath
    ReleaseStrips();
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    if (width <= 0 || height <= 0 || thickness <= 0 || !EnsureWindow()) return;
    const int t = thickness < width / 2 + 1 ? thickness : width / 2 + 1;
    const int u = thickness < height / 2 + 1 ? thickness : height / 2 + 1;
    // Top and bottom across the whole width, left and right between them.
    strips_[0].place = {0, 0, width, u};
    strips_[1].place = {0, height - u, width, height};
    strips_[2].place = {0, u, t, height - u};
    strips_[3].place = {width - t, u, width, height - u};

    const WindowDC screen;
    OwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    for (Strip& strip : strips_) {
        const int w = strip.place.right - strip.place.left, h = strip.place.bottom - strip.place.top;
        if (w <= 0 || h <= 0) continue;
        strip.pixels.Reset(CreateCompatibleBitmap(screen.Get(), w, h));
        const MemoryDC memory(screen.Get());
        if (!memory.Select(strip.pixels.Get())) continue;
        BitBlt(memory.Get(), 0, 0, w, h, screen.Get(), outer.left + strip.place.left, outer.top + strip.place.top,
               NOTSRCCOPY);
        const OwnedRegion part(CreateRectRgn(strip.place.left, strip.place.top, strip.place.right, strip.place.bottom));
        CombineRgn(region.Get(), region.Get(), part.Get(), RGN_OR);
    }
    // The window owns the region once it took it.
    if (SetWindowRgn(window_, region.Get(), FALSE)) region.Detach();

    // The picture goes to the system with the window's new place in one
    // step: no empty window ever shows.
    const OwnedBitmap canvas(CreateCompatibleBitmap(screen.Get(), width, height));
    const MemoryDC picture(screen.Get());
    if (!picture.Select(canvas.Get())) return;
    Paint(picture.Get());
    POINT at = {outer.left, outer.top};
    SIZE size = {width, height};
    POINT from = {0, 0};
    BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, 0};
    SetWindowPos(window_, HWND_TOPMOST, outer.left, outer.top, width, height, SWP_NOACTIVATE | SWP_NOREDRAW);
    UpdateLayeredWindow(window_, screen.Get(), &at, &size, picture.Get(), &from, 0, &blend, ULW_ALPHA);
    ShowWindow(window_, SW_SHOWNA);
}

void ScreenFrame::Hide() {
    if (window_ && IsWindowVisible(window_)) ShowWindow(window_, SW_HIDE);
}

void ScreenFrame::Paint(HDC dc) const {
    const MemoryDC memory(dc);
    for (const Strip& strip : strips_) {
        if (!memory.Select(strip.pixels.Get())) continue;
        BitBlt(dc, strip.place.left, strip.place.top, strip.place.right - strip.place.left,
               strip.place.bottom - strip.place.top, memory.Get(), 0, 0, SRCCOPY);
    }
}

LRESULT CALLBACK ScreenFrame::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return GuardCallback(
        [&]() -> LRESULT {
            switch (message) {
                case WM_ERASEBKGND: return 1;
                case WM_NCHITTEST: return HTTRANSPARENT;
                case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
                default: return DefWindowProcW(hwnd, message, wParam, lParam);
            }
        },
        LRESULT{0});
}

}  // namespace win
