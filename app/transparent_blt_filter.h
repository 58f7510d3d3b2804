// The filter on gdi32's GdiTransparentBlt for the whole process: while it is
// installed, a call whose destination is 16 x 16 pixels draws nothing and
// succeeds; every other call goes to the system's own function unchanged.
// Together with the skin it keeps 16 x 16 images from being drawn.
#pragma once

#include "patch/entry_patch.h"

namespace app {

// Installs the filter through `patch` (which then holds it until it is
// undone or patches something else); false when gdi32's entry could not be
// patched safely, and then nothing is filtered.
bool InstallTransparentBltFilter(patch::EntryPatch& patch);

}  // namespace app
