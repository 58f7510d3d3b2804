// What the three windows of the region capture share: a borderless topmost
// window placed at a rectangle of the screen in physical pixels, painted by
// its own Paint (no background erase, so nothing flashes before the frozen
// image), and closing the capture on Esc.
#pragma once

#include <functional>

#include "base/geometry.h"
#include "ui/form.h"

namespace capture {

class CaptureWindow : public ui::Form {
public:
    ~CaptureWindow() override;
    std::function<void()> EscapePressed;

protected:
    bool CreateAt(const base::Rect& screen, HWND owner, DWORD exStyle);
    virtual void Paint(HDC dc, const RECT& dirty) = 0;
    // Messages of the derived window; set handled to keep them from the form.
    virtual LRESULT OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    base::Rect screen_;  // where the window stands
};

}  // namespace capture
