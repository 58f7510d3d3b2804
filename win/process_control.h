// Pausing, resuming and ending other programs' processes and threads.
//
// Every action goes through a handle opened from the live window at the
// moment it runs: ids are handed out again by the system once a process or
// thread has ended, so a number remembered from earlier can name another
// program, while an open handle keeps its object (and its id) alive.
// Every routine answers with its failure value; none throws.
#pragma once

#include <windows.h>

#include <cstdint>

#include "win/scoped.h"
#include "win/window_query.h"

namespace win {

// The process, or the thread, that owns the window now, opened with
// `access`. The window is asked again once the object is open, so the handle
// is the window's own even when the window went and its id was given to
// another meanwhile. Empty when the window is gone or the object cannot be
// opened.
OwnedHandle OpenProcessOfWindow(WindowHandle hwnd, DWORD access);
OwnedHandle OpenThreadOfWindow(WindowHandle hwnd, DWORD access);

// Access a pause needs: suspend and resume, and asking whether it ended and
// whose it is.
inline constexpr DWORD kProcessPauseAccess = PROCESS_SUSPEND_RESUME | PROCESS_QUERY_LIMITED_INFORMATION | SYNCHRONIZE;
inline constexpr DWORD kThreadPauseAccess = THREAD_SUSPEND_RESUME | THREAD_QUERY_LIMITED_INFORMATION | SYNCHRONIZE;

// Suspends (pause) or resumes every thread of an opened process at once
// (ZwSuspendProcess / ZwResumeProcess of ntdll), or one opened thread; true
// when the system reports success.
bool PauseProcessHandle(HANDLE process, bool pause);
bool PauseThreadHandle(HANDLE thread, bool pause);
// Whether an opened process or thread (opened with SYNCHRONIZE) still runs.
bool StillRunning(HANDLE waitable);
// Whether the opened process, or the opened thread's process, is this
// program's.
bool IsOwnProcess(HANDLE process);
bool IsOwnThread(HANDLE thread);

// The thread-control object (线程操作类): one open thread at a time.
class ThreadControl {
public:
    ThreadControl() = default;
    ~ThreadControl() = default;
    ThreadControl(const ThreadControl&) = delete;
    ThreadControl& operator=(const ThreadControl&) = delete;

    // Opens the thread with full access, replacing the open one (which is
    // closed first); true when it could be opened.
    bool OpenThreadById(std::int32_t tid);
    // The same for the thread that owns the window now.
    bool OpenThreadOfWindow(WindowHandle hwnd);
    // Ends the open thread with exit code 0 and closes it.
    void TerminateOpenedThread();
    void CloseOpenedThread();
    HANDLE OpenedThread() const { return thread_.Get(); }

private:
    OwnedHandle thread_;
};

}  // namespace win
