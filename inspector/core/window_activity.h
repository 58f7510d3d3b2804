// The window activity log ("窗口动态…"): what happens to the windows of
// another program, found by comparing what the window system says of them
// from one look to the next, and how each happening is written as a line.
//
// The windows watched are the target's top-level window, its descendants,
// and the top-level windows it owns (directly or through others) with
// theirs. A look (ActivitySnapshot) holds for each: its parent, class, the
// title the window system keeps, its styles and its rectangle (on the
// screen for a top-level window, in its parent's client area for a child:
// a moved dialog does not move all its controls in the log). The tracker
// keeps the last state of every window; each way of learning about a
// change (a whole new look, one window read anew when the system reports
// an event for it, the focus, the foreground) goes through that state, so
// a change seen both ways is reported once.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <unordered_map>
#include <vector>

#include "base/geometry.h"

namespace inspector::core {

struct ActivityWindow {
    std::uint64_t handle = 0;
    std::uint64_t parent = 0;  // 0 for a top-level window
    std::string className;
    std::string title;  // the window system's copy, never asked of the program
    std::uint32_t style = 0;
    std::uint32_t extendedStyle = 0;
    base::Rect rect;  // top-level: the screen; child: its parent's client area
};

struct ActivitySnapshot {
    std::vector<ActivityWindow> windows;  // parents before their children
    std::uint64_t focus = 0;              // the focus of the program's windows' threads, 0 for none
    std::uint64_t foreground = 0;
    // How the log names a foreground window that is not one of the watched.
    std::string foregroundDescription;
};

enum class ActivityKind {
    Created,
    Destroyed,
    Shown,
    Hidden,
    Moved,  // moved, resized, or both
    TitleChanged,
    Enabled,
    Disabled,
    StyleChanged,
    Focus,
    Foreground,
    Click,  // the user's mouse button pressed on the program
    Key,    // the user's key pressed on the program
};

// "创建", "标题" ...: the word that starts an event's line.
std::string ActivityCaption(ActivityKind kind);

struct ActivityEvent {
    ActivityKind kind = ActivityKind::Created;
    std::uint64_t window = 0;
    std::string subject;  // the window, as DescribeWindow writes it
    std::string detail;
};

// "1234（Button）“确定”": handle, class, and the title when it has one (its
// first 200 characters, and its length, when it is longer).
std::string DescribeWindow(std::uint64_t handle, const std::string& className, const std::string& title);

// "(10, 20) 80 × 24".
std::string RectText(const base::Rect& rect);

// What changed between two states of one window, in the order the log
// lists them: title, place, shown or hidden, enabled or disabled, the
// other styles.
std::vector<ActivityEvent> CompareWindow(const ActivityWindow& before, const ActivityWindow& after);

class ActivityTracker {
public:
    // The first look: remembered, nothing reported.
    void Begin(const ActivitySnapshot& first);
    // A new look: the windows made since (in the look's order) and the
    // changes of those still there, the windows gone (told one look after
    // the first look that missed them, a gone window's gone descendants
    // counted in its line), then the focus and the foreground.
    std::vector<ActivityEvent> Compare(const ActivitySnapshot& now);
    // One window read anew between looks: its changes, or its creation
    // when it is new.
    std::vector<ActivityEvent> Update(const ActivityWindow& window);
    // The focus moved: an event when it moved onto a watched window.
    std::vector<ActivityEvent> FocusMoved(std::uint64_t focus);
    // The foreground window changed; `otherDescription` names it when it is
    // not a watched window.
    std::vector<ActivityEvent> ForegroundMoved(std::uint64_t foreground, const std::string& otherDescription);

    bool Knows(std::uint64_t handle) const { return known_.count(handle) != 0; }
    // The class of a known window (its class never changes), or null.
    const std::string* ClassOf(std::uint64_t handle) const;
    std::size_t WindowCount() const { return known_.size(); }

private:
    ActivityEvent Event(ActivityKind kind, const ActivityWindow& window, std::string detail = {}) const;
    std::unordered_map<std::uint64_t, ActivityWindow> known_;
    std::vector<std::uint64_t> order_;  // the known windows in the order of the last look
    // Windows a look did not find, not told as gone yet, and the look that
    // first missed them.
    std::unordered_map<std::uint64_t, std::uint64_t> missingSince_;
    std::uint64_t looks_ = 0;
    std::uint64_t focus_ = 0;
    std::uint64_t foreground_ = 0;
};

// "   1234 ms  创建  1234（Button）“动态”  (10, 10) 80 × 24".
std::string ActivityLine(std::int64_t msSinceOpened, const ActivityEvent& event);

// The log's lines, at most `capacity`; the oldest go first.
class ActivityLines {
public:
    explicit ActivityLines(std::size_t capacity = kActivityLineLimit) : capacity_(capacity) {}
    static constexpr std::size_t kActivityLineLimit = 10000;

    // Adds a line; how many of the oldest lines went to make room.
    std::size_t Add(std::string line);
    void Clear() { lines_.clear(); }
    std::size_t Size() const { return lines_.size(); }
    const std::string& Line(std::size_t i) const { return lines_[i]; }
    // Every line, each ended by CR LF (as an edit box and the clipboard
    // take text).
    std::string Text() const;

private:
    std::size_t capacity_;
    std::deque<std::string> lines_;
};

}  // namespace inspector::core
