// Starting a program, document, folder, shortcut or web address the way the
// shell would: documents by their associated program, folders in explorer,
// .lnk shortcuts by their target, web addresses and .url shortcuts in the
// user's default browser. The decisions are made by the portable launch
// plan; these routines answer its questions about the machine and carry
// the plan out.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace win {

struct RunOptions {
    std::string arguments;
    bool wait = false;              // wait until the started program ends
    std::int32_t showMode = 0;      // 1 hidden, 3 minimised, 4 maximised, 5 no activation, 6 minimise
    std::string workingDirectory;   // empty: the program's own folder
    bool closeHandles = true;       // else `process` keeps the handles for the caller
    PROCESS_INFORMATION* process = nullptr;
};

// Starts `target`; the new process's id, 0 when nothing was started (or the
// shell opened it without telling which process).
std::int32_t RunProgram(const std::string& target, const RunOptions& options = {});

// Hands a web address or a document to the shell to open with the user's
// default program (a browser for addresses and HTML files); returns at once,
// true when the shell took it.
bool OpenInShell(const std::wstring& target);

// The URL of a .url shortcut (".url" is added to the name when missing).
std::string ReadUrlShortcut(std::string file, std::string* iconFile = nullptr);
// The target path of a .lnk shortcut (".lnk" is added when missing), with
// its arguments and icon location.
std::string ReadLnkShortcut(std::string file, std::string* arguments = nullptr, std::string* iconLocation = nullptr);
// The program associated with an extension in the registry, in short form.
std::string GetAssociatedProgram(const std::string& extension);
// The short (8.3) form of an existing path; "" on failure.
std::string GetShortPath(const std::string& path);
// The full path of a program found as the system would (its own name, the
// Windows and system folders, App Paths); "" when not found.
std::string FindProgramPath(const std::string& name);
// The Windows and system folders, each with a trailing backslash.
std::string GetWindowsDirectoryPath();
std::string GetSystemDirectoryPath();

}  // namespace win
