// Picking a target with the finder: the capture ticks over windows of
// another process and of this one, super mode over the bare desktop, the
// end of a capture, and the input hook's registrations with real input.
#include <gtest/gtest.h>

#include <stdexcept>

#include <vector>

#include "app/core/main_layout.h"
#include "tests/win/test_support.h"
#include "imaging/bitmap.h"
#include "text/number_text.h"
#include "ui/core/glyphs.h"
#include "ui/edit_box.h"

namespace {

using testing_support::FixtureProcess;
using testing_support::MainWindowTest;
using testing_support::PumpUntil;

using testing_support::Text;
using testing_support::H;

POINT CentreOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

class CaptureTest : public testing_support::HierarchyTest {
protected:
    void SetUp() override {
        HierarchyTest::SetUp();
        capture().Tool().leftButtonDown = [this] { return held_; };
    }
    void TearDown() override {
        held_ = false;
        if (capture().Running()) capture().CaptureTick();
        PumpUntil([&] { return !Window().Analysis().Tree().FillRunning(); }, 5000);
        MainWindowTest::TearDown();
    }
    inspector::TargetCapture& capture() { return Window().Analysis().Capture(); }
    std::string Box(const char* name) { return Get<ui::EditBox>(name).Content(); }
    void TickAt(POINT p) {
        ASSERT_TRUE(testing_support::MoveCursorTo(p));
        capture().CaptureTick();
    }

