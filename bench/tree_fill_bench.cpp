// Window-tree fill speed: a fixture program with N child windows is walked
// (the same questions the tree fill asks: class, title with time limits)
// without a tree, then filled into the inspector's tree on the GUI thread and
// on a worker thread. Prints the times and their ratios; fails on nothing.
//
// Usage: tree_fill_bench [N] [RUNS]   (defaults 3000 and 5)
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "util/threads.h"

#include "util/scoped.h"

namespace {

double NowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

HWND StartFixture(int children, PROCESS_INFORMATION& process) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring exe(self);
    exe = exe.substr(0, exe.find_last_of(L'\\') + 1) + L"fixture_app.exe";
    std::wstring commandLine = L"\"" + exe + L"\" many " + std::to_wstring(children);
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process)) {
        return nullptr;
    }
    WaitForInputIdle(process.hProcess, 10000);
    for (int i = 0; i < 1000; ++i) {
        HWND root = FindWindowW(L"TavrinFixtureMany", nullptr);
        if (root) {
            int count = 0;
            for (HWND c = GetWindow(root, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) ++count;
            if (count == children) return root;
        }
        Sleep(20);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char** argv) {
    const int children = argc > 1 ? std::atoi(argv[1]) : 3000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    PROCESS_INFORMATION fixture = {};
    HWND root = StartFixture(children, fixture);
    if (!root) {
        std::fprintf(stderr, "the fixture with %d windows did not come up\n", children);
        return 1;
    }
    app::UtilityObjects utilities;
    app::MainWindow window(utilities);
    window.Create();
    window.Show(SW_SHOWNOACTIVATE);
    util::ProcessPendingMessages();
    inspector::WindowTree& tree = window.Analysis().Tree();
    window.Analysis().CurrentTarget().Select(util::FromHwnd(root));

    std::vector<double> walk, guiFill, workerFill;
    for (int run = 0; run < runs; ++run) {
        double start = NowMs();
        const auto nodes = inspector::WalkWindows(util::FromHwnd(root), false);
        walk.push_back(NowMs() - start);

        start = NowMs();
        tree.Refresh();
        guiFill.push_back(NowMs() - start);

        start = NowMs();
        tree.RefreshOnWorkerThread();
        do {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
            util::ProcessPendingMessages();
        } while (tree.FillRunning() || tree.Tree().ItemCount() != static_cast<int>(nodes.size()));
        workerFill.push_back(NowMs() - start);
    }
    std::printf("windows: %d (tree items %d), runs %d, medians:\n", children + 1, tree.Tree().ItemCount(), runs);
    std::printf("  walk with the same questions, no tree: %8.1f ms\n", Median(walk));
    std::printf("  fill on the GUI thread:                %8.1f ms  (%.2f x the walk)\n", Median(guiFill),
                Median(guiFill) / Median(walk));
    std::printf("  fill on a worker thread:               %8.1f ms  (%.2f x the walk)\n", Median(workerFill),
                Median(workerFill) / Median(walk));
    const util::OwnedHandle process(fixture.hProcess), thread(fixture.hThread);
    TerminateProcess(process.Get(), 0);
    return 0;
}
