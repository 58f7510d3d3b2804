// The offline help on disk: its pages (made by app/core/help_pages) and the
// pictures the exe carries, written together into "TavrinHelp" beside the
// program, or under the per-user folder when the program's folder cannot
// take them (win/program_output.h).
#pragma once

#include <string>

namespace app {

// The folder the help is in, or "" when no folder took it.
std::wstring WriteOfflineHelp();

}  // namespace app
