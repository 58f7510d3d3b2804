// What the lookup code needs to know of a window and of its ancestors: for
// each level from its top-level window down to it, the class names, titles
// and control ids of its siblings, read from the system.
#pragma once

#include <vector>

#include "messages/core/lookup_code.h"
#include "win/window_query.h"

namespace messages {

// Empty when there is no such window.
std::vector<core::LookupLevel> LookupLevelsOf(win::WindowHandle hwnd);

}  // namespace messages
