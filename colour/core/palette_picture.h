// The colour chart the magnifier shows at start and on a right click: a
// 258 x 258 hue-saturation chart at lightness one half. Hue runs across
// (360 * column / 258 degrees: red, yellow, green, cyan, blue, magenta);
// saturation falls from full in the top row to nearly grey in the bottom row.
#pragma once

#include "imaging/core/bmp.h"

namespace colour::core {

inline constexpr int kPalettePictureSize = 258;

base::Colour PalettePictureColour(int column, int row);

// The chart as a 24-bit BMP byte set (200,262 bytes).
const imaging::core::ByteSet& PalettePictureBmp();

}  // namespace colour::core
