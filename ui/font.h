// The font of every control: 9 points of a Chinese face that the system has
// (SimSun where present, else Microsoft YaHei, else any installed CJK face,
// else the system's message font), at the given DPI.
#pragma once

#include <windows.h>

#include "win/scoped.h"

namespace ui {

win::OwnedFont CreateUiFont(UINT dpi);

}  // namespace ui
