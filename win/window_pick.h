// The window the finder takes under a screen point: the deepest visible
// window there, disabled controls and controls inside group boxes included.
#pragma once

#include <windows.h>

#include "win/window_query.h"

namespace win {

// Starts from the top-level window that Windows finds under the point and
// goes down through the children that contain it, visible and not
// see-through, taking at each level the smallest one; 0 where Windows finds
// nothing but the desktop.
WindowHandle DeepestWindowAt(POINT point);

}  // namespace win
