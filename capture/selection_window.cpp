#include "capture/selection_window.h"

#include <windowsx.h>

#include "ui/core/arrow_keys.h"
#include "win/scoped.h"

namespace capture {
namespace {

constexpr BYTE kOpacity = 150;
constexpr COLORREF kFrame = RGB(255, 0, 0);

RECT Outline(const base::Rect& r, const base::Rect& window) {
    // One pixel around the selection, in window coordinates.
    return {r.left - window.left - 1, r.top - window.top - 1, r.right - window.left + 1, r.bottom - window.top + 1};
}

}  // namespace

bool SelectionWindow::Create(HWND owner) {
    if (!CreateAt(frozen_.Area(), owner, WS_EX_LAYERED)) return false;
    SetLayeredWindowAttributes(Handle(), 0, kOpacity, LWA_ALPHA);
    saveDialog_ = &Add<ui::FileDialog>("通用对话框", ui::kNoPage);
    snap_ = core::WindowSnap(frozen_.Windows(), frozen_.Area());
    // The distance the system lets the mouse go before a press is a drag.
    const int dragX = GetSystemMetrics(SM_CXDRAG), dragY = GetSystemMetrics(SM_CYDRAG);
    state_.SetDragThreshold(dragX > 0 ? dragX : 4, dragY > 0 ? dragY : 4);
    return true;
}

void SelectionWindow::HoverAt(base::Point cursor) {
    cursor_ = cursor;
    const base::Rect before = state_.Selected();
    if (FollowSnap(cursor)) SelectionChanged(before);
}

bool SelectionWindow::FollowSnap(base::Point cursor) {
    if (state_.Done() || state_.Dragging() || state_.Pressed() || !snap_.Hover(cursor)) return false;
    state_.Offer(snap_.Shown());
    return true;
}

void SelectionWindow::StepSnap(bool out) {
    if (state_.Done() || state_.Dragging() || state_.Pressed()) return;
    const base::Rect before = state_.Selected();
    if (!(out ? snap_.StepOut() : snap_.StepIn())) return;
    state_.Offer(snap_.Shown());
    SelectionChanged(before);
    if (CursorMoved) CursorMoved(cursor_);  // the label says the new size
}

void SelectionWindow::MakeClear() {
    SetLayeredWindowAttributes(Handle(), 0, 0, LWA_ALPHA);
    // Compositors that do not blend (Wine's) are told by hiding it.
    ShowWindow(Handle(), SW_HIDE);
}

base::Point SelectionWindow::ScreenPoint(LPARAM lParam) const {
    return {screen_.left + GET_X_LPARAM(lParam), screen_.top + GET_Y_LPARAM(lParam)};
}

HCURSOR SelectionWindow::CurrentCursor() const {
    if (!state_.Done()) return cursors_.start;
    return pointerInside_ ? cursors_.inside : cursors_.outside;
}

void SelectionWindow::SelectionChanged(const base::Rect& before) {
    // Only the frame's four edges change: a large selection costs no more
    // than a small one.
    for (const base::Rect& r : {before, state_.Selected()}) {
        const RECT o = Outline(r, screen_);
        const RECT edges[4] = {{o.left, o.top, o.right, o.top + 1},
                               {o.left, o.bottom - 1, o.right, o.bottom},
                               {o.left, o.top, o.left + 1, o.bottom},
                               {o.right - 1, o.top, o.right, o.bottom}};
        for (const RECT& e : edges) InvalidateRect(Handle(), &e, FALSE);
    }
    UpdateWindow(Handle());
}

void SelectionWindow::Paint(HDC dc, const RECT& dirty) {
    const base::Rect part{screen_.left + dirty.left, screen_.top + dirty.top, screen_.left + dirty.right,
                          screen_.top + dirty.bottom};
    frozen_.Draw(dc, {dirty.left, dirty.top}, part);
    const base::Rect selected = state_.Selected();
    if (selected.Empty() && !state_.Dragging()) return;
    const RECT outline = Outline(selected, screen_);
    const win::OwnedBrush frame(CreateSolidBrush(kFrame));
    FrameRect(dc, &outline, frame.Get());
}

LRESULT SelectionWindow::OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    switch (message) {
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                SetCursor(CurrentCursor());
                handled = true;
                return TRUE;
            }
            return 0;
        case WM_LBUTTONDOWN: {
            handled = true;
            SetFocus(Handle());
            if (state_.Done()) return 0;
            const base::Rect before = state_.Selected();
            const base::Point p = ScreenPoint(lParam);
            FollowSnap(p);  // what lies under the press is what a click takes
            state_.Press(p);
            SetCapture(Handle());
            SelectionChanged(before);
            return 0;
        }
        case WM_MOUSEMOVE: {
            handled = true;
            const base::Point p = ScreenPoint(lParam);
            const base::Rect before = state_.Selected();
            const bool moved = state_.Move(p);
            if (FollowSnap(p) || moved) SelectionChanged(before);
            cursor_ = p;
            // The lens's size label says the size with this move.
            if (CursorMoved) CursorMoved(p);
            if (state_.Done()) {
                const bool inside = state_.Inside(p);
                if (inside != pointerInside_) {
                    pointerInside_ = inside;
                    SetCursor(CurrentCursor());
                }
            }
            return 0;
        }
        case WM_LBUTTONUP: {
            handled = true;
            if (GetCapture() == Handle()) ReleaseCapture();
            if (state_.Done()) return 0;
            state_.Release();
            pointerInside_ = true;
            SetCursor(cursors_.inside);
            if (Released) Released();
            return 0;
        }
        case WM_LBUTTONDBLCLK:
            handled = true;
            if (state_.CanSave() && SaveAsked) {
                auto call = SaveAsked;  // it closes the capture
                call();
            }
            return 0;
        case WM_RBUTTONUP:
            handled = true;
            if (RightReleased) {
                auto call = RightReleased;
                call();
            }
            return 0;
        case WM_MOUSEWHEEL: {
            handled = true;
            // A notch away from the user steps out, towards the user in;
            // fine-grained wheels add up to whole notches.
            wheel_ += GET_WHEEL_DELTA_WPARAM(wParam);
            for (; wheel_ >= WHEEL_DELTA; wheel_ -= WHEEL_DELTA) StepSnap(true);
            for (; wheel_ <= -WHEEL_DELTA; wheel_ += WHEEL_DELTA) StepSnap(false);
            return 0;
        }
        case WM_KEYDOWN: {
            if (wParam == VK_TAB) {
                handled = true;
                StepSnap(!(GetKeyState(VK_SHIFT) & 0x8000));
                return 0;
            }
            if (wParam == 'C') {
                if ((GetKeyState(VK_CONTROL) & 0x8000) && state_.CanSave() && CopyAsked) {
                    handled = true;
                    auto call = CopyAsked;
                    call();
                }
                return 0;
            }
            const auto step = ui::core::ArrowKeyStep(static_cast<unsigned>(wParam));
            if (!step) return 0;
            handled = true;
            const base::Rect before = state_.Selected();
            if (state_.Nudge(step->x, step->y, frozen_.Area())) SelectionChanged(before);
            return 0;
        }
        default: return 0;
    }
}

}  // namespace capture
