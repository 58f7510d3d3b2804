// The program's run from start to end, without the entry point: the
// utility objects, the main window, the message loop. A main window that
// cannot be created is not a silent end: the user is told why, with the
// system's own words, and the error log keeps it.
#pragma once

#include <functional>
#include <string>

namespace app {

// Runs the program; its exit code. `tellUser` shows a message (by default a
// message box; tests put their own).
int RunProgram(int show, const std::function<void(const std::string&)>& tellUser);

// "主窗口无法创建：<the system's text>（错误代码 N）".
std::string MainWindowFailureText(unsigned long error);

}  // namespace app
