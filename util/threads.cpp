#include "util/threads.h"

#include <exception>
#include <memory>

#include "util/callback_guard.h"
#include "util/core/delay_time.h"

namespace util {
namespace {

DWORD WINAPI RunFunction(void* parameter) {
    std::unique_ptr<std::function<void()>> work(static_cast<std::function<void()>*>(parameter));
    GuardCallback(*work);
    return 0;
}

}  // namespace

void ProcessPendingMessages() {
    // Bounded in time: a timer whose routine takes longer than its period
    // is due again whenever the queue is empty, so "until nothing is left"
    // could last for ever and the caller would never look at what it waits
    // for.
    constexpr ULONGLONG kSliceMs = 25;
    const ULONGLONG end = GetTickCount64() + kSliceMs;
    MSG msg;
    while (GetTickCount64() < end && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the message loop
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
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

void RunOnWorker(const std::function<void()>& work) {
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
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &waited, FALSE, INFINITE, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0) break;
        if (woke != WAIT_OBJECT_0 + 1) {
            WaitForSingleObject(waited, INFINITE);  // the wait failed; the job lives on this stack
            break;
        }
        MSG msg;
        if (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE)) {
            // The program is ending: only messages sent by other threads
            // (the work may be asking this thread's windows) are answered.
            DWORD sent;
            while ((sent = MsgWaitForMultipleObjects(1, &waited, FALSE, INFINITE, QS_SENDMESSAGE)) == WAIT_OBJECT_0 + 1) {
                PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
            }
            if (sent != WAIT_OBJECT_0) WaitForSingleObject(waited, INFINITE);
            break;
        }
        ProcessPendingMessages();
    }
    if (job.error) std::rethrow_exception(job.error);
}

void Delay(std::int32_t count, std::int32_t unit) {
    const std::int64_t due = core::DelayDueTime(count, unit);
    if (due == 0) return;
    const OwnedHandle timer(CreateWaitableTimerW(nullptr, FALSE, nullptr));
    if (!timer) return;
    LARGE_INTEGER when;
    when.QuadPart = due;
    if (!SetWaitableTimer(timer.Get(), &when, 0, nullptr, nullptr, FALSE)) return;
    const HANDLE waited = timer.Get();
    for (;;) {
        const DWORD woke = MsgWaitForMultipleObjects(1, &waited, FALSE, INFINITE, QS_ALLINPUT);
        if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) break;
        ProcessPendingMessages();
    }
}

}  // namespace util
