// What the benchmarks share: the clock, the spread of a figure's runs, the
// fixture program with many windows, and the probe that measures how soon a
// window answers.
#pragma once

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "win/scoped.h"
#include "win/threads.h"

namespace bench {

inline double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// "min / median / max" of a figure's runs.
inline std::string Spread(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    char text[96];
    std::snprintf(text, sizeof text, "%7.1f / %7.1f / %7.1f", v.empty() ? 0 : v.front(), Median(v),
                  v.empty() ? 0 : v.back());
    return text;
}

inline int CountDescendants(HWND hwnd) {
    int count = 0;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) count += 1 + CountDescendants(c);
    return count;
}

// Starts the fixture program beside the benchmark with `windows` windows
// below its top-level window (panels of 100: Statics and Edits); its
// top-level window, or null when it did not come up.
inline HWND StartFixture(int windows, PROCESS_INFORMATION& process) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring exe(self);
    exe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"fixture_app.exe";
    std::wstring commandLine = L"\"" + exe + L"\" many " + std::to_wstring(windows) + L" 100";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process)) {
        return nullptr;
    }
    WaitForInputIdle(process.hProcess, 10000);
    for (int i = 0; i < 1000; ++i) {
        HWND root = FindWindowW(L"TavrinFixtureMany", nullptr);
        if (root && CountDescendants(root) == windows) return root;
        Sleep(20);
    }
    return nullptr;
}

// Handles this thread's messages for `ms` milliseconds.
inline void HandleMessagesFor(double ms) {
    const double end = NowMs() + ms;
    win::WaitHandlingMessages([end] { return NowMs() >= end; }, nullptr, {{}, 1});
}

// Sends WM_NULL to a window every 10 ms and keeps the answer times.
class LatencyProbe {
public:
    explicit LatencyProbe(HWND window) : window_(window) {
        running_ = true;
        win::StartThread(Run, this, &thread_);
    }
    ~LatencyProbe() { Stop(); }
    LatencyProbe(const LatencyProbe&) = delete;
    LatencyProbe& operator=(const LatencyProbe&) = delete;

    void Stop() {
        running_ = false;
        if (thread_) WaitForSingleObject(thread_.Get(), INFINITE);
    }
    double Worst() const { return times_.empty() ? 0 : *std::max_element(times_.begin(), times_.end()); }
    int Over(double ms) const {
        return static_cast<int>(std::count_if(times_.begin(), times_.end(), [ms](double t) { return t > ms; }));
    }

private:
    static DWORD WINAPI Run(void* self) {
        auto* probe = static_cast<LatencyProbe*>(self);
        while (probe->running_) {
            const double start = NowMs();
            DWORD_PTR result = 0;
            SendMessageTimeoutW(probe->window_, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
            probe->times_.push_back(NowMs() - start);
            Sleep(10);
        }
        return 0;
    }
    HWND window_;
    std::atomic<bool> running_{false};
    std::vector<double> times_;  // the probe thread's until Stop
    win::OwnedHandle thread_;
};

}  // namespace bench
