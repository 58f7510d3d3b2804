#include "inspector/activity_watch.h"

#include <algorithm>
#include <unordered_map>
#include <unordered_set>

#include "ui/form.h"
#include "win/callback_guard.h"
#include "win/threads.h"

namespace inspector {
namespace {

constexpr double kLookEveryMs = 100;
// A window an event names is read this long after the event: the event
// comes while the program is still making or changing the window (a window
// made visible is shown only at the end of its making).
constexpr double kSettleMs = 20;

std::uint64_t Key(HWND hwnd) { return static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(hwnd)); }

std::string ClassName(HWND hwnd) { return win::GetWindowClassName(win::FromHwnd(hwnd)); }

// One window as the log keeps it; false when it is gone.
bool ReadWindow(HWND hwnd, HWND parent, POINT parentOrigin, const core::ActivityTracker* known,
                core::ActivityWindow& w) {
    w.handle = Key(hwnd);
    w.parent = Key(parent);
    const std::string* className = known ? known->ClassOf(w.handle) : nullptr;
    w.className = className ? *className : ClassName(hwnd);
    w.title = win::GetWindowStoredTitle(win::FromHwnd(hwnd));
    w.style = static_cast<std::uint32_t>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    w.extendedStyle = static_cast<std::uint32_t>(GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    // The rectangle last: a window gone meanwhile fails here and is left
    // out, rather than shown with a style it never had.
    RECT r;
    if (!GetWindowRect(hwnd, &r)) return false;
    w.rect = {r.left - parentOrigin.x, r.top - parentOrigin.y, r.right - parentOrigin.x, r.bottom - parentOrigin.y};
    return true;
}

// The window's parent, null for a top-level window.
HWND ParentOf(HWND hwnd) {
    const HWND parent = GetAncestor(hwnd, GA_PARENT);
    return parent == GetDesktopWindow() ? nullptr : parent;
}

POINT ClientOrigin(HWND hwnd) {
    POINT origin = {0, 0};
    if (hwnd) ClientToScreen(hwnd, &origin);
    return origin;
}

struct TopLevels {
    DWORD pid = 0;
    std::vector<HWND> windows;  // of the process
};

BOOL CALLBACK CollectTopLevel(HWND hwnd, LPARAM parameter) {
    auto& tops = *reinterpret_cast<TopLevels*>(parameter);
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == tops.pid) tops.windows.push_back(hwnd);
    return TRUE;
}

struct ChildWalk {
    std::vector<HWND> windows;
    const std::atomic<bool>* stop;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM parameter) {
    auto& walk = *reinterpret_cast<ChildWalk*>(parameter);
    walk.windows.push_back(hwnd);
    return !(walk.stop && walk.stop->load());
}

}  // namespace

double ActivityNowMs() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / static_cast<double>(frequency.QuadPart);
}

core::ActivitySnapshot ReadActivitySnapshot(HWND root, const core::ActivityTracker* known,
                                            const std::atomic<bool>* stop) {
    core::ActivitySnapshot look;
    TopLevels all;
    if (!IsWindow(root) || !GetWindowThreadProcessId(root, &all.pid)) return look;
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&all));

    // The root and the windows it owns, directly or through others.
    std::vector<HWND> tops = {root};
    std::unordered_set<HWND> inSet = {root};
    std::unordered_map<HWND, HWND> owners;
    for (HWND w : all.windows) {
        if (w != root) owners[w] = GetWindow(w, GW_OWNER);
    }
    for (bool grew = true; grew;) {
        grew = false;
        for (HWND w : all.windows) {
            if (inSet.count(w) || !inSet.count(owners[w])) continue;
            inSet.insert(w);
            tops.push_back(w);
            grew = true;
        }
    }

    std::unordered_map<HWND, POINT> origins;
    std::vector<DWORD> threads;
    for (HWND top : tops) {
        if (stop && stop->load()) return look;
        core::ActivityWindow w;
        if (!ReadWindow(top, nullptr, {0, 0}, known, w)) continue;
        look.windows.push_back(std::move(w));
        const DWORD thread = GetWindowThreadProcessId(top, nullptr);
        if (std::find(threads.begin(), threads.end(), thread) == threads.end()) threads.push_back(thread);
        // Every descendant, parents first: the system takes each list of
        // children whole, so a window going meanwhile does not cut the walk
        // short.
        ChildWalk walk{{}, stop};
        EnumChildWindows(top, CollectChild, reinterpret_cast<LPARAM>(&walk));
        for (HWND child : walk.windows) {
            if (stop && stop->load()) return look;
            const HWND parent = ParentOf(child);
            auto origin = origins.find(parent);
            if (origin == origins.end()) origin = origins.emplace(parent, ClientOrigin(parent)).first;
            core::ActivityWindow c;
            if (ReadWindow(child, parent, origin->second, known, c)) look.windows.push_back(std::move(c));
        }
    }

    const HWND foreground = GetForegroundWindow();
    look.foreground = Key(foreground);
    if (foreground && !inSet.count(foreground)) {
        look.foregroundDescription =
            core::DescribeWindow(look.foreground, ClassName(foreground), win::GetWindowStoredTitle(win::FromHwnd(foreground)));
    }
    // The focus of the program's threads; the one whose active window is in
    // the foreground first.
    for (DWORD thread : threads) {
        GUITHREADINFO info = {};
        info.cbSize = sizeof info;
        if (!GetGUIThreadInfo(thread, &info) || !info.hwndFocus) continue;
        if (!look.focus || info.hwndActive == foreground) look.focus = Key(info.hwndFocus);
    }
    return look;
}

