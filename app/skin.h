// The program's skin: the skin engine library and the stored skins travel
// inside the exe as resources. The engine is written beside the exe (or,
// when that folder cannot take it, into the per-user folder; an identical
// copy already there, held by another running instance, is used as it is)
// and loaded by its full path, once per process.
#pragma once

#include <string>
#include <string_view>

#include "patch/entry_patch.h"
#include "skin/skin_engine.h"

namespace app {

struct SkinEngine {
    std::wstring path;  // where it was loaded from
    TavrinSkinAttachRes attach = nullptr;
    TavrinSkinCopyAttached copyAttached = nullptr;
};

// The engine, written and loaded on first use; null when it could not be
// (no resource, no folder took it, it would not load).
const SkinEngine* LoadSkinEngine();

// The ".TSK" bytes of stored skin 1 to 67 from the exe's resources; empty
// when there is none.
std::string_view StoredSkinBytes(int stored);

// Installs the transparent-blit filter through `patch`, then attaches the
// skin of `number` (1 to 77; any other number attaches nothing) to the
// calling thread's windows. Returns the stored skin attached, 0 for none.
int ApplySkin(int number, patch::EntryPatch& patch);

}  // namespace app
