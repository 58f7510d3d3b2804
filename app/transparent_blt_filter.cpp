#include "app/transparent_blt_filter.h"

#include <windows.h>

namespace app {
namespace {

using TransparentBlt = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

// The system's own function, reached through the patch's trampoline.
TransparentBlt systemTransparentBlt = nullptr;

BOOL WINAPI FilteredTransparentBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                                   int sourceY, int sourceWidth, int sourceHeight, UINT transparent) {
    if (width == 16 && height == 16) return TRUE;
    return systemTransparentBlt(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                                transparent);
}

}  // namespace

bool InstallTransparentBltFilter(util::EntryPatch& patch) {
    void* original = patch.Patch("gdi32.dll", "GdiTransparentBlt", reinterpret_cast<void*>(&FilteredTransparentBlt));
    if (!original) return false;
    systemTransparentBlt = reinterpret_cast<TransparentBlt>(original);
    return true;
}

}  // namespace app
