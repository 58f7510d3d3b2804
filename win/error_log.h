// The program's error log: %LOCALAPPDATA%\Tavrin\errors.log, one line per
// fault the program caught (time, place in the code, what was thrown), kept
// under kErrorLogLimit bytes by dropping the oldest lines. A user can attach
// it to a report. Writing it never throws and never fails loudly: a log that
// cannot be written loses the line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace win {

inline constexpr std::size_t kErrorLogLimit = 64 * 1024;

// Where the log is ("" when the system names no per-user folder).
std::wstring ErrorLogPath();

// Appends a line; safe from any thread.
void AppendToErrorLog(std::string_view file, int line, std::string_view what) noexcept;

}  // namespace win
