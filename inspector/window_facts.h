// One reading of everything the information panel shows of a window, taken
// in one go. Reading may wait on the window's program (its text content is
// asked for with time limits), so it is meant for a worker thread; it
// touches nothing but the window queries.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "win/window_query.h"

namespace inspector {

struct WindowFacts {
    win::WindowHandle handle = 0;
    win::WindowHandle parent = 0;    // GetParent
    win::WindowHandle topLevel = 0;  // GetAncestor(GA_ROOTOWNER)
    std::int32_t processId = -1;
    std::int32_t threadId = 0;
    std::int32_t controlId = 0;
    std::string title;       // the window's own text (GetWindowText)
    std::string className;
    std::string content;     // the text it answers WM_GETTEXT with
    bool contentCut = false; // the content filled all the room a text is given
    std::string programPath;
    std::optional<RECT> rect;  // on the screen; none when it could not be read
    RECT parentRect{};         // the parent's, all zero without one
    std::optional<SIZE> clientSize;
    bool visible = false;
    bool topmost = false;  // of its top-level window
    bool enabled = false;
    bool seeThrough = false;
};

WindowFacts ReadWindowFacts(win::WindowHandle hwnd);

}  // namespace inspector
