// Where the program lives on disk.
#pragma once

#include <string>

namespace util {

// Full path of the running exe.
std::wstring ProgramPath();
// Folder of the running exe, without a trailing backslash.
std::wstring ProgramDirectory();

}  // namespace util
