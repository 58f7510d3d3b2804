// Windows icon files (.ico) from true-colour images, one entry per image,
// each stored as a 32-bit DIB with its AND mask.
#pragma once

#include <vector>

#include "imaging/core/bmp.h"
#include "imaging/core/image32.h"

namespace imaging::core {

ByteSet MakeIcoFile(const std::vector<Image32>& images);

}  // namespace imaging::core
