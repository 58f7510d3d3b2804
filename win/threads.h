// Worker threads and waits that keep the calling thread's windows alive.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "win/scoped.h"

namespace win {

// Starts `routine(parameter)` on a new thread. The thread handle goes to
// *handle when asked for, else it is closed at once. Returns the thread id,
// 0 when no thread could be started.
using ThreadRoutine = DWORD(WINAPI*)(void* parameter);
std::int32_t StartThread(ThreadRoutine routine, void* parameter, OwnedHandle* handle = nullptr);

// Runs `work` on a new thread; the thread id, 0 on failure.
std::int32_t StartThread(std::function<void()> work);

// --- Waiting while the thread's messages are handled -----------------------
//
// A wait on the GUI thread must keep its windows painting and reacting, so
// it handles their messages, and handlers run inside it. WaitHandlingMessages
// is the one such wait of the program; every other wait that handles
// messages (RunOnWorker, Delay, the window tree's) is made of it. It ends
// when its condition holds, when the window it waits for is gone (closing a
// window never leaves a wait behind that nothing will end), and when the
// program is ending (a WM_QUIT, which it posts again for the message loop).

enum class WaitEnd {
    Done,       // the condition holds
    OwnerGone,  // the owner window is no longer a window
    Quit,       // a WM_QUIT came; it is posted again for the message loop
};

enum class MessageHandling {
    All,       // every message of the thread: windows repaint, handlers run
    SentOnly,  // only messages other threads send and wait for; nothing
               // else runs, and only the condition ends the wait (for work
               // that must end before the caller may go on: it lives on the
               // caller's stack)
};

struct WaitOptions {
    std::vector<HANDLE> wakers;  // objects whose signal wakes the wait
    DWORD pollMs = INFINITE;     // the condition is checked at least this often
    MessageHandling handling = MessageHandling::All;
};

// Checks `done` first and after every wake: a message, a signalled waker,
// or `pollMs` gone by. `owner` may be null (nothing to be gone).
WaitEnd WaitHandlingMessages(const std::function<bool()>& done, HWND owner, const WaitOptions& options = {});

// Handles the window messages waiting for this thread, then returns; after
// 25 ms it returns even when more are waiting (timers that are always due
// would keep it going). A WM_QUIT is posted again for the message loop and
// ends it: false then.
bool ProcessPendingMessages();

// Runs `work` on a thread of its own and returns when it has finished; the
// calling thread keeps handling its window messages meanwhile (so handlers
// may run during the wait, and `work` may send messages to this thread's
// windows) until `owner` goes or the program ends; then only what other
// threads send is answered until `work` is done. What `work` throws is
// thrown here. Runs `work` on the calling thread when no thread can be
// started.
void RunOnWorker(const std::function<void()>& work, HWND owner = nullptr);

// Waits `count` units (0 ms, 1 µs, 2 s, 3 min, 4 h, 5 days; any other value
// is milliseconds per count) while the calling thread keeps handling its
// window messages, so its windows repaint and react; handlers may therefore
// run during the wait. Ends early when the program is ending.
void Delay(std::int32_t count, std::int32_t unit = 0);

}  // namespace win