// --- The worker ---------------------------------------------------------------

struct ActivityWatch::State {
    HWND root = nullptr;
    double opened = 0;
    std::atomic<bool> stop{false};
    win::OwnedHandle wake;
    std::function<void(std::vector<TimedActivity>)> deliver;
    std::atomic<double> lastLookMs{0};
    std::atomic<std::size_t> lastLookWindows{0};
    // The worker's own.
    core::ActivityTracker tracker;

    void Emit(std::vector<core::ActivityEvent> events) {
        if (events.empty() || stop.load()) return;
        const auto ms = static_cast<std::int64_t>(ActivityNowMs() - opened);
        std::vector<TimedActivity> timed;
        timed.reserve(events.size());
        for (core::ActivityEvent& e : events) timed.push_back({ms, std::move(e)});
        deliver(std::move(timed));
    }

    // Whether a window the system named belongs to the watched set: below
    // one of its top-level windows, or a new top-level window owned by one.
    bool Watched(HWND hwnd) const {
        const HWND top = GetAncestor(hwnd, GA_ROOT);
        if (!top) return false;
        if (top == root || (tracker.Knows(Key(top)) && !ParentOf(top))) return true;
        for (HWND owner = GetWindow(top, GW_OWNER); owner; owner = GetWindow(owner, GW_OWNER)) {
            if (owner == root || tracker.Knows(Key(owner))) return true;
        }
        return false;
    }

    void OnEvent(DWORD event, HWND hwnd, LONG object, LONG child) {
        if (event == EVENT_SYSTEM_FOREGROUND) {
            const std::string other = tracker.Knows(Key(hwnd)) || !hwnd
                                          ? std::string()
                                          : core::DescribeWindow(Key(hwnd), ClassName(hwnd),
                                                                 win::GetWindowStoredTitle(win::FromHwnd(hwnd)));
            Emit(tracker.ForegroundMoved(Key(hwnd), other));
            return;
        }
        if (!hwnd) return;
        if (event == EVENT_OBJECT_FOCUS) {
            // A window not known yet is left to the next look, which names
            // it made before it is focused.
            if (tracker.Knows(Key(hwnd))) Emit(tracker.FocusMoved(Key(hwnd)));
            return;
        }
        // Windows that go are reported by the next look, with their
        // descendants in one line.
        if (object != OBJID_WINDOW || child != CHILDID_SELF || event == EVENT_OBJECT_DESTROY) return;
        if (std::none_of(pending.begin(), pending.end(), [hwnd](const auto& p) { return p.first == hwnd; })) {
            pending.emplace_back(hwnd, ActivityNowMs() + kSettleMs);
        }
    }

    bool PendingDue(double now) const {
        for (const auto& [hwnd, due] : pending) {
            if (due <= now) return true;
        }
        return false;
    }

    // The windows events named whose time has come, read anew.
    void ReadPending(double now) {
        std::vector<core::ActivityEvent> events;
        for (auto it = pending.begin(); it != pending.end();) {
            if (it->second > now) {
                ++it;
                continue;
            }
            const HWND hwnd = it->first;
            it = pending.erase(it);
            if (!Watched(hwnd)) continue;
            const HWND parent = ParentOf(hwnd);
            core::ActivityWindow w;
            if (!ReadWindow(hwnd, parent, ClientOrigin(parent), &tracker, w)) continue;
            for (core::ActivityEvent& e : tracker.Update(w)) events.push_back(std::move(e));
        }
        Emit(std::move(events));
    }

    // Windows events named, in the order named (a dialog before its
    // controls), and when to read them.
    std::vector<std::pair<HWND, double>> pending;
};

