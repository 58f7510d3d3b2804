// The save window of the region capture: the frozen screen over the whole
// virtual screen, beneath the selection window. It stays when the selection
// window is closed with the right button, until Esc.
#pragma once

#include "capture/capture_window.h"
#include "capture/frozen_screen.h"

namespace capture {

class SaveWindow : public CaptureWindow {
public:
    explicit SaveWindow(const FrozenScreen& frozen) : frozen_(frozen) {}
    bool Create();

protected:
    void Paint(HDC dc, const RECT& dirty) override;

private:
    const FrozenScreen& frozen_;
};

}  // namespace capture
