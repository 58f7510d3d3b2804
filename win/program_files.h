// Where the program lives on disk.
#pragma once

#include <string>

namespace win {

// Full path of the running exe.
std::wstring ProgramPath();
// Folder of the running exe, without a trailing backslash.
std::wstring ProgramDirectory();
// The user's Desktop folder as the shell knows it (wherever it was moved,
// whatever the system's language); empty when the shell cannot say.
std::wstring DesktopFolder();

}  // namespace win
