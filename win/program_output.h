// Files the program makes for its own use (its offline help, its skin
// engine): put beside the exe, or, when that folder cannot take them, in a
// per-user folder (%LOCALAPPDATA%\Tavrin). Never anywhere else: not the
// system folder, not the current folder.
//
// A file that is already in place with exactly the bytes wanted is used as
// it is, so a copy another running instance holds open is shared, not
// rewritten. A file in place with other bytes is replaced in one step; when
// that fails (it is in use, the folder is read-only) the next folder is
// tried.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace win {

struct OutputFile {
    std::wstring name;   // file name, no folder
    std::string_view bytes;
};

// The per-user folder, made when missing; "" when the system names none.
std::wstring PerUserProgramFolder();

// The folders tried in order: the program's folder, then the per-user one.
std::vector<std::wstring> ProgramOutputFolders();

// Puts all files into `subfolder` (made when missing; "" for the folder
// itself) of the first of `folders` that takes every one of them; returns
// that folder's full path (without a trailing backslash), or "" when none
// did.
std::wstring PlaceFiles(const std::vector<std::wstring>& folders, const std::wstring& subfolder,
                        const std::vector<OutputFile>& files);

}  // namespace win
