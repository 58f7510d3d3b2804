// The region capture: from the call that opens it to the frozen screen
// painted on every window, a lens update, and saving a 1920 x 1080
// selection as BMP and as PNG; reading the windows the selection snaps to
// with 2,000 more windows on the screen (a fixture program's). Prints
// figures, per screen size.
//
// Usage: region_capture_bench [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "capture/region_capture.h"
#include "capture/window_snapshot.h"
#include "imaging/bitmap.h"
#include "imaging/core/bmp.h"
#include "imaging/image_file.h"
#include "win/threads.h"

namespace {

double NowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    SetProcessDPIAware();
    const int runs = argc > 1 ? std::atoi(argv[1]) : 9;
    const base::Rect screen = imaging::VirtualScreenRect();
    capture::RegionCapture capture(capture::SelectionCursors{LoadCursorW(nullptr, IDC_CROSS),
                                                             LoadCursorW(nullptr, IDC_HAND),
                                                             LoadCursorW(nullptr, IDC_ARROW)});
    std::vector<double> open, lens;
    for (int i = 0; i < runs + 1; ++i) {
        const double t0 = NowMs();
        capture.Show();  // grabs, creates and paints every window before it returns
        GdiFlush();
        const double t1 = NowMs();
        for (int m = 0; m < 50; ++m) {
            const double l0 = NowMs();
            capture.Lens()->Follow({screen.left + 100 + m * 7, screen.top + 100 + m * 5}, "x:0 y:0");
            GdiFlush();
            lens.push_back(NowMs() - l0);
        }
        capture.CloseAll();
        win::ProcessPendingMessages();
        if (i > 0) open.push_back(t1 - t0);  // the first run loads what later runs find loaded
    }
    const double pixels = static_cast<double>(screen.Width()) * screen.Height();
    std::printf("screen %dx%d (%.2f Mpixel), %d runs\n", screen.Width(), screen.Height(), pixels / 1e6, runs);
    std::printf("  open to frozen screen painted: %8.1f ms median (%.1f ms per Mpixel)\n", Median(open),
                Median(open) / (pixels / 1e6));
    std::printf("  lens update:                   %8.3f ms median\n", Median(lens));

    const imaging::core::ByteSet selection =
        imaging::core::MakeBmp24(1920, 1080, [](int x, int y) { return base::Rgb(x & 255, y & 255, (x ^ y) & 255); });
    wchar_t folder[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    for (const auto& [name, format] : {std::pair{L"bench.bmp", imaging::core::ImageFormat::Bmp},
                                       std::pair{L"bench.png", imaging::core::ImageFormat::Png}}) {
        const std::wstring path = std::wstring(folder) + name;
        std::vector<double> times;
        for (int i = 0; i < 5; ++i) {
            const double t0 = NowMs();
            imaging::SaveImageFile(selection, path, format);
            times.push_back(NowMs() - t0);
        }
        DeleteFileW(path.c_str());
        std::printf("  save 1920x1080 as %s:          %8.1f ms median\n", format == imaging::core::ImageFormat::Bmp ? "BMP" : "PNG",
                    Median(times));
    }

    // The windows read when the screen freezes, with a program of 2,000
    // windows beside (fixture_app.exe, built beside this program).
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring command = exe;
    command = L"\"" + command.substr(0, command.find_last_of(L'\\') + 1) + L"fixture_app.exe\" many 2000 20";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION fixture{};
    if (CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &fixture)) {
        // It shows its window once every child is made.
        for (int i = 0; i < 200; ++i) {
            const HWND many = FindWindowW(L"TavrinFixtureMany", nullptr);
            if (many && IsWindowVisible(many)) break;
            Sleep(50);
        }
        std::vector<double> times;
        std::size_t count = 0;
        for (int i = 0; i < 5; ++i) {
            const double t0 = NowMs();
            count = capture::VisibleWindowSnapshot().size();
            times.push_back(NowMs() - t0);
        }
        std::printf("  windows read at the freeze:    %8.1f ms median (%zu windows)\n", Median(times), count);
        TerminateProcess(fixture.hProcess, 0);
        WaitForSingleObject(fixture.hProcess, 5000);
        CloseHandle(fixture.hThread);
        CloseHandle(fixture.hProcess);
    }
    return 0;
}
