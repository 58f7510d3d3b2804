// Pausing, resuming and ending other programs' processes and threads.
// Every routine answers with its failure value; none throws.
#pragma once

#include <windows.h>

#include <cstdint>

#include "util/scoped.h"
#include "util/window_query.h"

namespace util {

// Suspends (pause) or resumes the thread that owns the window; false when
// there is no such window, the thread cannot be opened, or the call fails.
bool PauseWindowThread(WindowHandle hwnd, bool pause = true);
// The same for a thread known by its id.
bool PauseThreadById(std::int32_t tid, bool pause = true);
// Whether a process of that id is still running.
bool ProcessRunning(std::int32_t pid);
// Whether a thread of that id still exists and has not ended.
bool ThreadRunning(std::int32_t tid);
// Whether the process, or the thread's process, is this program's.
bool IsOwnProcess(std::int32_t pid);
bool IsOwnThread(std::int32_t tid);
// Suspends (pause) or resumes every thread of the process at once; true
// when the system reports success.
bool PauseProcess(std::int32_t pid, bool pause = true);
// ZwSuspendProcess / ZwResumeProcess of ntdll; the NTSTATUS (0 = success).
std::int32_t SuspendProcessHandle(HANDLE process);
std::int32_t ResumeProcessHandle(HANDLE process);
// Ends the process with exit code 0; true when it was ended.
bool TerminateProcessById(std::int32_t pid);

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
    // Ends the open thread with exit code 0 and closes it.
    void TerminateOpenedThread();
    void CloseOpenedThread();
    HANDLE OpenedThread() const { return thread_.Get(); }

private:
    OwnedHandle thread_;
};

}  // namespace util
