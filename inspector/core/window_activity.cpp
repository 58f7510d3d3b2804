#include "inspector/core/window_activity.h"

#include <cstdio>
#include <unordered_set>

#include "inspector/core/window_styles.h"

namespace inspector::core {
namespace {

constexpr std::uint32_t kVisible = 0x10000000;   // WS_VISIBLE
constexpr std::uint32_t kDisabled = 0x08000000;  // WS_DISABLED

// "+WS_TABSTOP -BS_MULTILINE": the named flags one style has and the other
// has not; visibility and the disabled state have lines of their own.
std::string FlagChanges(std::uint32_t before, std::uint32_t after, const std::vector<StyleTable>& tables) {
    std::string added, removed;
    for (const StyleTable& table : tables) {
        for (std::size_t i = 0; i < table.count; ++i) {
            const StyleFlag& flag = table.flags[i];
            if (flag.value == kVisible || flag.value == kDisabled) continue;
            const bool was = Holds(before, flag), is = Holds(after, flag);
            if (is && !was) added += " +" + std::string(flag.name);
            if (was && !is) removed += " -" + std::string(flag.name);
        }
    }
    return added + removed;
}

std::string StyleChange(const char* what, std::uint32_t before, std::uint32_t after,
                        const std::vector<StyleTable>& tables) {
    return std::string(what) + " " + HexText(before) + " → " + HexText(after) + FlagChanges(before, after, tables);
}

// A title as a line shows it: at most kShownTitleCharacters characters,
// a longer one cut with its length told (an edit's text can be megabytes,
// and 10,000 lines of it would be gigabytes).
constexpr std::size_t kShownTitleCharacters = 200;

std::string Shown(const std::string& title) {
    std::size_t characters = 0, cut = title.size();
    for (std::size_t i = 0; i < title.size(); ++i) {
        if ((static_cast<unsigned char>(title[i]) & 0xC0) == 0x80) continue;  // inside a UTF-8 sequence
        if (characters == kShownTitleCharacters) cut = i;
        ++characters;
    }
    if (characters <= kShownTitleCharacters) return title;
    return title.substr(0, cut) + "…（共 " + std::to_string(characters) + " 字）";
}

}  // namespace

std::string ActivityCaption(ActivityKind kind) {
    switch (kind) {
        case ActivityKind::Created: return "创建";
        case ActivityKind::Destroyed: return "销毁";
        case ActivityKind::Shown: return "显示";
        case ActivityKind::Hidden: return "隐藏";
        case ActivityKind::Moved: return "位置";
        case ActivityKind::TitleChanged: return "标题";
        case ActivityKind::Enabled: return "启用";
        case ActivityKind::Disabled: return "禁用";
        case ActivityKind::StyleChanged: return "样式";
        case ActivityKind::Focus: return "焦点";
        case ActivityKind::Foreground: return "前台";
        case ActivityKind::Click: return "鼠标";
        case ActivityKind::Key: return "按键";
    }
    return "";
}

std::string DescribeWindow(std::uint64_t handle, const std::string& className, const std::string& title) {
    // As the panel shows handles: the 32 bits a window handle has.
    std::string text = std::to_string(static_cast<std::int32_t>(handle)) + "（" + className + "）";
    if (!title.empty()) text += "“" + Shown(title) + "”";
    return text;
}

std::string RectText(const base::Rect& rect) {
    return "(" + std::to_string(rect.left) + ", " + std::to_string(rect.top) + ") " + std::to_string(rect.Width()) +
           " × " + std::to_string(rect.Height());
}

std::vector<ActivityEvent> CompareWindow(const ActivityWindow& before, const ActivityWindow& after) {
    std::vector<ActivityEvent> events;
    const std::string subject = DescribeWindow(after.handle, after.className, after.title);
    auto add = [&](ActivityKind kind, std::string detail) {
        events.push_back({kind, after.handle, subject, std::move(detail)});
    };
    if (before.title != after.title) add(ActivityKind::TitleChanged, "“" + Shown(before.title) + "” → “" + Shown(after.title) + "”");
    const base::Rect& a = before.rect;
    const base::Rect& b = after.rect;
    if (a.left != b.left || a.top != b.top || a.right != b.right || a.bottom != b.bottom) {
        const bool moved = a.left != b.left || a.top != b.top;
        const bool resized = a.Width() != b.Width() || a.Height() != b.Height();
        const char* how = moved && resized ? "移动并改变大小" : moved ? "移动" : "改变大小";
        add(ActivityKind::Moved, std::string(how) + " " + RectText(b) + "（原 " + RectText(a) + "）");
    }
    if ((before.style ^ after.style) & kVisible) {
        add((after.style & kVisible) ? ActivityKind::Shown : ActivityKind::Hidden, "");
    }
    if ((before.style ^ after.style) & kDisabled) {
        add((after.style & kDisabled) ? ActivityKind::Disabled : ActivityKind::Enabled, "");
    }
    const std::uint32_t otherBefore = before.style & ~(kVisible | kDisabled);
    const std::uint32_t otherAfter = after.style & ~(kVisible | kDisabled);
    std::string styles;
    if (otherBefore != otherAfter) {
        styles = StyleChange("样式", before.style, after.style,
                             {WindowStyleTable(after.parent != 0), ClassStyleTable(after.className)});
    }
    if (before.extendedStyle != after.extendedStyle) {
        if (!styles.empty()) styles += "；";
        styles += StyleChange("扩展样式", before.extendedStyle, after.extendedStyle, {ExtendedStyleTable()});
    }
    if (!styles.empty()) add(ActivityKind::StyleChanged, styles);
    return events;
}

ActivityEvent ActivityTracker::Event(ActivityKind kind, const ActivityWindow& window, std::string detail) const {
    return {kind, window.handle, DescribeWindow(window.handle, window.className, window.title), std::move(detail)};
}

void ActivityTracker::Begin(const ActivitySnapshot& first) {
    known_.clear();
    order_.clear();
    missingSince_.clear();
    for (const ActivityWindow& w : first.windows) {
        if (known_.emplace(w.handle, w).second) order_.push_back(w.handle);
    }
    focus_ = first.focus;
    foreground_ = first.foreground;
}

const std::string* ActivityTracker::ClassOf(std::uint64_t handle) const {
    const auto found = known_.find(handle);
    return found == known_.end() ? nullptr : &found->second.className;
}

std::vector<ActivityEvent> ActivityTracker::Update(const ActivityWindow& window) {
    const auto found = known_.find(window.handle);
    if (found == known_.end()) {
        known_.emplace(window.handle, window);
        order_.push_back(window.handle);
        std::string detail = RectText(window.rect);
        if (!(window.style & kVisible)) detail += "，隐藏";
        if (window.style & kDisabled) detail += "，禁用";
        return {Event(ActivityKind::Created, window, std::move(detail))};
    }
    missingSince_.erase(window.handle);
    std::vector<ActivityEvent> events = CompareWindow(found->second, window);
    found->second = window;
    return events;
}

std::vector<ActivityEvent> ActivityTracker::FocusMoved(std::uint64_t focus) {
    if (focus == focus_) return {};
    const auto found = known_.find(focus);
    // A focus on a window not known yet is not taken as seen: once the
    // window is known, the focus on it is reported.
    focus_ = found == known_.end() ? 0 : focus;
    if (found == known_.end()) return {};
    return {Event(ActivityKind::Focus, found->second)};
}

std::vector<ActivityEvent> ActivityTracker::ForegroundMoved(std::uint64_t foreground,
                                                            const std::string& otherDescription) {
    if (foreground == foreground_) return {};
    foreground_ = foreground;
    const auto found = known_.find(foreground);
    if (found != known_.end()) return {Event(ActivityKind::Foreground, found->second, "目标程序的窗口成为前台窗口")};
    ActivityEvent event{ActivityKind::Foreground, foreground, otherDescription, "前台窗口换成了别的程序的窗口"};
    if (foreground == 0) {
        event.subject = "（无）";
        event.detail = "没有前台窗口";
    }
    return {event};
}

std::vector<ActivityEvent> ActivityTracker::Compare(const ActivitySnapshot& now) {
    std::vector<ActivityEvent> events;
    std::unordered_set<std::uint64_t> present;
    present.reserve(now.windows.size());
    std::vector<std::uint64_t> order;
    order.reserve(now.windows.size());
    for (const ActivityWindow& w : now.windows) {
        if (!present.insert(w.handle).second) continue;
        order.push_back(w.handle);
        std::vector<ActivityEvent> changes = Update(w);
        events.insert(events.end(), changes.begin(), changes.end());
    }

    // The windows missing from this look. A window goes after its
    // children (they are destroyed first), so a look can find the children
    // gone and their parent still there: a missing window is told one look
    // later, and one whose parent is missing too waits for the parent and
    // is counted in its line. A window a look missed but the next one finds
    // again was never gone.
    ++looks_;
    for (std::uint64_t handle : order_) {
        if (!present.count(handle)) missingSince_.emplace(handle, looks_);
    }
    // Each missing window's topmost missing ancestor (itself when its parent
    // is there); parents stand before their children in order_.
    std::unordered_map<std::uint64_t, std::uint64_t> topOf;
    std::vector<std::uint64_t> tops;
    std::unordered_map<std::uint64_t, int> descendants;
    for (std::uint64_t handle : order_) {
        if (!missingSince_.count(handle)) continue;
        const std::uint64_t parent = known_.at(handle).parent;
        const auto up = topOf.find(parent);
        if (up != topOf.end()) {
            topOf[handle] = up->second;
            ++descendants[up->second];
        } else {
            topOf[handle] = handle;
            tops.push_back(handle);
        }
    }
    std::unordered_set<std::uint64_t> told;
    for (std::uint64_t top : tops) {
        if (missingSince_.at(top) == looks_) continue;  // missing since this look: wait for the next
        const int below = descendants[top];
        events.push_back(Event(ActivityKind::Destroyed, known_.at(top),
                               below ? "连同 " + std::to_string(below) + " 个子窗口" : ""));
        told.insert(top);
    }
    std::vector<std::uint64_t> stillMissing;
    for (std::uint64_t handle : order_) {
        if (!missingSince_.count(handle)) continue;
        if (told.count(topOf.at(handle))) {
            known_.erase(handle);
            missingSince_.erase(handle);
        } else {
            stillMissing.push_back(handle);
        }
    }
    order_ = std::move(order);
    order_.insert(order_.end(), stillMissing.begin(), stillMissing.end());
    // Focus and foreground last: a window made and focused at once is named
    // made first.
    for (ActivityEvent& e : FocusMoved(now.focus)) events.push_back(std::move(e));
    for (ActivityEvent& e : ForegroundMoved(now.foreground, now.foregroundDescription)) events.push_back(std::move(e));
    return events;
}

std::string ActivityLine(std::int64_t msSinceOpened, const ActivityEvent& event) {
    char time[32];
    std::snprintf(time, sizeof time, "%7lld ms", static_cast<long long>(msSinceOpened));
    std::string line = std::string(time) + "  " + ActivityCaption(event.kind) + "  " + event.subject;
    if (!event.detail.empty()) line += "  " + event.detail;
    return line;
}

std::size_t ActivityLines::Add(std::string line) {
    lines_.push_back(std::move(line));
    std::size_t dropped = 0;
    while (lines_.size() > capacity_) {
        lines_.pop_front();
        ++dropped;
    }
    return dropped;
}

std::string ActivityLines::Text() const {
    std::string text;
    for (const std::string& line : lines_) text += line + "\r\n";
    return text;
}

}  // namespace inspector::core
