#include "app/exe_resources.h"

#include <windows.h>

namespace app {

std::string_view ExeResource(const wchar_t* name) {
    HMODULE exe = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(exe, name, RT_RCDATA);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(exe, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    return bytes ? std::string_view(static_cast<const char*>(bytes), SizeofResource(exe, found)) : std::string_view();
}

}  // namespace app
