// The single-instance objects of the utility routines, created at start-up
// before the main window and freed when the program ends.
#pragma once

#include "util/entry_patch.h"
#include "util/input_hook.h"
#include "util/process_control.h"

namespace app {

struct UtilityObjects {
    util::InputHook hook;             // HOOK类
    util::ThreadControl threads;      // 线程操作类
    util::EntryPatch entryPatch;      // the API-entry patch (the GdiTransparentBlt filter)
};

}  // namespace app
