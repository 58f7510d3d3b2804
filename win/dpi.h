// Screen resolution in dots per inch. The program is per-monitor DPI aware:
// its own layout is written at 96 DPI and scaled by the DPI of the window it
// lies in; coordinates it shows and takes are physical pixels.
#pragma once

#include <windows.h>

namespace win {

inline constexpr UINT kBaseDpi = 96;

// DPI of the window's monitor (GetDpiForWindow where Windows has it, else the
// system DPI).
UINT WindowDpi(HWND hwnd);
// DPI the system reports for new windows.
UINT SystemDpi();

// v pixels at 96 DPI expressed at `dpi` (rounded to the nearest pixel).
inline int ScaleToDpi(int v, UINT dpi) { return MulDiv(v, static_cast<int>(dpi), kBaseDpi); }
// The reverse: physical pixels at `dpi` expressed at 96 DPI.
inline int UnscaleFromDpi(int v, UINT dpi) { return MulDiv(v, kBaseDpi, static_cast<int>(dpi)); }

}  // namespace win
