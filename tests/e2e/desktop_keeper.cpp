// Keeps the tests' desktop open for the whole Wine session.
//
// Wine closes a desktop one second after the last program on it has ended,
// and its explorer.exe with it; the next program must start a new explorer
// and waits up to ten seconds for it before its first window can be made.
// The tests run one program after another, each in a process of its own: on
// a loaded machine a gap between two of them passed that second, and a
// program that started while the old desktop was closing found no desktop
// window after its ten seconds, so its first CreateWindowEx failed. With
// this program on the desktop from the session's start to its end, the
// desktop and its explorer stay for the whole session.
//
// It connects to the desktop, prints "ready" and waits until the session's
// wineserver ends it.
#include <windows.h>

#include <cstdio>

int wmain() {
    if (!GetDesktopWindow()) {
        std::fprintf(stderr, "desktop_keeper: no desktop window\n");
        return 1;
    }
    std::printf("ready\n");
    std::fflush(stdout);
    Sleep(INFINITE);
    return 0;
}
