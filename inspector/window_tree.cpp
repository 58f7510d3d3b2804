#include "inspector/window_tree.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <mutex>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "win/core/window_text.h"
#include "inspector/core/first_look.h"
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

// Class names by class atom: most windows of a program share a few
// classes, and reading a window's atom is one request to the window system
// where its name is two. Shared by the threads of one walk.
class ClassNames {
public:
    std::string Of(win::WindowHandle hwnd) {
        const HWND h = win::ToHwnd(hwnd);
        const auto atom = static_cast<ATOM>(GetClassWord(h, GCW_ATOM));
        if (atom == 0) return win::GetWindowClassName(hwnd);
        {
            std::lock_guard<win::SlimMutex> lock(mutex_);
            if (const auto it = names_.find(atom); it != names_.end()) return it->second;
        }
        std::string name = win::GetWindowClassName(hwnd);
        // Kept only when the window still has that class: it may have been
        // destroyed and its handle given to another meanwhile.
        if (!name.empty() && static_cast<ATOM>(GetClassWord(h, GCW_ATOM)) == atom) {
            std::lock_guard<win::SlimMutex> lock(mutex_);
            names_.emplace(atom, name);
        }
        return name;
    }

private:
    win::SlimMutex mutex_;
    std::unordered_map<ATOM, std::string> names_;
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
    ClassNames* classes;
    std::size_t first;
    std::size_t step;
};

// A node's own states from its style, which this returns: whether it is
// shown (its parent's state is added once every node has its own) and
// enabled.
DWORD ReadStates(TreeNode& node) {
    const auto style = static_cast<DWORD>(GetWindowLongW(win::ToHwnd(node.handle), GWL_STYLE));
    node.visible = (style & WS_VISIBLE) != 0;
    node.enabled = (style & WS_DISABLED) == 0;
    return style;
}

// A child is shown when it and its parent are (parents come first).
void AddParentsVisibility(std::vector<TreeNode>& nodes) {
    for (TreeNode& node : nodes) {
        if (!node.topLevel) node.visible = node.visible && nodes[static_cast<std::size_t>(node.parent)].visible;
    }
}

// The colour of a window's item: grey when it is not shown, muted when it
// is disabled, else the tree's own.
std::optional<base::Colour> ItemColour(const TreeNode& node) {
    if (!node.visible) return kHiddenItemColour;
    if (!node.enabled) return kDisabledItemColour;
    return std::nullopt;
}

// The item text of the tree's root: its program's file name first.
std::string RootText(win::WindowHandle root, std::string_view className, std::string_view title) {
    const std::string module = win::GetProcessModuleName(win::GetWindowProcessId(root));
    return core::RootItemText(module, root, className, title);
}

// Windows as the tree hangs them together: a child below its parent, a
// top-level window below its owner; only children have neighbours in the
// Z order, owned windows come after all of their owner's children.
core::WindowLinks TreeLinks() {
    const HWND desktop = GetDesktopWindow();
    const auto isChild = [desktop](HWND w) {
        const HWND parent = GetAncestor(w, GA_PARENT);
        return parent && parent != desktop;
    };
    const auto sibling = [isChild](std::int32_t w, UINT direction) -> std::int32_t {
        const HWND hwnd = win::ToHwnd(w);
        return isChild(hwnd) ? win::FromHwnd(GetWindow(hwnd, direction)) : 0;
    };
    return {[desktop](std::int32_t w) {
                const HWND hwnd = win::ToHwnd(w);
                HWND up = GetAncestor(hwnd, GA_PARENT);
                if (!up || up == desktop) up = GetWindow(hwnd, GW_OWNER);
                return win::FromHwnd(up);
            },
            [sibling](std::int32_t w) { return sibling(w, GW_HWNDPREV); },
            [sibling](std::int32_t w) { return sibling(w, GW_HWNDNEXT); }};
}

// The nodes of a first look: texts from the window system's copies only
// (nothing is asked of the windows' programs on the GUI thread), states from
// the styles.
std::vector<TreeNode> FirstLookNodes(const std::vector<core::FirstLookItem>& look) {
    std::vector<TreeNode> nodes;
    nodes.reserve(look.size());
    for (const core::FirstLookItem& item : look) {
        TreeNode node{item.parent, {}, item.window};
        const std::string className = win::GetWindowClassName(node.handle);
        const std::string title = win::GetWindowStoredTitle(node.handle);
        node.text = item.parent < 0 ? RootText(node.handle, className, title)
                                    : core::TreeItemText(node.handle, className, title);
        node.topLevel = (ReadStates(node) & WS_CHILD) == 0 || item.parent < 0;
        nodes.push_back(std::move(node));
    }
    AddParentsVisibility(nodes);
    return nodes;
}

