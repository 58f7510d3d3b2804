// Entry point of the Windows tests. With --dpi=N the tests run in a child
// process started while the screen resolution is N dots per inch (the
// Control Panel's LogPixels value, which Windows and Wine read when a
// process starts); the old value is put back afterwards.
#include <windows.h>

#include <commctrl.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <io.h>

#include <cstdio>

#include <string>

#include "win/scoped.h"

namespace {

constexpr wchar_t kDesktopKey[] = L"Control Panel\\Desktop";

bool ReadLogPixels(DWORD& value) {
    DWORD size = sizeof value;
    return RegGetValueW(HKEY_CURRENT_USER, kDesktopKey, L"LogPixels", RRF_RT_REG_DWORD, nullptr, &value, &size) ==
           ERROR_SUCCESS;
}

void WriteLogPixels(const DWORD* value) {
    HKEY key;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kDesktopKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return;
    }
    if (value) {
        RegSetValueExW(key, L"LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(value), sizeof *value);
    } else {
        RegDeleteValueW(key, L"LogPixels");
    }
    RegCloseKey(key);
}

int RunAtDpi(DWORD dpi, const std::wstring& arguments) {
    DWORD old = 0;
    const bool hadOld = ReadLogPixels(old);
    WriteLogPixels(&dpi);

    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring commandLine = L"\"" + std::wstring(self) + L"\"" + arguments;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    DWORD code = 1;
    if (CreateProcessW(self, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
        const win::OwnedHandle process(pi.hProcess), thread(pi.hThread);
        WaitForSingleObject(process.Get(), INFINITE);
        GetExitCodeProcess(process.Get(), &code);
    }
    WriteLogPixels(hadOld ? &old : nullptr);
    return static_cast<int>(code);
}

}  // namespace

int main(int argc, char** argv) {
    // Plain "\n" line ends: CTest reads the list of tests from this output
    // (under Wine, text mode would end every name with a carriage return).
    _setmode(_fileno(stdout), _O_BINARY);
    std::wstring passOn;
    DWORD dpi = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg.rfind("--dpi=", 0) == 0) {
            dpi = static_cast<DWORD>(std::stoul(arg.substr(6)));
        } else {
            passOn += L" \"" + std::wstring(arg.begin(), arg.end()) + L"\"";
        }
    }
    if (dpi != 0) return RunAtDpi(dpi, passOn);

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
