// The finder window: a 31 x 31 window that follows the cursor while the
// user drags from a finder board. It holds one drawing board (`画板1`) with a
// white background and two timers: `时钟1` (2 ms) keeps it on the cursor,
// `时钟2` (100 ms) runs the capture tick. White is its see-through colour and
// it takes no part in hit testing, so the window under the cursor is seen
// through it.
//
// Contract: create it with the owner and the two tick routines; it starts
// hidden with the timers running; Destroy() (or deleting it) ends it. Its
// routines may destroy the window (not the object) while they run.
#pragma once

#include <functional>
#include <memory>

#include "ui/drawing_board.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace inspector {

class FinderWindow : public ui::Form {
public:
    FinderWindow();
    ~FinderWindow() override;

    bool Create(HWND owner, std::function<void()> follow, std::function<void()> tick);
    ui::DrawingBoard& Board() { return *board_; }

    // Places the window's top-left corner so that the board point (14, 14)
    // lies on `cursor` (screen pixels), shifted by `offset` board pixels
    // right and down.
    void FollowCursor(POINT cursor, int offset);
    // Makes white see-through and the window transparent for the mouse.
    void MakeSeeThrough();

private:
    ui::DrawingBoard* board_ = nullptr;
    std::unique_ptr<ui::Timer> followTimer_;
    std::unique_ptr<ui::Timer> captureTimer_;
};

}  // namespace inspector
