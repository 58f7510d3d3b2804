#include "capture/core/selection_state.h"

#include <algorithm>
#include <cstdlib>

#include "capture/core/capture_geometry.h"

namespace capture::core {

void SelectionState::Offer(const std::optional<base::Rect>& snapped) {
    if (done_ || dragging_ || pressed_) return;
    offered_ = snapped && !snapped->Empty() ? snapped : std::nullopt;
}

void SelectionState::SetDragThreshold(int dx, int dy) { threshold_ = {std::max(0, dx), std::max(0, dy)}; }

void SelectionState::Press(base::Point p) {
    if (done_) return;
    anchor_ = moving_ = p;
    if (offered_) {
        pressed_ = true;  // a click or a drag: the moves tell
        return;
    }
    dragging_ = true;
}

bool SelectionState::Move(base::Point p) {
    if (done_) return false;
    if (pressed_) {
        moving_ = p;
        if (std::abs(p.x - anchor_.x) <= threshold_.x && std::abs(p.y - anchor_.y) <= threshold_.y) return false;
        // Far enough: a drag from the press point, the offer withdrawn.
        pressed_ = false;
        offered_.reset();
        dragging_ = true;
        return true;
    }
    if (!dragging_ || (p.x == moving_.x && p.y == moving_.y)) return false;
    moving_ = p;
    return true;
}

void SelectionState::Release() {
    if (pressed_ && offered_) {
        anchor_ = {offered_->left, offered_->top};
        moving_ = {offered_->right, offered_->bottom};
    }
    pressed_ = false;
    offered_.reset();
    dragging_ = false;
    done_ = true;
}

bool SelectionState::Nudge(int dx, int dy, const base::Rect& screen) {
    if (!done_) return false;
    const base::Rect before = Selected();
    const base::Rect after = Nudged(before, dx, dy, screen);
    if (after == before) return false;
    anchor_ = {after.left, after.top};
    moving_ = {after.right, after.bottom};
    return true;
}

base::Rect SelectionState::Selected() const { return offered_ ? *offered_ : SelectedRect(anchor_, moving_); }

std::string SelectionState::Label() const {
    if (offered_) return SizeLabel({offered_->left, offered_->top}, {offered_->right, offered_->bottom});
    return SizeLabel(anchor_, moving_);
}

bool SelectionState::Inside(base::Point p) const {
    const base::Rect r = Selected();
    return done_ && p.x > r.left && p.x < r.right && p.y > r.top && p.y < r.bottom;
}

}  // namespace capture::core