    bool held_ = true;
};

TEST_F(CaptureTest, TicksMakeTheWindowUnderTheCursorTheTarget) {
    const POINT overB = CentreOf(b_);
    ASSERT_TRUE(testing_support::MoveCursorTo(overB));
    capture().Start(Get<ui::DrawingBoard>("画板_捕获器"));
    ASSERT_TRUE(capture().Running());
    EXPECT_EQ(capture().HoveredWindow(), H(b_));
    EXPECT_EQ(Box("编辑框_窗口句柄"), Text(H(b_)));
    EXPECT_EQ(Box("编辑框_窗口类名"), "Edit");
    EXPECT_EQ(Box("编辑框_鼠标位置_X"), Text(overB.x));
    EXPECT_EQ(Box("编辑框_鼠标位置_Y"), Text(overB.y));
    POINT origin = {0, 0};
    ClientToScreen(b_, &origin);
    EXPECT_EQ(Box("编辑框_窗口鼠标位置_X"), Text(overB.x - origin.x));
    EXPECT_EQ(Box("编辑框_窗口鼠标位置_Y"), Text(overB.y - origin.y));
    // Wine does not mark a window topmost that owns other windows (the
    // tree's tooltip, the finder): Windows does.
    if (!testing_support::RunningUnderWine()) {
        EXPECT_TRUE(GetWindowLongW(Window().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    }

    // The finder window sits with its icon's centre on the cursor, and lets
    // the mouse through.
    HWND finder = capture().Finder()->Handle();
    capture().PositionStep();
    RECT f;
    GetWindowRect(finder, &f);
    EXPECT_EQ(f.left, overB.x - capture().Finder()->ToPhysical(14));
    EXPECT_EQ(f.top, overB.y - capture().Finder()->ToPhysical(14));
    EXPECT_TRUE(GetWindowLongW(finder, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    if (!testing_support::RunningUnderWine()) {
        EXPECT_TRUE(GetWindowLongW(finder, GWL_EXSTYLE) & WS_EX_TOPMOST);
    }
    EXPECT_EQ(capture().Finder()->Board().GetPixel(20, 20), ui::core::kFinderIcon);
    // The board the finder left shows the cross without the icon.
    EXPECT_NE(Get<ui::DrawingBoard>("画板_捕获器").GetPixel(20, 20), ui::core::kFinderIcon);

    TickAt(CentreOf(a1_));
    EXPECT_EQ(capture().HoveredWindow(), H(a1_));
    EXPECT_EQ(Box("编辑框_窗口类名"), "Button");
    EXPECT_EQ(Box("编辑框_控件ID"), "111");
}

TEST_F(CaptureTest, OwnWindowsAreNeverCaptured) {
    TickAt(CentreOf(a1_));
    capture().Start(Get<ui::DrawingBoard>("画板_捕获器"));
    ASSERT_EQ(capture().HoveredWindow(), H(a1_));
    TickAt(CentreOf(Get<ui::Control>("树型框_窗口").Handle()));
    for (const char* name : {"编辑框_窗口句柄", "编辑框_父句柄", "编辑框_顶级句柄", "编辑框_进程ID", "编辑框_线程ID",
                             "编辑框_控件ID", "编辑框_窗口标题", "编辑框_窗口类名", "编辑框_控件内容",
                             "编辑框_程序路径", "编辑框_窗口位置_左边", "编辑框_窗口位置_顶边",
                             "编辑框_窗口大小_宽度", "编辑框_窗口大小_高度", "编辑框_窗口内部大小_宽度",
                             "编辑框_窗口内部大小_高度", "编辑框_窗口鼠标位置_X", "编辑框_窗口鼠标位置_Y",
                             "编辑框_控件位置_左边", "编辑框_控件位置_顶边"}) {
        EXPECT_EQ(Box(name), "") << name;
    }
    EXPECT_EQ(Window().Analysis().CurrentTarget().Handle(), 0);
    EXPECT_EQ(capture().HoveredWindow(), H(a1_));  // no outline moved to our own window
    EXPECT_NE(Box("编辑框_鼠标位置_X"), "");          // the cursor is still shown
}

// The screen's pixels in the rectangle, in one grab (a GetPixel per pixel
// takes seconds on a loaded machine, longer than the waits below).
imaging::core::ByteSet PixelsOf(const RECT& r) {
    const win::OwnedBitmap grab = imaging::GrabScreenArea({r.left, r.top, r.right, r.bottom});
    return grab ? imaging::BitmapToBytes(grab.Get()) : imaging::core::ByteSet();
}

// How many bytes of two grabs differ, for the failure message.
std::size_t Differing(const imaging::core::ByteSet& a, const imaging::core::ByteSet& b) {
    std::size_t n = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i) n += a[i] != b[i];
    return n;
}

TEST_F(CaptureTest, OutlineShowsWhileHoveredAndGoesWithTheCursor) {
    RECT r;
    GetWindowRect(b_, &r);
    const POINT edge = {r.left + 1, (r.top + r.bottom) / 2};
    const COLORREF before = testing_support::ScreenPixel(edge.x, edge.y);
    auto edgeIs = [&](COLORREF c) { return PumpUntil([&] { return testing_support::ScreenPixel(edge.x, edge.y) == c; }, 2000); };
    TickAt(CentreOf(b_));
    capture().Start(Get<ui::DrawingBoard>("画板_捕获器"));
    EXPECT_TRUE(edgeIs(~before & 0xFFFFFF));
    TickAt({CentreOf(b_).x + 3, CentreOf(b_).y});  // within the same window: outlined once
    EXPECT_TRUE(edgeIs(~before & 0xFFFFFF));
    TickAt(CentreOf(a1_));
    EXPECT_TRUE(edgeIs(before));
    held_ = false;
    capture().CaptureTick();
    GetWindowRect(a1_, &r);
    const POINT a1Edge = {r.left + 1, (r.top + r.bottom) / 2};
    EXPECT_TRUE(PumpUntil([&] { return testing_support::ScreenPixel(a1Edge.x, a1Edge.y) != 0u; }, 2000))
        << "left inverted";
}

// The outline is a window of its own: a capture that hovers a still window
// back and forth, and one that repaints while it is outlined, leaves none of
// its pixels changed. Nothing repaints between the hovers, so a trace any of
// them left would stay to be seen.
TEST_F(CaptureTest, ACaptureLeavesNoTraceOnTheWindowsItOutlined) {
    RECT r;
    GetWindowRect(a_, &r);
    const imaging::core::ByteSet before = PixelsOf(r);
    TickAt(CentreOf(a1_));
    capture().Start(Get<ui::DrawingBoard>("画板_捕获器"));
    for (int step = 0; step < 6; ++step) {
        TickAt({r.left + 3 + step, CentreOf(a_).y});  // over A's frame, then A1, then A again
        TickAt(CentreOf(a1_));
    }
    RedrawWindow(a_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    held_ = false;
    capture().CaptureTick();
    imaging::core::ByteSet after;
    EXPECT_TRUE(PumpUntil([&] { return (after = PixelsOf(r)) == before; }, 3000))
        << "pixels of the outlined window changed: " << Differing(before, after) << " bytes of " << before.size();
}

TEST_F(CaptureTest, ReleaseEndsTheCaptureAndRebuildsTheTree) {
    TickAt(CentreOf(a1_));
    capture().Start(Get<ui::DrawingBoard>("画板_捕获器"));
    held_ = false;
    capture().CaptureTick();
    EXPECT_FALSE(capture().Running());
    EXPECT_EQ(capture().HoveredWindow(), 0);
    EXPECT_FALSE(GetWindowLongW(Window().Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    EXPECT_EQ(Get<ui::DrawingBoard>("画板_捕获器").GetPixel(20, 20), ui::core::kFinderIcon);  // back in place
    auto& tree = Window().Analysis().Tree();
    ASSERT_TRUE(PumpUntil([&] { return !tree.FillRunning() && tree.Tree().ItemCount() == 5; }, 5000));
    const int selected = tree.Tree().SelectedIndex();
    EXPECT_EQ(tree.Tree().ItemData(selected), H(a1_));
    EXPECT_TRUE(tree.Tree().ItemBold(selected));

    // A new press starts over.
    held_ = true;
    capture().Start(Get<ui::DrawingBoard>("画板_捕获器"));
    EXPECT_TRUE(capture().Running());
}

TEST_F(CaptureTest, SuperModeOverTheBareDesktop) {
    // A spot of the screen with no window of any program: the desktop.
    const POINT bare = {GetSystemMetrics(SM_CXSCREEN) - 5, GetSystemMetrics(SM_CYSCREEN) - 5};
    ASSERT_EQ(WindowFromPoint(bare), GetDesktopWindow());
    win::InputHook& hook = Window().Analysis().Capture().Hook();
    TickAt(CentreOf(b_));
    capture().Start(Get<ui::DrawingBoard>("画板_捕获器"));
    EXPECT_EQ(capture().FinderOffset(), 0);
    EXPECT_FALSE(hook.Hooked());

    TickAt(bare);
    EXPECT_EQ(capture().FinderOffset(), 15);
    EXPECT_TRUE(hook.Hooked());
    EXPECT_EQ(Box("编辑框_窗口句柄"), "0");
    capture().PositionStep();
    RECT f;
    GetWindowRect(capture().Finder()->Handle(), &f);
    EXPECT_EQ(f.left, bare.x - capture().Finder()->ToPhysical(14) + capture().Finder()->ToPhysical(15));
    // The message on the finder board: not the icon.
    EXPECT_NE(capture().Finder()->Board().GetPixel(20, 20), ui::core::kFinderIcon);

    // Back over a window: normal mode again, the hook removed.
    TickAt(CentreOf(a1_));
    EXPECT_EQ(capture().FinderOffset(), 0);
    EXPECT_FALSE(hook.Hooked());
    EXPECT_EQ(Box("编辑框_窗口句柄"), Text(H(a1_)));

    // The release routine makes the released-on window the target.
    TickAt(bare);
    capture().SuperModeRelease().call(H(b_), bare.x, bare.y);
    EXPECT_EQ(Window().Analysis().CurrentTarget().Handle(), H(b_));
    EXPECT_EQ(Box("编辑框_窗口类名"), "Edit");
}

TEST_F(CaptureTest, TicksOverChangingWindowsKeepNoObjects) {
    TickAt(CentreOf(a1_));
    capture().Start(Get<ui::DrawingBoard>("画板_捕获器"));
    const POINT spots[] = {CentreOf(a1_), CentreOf(b_), CentreOf(root_)};
    for (int i = 0; i < 6; ++i) TickAt(spots[i % 3]);  // first-time allocations
    const testing_support::GuiObjectLevel before = testing_support::GuiObjects();
    // The counts are exact: a hundred ticks show one object kept by any.
    for (int i = 0; i < 150; ++i) {
        SetCursorPos(spots[i % 3].x, spots[i % 3].y);
        capture().PositionStep();
        capture().CaptureTick();
    }
    const testing_support::GuiObjectLevel after = testing_support::GuiObjects();
    // The outline's four pictures are those of the window hovered last, as
    // before: one object kept per tick would show.
    EXPECT_EQ(after.gdi, before.gdi) << "GDI objects";
    EXPECT_EQ(after.user, before.user) << (after.windowsOnly ? "windows" : "USER objects");
}

// The hook with input that comes from outside the program (xdotool through
// the X server), over a window of another process.
class InputHookTest : public CaptureTest {};

TEST_F(InputHookTest, RegistrationsAndTheDoubleClickRuleWithRealInput) {
    win::InputHook hook;
    std::vector<std::string> calls;
    auto routine = [&](const char* name) {
        return win::core::HookRoutine{name, [&calls, name](std::int32_t w, std::int32_t x, std::int32_t y) {
                                     calls.push_back(std::string(name) + " " + std::to_string(w) + " " +
                                                     std::to_string(x) + "," + std::to_string(y));
                                 }};
    };
    EXPECT_EQ(hook.SetMouseKeyCallback(routine("up"), win::core::kHookLeftUp), 1);
    EXPECT_TRUE(hook.Hooked());
    EXPECT_EQ(hook.SetMouseKeyCallback(routine("up"), win::core::kHookLeftUp), 0);  // the same routine again
    EXPECT_EQ(hook.SetMouseKeyCallback(routine("up"), 0x0200), 0);             // not one of the nine
    EXPECT_EQ(hook.SetMouseKeyCallback(routine("double"), win::core::kHookLeftDoubleClick), 1);
    EXPECT_EQ(hook.SetMouseKeyCallback(routine("right"), win::core::kHookRightUp), 1);

    // A middle click last: once its call is in, every call the left clicks
    // made has come before it.
    EXPECT_EQ(hook.SetMouseKeyCallback(routine("middle"), win::core::kHookMiddleUp), 1);
    const POINT at = CentreOf(b_);
    ASSERT_TRUE(testing_support::RunXdotool(L"mousemove " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y) +
                                            L" click --repeat 2 --delay 300 1 click 2"));
    const auto lastCallIs = [&](const char* name) {
        return [&calls, name] { return !calls.empty() && calls.back().rfind(std::string(name) + " ", 0) == 0; };
    };
    EXPECT_TRUE(PumpUntil(lastCallIs("middle"), 3000));
    const std::string where = " " + std::to_string(H(b_)) + " " + std::to_string(at.x) + "," + std::to_string(at.y);
    EXPECT_EQ(calls, (std::vector<std::string>{"up" + where, "double" + where, "up" + where, "middle" + where}));

    // Clearing one of the routines keeps the hook for the others.
    EXPECT_EQ(hook.ClearMouseKeyCallback(win::core::kHookLeftUp), 1);
    EXPECT_EQ(hook.ClearMouseKeyCallback(win::core::kHookLeftDoubleClick), 1);
    EXPECT_EQ(hook.ClearMouseKeyCallback(win::core::kHookMiddleUp), 1);
    EXPECT_TRUE(hook.Hooked());
    calls.clear();
    // The right click last again, for the same reason.
    ASSERT_TRUE(testing_support::RunXdotool(L"click 1 click 3"));
    EXPECT_TRUE(PumpUntil(lastCallIs("right"), 3000));
    EXPECT_EQ(calls, (std::vector<std::string>{"right" + where}));
    EXPECT_EQ(hook.ClearMouseKeyCallback(win::core::kHookRightUp), 1);
    EXPECT_FALSE(hook.Hooked());
    EXPECT_EQ(hook.ClearMouseKeyCallback(12345), 0);
}

TEST_F(InputHookTest, ARegistrationWhoseHookCannotBeInstalledReportsZeroAndIsTriedAgain) {
    win::InputHook first, second;
    int calls = 0;
    const win::core::HookRoutine routine{&calls, [&](std::int32_t, std::int32_t, std::int32_t) { ++calls; }};
    ASSERT_EQ(first.SetMouseKeyCallback(routine, win::core::kHookRightUp), 1);
    // One process holds one hook: the second object cannot install its own.
    EXPECT_EQ(second.SetMouseKeyCallback(routine, win::core::kHookLeftUp), 0);
    EXPECT_FALSE(second.Hooked());
    first.ClearMouseKeyCallback();
    // Nothing was kept of the failed registration: the same one now works.
    EXPECT_EQ(second.SetMouseKeyCallback(routine, win::core::kHookLeftUp), 1);
    EXPECT_TRUE(second.Hooked());
    second.ClearMouseKeyCallback();
}

// A tap sees every press and release with the window the finder takes
// there, whatever the slots hold: clearing all the slots (what the finder's
// super mode does when it ends) leaves the tap and its hooks alone.
TEST_F(InputHookTest, ATapSeesPressesWithThePickedWindowWhateverTheSlotsHold) {
    win::InputHook hook;
    std::vector<win::core::InputEvent> seen;
    const int tap = hook.AddTap([&](const win::core::InputEvent& e) { seen.push_back(e); });
    ASSERT_NE(tap, 0);
    int calls = 0;
    ASSERT_EQ(hook.SetMouseKeyCallback({&calls, [&](std::int32_t, std::int32_t, std::int32_t) { ++calls; }},
                                       win::core::kHookLeftUp), 1);
    hook.ClearMouseKeyCallback();
    EXPECT_TRUE(hook.MouseHooked() && hook.KeyboardHooked());
    const POINT at = CentreOf(a1_);
    ASSERT_TRUE(testing_support::MoveCursorTo(at));
    ASSERT_TRUE(testing_support::RunXdotool(L"click 1"));
    ASSERT_TRUE(PumpUntil([&] { return seen.size() >= 2; }, 3000));
    EXPECT_EQ(seen[0].message, win::core::kHookLeftDown);
    EXPECT_EQ(seen[0].picked, H(a1_));  // the button, inside its panel
    EXPECT_EQ(seen[0].a, at.x);
    EXPECT_EQ(seen[1].message, win::core::kHookLeftUp);
    EXPECT_EQ(calls, 0);
    hook.RemoveTap(tap);
    EXPECT_FALSE(hook.Hooked());
}

// A hook thread that stops answering (here: suspended) is given up, never
// ended from outside (that could leave a lock of the loader or the heap
// held for good): once it runs again it ends by itself, with its own exit
// code, and the next registration gets a thread of its own.
TEST_F(InputHookTest, AHookThreadThatDoesNotAnswerIsGivenUpNotKilled) {
    win::InputHook hook;
    int calls = 0;
    const win::core::HookRoutine routine{&calls, [&](std::int32_t, std::int32_t, std::int32_t) { ++calls; }};
    ASSERT_EQ(hook.SetMouseKeyCallback(routine, win::core::kHookRightUp), 1);
    const DWORD stuck = hook.HookThreadId();
    const win::OwnedHandle thread(
        OpenThread(SYNCHRONIZE | THREAD_SUSPEND_RESUME | THREAD_QUERY_LIMITED_INFORMATION, FALSE, stuck));
    ASSERT_TRUE(thread);
    ASSERT_NE(SuspendThread(thread.Get()), static_cast<DWORD>(-1));

    // Asks the thread for the keyboard hook too; no answer comes.
    EXPECT_EQ(hook.SetMouseKeyCallback(routine, win::core::kHookKeyUp), 0);
    EXPECT_FALSE(hook.KeyboardHooked());
    EXPECT_NE(hook.HookThreadId(), stuck);  // what is still registered has a new thread
    DWORD code = 0;
    ASSERT_TRUE(GetExitCodeThread(thread.Get(), &code));
    EXPECT_EQ(code, static_cast<DWORD>(STILL_ACTIVE)) << "the thread was ended from outside";

    ResumeThread(thread.Get());
    ASSERT_EQ(WaitForSingleObject(thread.Get(), 5000), WAIT_OBJECT_0) << "the given-up thread did not end";
    GetExitCodeThread(thread.Get(), &code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(hook.SetMouseKeyCallback(routine, win::core::kHookKeyUp), 1);
    EXPECT_TRUE(hook.KeyboardHooked());
    hook.ClearMouseKeyCallback();
}

TEST_F(InputHookTest, KeysReachTheirRoutinesWithTheVirtualKeyCode) {
    win::InputHook hook;
    std::vector<std::int32_t> keys;
    hook.SetMouseKeyCallback({&keys, [&](std::int32_t, std::int32_t, std::int32_t vk) { keys.push_back(vk); }},
                             win::core::kHookKeyUp);
    SetForegroundWindow(Window().Handle());
    ASSERT_TRUE(testing_support::RunXdotool(L"key a"));
    PumpUntil([&] { return !keys.empty(); }, 3000);
    EXPECT_EQ(keys, (std::vector<std::int32_t>{'A'}));
    hook.ClearMouseKeyCallback();
    EXPECT_FALSE(hook.Hooked());
}

// The hooks have a thread of their own: while the GUI thread is busy for
// ten seconds, clicks are still recorded, and their routines run in order
// once it is free again. Only the hooks that routines need are installed,
// and a routine that throws does not stop the next one.
TEST_F(InputHookTest, ClicksWhileTheGuiThreadIsBusyAreDeliveredAfterwards) {
    win::InputHook hook;
    std::vector<std::string> calls;
    hook.SetMouseKeyCallback({&calls,
                              [&](std::int32_t, std::int32_t, std::int32_t) {
                                  calls.push_back("up");
                                  if (calls.size() == 1) throw std::runtime_error("first release");
                              }},
                             win::core::kHookLeftUp);
    hook.SetMouseKeyCallback({&hook, [&](std::int32_t, std::int32_t, std::int32_t) { calls.push_back("right"); }},
                             win::core::kHookRightUp);
    EXPECT_TRUE(hook.MouseHooked());
    EXPECT_FALSE(hook.KeyboardHooked());

    const POINT at = CentreOf(b_);
    const win::OwnedHandle clicks = testing_support::StartXdotool(
        L"mousemove " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y) + L" click 1 click 3 click 1");
    ASSERT_TRUE(clicks);
    // The GUI thread handles nothing while it waits.
    EXPECT_EQ(WaitForSingleObject(clicks.Get(), 10000), WAIT_OBJECT_0)
        << "the clicks were not done while the thread was busy";
    EXPECT_TRUE(PumpUntil([&] { return calls.size() >= 3; }, 3000));
    EXPECT_EQ(calls, (std::vector<std::string>{"up", "right", "up"}));

    hook.SetMouseKeyCallback({&calls, [](std::int32_t, std::int32_t, std::int32_t) {}}, win::core::kHookKeyDown);
    EXPECT_TRUE(hook.KeyboardHooked());
    hook.ClearMouseKeyCallback(win::core::kHookLeftUp);
    hook.ClearMouseKeyCallback(win::core::kHookRightUp);
    EXPECT_FALSE(hook.MouseHooked());
    EXPECT_TRUE(hook.KeyboardHooked());
    hook.ClearMouseKeyCallback();
    EXPECT_FALSE(hook.Hooked());
}

}  // namespace
