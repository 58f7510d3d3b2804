// The geometry of the region capture, in screen pixels over the whole
// virtual screen (monitors left of or above the primary one have negative
// coordinates): where the zoom lens stands, which rectangle a drag
// selects, how the arrow keys nudge it, and what the size label says.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "imaging/core/image_format.h"

namespace capture::core {

inline constexpr int kLensWidth = 88;
inline constexpr int kLensHeight = 111;
inline constexpr int kLensBottomGap = 30;  // above the monitor's bottom edge

enum class LensSide { Left, Right };

struct LensPlace {
    std::size_t monitor = 0;  // index into the monitors
    LensSide side = LensSide::Left;
    base::Point topLeft;
};

// The monitor that holds the point; the nearest one when none does (the
// cursor on a gap between monitors); 0 for an empty list.
std::size_t MonitorOf(const std::vector<base::Rect>& monitors, base::Point p);

// Where the lens goes for the cursor: on the monitor under the cursor, at
// its bottom-left corner, 30 pixels above its bottom edge. It jumps to the
// bottom-right corner when the cursor enters the leftmost lens width of the
// monitor, and back when the cursor comes within one lens width of its left
// edge there. `current` is where it stands now (none at the start); on
// another monitor it starts again at the left.
LensPlace NextLensPlace(const std::vector<base::Rect>& monitors, const std::optional<LensPlace>& current, base::Point cursor);

// The rectangle between the anchor and the moving corner, whichever way the
// drag went: from (100, 100) to (220, 145), or back, is 120 x 45 at
// (100, 100), as the size label says.
base::Rect SelectedRect(base::Point anchor, base::Point moving);

// The selection moved by (dx, dy), kept on the virtual screen.
base::Rect Nudged(const base::Rect& selection, int dx, int dy, const base::Rect& virtualScreen);

// "x:120 y:45": the size between the corners, without sign.
std::string SizeLabel(base::Point anchor, base::Point moving);

// The square of the screen the lens board (88 x 88) shows, 2.2 times
// enlarged: 40 x 40 pixels with the cursor pixel at (19, 19), so that it
// lies under the lens's cross-hair.
inline constexpr int kLensBoardSize = 88;
inline constexpr int kLensSourceSize = 40;
inline constexpr int kLensCursorAt = 19;
base::Rect LensSource(base::Point cursor);

// The save dialog's filter ("description|pattern" pairs) and the format of
// each of its entries, in order; BMP first.
std::string CaptureSaveFilter();
imaging::core::ImageFormat FormatOfFilterIndex(int oneBasedIndex);

}  // namespace capture::core
