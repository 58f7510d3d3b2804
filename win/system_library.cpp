#include "win/system_library.h"

#include <string>

namespace win {

FARPROC SystemFunction(const wchar_t* library, const char* name) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) {
        wchar_t folder[MAX_PATH];
        const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return nullptr;
        module = LoadLibraryW((std::wstring(folder, length) + L"\\" + library).c_str());
    }
    return module ? GetProcAddress(module, name) : nullptr;
}

}  // namespace win
