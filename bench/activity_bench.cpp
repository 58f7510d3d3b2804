// The activity log's cost: a fixture program with N windows below its
// top-level window is watched.
// - A look at its windows (what the log's worker does every 100 ms at
//   most): min / median / max of RUNS looks, per look and per window, at
//   200 and at 2,000 windows (or the counts given).
// - At the largest count, the log window open on the fixture for 5 s while
//   another thread retitles 20 of the fixture's windows every 100 ms: the
//   worst time the log window took to answer a WM_NULL sent every 10 ms, how
//   many answers took over 50 ms, the lines logged, and how long the
//   worker's looks took meanwhile.
// Prints the figures; fails on nothing.
//
// Usage: activity_bench [RUNS] [N ...]   (defaults 20, 200 2000)
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "bench/bench_support.h"
#include "inspector/activity_watch.h"
#include "inspector/activity_window.h"
#include "win/input_hook.h"

namespace {

using bench::NowMs;
using bench::Spread;

struct Fixture {
    PROCESS_INFORMATION info = {};
    HWND root = nullptr;
    explicit Fixture(int windows) { root = bench::StartFixture(windows, info); }
    ~Fixture() {
        if (info.hProcess) {
            TerminateProcess(info.hProcess, 0);
            WaitForSingleObject(info.hProcess, 10000);
            CloseHandle(info.hProcess);
            CloseHandle(info.hThread);
        }
    }
};

void MeasureLooks(int windows, int runs) {
    const Fixture fixture(windows);
    if (!fixture.root) {
        std::printf("  the fixture with %d windows did not come up\n", windows);
        return;
    }
    inspector::core::ActivityTracker tracker;
    tracker.Begin(inspector::ReadActivitySnapshot(fixture.root, nullptr));
    std::vector<double> look, perWindow;
    std::size_t seen = 0;
    for (int i = 0; i < runs; ++i) {
        const double start = NowMs();
        const inspector::core::ActivitySnapshot snapshot = inspector::ReadActivitySnapshot(fixture.root, &tracker);
        const double took = NowMs() - start;
        seen = snapshot.windows.size();
        tracker.Compare(snapshot);
        look.push_back(took);
        perWindow.push_back(took * 1000.0 / static_cast<double>(seen ? seen : 1));
    }
    std::printf("  %5d windows (%zu watched): a look %s ms; per window %s µs\n", windows, seen, Spread(look).c_str(),
                Spread(perWindow).c_str());
}

// Retitles windows of the fixture every 100 ms until told to stop.
struct Retitler {
    std::vector<HWND> windows;
    std::atomic<bool> running{true};
    static DWORD WINAPI Run(void* self) {
        auto* r = static_cast<Retitler*>(self);
        for (int turn = 0; r->running; ++turn) {
            for (HWND w : r->windows) {
                const std::wstring title = L"retitled " + std::to_wstring(turn);
                DWORD_PTR result = 0;
                SendMessageTimeoutW(w, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(title.c_str()), SMTO_NORMAL, 1000,
                                    &result);
            }
            Sleep(100);
        }
        return 0;
    }
};

void MeasureAnswers(int windows) {
    const Fixture fixture(windows);
    if (!fixture.root) return;
    Retitler retitler;
    for (HWND panel = GetWindow(fixture.root, GW_CHILD); panel && retitler.windows.size() < 20;
         panel = GetWindow(panel, GW_HWNDNEXT)) {
        retitler.windows.push_back(GetWindow(panel, GW_CHILD));
    }
    win::InputHook hook;
    inspector::ActivityWindow log;
    std::string refusal;
    if (!log.Open(nullptr, hook, fixture.root, nullptr, refusal)) {
        std::printf("  the log did not open: %s\n", refusal.c_str());
        return;
    }
    bench::HandleMessagesFor(1000);  // its first look
    std::vector<double> looks;
    win::OwnedHandle thread;
    win::StartThread(Retitler::Run, &retitler, &thread);
    {
        bench::LatencyProbe probe(log.Handle());
        const double end = NowMs() + 5000;
        double lastLook = 0;
        win::WaitHandlingMessages(
            [&] {
                const double l = log.Watch().LastLookMs();
                if (l != lastLook) looks.push_back(lastLook = l);
                return NowMs() >= end;
            },
            nullptr, {{}, 5});
        probe.Stop();
        retitler.running = false;
        WaitForSingleObject(thread.Get(), INFINITE);
        bench::HandleMessagesFor(500);  // the last changes in
        std::printf("  %5d windows, logging for 5 s: worst answer %.1f ms (%d answers over 50 ms), %zu lines, "
                    "the worker's looks %s ms\n",
                    windows, probe.Worst(), probe.Over(50), log.Lines().Size(), Spread(looks).c_str());
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 20;
    std::vector<int> counts;
    for (int i = 2; i < argc; ++i) counts.push_back(std::atoi(argv[i]));
    if (counts.empty()) counts = {200, 2000};
    std::printf("activity log: a look at the watched windows (min / median / max of %d)\n", runs);
    for (int n : counts) MeasureLooks(n, runs);
    MeasureAnswers(counts.back());
    return 0;
}
