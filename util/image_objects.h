// GDI objects made from the program's own pictures: cursors and icons from
// true-colour images, bitmaps from BMP byte sets. Each owner holds nothing
// on failure.
#pragma once

#include <windows.h>

#include "util/core/bmp.h"
#include "util/core/image32.h"
#include "util/scoped.h"

namespace util {

OwnedCursor CreateCursorFromImage(const core::Image32& image, int hotX, int hotY);
OwnedIcon CreateIconFromImage(const core::Image32& image);
// A DIB section holding the BMP's picture (any bit depth GDI reads).
OwnedBitmap CreateBitmapFromBmp(const core::ByteSet& bmp);

}  // namespace util
