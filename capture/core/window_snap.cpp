#include "capture/core/window_snap.h"

#include <utility>

#include "win/core/window_pick.h"

namespace capture::core {

WindowSnap::WindowSnap(std::vector<SnapWindow> windows, const base::Rect& screen)
    : windows_(std::move(windows)), children_(windows_.size()), screen_(screen) {
    std::vector<bool> kept(windows_.size(), false);
    for (std::size_t i = 0; i < windows_.size(); ++i) {
        const int parent = windows_[i].parent;
        if (parent < 0) {
            topLevels_.push_back(static_cast<int>(i));
            kept[i] = true;
        } else if (static_cast<std::size_t>(parent) < i && kept[static_cast<std::size_t>(parent)]) {
            // Only a parent listed before its child: a list that loops
            // cannot make the walk down loop.
            children_[static_cast<std::size_t>(parent)].push_back(static_cast<int>(i));
            kept[i] = true;
        }
    }
}

std::vector<base::Rect> WindowSnap::LevelsAt(base::Point p) const {
    std::vector<base::Rect> levels;
    auto add = [&levels](const base::Rect& r) {
        // A level equal to the one around it replaces it.
        if (!levels.empty() && levels.back() == r) levels.pop_back();
        levels.push_back(r);
    };

    // The topmost top-level window there, whatever its size: top-level
    // windows hide what lies beneath them.
    int current = -1;
    base::Rect shown;
    for (int i : topLevels_) {
        const base::Rect r = base::Intersection(windows_[static_cast<std::size_t>(i)].window, screen_);
        if (r.Contains(p)) {
            current = i;
            shown = r;
            break;
        }
    }
    if (current < 0) return levels;
    add(shown);
    base::Rect client = base::Intersection(windows_[static_cast<std::size_t>(current)].client, shown);
    if (!client.Contains(p)) return levels;  // on the caption or the frame
    add(client);

    // Then the children, as the finder goes down: each clipped to its
    // parent's client area, the smallest that holds the point.
    for (;;) {
        const std::vector<int>& kids = children_[static_cast<std::size_t>(current)];
        std::vector<base::Rect> rects;
        rects.reserve(kids.size());
        for (int k : kids) rects.push_back(base::Intersection(windows_[static_cast<std::size_t>(k)].window, client));
        const int best = win::core::SmallestContaining(rects, p);
        if (best < 0) break;
        current = kids[static_cast<std::size_t>(best)];
        shown = rects[static_cast<std::size_t>(best)];
        add(shown);
        client = base::Intersection(windows_[static_cast<std::size_t>(current)].client, shown);
    }
    return levels;
}

bool WindowSnap::Hover(base::Point p) {
    if (cursor_ && cursor_->x == p.x && cursor_->y == p.y) return false;
    const std::optional<base::Rect> before = Shown();
    cursor_ = p;
    levels_ = LevelsAt(p);
    shown_ = levels_.empty() ? 0 : levels_.size() - 1;
    return Shown() != before;
}

bool WindowSnap::StepOut() {
    if (shown_ == 0 || levels_.empty()) return false;
    --shown_;
    return true;
}

bool WindowSnap::StepIn() {
    if (shown_ + 1 >= levels_.size()) return false;
    ++shown_;
    return true;
}

std::optional<base::Rect> WindowSnap::Shown() const {
    if (levels_.empty()) return std::nullopt;
    return levels_[shown_];
}

}  // namespace capture::core
