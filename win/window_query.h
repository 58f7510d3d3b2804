// Questions about windows of any program: does it exist, who owns it, what
// are its class, title and client size, which program runs it, where is its
// client area. Every routine is a plain function that answers with the
// failure value (false, -1, 0 or "") instead of throwing. Texts are UTF-8,
// read through the W functions, so titles of any language come out exact.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "text/text_basics.h"

namespace win {

using WindowHandle = std::int32_t;  // as the program shows and takes handles

inline HWND ToHwnd(WindowHandle h) { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(h)); }
inline WindowHandle FromHwnd(HWND h) {
    return static_cast<WindowHandle>(reinterpret_cast<std::intptr_t>(h));
}

bool WindowExists(WindowHandle hwnd);
// Process id of the window's owner, -1 when there is no such window.
std::int32_t GetWindowProcessId(WindowHandle hwnd);
// Thread id of the window's owner, 0 when there is no such window.
std::int32_t GetWindowThreadId(WindowHandle hwnd);
std::string GetWindowClassName(WindowHandle hwnd);
// The title as Windows keeps it; never waits on the window's program.
std::string GetWindowTitle(WindowHandle hwnd);
// The window system's own copy of the title (InternalGetWindowText), for a
// window of any program, ours included: the window is never asked, so it
// costs no round trip and a hung program cannot delay it. Windows that
// keep their text themselves (edits) may answer WM_GETTEXT otherwise.
std::string GetWindowStoredTitle(WindowHandle hwnd);

// The text a window reports through WM_GETTEXT, asked so that a hung
// program cannot freeze the caller: the first answer within 100 ms, or the
// time given below (a text too long for a first 1,024-character try is then
// asked for with its length, within 500 ms). "" when the window does not
// answer in time. A length beyond core::kMaxTextCharacters is not believed:
// the text is read with that much room and told as cut.
std::string GetWindowTitleSafe(WindowHandle hwnd);
// The same, telling also whether the window's thread failed to answer in
// time (so that a caller can skip other windows of that thread) and whether
// the text filled all the room it was given (`most` characters).
struct SafeTitle {
    std::string text;
    bool timedOut = false;
    bool cut = false;
};
// How long the first question waits for the window's thread, whether or
// not the system counts the program as hung. A tree of thousands of windows
// asks quickly (and stops asking a thread that let a question time out);
// the panel, which reads one window on a worker, waits as a busy program on
// a loaded machine may need.
constexpr unsigned kQuickTextAnswerMs = 100;
constexpr unsigned kPatientTextAnswerMs = 500;
SafeTitle QueryWindowTitleSafe(WindowHandle hwnd, std::size_t most = text::kMaxTextCharacters,
                               unsigned firstAnswerMs = kQuickTextAnswerMs);

// File name of the process's program (e.g. "notepad.exe") and its full
// path. Read from the process's first module; where modules cannot be
// listed (another bitness, a protected process) from the process image
// name instead. "" when neither works.
std::string GetProcessModuleName(std::int32_t pid);
std::string GetProcessExePath(std::int32_t pid);

// Whether the window stays on top of the others (WS_EX_TOPMOST).
bool IsWindowTopmost(WindowHandle hwnd);
// Whether the window is layered with an opacity below 255 (transparent).
bool IsWindowSeeThrough(WindowHandle hwnd);

// The window's rectangle on the screen; all zero when there is no window or
// it cannot be asked.
RECT WindowRectOrZero(HWND hwnd);

// Client size of the window (0 = the foreground window); false on failure.
bool GetWindowClientSize(WindowHandle hwnd, std::int32_t& width, std::int32_t& height);

// Screen position of the client area's top-left corner (0 = the foreground
// window); (0, 0) when the window cannot be asked.
POINT GetClientOrigin(WindowHandle hwnd);

// Gives the keyboard focus to a window of another thread through attached
// input; true when the focus changed.
bool FocusWindow(WindowHandle hwnd);

}  // namespace win
