// The inspector's current target: the window every part of the program
// works on. Whatever chooses a window (the finder, the tree, the switch
// button, super mode) calls Select; the information panel, the tree, the
// message page, the super buttons and the lookup code read it and observe
// its signals. It lives on the GUI thread.
//
// Contract:
// - Select(h) with the current handle does nothing (the panel keeps what it
//   shows, even when the window has moved since). Otherwise h becomes the
//   handle at once (HandleChanged). When h is an existing window,
//   BeforeNewWindow runs (what was paused for the old target is resumed),
//   the window's facts are read once, off the GUI thread, which handles its
//   messages meanwhile, and FactsChanged reports them. A handle that is no
//   window keeps the facts of the last window shown. HandleChanged tells
//   the new handle and whether it is a window.
// - Refresh() reads the current window's facts again; when the window is
//   gone, WindowGone tells so instead (the facts stay the last ones read).
// - CheckStillThere() only tells WindowGone when the window is gone.
// - Clear() makes 0 the handle and forgets the facts (Cleared).
// - A Select made while facts are being read (a handler run during the
//   wait) wins: the older reading is dropped.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "base/signal.h"
#include "inspector/window_facts.h"

namespace inspector {

class Target {
public:
    // `owner`: the window whose thread handles messages while facts are
    // read; the wait for a reading stops handling them once it is gone.
    explicit Target(HWND owner = nullptr);

    void Select(win::WindowHandle hwnd);
    void Refresh();
    void CheckStillThere();
    void Clear();

    win::WindowHandle Handle() const { return handle_; }
    // The last existing window's facts (empty before the first and after
    // Clear).
    const WindowFacts& Facts() const { return facts_; }

    base::Signal<win::WindowHandle, bool> HandleChanged;
    base::Signal<> BeforeNewWindow;
    base::Signal<const WindowFacts&> FactsChanged;
    base::Signal<> Cleared;
    base::Signal<win::WindowHandle> WindowGone;

    // Reads a window's facts; by default on a worker thread while this
    // thread handles its messages. Replaceable for tests.
    std::function<WindowFacts(win::WindowHandle)> readFacts;

private:
    void ReadFacts();

    win::WindowHandle handle_ = 0;
    WindowFacts facts_;
    std::uint64_t selection_ = 0;  // counts the choices, so that a stale reading is seen
};

}  // namespace inspector
