// Watches the windows of another program for the activity log, with no
// code in that program: a worker thread of its own takes a look at the
// windows every 100 ms (ReadActivitySnapshot: the window system's copies of
// titles, the styles, the rectangles; nothing is asked of the program, so a
// hung program delays nothing) and listens to the events the system raises
// for that program's windows out of context (under Wine only creation and
// the focus arrive; Windows raises the rest too), reading a window anew when
// one names it. Both go through one tracker (inspector/core/window_activity),
// so each change is reported once, as soon as either way sees it.
//
// A look at many windows takes long under Wine (a server round trip per
// value): the next look starts at least as long after the last one ended as
// that one took, so the worker never keeps more than half a core busy.
//
// What the worker finds is handed to the window given to Start, on its
// thread, in the order found, with the time in milliseconds since `opened`
// (a QueryPerformanceCounter reading in ms, NowMs). Stop (and the
// destructor) ends the worker and its event hooks before returning.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "inspector/core/window_activity.h"
#include "win/scoped.h"
#include "win/window_query.h"

namespace inspector {

// Milliseconds of the performance counter.
double ActivityNowMs();

struct TimedActivity {
    std::int64_t ms = 0;  // since the log opened
    core::ActivityEvent event;
};

// The windows watched for `root` (a top-level window): it, the top-level
// windows of its process it owns directly or through others, and all their
// descendants, parents first; the focus of their threads and the
// foreground window. `knownClass` gives a class already known (a class
// never changes), so that only new windows are asked theirs. Ends early,
// with what it has, when `stop` is set.
core::ActivitySnapshot ReadActivitySnapshot(HWND root, const core::ActivityTracker* known,
                                            const std::atomic<bool>* stop = nullptr);

class ActivityWatch {
public:
    using Report = std::function<void(std::vector<TimedActivity>)>;

    ActivityWatch() = default;
    ~ActivityWatch() { Stop(); }
    ActivityWatch(const ActivityWatch&) = delete;
    ActivityWatch& operator=(const ActivityWatch&) = delete;

    // Starts watching the program of `target` (its top-level window and
    // what that owns); `report` runs on the thread of `form`. False when
    // the worker could not be started.
    bool Start(HWND form, HWND target, double opened, Report report);
    void Stop();
    bool Running() const { return state_ != nullptr; }
    // The top-level window watched (null before Start).
    HWND Root() const { return root_; }
    // How long the worker's last look took, and how many windows it saw.
    double LastLookMs() const;
    std::size_t LastLookWindows() const;
    // The worker's thread id while it runs (0 otherwise), for tests.
    DWORD WorkerThreadId() const { return threadId_; }

    struct State;  // shared by the watch and its worker (activity_watch.cpp)

private:
    static DWORD WINAPI Worker(void* parameter);

    std::shared_ptr<State> state_;
    std::shared_ptr<bool> alive_;  // reports of a stopped watch are dropped
    win::OwnedHandle thread_;
    DWORD threadId_ = 0;
    HWND root_ = nullptr;
};

}  // namespace inspector
