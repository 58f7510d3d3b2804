// The single-instance objects of the utility routines, created at start-up
// before the main window and freed when the program ends.
#pragma once

#include "util/input_hook.h"

namespace app {

struct UtilityObjects {
    util::InputHook hook;  // HOOK类
};

}  // namespace app
