// Functions of system libraries that only some actions need (file dialogs,
// the shell, COM), loaded from the system folder when first asked for
// instead of with the program: imported at start-up they cost tens of
// milliseconds and megabytes before the first paint. A library loaded this
// way stays loaded. Only the system folder is searched, never the program's
// folder or the search path.
#pragma once

#include <windows.h>

namespace win {

// The function's address, or null when the library or the function is
// missing.
FARPROC SystemFunction(const wchar_t* library, const char* name);

template <typename Function>
Function SystemFunctionOf(const wchar_t* library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemFunction(library, name)));
}

}  // namespace win
