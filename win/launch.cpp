#include "win/launch.h"

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <optional>
#include <vector>

#include "text/text_basics.h"
#include "win/com.h"
#include "win/core/launch_plan.h"
#include "win/scoped.h"
#include "win/system_library.h"
#include "win/wide_text.h"

namespace win {
namespace {

std::optional<std::string> RegistryDefault(HKEY root, const std::string& key) {
    wchar_t value[4096] = {};
    DWORD size = sizeof value;
    if (RegGetValueW(root, Wide(key).c_str(), nullptr, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr,
                     value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return Utf8(value);
}

std::optional<std::string> Environment(const std::string& name) {
    const std::wstring wide = Wide(name);
    const DWORD size = GetEnvironmentVariableW(wide.c_str(), nullptr, 0);
    if (size == 0) return std::nullopt;
    std::wstring value(size, L'\0');
    const DWORD copied = GetEnvironmentVariableW(wide.c_str(), value.data(), size);
    value.resize(copied);
    return Utf8(value);
}

DWORD Attributes(const std::string& path) { return GetFileAttributesW(Wide(path).c_str()); }

bool IsFile(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool IsDirectory(const std::string& path) {
    const DWORD a = Attributes(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

core::ProgramSearchFacts SearchFacts() {
    core::ProgramSearchFacts facts;
    facts.fileExists = IsFile;
    facts.windowsDirectory = GetWindowsDirectoryPath();
    facts.systemDirectory = GetSystemDirectoryPath();
    facts.appPath = [](const std::string& name) {
        return RegistryDefault(HKEY_LOCAL_MACHINE,
                               "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\App Paths\\" + name);
    };
    return facts;
}

}  // namespace

std::string GetWindowsDirectoryPath() {
    wchar_t path[MAX_PATH] = {};
    const UINT n = GetWindowsDirectoryW(path, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? std::string() : Utf8(path) + "\\";
}

std::string GetSystemDirectoryPath() {
    wchar_t path[MAX_PATH] = {};
    const UINT n = GetSystemDirectoryW(path, MAX_PATH);
    return n == 0 || n >= MAX_PATH ? std::string() : Utf8(path) + "\\";
}

std::string GetShortPath(const std::string& path) {
    const std::wstring wide = Wide(path);
    // Sized to what the call asks for, so that a long path cannot overrun it.
    const DWORD needed = GetShortPathNameW(wide.c_str(), nullptr, 0);
    if (needed == 0) return {};
    std::wstring shortPath(needed, L'\0');
    const DWORD copied = GetShortPathNameW(wide.c_str(), shortPath.data(), needed);
    if (copied == 0 || copied >= needed) return {};
    shortPath.resize(copied);
    return Utf8(shortPath);
}

std::string FindProgramPath(const std::string& name) { return core::FindProgramPath(name, SearchFacts()); }

std::string GetAssociatedProgram(const std::string& extension) {
    core::AssociationFacts facts;
    facts.classesRootDefault = [](const std::string& key) { return RegistryDefault(HKEY_CLASSES_ROOT, key); };
    facts.environment = Environment;
    facts.shortPath = GetShortPath;
    return core::GetAssociatedProgram(extension, facts);
}

bool OpenInShell(const std::wstring& target) {
    using ShellExecute = HINSTANCE(WINAPI*)(HWND, const wchar_t*, const wchar_t*, const wchar_t*, const wchar_t*, int);
    static const auto shellExecute = SystemFunctionOf<ShellExecute>(L"shell32.dll", "ShellExecuteW");
    if (!shellExecute) return false;
    // Values above 32 mean success.
    return reinterpret_cast<INT_PTR>(shellExecute(nullptr, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL)) > 32;
}

std::string ReadUrlShortcut(std::string file, std::string* iconFile) {
    if (!text::EndsWithIgnoringCase(file, ".url")) file += ".url";
    const std::wstring path = Wide(file);
    wchar_t value[4096] = {};
    if (iconFile) {
        GetPrivateProfileStringW(L"InternetShortcut", L"IconFile", L"", value, 4096, path.c_str());
        *iconFile = Utf8(value);
    }
    GetPrivateProfileStringW(L"InternetShortcut", L"URL", L"", value, 4096, path.c_str());
    return Utf8(value);
}

std::string ReadLnkShortcut(std::string file, std::string* arguments, std::string* iconLocation) {
    if (!text::EndsWithIgnoringCase(file, ".lnk")) file += ".lnk";
    const ComScope com;
    const auto create = Ole32Functions().create;
    if (!com.Usable() || !create) return {};
    ComPtr<IShellLinkW> link;
    ComPtr<IPersistFile> persist;
    if (FAILED(create(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.ReceiveVoid())) ||
        FAILED(link->QueryInterface(IID_IPersistFile, persist.ReceiveVoid())) ||
        FAILED(persist->Load(Wide(file).c_str(), STGM_READ))) {
        return {};
    }
    std::string target;
    wchar_t text[MAX_PATH * 4] = {};
    if (SUCCEEDED(link->GetPath(text, MAX_PATH * 4, nullptr, SLGP_RAWPATH))) target = Utf8(text);
    if (arguments && SUCCEEDED(link->GetArguments(text, MAX_PATH * 4))) *arguments = Utf8(text);
    int icon = 0;
    if (iconLocation && SUCCEEDED(link->GetIconLocation(text, MAX_PATH * 4, &icon))) {
        *iconLocation = Utf8(text) + "," + std::to_string(icon);
    }
    return target;
}

std::int32_t RunProgram(const std::string& target, const RunOptions& options) {
    core::LaunchFacts facts;
    facts.isDirectory = IsDirectory;
    facts.associatedProgram = GetAssociatedProgram;
    facts.findProgramPath = FindProgramPath;
    facts.urlOfShortcut = [](const std::string& file) { return ReadUrlShortcut(file); };
    facts.readLinkShortcut = [](const std::string& file) {
        core::LinkShortcut link;
        link.targetPath = ReadLnkShortcut(file, &link.arguments);
        return link;
    };
    const core::LaunchPlan plan =
        core::PlanLaunch(target, options.arguments, options.workingDirectory, options.showMode, facts);

    switch (plan.kind) {
        case core::LaunchKind::Nothing: return 0;
        case core::LaunchKind::ShellOpen: {
            // The user's default browser, as the shell opens web addresses.
            SHELLEXECUTEINFOW info = {};
            info.cbSize = sizeof info;
            info.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
            info.lpVerb = L"open";
            const std::wstring address = Wide(plan.address);
            info.lpFile = address.c_str();
            info.nShow = plan.show.showWindow;
            using ShellExecute = BOOL(WINAPI*)(SHELLEXECUTEINFOW*);
            static const auto shellExecute = SystemFunctionOf<ShellExecute>(L"shell32.dll", "ShellExecuteExW");
            if (!shellExecute || !shellExecute(&info)) return 0;
            const OwnedHandle process(info.hProcess);
            if (!process) return 0;
            if (options.wait) WaitForSingleObject(process.Get(), INFINITE);
            return static_cast<std::int32_t>(GetProcessId(process.Get()));
        }
        case core::LaunchKind::CreateProcess: break;
    }

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = plan.show.flags;
    startup.wShowWindow = plan.show.showWindow;
    PROCESS_INFORMATION info = {};
    const std::wstring application = Wide(plan.application);
    std::wstring commandLine = Wide(plan.commandLine);
    const std::wstring directory = Wide(plan.workingDirectory);
    if (!CreateProcessW(application.c_str(), commandLine.empty() ? nullptr : commandLine.data(), nullptr, nullptr,
                        FALSE, 0, nullptr, directory.empty() ? nullptr : directory.c_str(), &startup, &info)) {
        return 0;
    }
    OwnedHandle process(info.hProcess), thread(info.hThread);
    if (options.wait) {
        WaitForSingleObject(process.Get(), INFINITE);
    } else {
        WaitForInputIdle(process.Get(), 1000);
    }
    if (options.process) {
        *options.process = info;
        // Handed to the caller, who closes them.
        if (!options.closeHandles) {
            process.Detach();
            thread.Detach();
        } else {
            options.process->hProcess = options.process->hThread = nullptr;
        }
    }
    return static_cast<std::int32_t>(info.dwProcessId);
}

}  // namespace win
