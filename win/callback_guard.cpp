#include "win/callback_guard.h"

#include <windows.h>

#include <atomic>
#include <string>

#include "win/error_log.h"
#include "win/wide_text.h"

namespace win {
namespace {

std::atomic<long> escaped{0};

}  // namespace

void NoteEscapedException(std::exception_ptr exception, const char* file, int line) noexcept {
    ++escaped;
    try {
        std::string what = "unknown exception";
        try {
            if (exception) std::rethrow_exception(exception);
        } catch (const std::exception& e) {
            what = e.what();
        } catch (...) {
        }
        const std::wstring text = L"Tavrin: an event handler failed and was skipped: " + Wide(what) + L"\n";
        OutputDebugStringW(text.c_str());
        AppendToErrorLog(file ? file : "?", line, what);
    } catch (...) {
        // Not even the text could be made (no memory): the count is enough.
    }
}

long EscapedExceptionCount() noexcept { return escaped; }

}  // namespace win
