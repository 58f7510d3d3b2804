// Windows icon files (.ico) from true-colour images, one entry per image,
// each stored as a 32-bit DIB with its AND mask.
#pragma once

#include <vector>

#include "util/core/bmp.h"
#include "util/core/image32.h"

namespace core {

ByteSet MakeIcoFile(const std::vector<Image32>& images);

}  // namespace core
