#include "win/program_files.h"

#include <windows.h>

#include <knownfolders.h>
#include <shlobj.h>

#include <memory>

#include "win/com.h"
#include "win/system_library.h"

namespace win {

std::wstring ProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return L"";
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // long path: try a larger buffer
    }
}

std::wstring ProgramDirectory() {
    std::wstring path = ProgramPath();
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"" : path.substr(0, slash);
}

std::wstring DesktopFolder() {
    using KnownFolder = HRESULT(WINAPI*)(REFKNOWNFOLDERID, DWORD, HANDLE, PWSTR*);
    static const auto knownFolder = SystemFunctionOf<KnownFolder>(L"shell32.dll", "SHGetKnownFolderPath");
    const auto freeMemory = Ole32Functions().freeTaskMemory;
    if (!knownFolder || !freeMemory) return L"";
    PWSTR path = nullptr;
    const HRESULT found = knownFolder(FOLDERID_Desktop, 0, nullptr, &path);
    // The system's memory goes back to it however the copy ends.
    const std::unique_ptr<wchar_t, decltype(freeMemory)> owned(path, freeMemory);
    return SUCCEEDED(found) && path ? std::wstring(path) : std::wstring();
}

}  // namespace win
