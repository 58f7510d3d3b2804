// The colour picker's tick: the grab behind the magnifier, as the picker
// does it (only the 52 x 52 pixels shown) against the literal way (the whole
// screen, then a cut), each followed by the same conversion, zoom and pixel
// read. Prints wall time and this process's CPU time per tick, and ratios.
//
// Usage: picker_tick_bench [TICKS]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>

#include "colour/core/magnifier.h"
#include "imaging/bitmap.h"
#include "imaging/core/bmp.h"

namespace {

double NowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return 1000.0 * static_cast<double>(c.QuadPart) / static_cast<double>(f.QuadPart);
}

double CpuMs() {
    FILETIME created, ended, kernel, user;
    GetProcessTimes(GetCurrentProcess(), &created, &ended, &kernel, &user);
    auto ms = [](FILETIME t) {
        return static_cast<double>((static_cast<unsigned long long>(t.dwHighDateTime) << 32) | t.dwLowDateTime) / 1e4;
    };
    return ms(kernel) + ms(user);
}

// What the magnifier does with a 52 x 52 cut.
base::Colour Show(HBITMAP cut) {
    const base::Colour c = imaging::GetBitmapPixel(cut, colour::core::kGrabCentre, colour::core::kGrabCentre);
    const imaging::core::ByteSet zoomed = imaging::core::ZoomBmp24(imaging::BitmapToBytes(cut), 500, 500);
    return zoomed.empty() ? 0 : c;
}

base::Colour OurTick(base::Point p) {
    return Show(imaging::GrabScreenArea(colour::core::GrabRect(p)).Get());
}

base::Colour LiteralTick(base::Point p) {
    const base::Rect screen = imaging::VirtualScreenRect();
    const win::OwnedBitmap whole = imaging::CaptureClientToBitmap(nullptr);
    win::OwnedBitmap cut;
    const base::Rect grab = colour::core::GrabRect(p);
    imaging::CropBitmap(whole.Get(), cut, grab.left - screen.left, grab.top - screen.top, colour::core::kGrabSize,
                     colour::core::kGrabSize);
    return Show(cut.Get());
}

struct Figures {
    double wallMs, cpuMs;
};

Figures Measure(const std::function<base::Colour(base::Point)>& tick, int ticks) {
    const base::Rect screen = imaging::VirtualScreenRect();
    unsigned sum = 0;
    const double wall0 = NowMs(), cpu0 = CpuMs();
    for (int i = 0; i < ticks; ++i) {
        sum += tick({screen.left + (i * 37) % screen.Width(), screen.top + (i * 53) % screen.Height()});
    }
    const Figures f{(NowMs() - wall0) / ticks, (CpuMs() - cpu0) / ticks};
    if (sum == 1) std::printf(" ");  // keeps the work from being optimised away
    return f;
}

}  // namespace

int main(int argc, char** argv) {
    SetProcessDPIAware();
    const int ticks = argc > 1 ? std::atoi(argv[1]) : 60;
    const base::Rect screen = imaging::VirtualScreenRect();
    OurTick({screen.left + 10, screen.top + 10});  // first-time costs
    LiteralTick({screen.left + 10, screen.top + 10});
    const Figures ours = Measure(OurTick, ticks);
    const Figures literal = Measure(LiteralTick, ticks);
    std::printf("screen %dx%d, %d ticks each\n", screen.Width(), screen.Height(), ticks);
    std::printf("  52x52 grab (ours):     %8.3f ms wall, %8.3f ms CPU per tick\n", ours.wallMs, ours.cpuMs);
    std::printf("  whole-screen grab:     %8.3f ms wall, %8.3f ms CPU per tick\n", literal.wallMs, literal.cpuMs);
    std::printf("  ours is %.1fx cheaper in wall time, %.1fx in CPU time of this process\n",
                literal.wallMs / ours.wallMs, ours.cpuMs > 0 ? literal.cpuMs / ours.cpuMs : 0.0);
    return 0;
}
