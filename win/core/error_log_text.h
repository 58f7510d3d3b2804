// The text of the program's error log: one line per fault the program
// caught at a callback boundary (time, place in the code, what was thrown),
// kept under a size limit by dropping the oldest lines.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace win::core {

struct LogTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0, millisecond = 0;
};

// "2026-12-09 21:34:33.123  ui/form.cpp:123  what\r\n": the place is the
// source file's last two path parts (its folder and name) and line; line
// breaks inside `what` become blanks, so that each fault is one line.
std::string ErrorLogLine(const LogTime& time, std::string_view file, int line, std::string_view what);

// The log after `line` is added: `existing` with `line` at its end when both
// fit in `limit` bytes; otherwise the newest whole lines of `existing` that
// fit in half the limit (so that the log is not rewritten at every fault),
// then `line`. A line longer than the limit is cut to it.
std::string AppendToLog(std::string_view existing, std::string_view line, std::size_t limit);

}  // namespace win::core
