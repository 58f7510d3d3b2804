// GDI objects made from the program's own pictures: cursors and icons from
// true-colour images, bitmaps from BMP byte sets. The caller owns (and
// destroys) what these return; each returns null on failure.
#pragma once

#include <windows.h>

#include "util/core/bmp.h"
#include "util/core/image32.h"

namespace util {

HCURSOR CreateCursorFromImage(const core::Image32& image, int hotX, int hotY);
HICON CreateIconFromImage(const core::Image32& image);
// A DIB section holding the BMP's picture (any bit depth GDI reads).
HBITMAP CreateBitmapFromBmp(const core::ByteSet& bmp);

}  // namespace util
