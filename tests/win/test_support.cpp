#include <gtest/gtest.h>

#include "tests/win/test_support.h"

namespace testing_support {

bool PumpUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    for (;;) {
        ui::ProcessPendingMessages();
        if (condition()) return true;
        if (GetTickCount64() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void PumpFor(DWORD ms) {
    PumpUntil([] { return false; }, ms);
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    const COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

RECT RectInClient(HWND window, HWND parent) {
    RECT r;
    GetWindowRect(window, &r);
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

std::wstring TestProgramDirectory() {
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path);
    return p.substr(0, p.find_last_of(L'\\') + 1);
}

void MainWindowTest::SetUp() {
    window_ = std::make_unique<app::MainWindow>();
    ASSERT_TRUE(window_->Create());
    window_->Show(SW_SHOWNORMAL);
    SetForegroundWindow(window_->Handle());
    UpdateWindow(window_->Handle());
    PumpFor(50);
}

void MainWindowTest::TearDown() {
    window_.reset();
    // The window posts WM_QUIT when it goes; take it out of the queue so
    // that the next test's pumping is not affected.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

void MainWindowTest::SelectPage(int page) {
    window_->Tabs().SelectPage(page);
    PumpFor(30);
}

}  // namespace testing_support
