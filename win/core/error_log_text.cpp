#include "win/core/error_log_text.h"

#include <cstdio>

namespace win::core {

std::string ErrorLogLine(const LogTime& time, std::string_view file, int line, std::string_view what) {
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d %02d:%02d:%02d.%03d", time.year, time.month, time.day,
                  time.hour, time.minute, time.second, time.millisecond);
    // The folder and the file: enough to find the place, without the
    // machine the program was built on.
    std::size_t cut = file.find_last_of("/\\");
    if (cut != std::string_view::npos && cut > 0) cut = file.find_last_of("/\\", cut - 1);
    const std::string_view place = cut == std::string_view::npos ? file : file.substr(cut + 1);
    std::string text = std::string(stamp) + "  " + std::string(place) + ":" + std::to_string(line) + "  ";
    for (const char c : what) text += c == '\r' || c == '\n' ? ' ' : c;
    return text + "\r\n";
}

std::string AppendToLog(std::string_view existing, std::string_view line, std::size_t limit) {
    if (line.size() > limit) line = line.substr(0, limit);
    if (existing.size() + line.size() <= limit) return std::string(existing) + std::string(line);
    const std::size_t room = limit / 2 > line.size() ? limit / 2 - line.size() : 0;
    std::string_view kept = existing.size() > room ? existing.substr(existing.size() - room) : existing;
    // From the start of a whole line only.
    if (kept.size() < existing.size()) {
        const std::size_t start = kept.find('\n');
        kept = start == std::string_view::npos ? std::string_view() : kept.substr(start + 1);
    }
    return std::string(kept) + std::string(line);
}

}  // namespace win::core