DWORD WINAPI FillTexts(void* parameter) {
    const auto* job = static_cast<const TextJob*>(parameter);
    std::vector<TreeNode>& nodes = *job->nodes;
    win::GuardCallback([&] {
        for (std::size_t i = job->first; i < nodes.size(); i += job->step) {
            const win::WindowHandle h = nodes[i].handle;
            const std::string className = job->classes->Of(h);
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
    ClassNames classes;
    constexpr std::size_t kThreads = 4;
    constexpr std::size_t kWorthThreads = 64;
    if (nodes.size() <= kWorthThreads) {
        TextJob job{&nodes, &titles, &classes, 1, 1};
        FillTexts(&job);
        return;
    }
    std::vector<TextJob> jobs;
    for (std::size_t k = 0; k < kThreads; ++k) jobs.push_back({&nodes, &titles, &classes, 1 + k, kThreads});
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
    const std::string className = win::GetWindowClassName(root);
    nodes[0].text = RootText(root, className, titles.Title(root, className));
    ReadStates(nodes[0]);
    AddParentsVisibility(nodes);
    return nodes;
}

// The items of one fill on their way into the tree: the GUI thread's.
class WindowTree::Insertion {
public:
    Insertion(std::vector<TreeNode> walked, int target)
        : nodes(std::move(walked)), target(target), plan(core::PlanTreeInsertion(Parents(nodes), target)) {}
    // The items of `in` are in the tree already (a first look's).
    Insertion(std::vector<TreeNode> walked, int target, const std::vector<bool>& in)
        : nodes(std::move(walked)), target(target), plan(core::PlanRemainingInsertion(Parents(nodes), in)),
          stage(Stage::Bulk) {}

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
    ShowFirstLook(root);
    win::StartThread([this, root, guiWindow, fill] { Fill(root, guiWindow, *fill); });
}

void WindowTree::ShowFirstLook(win::WindowHandle root) {
    firstLook_.clear();
    ui::TreeBox& tree = Tree();
    const win::WindowHandle target = target_.Handle();
    if (!tree.Handle() || !win::WindowExists(root) || !win::WindowExists(target)) return;
    // The rows the tree shows around the target, and one more each way.
    const std::vector<core::FirstLookItem> look =
        core::CollectFirstLook(root, target, tree.VisibleRows() + 1, TreeLinks());
    const std::vector<TreeNode> nodes = FirstLookNodes(look);
    {
        const ui::DrawingPause pause(tree.Handle());
        tree.Reset(static_cast<int>(nodes.size()));
        std::vector<int> lastChild(nodes.size() + 1, -1);  // by parent; the top level last
        for (std::size_t i = 0; i < nodes.size(); ++i) {
            const TreeNode& node = nodes[i];
            int& after = lastChild[node.parent < 0 ? nodes.size() : static_cast<std::size_t>(node.parent)];
            tree.PlaceItem(static_cast<int>(i), {node.parent, after, node.text, node.handle, ItemColour(node)});
            after = static_cast<int>(i);
        }
        for (std::size_t i = 0; i < look.size(); ++i) {
            if (look[i].window == target) {
                tree.SetItemBold(static_cast<int>(i), true);
                tree.SelectItem(static_cast<int>(i));
                targetItem_ = static_cast<int>(i);
                tree.EnsureVisible(static_cast<int>(i));
            }
        }
        tree.ScrollToLeftEdge();
    }
    tree.Focus();
    firstLook_ = look;
}

bool WindowTree::AdoptFirstLook(std::vector<TreeNode>& nodes, int target) {
    std::vector<core::FirstLookItem> look = std::move(firstLook_);
    firstLook_.clear();
    if (look.empty()) return false;
    std::vector<std::int32_t> windows;
    windows.reserve(nodes.size());
    for (const TreeNode& node : nodes) windows.push_back(node.handle);
    const auto match = core::MatchFirstLook(look, windows, Insertion::Parents(nodes));
    if (!match || !Tree().Reindex(static_cast<int>(nodes.size()), *match)) return false;
    ui::TreeBox& tree = Tree();
    // Changing a shown item's text costs tens of milliseconds under Wine
    // (the scroll bars are set again) unless the tree's drawing is paused;
    // the other items go in with its redrawing off.
    const ui::DrawingPause pause(tree.Handle());
    SendMessageW(tree.Handle(), WM_SETREDRAW, FALSE, 0);
    std::vector<bool> in(nodes.size(), false);
    for (const int item : *match) {
        const TreeNode& node = nodes[static_cast<std::size_t>(item)];
        in[static_cast<std::size_t>(item)] = true;
        // The walk asked the windows that keep their own text, and time
        // has passed: its texts and states hold.
        tree.SetItemText(item, node.text);
        if (tree.ItemTextColour(item) != ItemColour(node)) tree.SetItemTextColour(item, ItemColour(node));
    }
    // The remembered items by their new indices.
    const auto moved = [&match](int item) {
        return item >= 0 && item < static_cast<int>(match->size()) ? (*match)[static_cast<std::size_t>(item)] : 0;
    };
    targetItem_ = moved(targetItem_);
    previousItem_ = moved(previousItem_);
    insertion_ = std::make_unique<Insertion>(std::move(nodes), target, in);
    insertion_->redrawOff = true;
    return true;
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
    // The first look's items stay where they fit the walk; otherwise the
    // tree is made again from the walk, the target's branch first.
    if (!AdoptFirstLook(nodes, target)) insertion_ = std::make_unique<Insertion>(std::move(nodes), target);
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
        tree.PlaceItem(index, {node.parent, in.plan.after[static_cast<std::size_t>(index)], node.text, node.handle,
                               ItemColour(node)});
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
    firstLook_.clear();
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
