#include "inspector/window_tree.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>
#include <set>
#include <unordered_set>

#include "win/core/window_text.h"
#include "inspector/core/tree_insertion.h"
#include "inspector/core/tree_item_text.h"
#include "win/callback_guard.h"
#include "win/threads.h"
#include "win/window_marking.h"

namespace inspector {
namespace {

// Reads the titles of windows: the window system's copy, or for windows
// that keep their text themselves the window's answer, skipping the threads
// that already let a question time out during this walk. Shared by the
// threads of one walk.
class TitleReader {
public:
    std::string Title(win::WindowHandle hwnd, std::string_view className) {
        if (!win::core::KeepsItsOwnText(className)) return win::GetWindowStoredTitle(hwnd);
        if (AnyTimedOut() && ThreadTimedOut(win::GetWindowThreadId(hwnd))) return {};
        win::SafeTitle title = win::QueryWindowTitleSafe(hwnd);
        if (title.timedOut) {
            std::lock_guard<win::SlimMutex> lock(mutex_);
            timedOut_.insert(win::GetWindowThreadId(hwnd));
            anyTimedOut_ = true;
        }
        return std::move(title.text);
    }

private:
    bool AnyTimedOut() const { return anyTimedOut_; }
    bool ThreadTimedOut(std::int32_t thread) {
        std::lock_guard<win::SlimMutex> lock(mutex_);
        return timedOut_.count(thread) != 0;
    }
    win::SlimMutex mutex_;
    std::set<std::int32_t> timedOut_;
    std::atomic<bool> anyTimedOut_{false};
};

// Depth first, pre-order; children in Z order, as FindWindowEx lists them.
// Walking the sibling chain asks Windows once per window instead of
// searching the list of children again for every one. A window destroyed
// during the walk can send the chain to windows already met (its handle
// taken by a new window, a sibling moved in the Z order): a window met
// before ends its chain.
void CollectChildren(win::WindowHandle hwnd, int parentIndex, HWND pumpFor, std::unordered_set<HWND>& seen,
                     std::vector<TreeNode>& nodes) {
    for (HWND child = GetWindow(win::ToHwnd(hwnd), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!seen.insert(child).second) break;
        nodes.push_back({parentIndex, {}, win::FromHwnd(child)});
        // Every 32 windows (a few milliseconds): a look at the queue is a
        // round trip to the window system too.
        if (pumpFor && nodes.size() % 32 == 0 && IsWindow(pumpFor)) win::ProcessPendingMessages();
        CollectChildren(nodes.back().handle, static_cast<int>(nodes.size()) - 1, pumpFor, seen, nodes);
    }
}

struct TopLevelWindow {
    HWND window;
    HWND owner;
};

// The top-level windows of the desktop in Z order with their owners, taken
// in one go. Walking the desktop's sibling chain instead would end early
// where a window is destroyed during the walk (our own finder goes when a
// capture ends) and would stop where one moves in the Z order (our window
// leaves the topmost band then), losing every owned window after that point.
std::vector<TopLevelWindow> TopLevelWindows() {
    std::vector<TopLevelWindow> windows;
    EnumWindows(
        [](HWND w, LPARAM list) -> BOOL {
            return win::GuardCallback(
                [&] {
                    reinterpret_cast<std::vector<TopLevelWindow>*>(list)->push_back({w, GetWindow(w, GW_OWNER)});
                    return TRUE;
                },
                FALSE);
        },
        reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// The windows `owner` owns, each an item of its own below the owner's item
// with its descendants, after the owner's own descendants; and so on for
// the windows they own. `topLevel` is the desktop's list in Z order, the
// order in which owned windows are listed.
void CollectOwned(HWND owner, int ownerIndex, HWND pumpFor, const std::vector<TopLevelWindow>& topLevel,
                  std::unordered_set<HWND>& seen, std::vector<TreeNode>& nodes) {
    for (const auto& [w, itsOwner] : topLevel) {
        if (itsOwner != owner || !seen.insert(w).second) continue;
        nodes.push_back({ownerIndex, {}, win::FromHwnd(w)});
        nodes.back().topLevel = true;
        const int index = static_cast<int>(nodes.size()) - 1;
        CollectChildren(win::FromHwnd(w), index, pumpFor, seen, nodes);
        CollectOwned(w, index, pumpFor, topLevel, seen, nodes);
    }
}

struct TextJob {
    std::vector<TreeNode>* nodes;
    TitleReader* titles;
    std::size_t first;
    std::size_t step;
};

// A node's own states from its style: whether it is shown (its parent's
// state is added once every node has its own) and enabled.
void ReadStates(TreeNode& node) {
    const auto style = static_cast<DWORD>(GetWindowLongW(win::ToHwnd(node.handle), GWL_STYLE));
    node.visible = (style & WS_VISIBLE) != 0;
    node.enabled = (style & WS_DISABLED) == 0;
}

DWORD WINAPI FillTexts(void* parameter) {
    const auto* job = static_cast<const TextJob*>(parameter);
    std::vector<TreeNode>& nodes = *job->nodes;
    win::GuardCallback([&] {
        for (std::size_t i = job->first; i < nodes.size(); i += job->step) {
            const win::WindowHandle h = nodes[i].handle;
            const std::string className = win::GetWindowClassName(h);
            nodes[i].text = core::TreeItemText(h, className, job->titles->Title(h, className));
            ReadStates(nodes[i]);
        }
    });
    return 0;
}

// Asks for the class names and titles of nodes[1...]. Each question waits
// for a round trip to the window's program, so several threads ask at once;
// the calling thread keeps handling its messages meanwhile for `pumpFor`, if
// given, as long as that window is there.
void FillChildTexts(std::vector<TreeNode>& nodes, TitleReader& titles, HWND pumpFor) {
    constexpr std::size_t kThreads = 4;
    constexpr std::size_t kWorthThreads = 64;
    if (nodes.size() <= kWorthThreads) {
        TextJob job{&nodes, &titles, 1, 1};
        FillTexts(&job);
        return;
    }
    std::vector<TextJob> jobs;
    for (std::size_t k = 0; k < kThreads; ++k) jobs.push_back({&nodes, &titles, 1 + k, kThreads});
    std::vector<win::OwnedHandle> threads;
    std::vector<HANDLE> running;
    for (TextJob& job : jobs) {
        win::OwnedHandle thread;
        if (win::StartThread(FillTexts, &job, &thread)) {
            running.push_back(thread.Get());
            threads.push_back(std::move(thread));
        } else {
            FillTexts(&job);  // no thread: this share on the calling thread
        }
    }
    if (running.empty()) return;
    const auto allDone = [&running] {
        return WaitForMultipleObjects(static_cast<DWORD>(running.size()), running.data(), TRUE, 0) != WAIT_TIMEOUT;
    };
    if (!pumpFor) {
        WaitForMultipleObjects(static_cast<DWORD>(running.size()), running.data(), TRUE, INFINITE);
        return;
    }
    // The jobs live on this stack: whatever ends the handling of messages
    // (the window closed, the program ending), they are waited for.
    if (win::WaitHandlingMessages(allDone, pumpFor, {running}) != win::WaitEnd::Done) {
        win::WaitHandlingMessages(allDone, nullptr, {running, INFINITE, win::MessageHandling::SentOnly});
    }
}

}  // namespace

std::vector<TreeNode> WalkWindows(win::WindowHandle root, HWND pumpFor) {
    std::vector<TreeNode> nodes = {{-1, {}, root}};
    nodes[0].topLevel = true;
    std::unordered_set<HWND> seen = {win::ToHwnd(root)};
    CollectChildren(root, 0, pumpFor, seen, nodes);
    CollectOwned(win::ToHwnd(root), 0, pumpFor, TopLevelWindows(), seen, nodes);
    TitleReader titles;
    FillChildTexts(nodes, titles, pumpFor);
    const std::string module = win::GetProcessModuleName(win::GetWindowProcessId(root));
    const std::string className = win::GetWindowClassName(root);
    nodes[0].text = core::RootItemText(module, root, className, titles.Title(root, className));
    ReadStates(nodes[0]);
    // A child is shown when it and its parent are (parents come first).
    for (TreeNode& node : nodes) {
        if (!node.topLevel) node.visible = node.visible && nodes[static_cast<std::size_t>(node.parent)].visible;
    }
    return nodes;
}

// The items of one fill on their way into the tree: the GUI thread's.
class WindowTree::Insertion {
public:
    Insertion(std::vector<TreeNode> walked, int target)
        : nodes(std::move(walked)), target(target), plan(core::PlanTreeInsertion(Parents(nodes), target)) {}

    bool AllIn() const { return next == plan.order.size(); }

    const std::vector<TreeNode> nodes;
    const int target;  // index of the current target's item, -1 for none
    const core::TreeInsertionPlan plan;
    std::size_t next = 0;  // in plan.order
    // The steps of an insertion (see InsertStep).
    enum class Stage {
        Branch,  // the old items out, the target's branch in, selected and shown
        Focus,   // the tree takes the keyboard focus
        Bulk,    // the other items, the tree's layout held back
        Layout,  // the tree lays out all its items, the target in view again
    } stage = Stage::Branch;
    bool redrawOff = false;  // the tree's redrawing is off

private:
    static std::vector<int> Parents(const std::vector<TreeNode>& nodes) {
        std::vector<int> parents;
        parents.reserve(nodes.size());
        for (const TreeNode& node : nodes) parents.push_back(node.parent);
        return parents;
    }
};

WindowTree::WindowTree(AnalysisControls& controls, Target& target)
    : c_(controls), target_(target), insertionTimer_(controls.form, [this] { ContinueInsertion(); }) {}

WindowTree::~WindowTree() {
    closing_ = true;
    insertionTimer_.Stop();
    insertion_.reset();
    // A walk on a worker thread may still be asking the GUI thread to do
    // things; keep answering until it has finished.
    win::WaitHandlingMessages([this] { return fills_ == 0; }, nullptr, {{}, 10, win::MessageHandling::SentOnly});
}

// One walk from start to end, on whichever thread: the walk is counted
// (the destructor waits for it) until this goes, and the tree is busy until
// then too, however the walk ends, unless the items went on their way into
// the tree, which then keeps it busy until the last one is in.
class WindowTree::FillScope {
public:
    explicit FillScope(WindowTree& tree) : tree_(tree) { ++tree_.fills_; }
    ~FillScope() {
        if (!handedOver_) tree_.fillBusy_ = false;
        --tree_.fills_;  // last: the tree may go once the count is 0
    }
    FillScope(const FillScope&) = delete;
    FillScope& operator=(const FillScope&) = delete;
    void HandOver() { handedOver_ = true; }

private:
    WindowTree& tree_;
    bool handedOver_ = false;
};

void WindowTree::Refresh() {
    const HWND guiWindow = c_.form.Handle();
    if (!guiWindow || fillBusy_.exchange(true)) return;
    target_.CheckStillThere();  // a target that went is shown as gone
    {
        FillScope fill(*this);
        Fill(target_.Facts().topLevel, guiWindow, fill);
    }
    // The rest of the items go in step by step; this waits for them,
    // handling messages meanwhile. When the window goes or the program ends
    // first, the steps will never come: the fill ends here.
    const win::WaitEnd end =
        win::WaitHandlingMessages([this] { return !fillBusy_ || closing_; }, guiWindow, {{}, 10});
    if (end != win::WaitEnd::Done && insertion_) FinishInsertion();
}

void WindowTree::RefreshOnWorkerThread() {
    if (fillBusy_.exchange(true)) return;
    const win::WindowHandle root = target_.Facts().topLevel;
    const HWND guiWindow = c_.form.Handle();
    // Goes with the worker's routine when the walk ends, or here when no
    // worker could be started.
    auto fill = std::make_shared<FillScope>(*this);
    win::StartThread([this, root, guiWindow, fill] { Fill(root, guiWindow, *fill); });
}

void WindowTree::Fill(win::WindowHandle root, HWND guiWindow, FillScope& fill) {
    const bool onGuiThread = GetWindowThreadProcessId(guiWindow, nullptr) == GetCurrentThreadId();
    std::vector<TreeNode> nodes;
    if (win::WindowExists(root)) nodes = WalkWindows(root, onGuiThread ? guiWindow : nullptr);
    ui::Form::RunOnThreadOf(guiWindow, [&] {
        if (closing_) return;
        StartInsertion(std::move(nodes));
        fill.HandOver();
    });
}

void WindowTree::StartInsertion(std::vector<TreeNode> nodes) {
    int target = -1;
    for (std::size_t i = 0; i < nodes.size() && target < 0; ++i) {
        if (nodes[i].handle == target_.Handle()) target = static_cast<int>(i);
    }
    itemCounter_ = 0;
    insertion_ = std::make_unique<Insertion>(std::move(nodes), target);
    // The first step here and now: the old items go, and the target's item
    // is selected and in view. The timer runs the other steps when the GUI
    // thread has nothing else to do.
    ContinueInsertion();
    if (insertion_) insertionTimer_.Start(USER_TIMER_MINIMUM);
    while (insertion_ && !insertionTimer_.Running()) ContinueInsertion();  // no timer: all steps now
}

void WindowTree::ContinueInsertion() {
    if (!insertion_) {
        insertionTimer_.Stop();
        return;
    }
    bool complete = true;
    try {
        complete = InsertStep();
    } catch (...) {
        FinishInsertion();  // a step that fails ends the fill with what is in
        throw;
    }
    if (complete) FinishInsertion();
}

// Putting items into a tree control costs little while its redrawing is
// off; turning it on again lays out every shown item. What shows a change
// on screen (scrolling to an item, scroll bars coming and going) costs tens
// of milliseconds each under Wine unless the tree's drawing is paused
// meanwhile. So: the old items go and the target's branch comes in alone,
// the target selected and scrolled to, with the drawing paused, in one
// step; the tree takes the keyboard focus in the next; the other items go
// in with the tree's redrawing off, kInsertionStepMs at a time; then the
// layout and the scroll back to the target come in one step, the drawing
// paused again.
bool WindowTree::InsertStep() {
    Insertion& in = *insertion_;
    ui::TreeBox& tree = Tree();
    const HWND handle = tree.Handle();
    auto place = [&in, &tree] {
        const int index = in.plan.order[in.next++];
        const TreeNode& node = in.nodes[static_cast<std::size_t>(index)];
        std::optional<base::Colour> colour;
        if (!node.visible) {
            colour = kHiddenItemColour;
        } else if (!node.enabled) {
            colour = kDisabledItemColour;
        }
        tree.PlaceItem(index, {node.parent, in.plan.after[static_cast<std::size_t>(index)], node.text, node.handle,
                               colour});
    };
    auto showTarget = [&in, &tree] {
        // Unless the user has chosen another item meanwhile.
        if (in.target >= 0 && tree.SelectedIndex() == in.target) tree.EnsureVisible(in.target);
        // Scrolling to the item may have moved the tree sideways: the
        // items' starts (the root's module name) stay in view.
        tree.ScrollToLeftEdge();
    };
    using Stage = Insertion::Stage;
    switch (in.stage) {
        case Stage::Branch: {
            const ui::DrawingPause pause(handle);
            tree.Reset(static_cast<int>(in.nodes.size()));
            // The root alone when there is no target.
            while (!in.AllIn() && (in.next < in.plan.branch || in.next == 0)) place();
            if (in.target >= 0) {
                tree.SetItemBold(in.target, true);
                tree.SelectItem(in.target);
                targetItem_ = in.target;
            }
            showTarget();
            in.stage = Stage::Focus;
            return false;
        }
        case Stage::Focus:
            if (!in.nodes.empty()) tree.Focus();
            in.stage = in.AllIn() ? Stage::Layout : Stage::Bulk;
            return false;
        case Stage::Bulk: {
            if (!in.redrawOff) SendMessageW(handle, WM_SETREDRAW, FALSE, 0);
            in.redrawOff = true;
            const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(kInsertionStepMs);
            do {
                for (int n = 0; n < 64 && !in.AllIn(); ++n) place();  // a few between looks at the clock
            } while (!in.AllIn() && std::chrono::steady_clock::now() < end);
            if (in.AllIn()) in.stage = Stage::Layout;
            return false;
        }
        case Stage::Layout: {
            const ui::DrawingPause pause(handle);
            if (in.redrawOff) SendMessageW(handle, WM_SETREDRAW, TRUE, 0);
            in.redrawOff = false;
            // Items put in before the target pushed it down.
            showTarget();
            return true;
        }
    }
    return true;
}

void WindowTree::FinishInsertion() {
    insertionTimer_.Stop();
    if (insertion_ && insertion_->redrawOff) {
        // Ended half way: the tree draws itself again.
        SendMessageW(Tree().Handle(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(Tree().Handle(), nullptr, TRUE);
    }
    if (insertion_) itemCounter_ = std::max(static_cast<int>(insertion_->nodes.size()) - 1, 0);
    insertion_.reset();
    fillBusy_ = false;
}

void WindowTree::SwitchToPrevious() {
    ui::TreeBox& tree = Tree();
    tree.SelectItem(previousItem_);
    previousItem_ = targetItem_.load();
    targetItem_ = tree.SelectedIndex();
    tree.SetItemBold(previousItem_, false);
    tree.SetItemBold(targetItem_, true);
    target_.Select(tree.ItemData(tree.SelectedIndex()));
}

void WindowTree::MarkSelected() {
    const win::WindowHandle hwnd = Tree().ItemData(Tree().SelectedIndex());
    win::StartThread([hwnd] { win::MarkWindow(hwnd); });
}

}  // namespace inspector
