// The windows the region capture snaps to, read when the screen is frozen:
// every visible top-level window in Z order with its visible descendants,
// in physical screen pixels, each with its parent.
#pragma once

#include <vector>

#include "capture/core/window_snap.h"

namespace capture {

// Windows the mouse looks through (layered and transparent top-level
// windows, transparent children) are left out, as the inspector's finder
// leaves them, and so are minimised and cloaked windows, which show
// nothing; disabled ones are in. A top-level window's rectangle is the one
// it shows, without the invisible resize borders the system may add.
// Children that show nothing within their parent's client area are left
// out with their own children.
std::vector<core::SnapWindow> VisibleWindowSnapshot();

}  // namespace capture
