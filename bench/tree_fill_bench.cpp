// Window-tree fill speed: a fixture program with N windows below its
// top-level window (panels of 100, Statics and Edits) is the target's
// program, its last window the target. Measured in one run, each a median
// of RUNS:
// - a bare walk of the windows (GetWindow, GetClassName, GetWindowText) and
//   one asking every title with SendMessageTimeout, the cost of the
//   questions a tree could ask;
// - the walk the tree makes (WalkWindows), without a tree;
// - the fill as a capture's release starts it (on a worker thread): time to
//   the target's item selected in the tree and to the last item in, while
//   a probe thread sends WM_NULL to the main window every 10 ms: the worst
//   answer time during the fill and how many answers took over 50 ms;
// - the fill on the GUI thread (刷新).
// Prints the figures and their ratios; fails on nothing.
//
// Usage: tree_fill_bench [N] [RUNS]   (defaults 3000 and 5)
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "bench/bench_support.h"
#include "win/scoped.h"
#include "win/threads.h"

namespace {

using bench::HandleMessagesFor;
using bench::LatencyProbe;
using bench::Median;
using bench::NowMs;
using bench::Spread;

HWND LastDescendant(HWND hwnd) {
    HWND last = hwnd;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) last = c;
    return last == hwnd ? hwnd : LastDescendant(last);
}

// The walk a window spy could make at the least: no window is asked
// anything.
int BareWalk(HWND hwnd) {
    int count = 0;
    wchar_t text[256];
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        GetClassNameW(c, text, 256);
        GetWindowTextW(c, text, 256);
        count += 1 + BareWalk(c);
    }
    return count;
}

// The same, every title asked of the window's program.
int AskingWalk(HWND hwnd) {
    int count = 0;
    wchar_t text[256];
    for (HWND c = GetWindow(hwnd, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        GetClassNameW(c, text, 256);
        DWORD_PTR copied = 0;
        SendMessageTimeoutW(c, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 100, &copied);
        count += 1 + AskingWalk(c);
    }
    return count;
}

// One fill as a capture's release starts it, until the tree is complete;
// the time to the target selected and to the last item in.
void CaptureFill(inspector::WindowTree& tree, ui::TreeBox& box, win::WindowHandle target, int items, double& selected,
                 double& complete) {
    const double start = NowMs();
    tree.RefreshOnWorkerThread();
    double selectedAt = 0;
    win::WaitHandlingMessages(
        [&] {
            if (selectedAt == 0 && box.ItemData(box.SelectedIndex()) == target && box.ItemBold(box.SelectedIndex())) {
                selectedAt = NowMs();
            }
            return !tree.FillRunning() && box.ItemCount() == items;
        },
        nullptr, {{}, 1});
    complete = NowMs() - start;
    selected = (selectedAt ? selectedAt : NowMs()) - start;
}

}  // namespace

int main(int argc, char** argv) {
    // --requests: one capture's fill and one 刷新, each between two marks,
    // for a count of the requests to the Wine server in its trace
    // (bench/tree_fill --requests). A mark is a request of its own that
    // names it: looking an atom of that name up.
    const auto mark = [](const wchar_t* name) { GlobalFindAtomW(name); };
    const bool requests = argc > 1 && std::string(argv[1]) == "--requests";
    if (requests) {
        --argc;
        ++argv;
    }
    const int windows = argc > 1 ? std::atoi(argv[1]) : 3000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);

    PROCESS_INFORMATION fixture = {};
    HWND root = bench::StartFixture(windows, fixture);
    const win::OwnedHandle process(fixture.hProcess), thread(fixture.hThread);
    if (!root) {
        std::fprintf(stderr, "the fixture with %d windows did not come up\n", windows);
        if (process) TerminateProcess(process.Get(), 1);
        return 1;
    }
    const HWND targetWindow = LastDescendant(root);
    app::UtilityObjects utilities;
    app::MainWindow window(utilities);
    window.Create();
    window.Show(SW_SHOWNOACTIVATE);
    win::ProcessPendingMessages();
    inspector::WindowTree& tree = window.Analysis().Tree();
    ui::TreeBox& box = tree.Tree();
    window.Analysis().CurrentTarget().Select(win::FromHwnd(targetWindow));
    const int items = windows + 1;
    const win::WindowHandle target = win::FromHwnd(targetWindow);

    if (requests) {
        std::printf("gui-thread %04lx\n", GetCurrentThreadId());
        std::fflush(stdout);
        double selected = 0, complete = 0;
        box.Clear();
        HandleMessagesFor(100);
        mark(L"tavrin-mark capture-start");
        CaptureFill(tree, box, target, items, selected, complete);
        mark(L"tavrin-mark capture-end");
        HandleMessagesFor(100);
        mark(L"tavrin-mark refresh-start");
        tree.Refresh();
        mark(L"tavrin-mark refresh-end");
        TerminateProcess(process.Get(), 0);
        return 0;
    }

    std::vector<double> bare, asking, walk, selected, complete, worst, guiFill, guiWorst;
    int stalls = 0, guiStalls = 0;
    for (int run = 0; run < runs; ++run) {
        double start = NowMs();
        BareWalk(root);
        bare.push_back(NowMs() - start);

        start = NowMs();
        AskingWalk(root);
        asking.push_back(NowMs() - start);

        start = NowMs();
        inspector::WalkWindows(win::FromHwnd(root));
        walk.push_back(NowMs() - start);

        box.Clear();
        HandleMessagesFor(100);
        {
            LatencyProbe probe(window.Handle());
            HandleMessagesFor(50);
            double s = 0, c = 0;
            CaptureFill(tree, box, target, items, s, c);
            selected.push_back(s);
            complete.push_back(c);
            HandleMessagesFor(50);
            probe.Stop();
            worst.push_back(probe.Worst());
            stalls += probe.Over(50);
        }
        {
            // 刷新 over the full tree, as the user presses it.
            LatencyProbe probe(window.Handle());
            HandleMessagesFor(50);
            start = NowMs();
            tree.Refresh();
            guiFill.push_back(NowMs() - start);
            HandleMessagesFor(50);
            probe.Stop();
            guiWorst.push_back(probe.Worst());
            guiStalls += probe.Over(50);
        }
    }
    const double fastestBare = *std::min_element(bare.begin(), bare.end());
    std::printf("windows: %d (tree items %d), target the last of them, %d runs; min / median / max in ms,\n"
                "ratios against the fastest bare walk (%.1f ms):\n",
                items, box.ItemCount(), runs, fastestBare);
    auto row = [&](const char* what, const std::vector<double>& v) {
        std::printf("  %-52s %s  (%.2f x)\n", what, Spread(v).c_str(), Median(v) / fastestBare);
    };
    row("bare walk (GetWindow, GetClassName, GetWindowText)", bare);
    row("walk asking every title (SendMessageTimeout)", asking);
    row("the tree's walk, no tree", walk);
    row("capture's fill: release to target selected and bold", selected);
    row("capture's fill: release to last item in", complete);
    row("刷新 (on the GUI thread): to the last item in", guiFill);
    std::printf("  %-52s %s  (%d answers over 50 ms in all runs)\n", "worst WM_NULL answer during the capture's fill",
                Spread(worst).c_str(), stalls);
    std::printf("  %-52s %s  (%d answers over 50 ms in all runs)\n", "worst WM_NULL answer during 刷新",
                Spread(guiWorst).c_str(), guiStalls);
    TerminateProcess(process.Get(), 0);
    return 0;
}
