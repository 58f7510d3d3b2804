// The activity log's comparison of looks at another program's windows:
// what it reports, once, in which order, and how the log keeps its lines.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "inspector/core/window_activity.h"

namespace {

using inspector::core::ActivityEvent;
using inspector::core::ActivityKind;
using inspector::core::ActivitySnapshot;
using inspector::core::ActivityTracker;
using inspector::core::ActivityWindow;

constexpr std::uint32_t kChild = 0x40000000, kVisible = 0x10000000, kDisabled = 0x08000000;

ActivityWindow Window(std::uint64_t handle, std::uint64_t parent, std::string title = "",
                      std::string className = "Button") {
    ActivityWindow w;
    w.handle = handle;
    w.parent = parent;
    w.className = std::move(className);
    w.title = std::move(title);
    w.style = (parent ? kChild : 0) | kVisible;
    w.rect = {10, 10, 90, 34};
    return w;
}

std::vector<ActivityKind> Kinds(const std::vector<ActivityEvent>& events) {
    std::vector<ActivityKind> kinds;
    for (const ActivityEvent& e : events) kinds.push_back(e.kind);
    return kinds;
}

TEST(WindowActivityTest, OneWindowsChangesAreNamedInTheLogsOrder) {
    ActivityWindow before = Window(200, 100, "OK");
    ActivityWindow after = before;
    after.title = "改名";
    after.rect = {30, 40, 130, 70};
    after.style = (before.style & ~kVisible) | kDisabled | 0x2000;  // hidden, disabled, BS_MULTILINE
    after.extendedStyle = 0x00000200;                                // WS_EX_CLIENTEDGE
    const auto events = inspector::core::CompareWindow(before, after);
    ASSERT_EQ(Kinds(events), (std::vector<ActivityKind>{ActivityKind::TitleChanged, ActivityKind::Moved,
                                                        ActivityKind::Hidden, ActivityKind::Disabled,
                                                        ActivityKind::StyleChanged}));
    EXPECT_EQ(events[0].detail, "“OK” → “改名”");
    EXPECT_EQ(events[0].subject, "200（Button）“改名”");
    EXPECT_EQ(events[1].detail, "移动并改变大小 (30, 40) 100 × 30（原 (10, 10) 80 × 24）");
    // Visibility and the disabled state have their own lines, not the
    // style's; the flags are named by the window's class.
    EXPECT_EQ(events[4].detail.find("WS_VISIBLE"), std::string::npos) << events[4].detail;
    EXPECT_EQ(events[4].detail.find("WS_DISABLED"), std::string::npos) << events[4].detail;
    EXPECT_NE(events[4].detail.find("+BS_MULTILINE"), std::string::npos) << events[4].detail;
    EXPECT_NE(events[4].detail.find("扩展样式 0x00000000 → 0x00000200 +WS_EX_CLIENTEDGE"), std::string::npos)
        << events[4].detail;

    // An edit's text can be megabytes: a line shows 200 characters of it
    // and its length.
    ActivityWindow long_ = before;
    long_.title.clear();
    for (int i = 0; i < 1000; ++i) long_.title += "文字";
    const auto cut = inspector::core::CompareWindow(before, long_);
    ASSERT_EQ(cut.size(), 1u);
    EXPECT_EQ(cut[0].detail, "“OK” → “" + long_.title.substr(0, 3 * 200) + "…（共 2000 字）”");
    EXPECT_LT(cut[0].subject.size(), 700u);

    // Only the place, only the size; showing and enabling alone are no style change.
    ActivityWindow moved = before;
    moved.rect = {11, 10, 91, 34};
    EXPECT_EQ(inspector::core::CompareWindow(before, moved)[0].detail.rfind("移动 ", 0), 0u);
    ActivityWindow resized = before;
    resized.rect = {10, 10, 95, 34};
    EXPECT_EQ(inspector::core::CompareWindow(before, resized)[0].detail.rfind("改变大小 ", 0), 0u);
    ActivityWindow shown = after;
    shown.style |= kVisible;
    shown.style &= ~kDisabled;
    EXPECT_EQ(Kinds(inspector::core::CompareWindow(after, shown)),
              (std::vector<ActivityKind>{ActivityKind::Shown, ActivityKind::Enabled}));
}

TEST(WindowActivityTest, ALookReportsWindowsMadeAndGoneAGoneWindowCarryingItsGoneDescendants) {
    ActivityTracker tracker;
    ActivitySnapshot first;
    first.windows = {Window(100, 0, "Main", "Main"), Window(200, 100, "Panel", "Static"), Window(201, 200),
                     Window(202, 200), Window(300, 100, "Alone")};
    tracker.Begin(first);

    ActivitySnapshot second;
    second.windows = {Window(100, 0, "Main", "Main"), Window(400, 100, "New"), Window(401, 400, "Inner")};
    // Made at once, in the look's order; gone one look later, the panel
    // with its two children in one line, the lone button in its own.
    const auto made = tracker.Compare(second);
    ASSERT_EQ(Kinds(made), (std::vector<ActivityKind>{ActivityKind::Created, ActivityKind::Created}));
    EXPECT_EQ(made[0].window, 400u);
    EXPECT_EQ(made[1].window, 401u);
    const auto gone = tracker.Compare(second);
    ASSERT_EQ(Kinds(gone), (std::vector<ActivityKind>{ActivityKind::Destroyed, ActivityKind::Destroyed}));
    EXPECT_EQ(gone[0].window, 200u);
    EXPECT_EQ(gone[0].detail, "连同 2 个子窗口");
    EXPECT_EQ(gone[1].window, 300u);
    EXPECT_EQ(gone[1].detail, "");
    EXPECT_FALSE(tracker.Knows(201));
    EXPECT_TRUE(tracker.Compare(second).empty());

    // A child gone while its parent stays is a line of its own, a look
    // after the foreground that moved meanwhile.
    ActivitySnapshot third;
    third.windows = {Window(100, 0, "Main", "Main"), Window(400, 100, "New")};
    third.foreground = 100;
    EXPECT_EQ(Kinds(tracker.Compare(third)), std::vector<ActivityKind>{ActivityKind::Foreground});
    const auto child = tracker.Compare(third);
    ASSERT_EQ(Kinds(child), std::vector<ActivityKind>{ActivityKind::Destroyed});
    EXPECT_EQ(child[0].window, 401u);
}

TEST(WindowActivityTest, AWindowCaughtHalfDestroyedIsOneLineAndAWindowAMissedLookSkipsStays) {
    ActivityTracker tracker;
    ActivitySnapshot full;
    full.windows = {Window(100, 0, "Main", "Main"), Window(500, 100, "Dialog", "#32770"), Window(501, 500),
                    Window(502, 500), Window(600, 100, "Stays")};
    tracker.Begin(full);
    // The dialog's controls are destroyed before the dialog: one look sees
    // the dialog without them, the next without the dialog.
    ActivitySnapshot half;
    half.windows = {Window(100, 0, "Main", "Main"), Window(500, 100, "Dialog", "#32770"), Window(600, 100, "Stays")};
    EXPECT_TRUE(tracker.Compare(half).empty());
    ActivitySnapshot none;
    none.windows = {Window(100, 0, "Main", "Main"), Window(600, 100, "Stays")};
    EXPECT_TRUE(tracker.Compare(none).empty());
    const auto gone = tracker.Compare(none);
    ASSERT_EQ(gone.size(), 1u);
    EXPECT_EQ(gone[0].window, 500u);
    EXPECT_EQ(gone[0].detail, "连同 2 个子窗口");

    // A look that misses a window which the next finds again tells nothing.
    ActivitySnapshot missed;
    missed.windows = {Window(100, 0, "Main", "Main")};
    EXPECT_TRUE(tracker.Compare(missed).empty());
    EXPECT_TRUE(tracker.Compare(none).empty());
    EXPECT_TRUE(tracker.Compare(none).empty());
    EXPECT_TRUE(tracker.Knows(600));
}

TEST(WindowActivityTest, AChangeSeenByAnEventAndByTheNextLookIsReportedOnce) {
    ActivityTracker tracker;
    ActivitySnapshot look;
    look.windows = {Window(100, 0, "Main", "Main"), Window(200, 100, "OK")};
    look.foreground = 100;
    tracker.Begin(look);

    // The event's reading first: a new window and a new title.
    EXPECT_EQ(Kinds(tracker.Update(Window(300, 100, "New"))), std::vector<ActivityKind>{ActivityKind::Created});
    ActivityWindow retitled = Window(200, 100, "Changed");
    EXPECT_EQ(Kinds(tracker.Update(retitled)), std::vector<ActivityKind>{ActivityKind::TitleChanged});
    EXPECT_EQ(Kinds(tracker.FocusMoved(300)), std::vector<ActivityKind>{ActivityKind::Focus});
    // Then the look that sees the same.
    look.windows = {Window(100, 0, "Main", "Main"), retitled, Window(300, 100, "New")};
    look.focus = 300;
    EXPECT_TRUE(tracker.Compare(look).empty());

    // A focus on a window not known yet is reported once the window is.
    EXPECT_TRUE(tracker.FocusMoved(500).empty());
    look.windows.push_back(Window(500, 100, "Later"));
    look.focus = 500;
    EXPECT_EQ(Kinds(tracker.Compare(look)),
              (std::vector<ActivityKind>{ActivityKind::Created, ActivityKind::Focus}));

    // The foreground: to another program's window, named as given, and back.
    const auto away = tracker.ForegroundMoved(900, "900（Notepad）“记事本”");
    ASSERT_EQ(away.size(), 1u);
    EXPECT_EQ(away[0].subject, "900（Notepad）“记事本”");
    look.foreground = 900;
    EXPECT_TRUE(tracker.Compare(look).empty());
    look.foreground = 100;
    const auto back = tracker.Compare(look);
    ASSERT_EQ(Kinds(back), std::vector<ActivityKind>{ActivityKind::Foreground});
    EXPECT_EQ(back[0].subject, "100（Main）“Main”");
}

TEST(WindowActivityTest, TheLogKeepsTheNewestTenThousandLines) {
    inspector::core::ActivityLines lines;
    std::size_t dropped = 0;
    for (int i = 0; i < 10003; ++i) dropped += lines.Add("line " + std::to_string(i));
    EXPECT_EQ(dropped, 3u);
    ASSERT_EQ(lines.Size(), 10000u);
    EXPECT_EQ(lines.Line(0), "line 3");
    EXPECT_EQ(lines.Line(9999), "line 10002");
    const std::string text = lines.Text();
    EXPECT_EQ(text.substr(0, 8), "line 3\r\n");
    EXPECT_EQ(text.substr(text.size() - 12), "line 10002\r\n");

    ActivityEvent event{ActivityKind::Key, 5, "5（Edit）", "按下 F5"};
    EXPECT_EQ(inspector::core::ActivityLine(1234, event), "   1234 ms  按键  5（Edit）  按下 F5");
}

}  // namespace
