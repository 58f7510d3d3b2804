// The single-instance objects of the utility routines, created at start-up
// before the main window and freed when the program ends.
#pragma once

#include "patch/entry_patch.h"
#include "win/input_hook.h"
#include "win/process_control.h"

namespace app {

struct UtilityObjects {
    win::InputHook hook;             // HOOK类
    win::ThreadControl threads;      // 线程操作类
    patch::EntryPatch entryPatch;      // the API-entry patch (the GdiTransparentBlt filter)
};

}  // namespace app
