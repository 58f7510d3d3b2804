// Worker threads and waits that keep the calling thread's windows alive.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "util/scoped.h"

namespace util {

// Starts `routine(parameter)` on a new thread. The thread handle goes to
// *handle when asked for, else it is closed at once. Returns the thread id,
// 0 when no thread could be started.
using ThreadRoutine = DWORD(WINAPI*)(void* parameter);
std::int32_t StartThread(ThreadRoutine routine, void* parameter, OwnedHandle* handle = nullptr);

// Runs `work` on a new thread; the thread id, 0 on failure.
std::int32_t StartThread(std::function<void()> work);

// Runs `work` on a thread of its own and returns when it has finished; the
// calling thread keeps handling its window messages meanwhile (so handlers
// may run during the wait, and `work` may send messages to this thread's
// windows). What `work` throws is thrown here. Runs `work` on the calling
// thread when no thread can be started.
void RunOnWorker(const std::function<void()>& work);

// Handles the window messages waiting for this thread, then returns; after
// 25 ms it returns even when more are waiting (timers that are always due
// would keep it going). A WM_QUIT is left for the message loop.
void ProcessPendingMessages();

// Waits `count` units (0 ms, 1 µs, 2 s, 3 min, 4 h, 5 days; any other value
// is milliseconds per count) while the calling thread keeps handling its
// window messages, so its windows repaint and react; handlers may therefore
// run during the wait.
void Delay(std::int32_t count, std::int32_t unit = 0);

}  // namespace util
