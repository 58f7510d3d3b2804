#include "win/threads.h"

#include <exception>
#include <memory>

#include "win/callback_guard.h"
#include "win/core/delay_time.h"

namespace win {
namespace {

DWORD WINAPI RunFunction(void* parameter) {
    std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
    GuardCallback(*work);
    return 0;
}

}  // namespace

bool ProcessPendingMessages() {
    // Bounded in time: a timer whose routine takes longer than its period
    // is due again whenever the queue is empty, so "until nothing is left"
    // could last for ever and the caller would never look at what it waits
    // for.
    constexpr ULONGLONG kSliceMs = 25;
    const ULONGLONG end = GetTickCount64() + kSliceMs;
    MSG msg;
    while (GetTickCount64() < end && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the message loop
            return false;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

WaitEnd WaitHandlingMessages(const std::function<bool()>& done, HWND owner, const WaitOptions& options) {
    const bool all = options.handling == MessageHandling::All;
    const auto count = static_cast<DWORD>(options.wakers.size());
    const DWORD wake = all ? QS_ALLINPUT : QS_SENDMESSAGE;
    for (;;) {
        if (done()) return WaitEnd::Done;
        if (all && owner && !IsWindow(owner)) return WaitEnd::OwnerGone;
        const DWORD woke = MsgWaitForMultipleObjects(count, options.wakers.data(), FALSE, options.pollMs, wake);
        if (woke == WAIT_FAILED) {
            // A waker that is no object (closed meanwhile): wait on messages
            // and time alone, never spinning.
            MsgWaitForMultipleObjects(0, nullptr, FALSE, options.pollMs == INFINITE ? 10 : options.pollMs, wake);
        }
        if (all) {
            if (!ProcessPendingMessages()) return WaitEnd::Quit;
        } else {
            MSG msg;  // a look at the queue answers what other threads sent
            PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
    }
}

std::int32_t StartThread(ThreadRoutine routine, void* parameter, OwnedHandle* handle) {
    DWORD id = 0;
    OwnedHandle thread(CreateThread(nullptr, 0, routine, parameter, 0, &id));
    if (!thread) return 0;
    if (handle) *handle = std::move(thread);
    return static_cast<std::int32_t>(id);
}

std::int32_t StartThread(std::function<void()> work) {
    auto owned = std::make_unique<std::function<void()>>(std::move(work));
    const std::int32_t id = StartThread(RunFunction, owned.get());
    if (id != 0) owned.release();  // the thread owns it now
    return id;
}

void RunOnWorker(const std::function<void()>& work, HWND owner) {
    struct Job {
        const std::function<void()>* work;
        std::exception_ptr error;
    } job{&work, nullptr};
    OwnedHandle thread;
    const auto run = [](void* parameter) -> DWORD {
        auto* j = static_cast<Job*>(parameter);
        try {
            (*j->work)();
        } catch (...) {
            j->error = std::current_exception();
        }
        return 0;
    };
    if (!StartThread(run, &job, &thread)) {
        work();
        return;
    }
    const HANDLE waited = thread.Get();
    const auto finished = [waited] { return WaitForSingleObject(waited, 0) != WAIT_TIMEOUT; };
    if (WaitHandlingMessages(finished, owner, {{waited}}) != WaitEnd::Done) {
        // The window or the program is going; the job lives on this stack,
        // and the work may still ask this thread's windows something.
        WaitHandlingMessages(finished, nullptr, {{waited}, INFINITE, MessageHandling::SentOnly});
    }
    if (job.error) std::rethrow_exception(job.error);
}

void Delay(std::int32_t count, std::int32_t unit) {
    const std::int64_t due = core::DelayDueTime(count, unit);
    if (due == 0) return;
    // Manual reset: it stays signalled once due, however often it is asked.
    const OwnedHandle timer(CreateWaitableTimerW(nullptr, TRUE, nullptr));
    if (!timer) return;
    LARGE_INTEGER when;
    when.QuadPart = due;
    if (!SetWaitableTimer(timer.Get(), &when, 0, nullptr, nullptr, FALSE)) return;
    const HANDLE waited = timer.Get();
    WaitHandlingMessages([waited] { return WaitForSingleObject(waited, 0) != WAIT_TIMEOUT; }, nullptr, {{waited}});
}

}  // namespace win