namespace {

thread_local ActivityWatch::State* t_watch = nullptr;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG object, LONG child, DWORD, DWORD) {
    win::GuardCallback([&] {
        if (t_watch && !t_watch->stop.load()) t_watch->OnEvent(event, hwnd, object, child);
    });
}

// The worker's life: its event hooks, the first look, then looks and the
// windows events name until it is stopped or the program's window goes.
void Watch(const std::shared_ptr<ActivityWatch::State>& state) {
    DWORD pid = 0;
    GetWindowThreadProcessId(state->root, &pid);
    const win::OwnedEventHook objects(SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_NAMECHANGE, nullptr,
                                                      OnWinEvent, pid, 0, WINEVENT_OUTOFCONTEXT));
    const win::OwnedEventHook foreground(SetWinEventHook(EVENT_SYSTEM_FOREGROUND, EVENT_SYSTEM_FOREGROUND, nullptr,
                                                         OnWinEvent, 0, 0, WINEVENT_OUTOFCONTEXT));
    state->tracker.Begin(ReadActivitySnapshot(state->root, nullptr, &state->stop));
    double next = ActivityNowMs() + kLookEveryMs;
    const HANDLE wake = state->wake.Get();
    while (!state->stop.load()) {
        // Events come as messages handled inside the wait; the windows they
        // name are read when they have settled, the next look when it is due.
        const double wait = std::min(next - ActivityNowMs(), kSettleMs);
        win::WaitOptions options;
        options.wakers = {wake};
        options.pollMs = wait > 0 ? static_cast<DWORD>(wait) + 1 : 0;
        win::WaitHandlingMessages(
            [&] {
                const double now = ActivityNowMs();
                return state->stop.load() || now >= next || state->PendingDue(now);
            },
            nullptr, options);
        if (state->stop.load()) break;
        if (ActivityNowMs() < next) {
            state->ReadPending(ActivityNowMs());
            continue;
        }
        const double start = ActivityNowMs();
        const core::ActivitySnapshot look = ReadActivitySnapshot(state->root, &state->tracker, &state->stop);
        if (state->stop.load()) break;
        const double took = ActivityNowMs() - start;
        state->lastLookMs = took;
        state->lastLookWindows = look.windows.size();
        state->Emit(state->tracker.Compare(look));
        state->pending.clear();  // the look read them all
        if (look.windows.empty()) break;  // the program's window is gone: nothing more will come
        next = ActivityNowMs() + std::max(kLookEveryMs, took);
    }
}

}  // namespace

DWORD WINAPI ActivityWatch::Worker(void* parameter) {
    const std::shared_ptr<State> state = *static_cast<std::shared_ptr<State>*>(parameter);
    delete static_cast<std::shared_ptr<State>*>(parameter);
    t_watch = state.get();
    win::GuardCallback([&] { Watch(state); });
    t_watch = nullptr;
    return 0;
}

bool ActivityWatch::Start(HWND form, HWND target, double opened, Report report) {
    Stop();
    const HWND root = GetAncestor(target, GA_ROOT);
    if (!root) return false;
    auto state = std::make_shared<State>();
    state->root = root;
    state->opened = opened;
    state->wake.Reset(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!state->wake) return false;
    alive_ = std::make_shared<bool>(true);
    state->deliver = [form, alive = std::weak_ptr<bool>(alive_), report](std::vector<TimedActivity> events) {
        ui::Form::PostWork(form, [alive, report, events = std::move(events)]() mutable {
            if (alive.lock()) report(std::move(events));
        });
    };
    auto* handover = new std::shared_ptr<State>(state);
    threadId_ = static_cast<DWORD>(win::StartThread(Worker, handover, &thread_));
    if (threadId_ == 0) {
        delete handover;
        alive_.reset();
        return false;
    }
    state_ = std::move(state);
    root_ = root;
    return true;
}

void ActivityWatch::Stop() {
    alive_.reset();
    if (!state_) return;
    state_->stop = true;
    SetEvent(state_->wake.Get());
    // The worker asks nothing of this thread, so a plain wait cannot
    // deadlock; a look at thousands of windows ends at the next window.
    // One that does not end in 5 s is left to end by itself: it holds its
    // own share of the state.
    if (thread_) WaitForSingleObject(thread_.Get(), 5000);
    thread_.Reset();
    threadId_ = 0;
    state_.reset();
}

double ActivityWatch::LastLookMs() const { return state_ ? state_->lastLookMs.load() : 0; }

std::size_t ActivityWatch::LastLookWindows() const { return state_ ? state_->lastLookWindows.load() : 0; }

}  // namespace inspector
