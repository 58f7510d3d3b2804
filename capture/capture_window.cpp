#include "capture/capture_window.h"

#include "win/scoped.h"

namespace capture {

CaptureWindow::~CaptureWindow() { Destroy(); }

bool CaptureWindow::CreateAt(const base::Rect& screen, HWND owner, DWORD exStyle) {
    ui::FormOptions options;
    options.style = WS_POPUP;
    options.exStyle = exStyle | WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    options.owner = owner;
    options.width = 1;
    options.height = 1;
    if (!Form::Create(options)) return false;
    screen_ = screen;
    SetWindowPos(Handle(), HWND_TOPMOST, screen.left, screen.top, screen.Width(), screen.Height(),
                 SWP_NOACTIVATE | SWP_NOREDRAW);
    return true;
}

LRESULT CaptureWindow::OnWindowMessage(UINT, WPARAM, LPARAM, bool&) { return 0; }

LRESULT CaptureWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    bool handled = false;
    const LRESULT result = OnWindowMessage(message, wParam, lParam, handled);
    if (handled) return result;
    switch (message) {
        case WM_ERASEBKGND: return 1;
        // They stand where they were put, in physical pixels, whatever the
        // DPI of the monitors they cover.
        case WM_DPICHANGED: return 0;
        case WM_PAINT: {
            const win::PaintDC dc(Handle());
            Paint(dc.Get(), dc.Dirty());
            return 0;
        }
        case WM_KEYDOWN:
            if (wParam == VK_ESCAPE && EscapePressed) {
                auto call = EscapePressed;  // it may destroy this window
                call();
                return 0;
            }
            break;
        default: break;
    }
    return Form::HandleMessage(message, wParam, lParam);
}

}  // namespace capture
