#include "app/transparent_blt_filter.h"

#include <windows.h>

#include <atomic>

namespace app {
namespace {

using TransparentBlt = BOOL(WINAPI*)(HDC, int, int, int, int, HDC, int, int, int, int, UINT);

// The system's own function, reached through the patch's trampoline. The
// patch sets it before the first call can arrive, from any thread.
std::atomic<void*> systemTransparentBlt{nullptr};

BOOL WINAPI FilteredTransparentBlt(HDC destination, int x, int y, int width, int height, HDC source, int sourceX,
                                   int sourceY, int sourceWidth, int sourceHeight, UINT transparent) {
    if (width == 16 && height == 16) return TRUE;
    const auto system = reinterpret_cast<TransparentBlt>(systemTransparentBlt.load(std::memory_order_acquire));
    return system(destination, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight, transparent);
}

}  // namespace

bool InstallTransparentBltFilter(patch::EntryPatch& patch) {
    return patch.Patch("gdi32.dll", "GdiTransparentBlt", reinterpret_cast<void*>(&FilteredTransparentBlt),
                       systemTransparentBlt) != nullptr;
}

}  // namespace app
