// The boundary between Windows and the program's own code. Every entry from
// Windows into the program (window, subclass and hook procedures, thread
// routines) runs its work through GuardCallback: whatever the work throws is
// caught there, so that no exception unwinds through the system's frames
// (which would end the program, or worse) and the program keeps running with
// the event dropped. What was caught is never silent: it goes to the
// debugger's output and, with the time and the place of the guard, to the
// error log a user can attach to a report (win/error_log.h).
#pragma once

#include <exception>

namespace win {

// Notes an exception that reached the guard at `file`:`line`: the count
// goes up, and its text goes to the debugger's output and the error log.
void NoteEscapedException(std::exception_ptr exception, const char* file, int line) noexcept;
// How many exceptions reached a boundary since the program started.
long EscapedExceptionCount() noexcept;

// Runs `work` and returns its result; `fallback` when it threw. The place
// is the caller's (filled in by the compiler).
template <typename Work, typename Result>
Result GuardCallback(Work&& work, Result fallback, const char* file = __builtin_FILE(),
                     int line = __builtin_LINE()) noexcept {
    try {
        return work();
    } catch (...) {
        NoteEscapedException(std::current_exception(), file, line);
        return fallback;
    }
}

// The same for work without a result.
template <typename Work>
void GuardCallback(Work&& work, const char* file = __builtin_FILE(), int line = __builtin_LINE()) noexcept {
    try {
        work();
    } catch (...) {
        NoteEscapedException(std::current_exception(), file, line);
    }
}

}  // namespace win
