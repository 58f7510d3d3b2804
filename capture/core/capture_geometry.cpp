#include "capture/core/capture_geometry.h"

#include <algorithm>
#include <cstdlib>
#include <limits>


namespace capture::core {
namespace {


long long DistanceSquared(const base::Rect& r, base::Point p) {
    const long long dx = p.x < r.left ? r.left - p.x : (p.x >= r.right ? p.x - r.right + 1 : 0);
    const long long dy = p.y < r.top ? r.top - p.y : (p.y >= r.bottom ? p.y - r.bottom + 1 : 0);
    return dx * dx + dy * dy;
}

}  // namespace

std::size_t MonitorOf(const std::vector<base::Rect>& monitors, base::Point p) {
    std::size_t best = 0;
    long long bestDistance = std::numeric_limits<long long>::max();
    for (std::size_t i = 0; i < monitors.size(); ++i) {
        const long long d = DistanceSquared(monitors[i], p);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

LensPlace NextLensPlace(const std::vector<base::Rect>& monitors, const std::optional<LensPlace>& current, base::Point cursor) {
    LensPlace place;
    if (monitors.empty()) return place;
    place.monitor = MonitorOf(monitors, cursor);
    const base::Rect& m = monitors[place.monitor];
    place.side = current && current->monitor == place.monitor ? current->side : LensSide::Left;
    const int rightLeft = m.right - kLensWidth;
    // Back to the left once the cursor comes within a lens width of the
    // lens standing at the right; to the right while the cursor is in the
    // leftmost lens width.
    if (place.side == LensSide::Right && cursor.x > rightLeft - kLensWidth) place.side = LensSide::Left;
    if (cursor.x < m.left + kLensWidth) place.side = LensSide::Right;
    place.topLeft = {place.side == LensSide::Left ? m.left : rightLeft, m.bottom - kLensHeight - kLensBottomGap};
    return place;
}

base::Rect SelectedRect(base::Point anchor, base::Point moving) {
    return {std::min(anchor.x, moving.x), std::min(anchor.y, moving.y), std::max(anchor.x, moving.x),
            std::max(anchor.y, moving.y)};
}

base::Rect Nudged(const base::Rect& selection, int dx, int dy, const base::Rect& virtualScreen) {
    // Within the screen on both sides, as far as the selection's size allows.
    const int x = std::clamp(selection.left + dx, virtualScreen.left,
                             std::max(virtualScreen.left, virtualScreen.right - selection.Width()));
    const int y = std::clamp(selection.top + dy, virtualScreen.top,
                             std::max(virtualScreen.top, virtualScreen.bottom - selection.Height()));
    return selection.Offset(x - selection.left, y - selection.top);
}

std::string SizeLabel(base::Point anchor, base::Point moving) {
    return "x:" + std::to_string(std::abs(static_cast<long long>(moving.x) - anchor.x)) +
           " y:" + std::to_string(std::abs(static_cast<long long>(moving.y) - anchor.y));
}

base::Rect LensSource(base::Point cursor) {
    const int left = cursor.x - kLensCursorAt, top = cursor.y - kLensCursorAt;
    return {left, top, left + kLensSourceSize, top + kLensSourceSize};
}

std::string CaptureSaveFilter() {
    return "BMP位图(*.bmp)|*.bmp|JPEG图片(*.jpg)|*.jpg|PNG图片(*.png)|*.png";
}

imaging::core::ImageFormat FormatOfFilterIndex(int oneBasedIndex) {
    switch (oneBasedIndex) {
        case 2: return imaging::core::ImageFormat::Jpeg;
        case 3: return imaging::core::ImageFormat::Png;
        default: return imaging::core::ImageFormat::Bmp;
    }
}

}  // namespace capture::core
