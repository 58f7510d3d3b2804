// What the skin engine adds to making and first painting the first page:
// the main window's outer size and the first page's controls, made on a
// thread of their own, plain and with the program's skin attached to that
// thread, in turns. Prints min / median / max of each side, the skin's
// share, and what it adds per control.
//
// Usage: skin_cost_bench [RUNS]   (default 15; bench/skin_cost runs it)
#include <windows.h>

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/core/main_layout.h"
#include "app/skin.h"
#include "app/utility_objects.h"
#include "skin/core/skin_table.h"
#include "ui/form.h"
#include "ui/layout_builder.h"
#include "win/scoped.h"
#include "win/threads.h"

namespace {

double NowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return static_cast<double>(c.QuadPart) * 1000.0 / static_cast<double>(f.QuadPart);
}

struct Times {
    std::vector<double> attach, make, paint;
};

struct Job {
    app::UtilityObjects* utilities;
    bool skinned;
    double attach = 0, make = 0, paint = 0;
    bool ok = false;
};

// On a fresh thread: the skin (when asked), the window with the first page's
// controls, and its first paint, done synchronously.
DWORD WINAPI MakeWindow(void* parameter) {
    auto& job = *static_cast<Job*>(parameter);
    double start = NowMs();
    if (job.skinned && !app::ApplySkin(skin::core::kProgramSkinNumber, job.utilities->entryPatch)) return 1;
    job.attach = NowMs() - start;
    start = NowMs();
    ui::Form form;
    ui::FormOptions options;
    options.title = "skin cost";
    options.width = app::core::kMainWindowWidth;
    options.height = app::core::kMainWindowHeight;
    options.background = app::core::kPageColour;
    if (!form.Create(options)) return 1;
    ui::BuildControls(form, app::core::MainWindowPages()[app::core::kAnalysisPage].controls,
                      app::core::kAnalysisPage);
    job.make = NowMs() - start;
    start = NowMs();
    form.Show(SW_SHOWNOACTIVATE);
    UpdateWindow(form.Handle());
    RedrawWindow(form.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    job.paint = NowMs() - start;
    form.Destroy();
    job.ok = true;
    return 0;
}

bool RunOnce(app::UtilityObjects& utilities, bool skinned, Times& times) {
    Job job{&utilities, skinned};
    win::OwnedHandle thread;
    if (!win::StartThread(MakeWindow, &job, &thread)) return false;
    WaitForSingleObject(thread.Get(), INFINITE);
    if (!job.ok) return false;
    times.attach.push_back(job.attach);
    times.make.push_back(job.make);
    times.paint.push_back(job.paint);
    return true;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void Row(const char* what, const std::vector<double>& plain, const std::vector<double>& skinned) {
    std::printf("  %-30s plain %6.1f / %6.1f / %6.1f   skinned %6.1f / %6.1f / %6.1f", what,
                *std::min_element(plain.begin(), plain.end()), Median(plain),
                *std::max_element(plain.begin(), plain.end()), *std::min_element(skinned.begin(), skinned.end()),
                Median(skinned), *std::max_element(skinned.begin(), skinned.end()));
    if (Median(plain) >= 1) std::printf("   (%.2f x)", Median(skinned) / Median(plain));
    std::printf("\n");
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TAB_CLASSES | ICC_TREEVIEW_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    app::UtilityObjects utilities;
    Times plain, skinned;
    // One of each first: the engine is written and loaded once per process.
    RunOnce(utilities, true, skinned);
    skinned = {};
    for (int run = 0; run < runs; ++run) {
        if (!RunOnce(utilities, false, plain) || !RunOnce(utilities, true, skinned)) {
            std::fprintf(stderr, "the window could not be made%s\n", run == 0 ? " (or the skin not attached)" : "");
            return 1;
        }
    }
    const std::size_t count = app::core::MainWindowPages()[app::core::kAnalysisPage].controls.size();
    std::printf("the first page (%zu controls) made and first painted on a thread of its own, %d runs each in turns;\n"
                "min / median / max in ms:\n",
                count, runs);
    Row("skin attached to the thread", plain.attach, skinned.attach);
    Row("window and controls made", plain.make, skinned.make);
    Row("shown and painted", plain.paint, skinned.paint);
    std::vector<double> plainAll, skinnedAll;
    for (int i = 0; i < runs; ++i) {
        plainAll.push_back(plain.make[static_cast<std::size_t>(i)] + plain.paint[static_cast<std::size_t>(i)]);
        skinnedAll.push_back(skinned.attach[static_cast<std::size_t>(i)] + skinned.make[static_cast<std::size_t>(i)] +
                             skinned.paint[static_cast<std::size_t>(i)]);
    }
    Row("all", plainAll, skinnedAll);
    std::printf("the skin adds %.2f ms per control\n", (Median(skinnedAll) - Median(plainAll)) / static_cast<double>(count));
    return 0;
}
