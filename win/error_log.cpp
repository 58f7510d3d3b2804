#include "win/error_log.h"

#include <windows.h>

#include <mutex>

#include "win/core/error_log_text.h"
#include "win/file_replace.h"
#include "win/program_output.h"
#include "win/scoped.h"

namespace win {
namespace {

// One writer at a time, whichever thread the fault happened on.
SlimMutex logLock;

core::LogTime Now() {
    SYSTEMTIME t;
    GetLocalTime(&t);
    return {t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond, t.wMilliseconds};
}

bool AppendBytes(const std::wstring& path, std::string_view bytes) {
    const OwnedFile file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    return file && WriteAllBytes(file.Get(), bytes);
}

}  // namespace

std::wstring ErrorLogPath() {
    const std::wstring folder = PerUserProgramFolder();
    return folder.empty() ? L"" : folder + L"\\errors.log";
}

void AppendToErrorLog(std::string_view file, int line, std::string_view what) noexcept {
    try {
        const std::wstring path = ErrorLogPath();
        if (path.empty()) return;
        const std::string text = core::ErrorLogLine(Now(), file, line, what);
        const std::lock_guard<SlimMutex> hold(logLock);
        FileStamp stamp;
        if (!StampOf(path, stamp) || stamp.size + text.size() <= kErrorLogLimit) {
            AppendBytes(path, text);
            return;
        }
        // Full: the oldest lines go, in one step.
        std::string existing;
        if (!ReadWholeFile(path, existing)) return;
        ReplaceFileContents(path, core::AppendToLog(existing, text, kErrorLogLimit));
    } catch (...) {
        // No memory for the line: it is lost, the program goes on.
    }
}

}  // namespace win
