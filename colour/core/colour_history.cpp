#include "colour/core/colour_history.h"

#include <algorithm>

namespace colour::core {
namespace {

constexpr int kSwatchPitch = 10;
constexpr int kSwatchWidth = 9;
constexpr int kSwatchTop = 3;
constexpr int kSwatchHeight = 14;

}  // namespace

void ColourHistory::Add(base::Colour colour) {
    colour &= 0xFFFFFF;
    const auto held = std::find(colours_.begin(), colours_.end(), colour);
    if (held != colours_.end()) colours_.erase(held);
    colours_.insert(colours_.begin(), colour);
    if (colours_.size() > kCapacity) colours_.resize(kCapacity);
}

SquareRect HistorySwatch(int slot) {
    const int left = slot * kSwatchPitch;
    return {left, kSwatchTop, left + kSwatchWidth, kSwatchTop + kSwatchHeight};
}

int HistorySlotAt(int x, int y) {
    if (x < 0 || y < kSwatchTop || y >= kSwatchTop + kSwatchHeight) return -1;
    const int slot = x / kSwatchPitch;
    if (slot >= static_cast<int>(ColourHistory::kCapacity) || x - slot * kSwatchPitch >= kSwatchWidth) return -1;
    return slot;
}

void DrawColourHistory(base::Canvas& board, const ColourHistory& history) {
    const base::Colour savedPen = board.PenColour();
    board.Clear();
    board.SetPenColour(kPaletteOutline);
    const std::vector<base::Colour>& colours = history.Colours();
    for (std::size_t slot = 0; slot < ColourHistory::kCapacity; ++slot) {
        const SquareRect r = HistorySwatch(static_cast<int>(slot));
        board.SetFillColour(slot < colours.size() ? colours[slot] : board.BackgroundColour());
        board.Rectangle(r.left, r.top, r.right, r.bottom);
    }
    board.SetPenColour(savedPen);
}

}  // namespace colour::core
