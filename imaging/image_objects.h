// GDI objects made from the program's own pictures: cursors and icons from
// true-colour images, bitmaps from BMP byte sets. Each owner holds nothing
// on failure.
#pragma once

#include <windows.h>

#include "imaging/core/bmp.h"
#include "imaging/core/image32.h"
#include "win/scoped.h"

namespace imaging {

win::OwnedCursor CreateCursorFromImage(const core::Image32& image, int hotX, int hotY);
win::OwnedIcon CreateIconFromImage(const core::Image32& image);
// A DIB section holding the BMP's picture (any bit depth GDI reads).
win::OwnedBitmap CreateBitmapFromBmp(const core::ByteSet& bmp);

}  // namespace imaging
