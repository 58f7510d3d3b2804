// The zoom lens of the region capture: 88 x 111 pixels, the size label on
// top ("x:120 y:45") and beneath it the 40 x 40 frozen-screen pixels around
// the cursor, 2.2 times enlarged, with a cross-hair over the cursor pixel.
// It stands at a bottom corner of the monitor under the cursor and jumps to
// the other corner when the cursor comes near (see NextLensPlace).
#pragma once

#include <optional>
#include <string>

#include "capture/capture_window.h"
#include "capture/core/capture_geometry.h"
#include "capture/frozen_screen.h"

namespace capture {

class ZoomLens : public CaptureWindow {
public:
    explicit ZoomLens(const FrozenScreen& frozen) : frozen_(frozen) {}
    bool Create(HWND owner, base::Point cursor);

    // Moves the lens where it belongs for the cursor and redraws it.
    void Follow(base::Point cursor, const std::string& label);
    const core::LensPlace& Place() const { return *place_; }
    const std::string& Label() const { return label_; }

protected:
    void Paint(HDC dc, const RECT& dirty) override;

private:
    const FrozenScreen& frozen_;
    std::optional<core::LensPlace> place_;
    base::Point cursor_;
    std::string label_;
};

}  // namespace capture
