// The boundary between Windows and the program's own code. Every entry from
// Windows into the program (window, subclass and hook procedures, thread
// routines) runs its work through GuardCallback: whatever the work throws is
// caught there, so that no exception unwinds through the system's frames
// (which would end the program, or worse) and the program keeps running with
// the event dropped.
#pragma once

#include <exception>

namespace util {

// Notes an exception that reached a boundary: its text goes to the
// debugger's output (there is no log), and the count goes up.
void NoteEscapedException(std::exception_ptr exception) noexcept;
// How many exceptions reached a boundary since the program started.
long EscapedExceptionCount() noexcept;

// Runs `work` and returns its result; `fallback` when it threw.
template <typename Work, typename Result>
Result GuardCallback(Work&& work, Result fallback) noexcept {
    try {
        return work();
    } catch (...) {
        NoteEscapedException(std::current_exception());
        return fallback;
    }
}

// The same for work without a result.
template <typename Work>
void GuardCallback(Work&& work) noexcept {
    try {
        work();
    } catch (...) {
        NoteEscapedException(std::current_exception());
    }
}

}  // namespace util
