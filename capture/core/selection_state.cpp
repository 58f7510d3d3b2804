#include "capture/core/selection_state.h"

#include "capture/core/capture_geometry.h"

namespace core {

void SelectionState::Press(Point p) {
    if (done_) return;
    dragging_ = true;
    anchor_ = moving_ = p;
}

bool SelectionState::Move(Point p) {
    if (!dragging_ || done_ || (p.x == moving_.x && p.y == moving_.y)) return false;
    moving_ = p;
    return true;
}

void SelectionState::Release() {
    dragging_ = false;
    done_ = true;
}

bool SelectionState::Nudge(int dx, int dy, const Rect& screen) {
    if (!done_) return false;
    const Rect before = Selected();
    const Rect after = Nudged(before, dx, dy, screen);
    if (after == before) return false;
    anchor_ = {after.left, after.top};
    moving_ = {after.right, after.bottom};
    return true;
}

Rect SelectionState::Selected() const { return SelectedRect(anchor_, moving_); }

std::string SelectionState::Label() const { return SizeLabel(anchor_, moving_); }

bool SelectionState::Inside(Point p) const {
    const Rect r = Selected();
    return done_ && p.x > r.left && p.x < r.right && p.y > r.top && p.y < r.bottom;
}

}  // namespace core
