// The frozen screen of the region capture: one grab of the whole virtual
// screen (every monitor), taken when the capture opens and shown by its
// windows until it closes, and the rectangles of the windows it shows, read
// at the same moment (the selection snaps to them).
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "base/geometry.h"
#include "capture/core/window_snap.h"
#include "imaging/core/bmp.h"
#include "win/scoped.h"

namespace capture {

class FrozenScreen {
public:
    FrozenScreen() = default;
    ~FrozenScreen();
    FrozenScreen(const FrozenScreen&) = delete;
    FrozenScreen& operator=(const FrozenScreen&) = delete;

    // Grabs the screen as it is now and reads its windows; false when it
    // could not be grabbed. The capture's own windows do not exist yet.
    bool Take();
    void Release();
    bool Taken() const { return surface_ != nullptr; }

    // The virtual screen's rectangle (screen coordinates) and its monitors.
    const base::Rect& Area() const { return area_; }
    const std::vector<base::Rect>& Monitors() const { return monitors_; }
    // The visible windows when the screen was grabbed (see
    // VisibleWindowSnapshot).
    const std::vector<core::SnapWindow>& Windows() const { return windows_; }

    // Copies the part `screen` of the frozen image to `to` at `at` (device
    // coordinates), or stretched over `target`.
    void Draw(HDC to, POINT at, const base::Rect& screen) const;
    void DrawStretched(HDC to, const RECT& target, const base::Rect& screen) const;
    // The rectangle of the frozen image as a 24-bit BMP byte set.
    imaging::core::ByteSet Cut(const base::Rect& screen) const;

private:
    struct Surface {
        win::OwnedBitmap bitmap;  // before the DC, which lets go of it first
        win::MemoryDC dc;
    };
    std::unique_ptr<Surface> surface_;
    HDC dc_ = nullptr;  // the surface's DC while taken
    base::Rect area_;
    std::vector<base::Rect> monitors_;
    std::vector<core::SnapWindow> windows_;
};

// The monitors' rectangles, primary first.
std::vector<base::Rect> MonitorRects();

}  // namespace capture
