// A cursor window: a 31 x 31 window that follows the cursor while the user
// drags from a board (the finder of the inspector, the colour picker). It
// holds one drawing board (`画板1`) with a white background and runs the
// timers it is given. White is its see-through colour and it takes no part
// in hit testing, so the window under the cursor is seen through it.
//
// Contract: create it with the owner and its timers (period and routine);
// it starts hidden with the timers running; Destroy() (or deleting it) ends
// it. Its routines may destroy the window (not the object) while they run.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "ui/drawing_board.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace ui {

struct CursorWindowTimer {
    UINT periodMs = 0;
    std::function<void()> tick;
};

class CursorWindow : public Form {
public:
    CursorWindow();
    ~CursorWindow() override;

    bool Create(HWND owner, std::vector<CursorWindowTimer> timers);
    DrawingBoard& Board() { return *board_; }

    // Places the window's top-left corner so that the board point (14, 14)
    // lies on `cursor` (screen pixels), shifted by `offset` board pixels
    // right and down.
    void FollowCursor(POINT cursor, int offset);
    // Makes white see-through and the window transparent for the mouse.
    void MakeSeeThrough();

private:
    DrawingBoard* board_ = nullptr;
    std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace ui
