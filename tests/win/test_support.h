// Helpers of the Windows tests: waiting with a deadline while the GUI thread
// keeps handling messages, reading the screen, and the main window fixture.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "app/main_window.h"

namespace testing_support {

// Handles this thread's messages until the condition holds or the time is
// up; returns the condition's last value.
bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs);
void PumpFor(DWORD ms);

// Colour of a screen pixel, red in the low byte.
COLORREF ScreenPixel(int x, int y);

// Screen rectangle of a window relative to the client area of `parent`.
RECT RectInClient(HWND window, HWND parent);

// The folder of the running test program, with a trailing backslash.
std::wstring TestProgramDirectory();

// Creates the main window, shows it in front and lets it paint.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    app::MainWindow& Window() { return *window_; }
    template <typename T>
    T& Get(std::string_view name) {
        return window_->Get<T>(name);
    }
    void SelectPage(int page);

    std::unique_ptr<app::MainWindow> window_;
};

}  // namespace testing_support
