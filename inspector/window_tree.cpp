#include "inspector/window_tree.h"

#include <memory>
#include <mutex>
#include <set>
#include <unordered_set>

#include "inspector/core/tree_item_text.h"
#include "util/callback_guard.h"
#include "util/threads.h"
#include "util/window_marking.h"

namespace inspector {
namespace {

// Asks for titles of other programs' windows, skipping the threads that
// already let a question time out during this walk. Shared by the threads
// of one walk.
class TitleReader {
public:
    std::string Title(util::WindowHandle hwnd) {
        if (AnyTimedOut() && ThreadTimedOut(util::GetWindowThreadId(hwnd))) return {};
        util::SafeTitle title = util::QueryWindowTitleSafe(hwnd);
        if (title.timedOut) {
            std::lock_guard<std::mutex> lock(mutex_);
            timedOut_.insert(util::GetWindowThreadId(hwnd));
            anyTimedOut_ = true;
        }
        return std::move(title.text);
    }

private:
    bool AnyTimedOut() const { return anyTimedOut_; }
    bool ThreadTimedOut(std::int32_t thread) {
        std::lock_guard<std::mutex> lock(mutex_);
        return timedOut_.count(thread) != 0;
    }
    std::mutex mutex_;
    std::set<std::int32_t> timedOut_;
    std::atomic<bool> anyTimedOut_{false};
};

// Depth first, pre-order; children in Z order, as FindWindowEx lists them.
// Walking the sibling chain asks Windows once per window instead of
// searching the list of children again for every one. A window destroyed
// during the walk can send the chain to windows already met (its handle
// taken by a new window, a sibling moved in the Z order): a window met
// before ends its chain.
void CollectChildren(util::WindowHandle hwnd, int parentIndex, bool pump, std::unordered_set<HWND>& seen,
                     std::vector<TreeNode>& nodes) {
    for (HWND child = GetWindow(util::ToHwnd(hwnd), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!seen.insert(child).second) break;
        nodes.push_back({parentIndex, {}, util::FromHwnd(child)});
        CollectChildren(nodes.back().handle, static_cast<int>(nodes.size()) - 1, pump, seen, nodes);
        if (pump) util::ProcessPendingMessages();
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
            return util::GuardCallback(
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
void CollectOwned(HWND owner, int ownerIndex, bool pump, const std::vector<TopLevelWindow>& topLevel,
                  std::unordered_set<HWND>& seen, std::vector<TreeNode>& nodes) {
    for (const auto& [w, itsOwner] : topLevel) {
        if (itsOwner != owner || !seen.insert(w).second) continue;
        nodes.push_back({ownerIndex, {}, util::FromHwnd(w)});
        const int index = static_cast<int>(nodes.size()) - 1;
        CollectChildren(util::FromHwnd(w), index, pump, seen, nodes);
        CollectOwned(w, index, pump, topLevel, seen, nodes);
    }
}

struct TextJob {
    std::vector<TreeNode>* nodes;
    TitleReader* titles;
    std::size_t first;
    std::size_t step;
};

DWORD WINAPI FillTexts(void* parameter) {
    const auto* job = static_cast<const TextJob*>(parameter);
    std::vector<TreeNode>& nodes = *job->nodes;
    util::GuardCallback([&] {
        for (std::size_t i = job->first; i < nodes.size(); i += job->step) {
            const util::WindowHandle h = nodes[i].handle;
            nodes[i].text = core::TreeItemText(h, util::GetWindowClassName(h), job->titles->Title(h));
            nodes[i].visible = IsWindowVisible(util::ToHwnd(h)) != FALSE;
            nodes[i].enabled = IsWindowEnabled(util::ToHwnd(h)) != FALSE;
        }
    });
    return 0;
}

// Asks for the class names and titles of nodes[1...]. Each question waits
// for a round trip to the window's program, so several threads ask at once;
// the calling thread keeps handling its messages meanwhile when `pump` is set.
void FillChildTexts(std::vector<TreeNode>& nodes, TitleReader& titles, bool pump) {
    constexpr std::size_t kThreads = 4;
    constexpr std::size_t kWorthThreads = 64;
    if (nodes.size() <= kWorthThreads) {
        TextJob job{&nodes, &titles, 1, 1};
        FillTexts(&job);
        return;
    }
    std::vector<TextJob> jobs;
    for (std::size_t k = 0; k < kThreads; ++k) jobs.push_back({&nodes, &titles, 1 + k, kThreads});
    std::vector<util::OwnedHandle> threads;
    std::vector<HANDLE> running;
    for (TextJob& job : jobs) {
        util::OwnedHandle thread;
        if (util::StartThread(FillTexts, &job, &thread)) {
            running.push_back(thread.Get());
            threads.push_back(std::move(thread));
        } else {
            FillTexts(&job);  // no thread: this share on the calling thread
        }
    }
    while (!running.empty()) {
        const auto count = static_cast<DWORD>(running.size());
        const DWORD woke = MsgWaitForMultipleObjects(count, running.data(), FALSE, INFINITE, pump ? QS_ALLINPUT : 0);
        if (woke < WAIT_OBJECT_0 + count) {
            running.erase(running.begin() + (woke - WAIT_OBJECT_0));
        } else if (woke == WAIT_OBJECT_0 + count) {
            util::ProcessPendingMessages();
        } else {
            WaitForMultipleObjects(count, running.data(), TRUE, INFINITE);  // a failed wait: just wait
            break;
        }
    }
}

}  // namespace

std::vector<TreeNode> WalkWindows(util::WindowHandle root, bool pump) {
    std::vector<TreeNode> nodes = {{-1, {}, root}};
    std::unordered_set<HWND> seen = {util::ToHwnd(root)};
    CollectChildren(root, 0, pump, seen, nodes);
    CollectOwned(util::ToHwnd(root), 0, pump, TopLevelWindows(), seen, nodes);
    TitleReader titles;
    FillChildTexts(nodes, titles, pump);
    const std::string module = util::GetProcessModuleName(util::GetWindowProcessId(root));
    nodes[0].text = core::RootItemText(module, root, util::GetWindowClassName(root), titles.Title(root));
    nodes[0].visible = IsWindowVisible(util::ToHwnd(root)) != FALSE;
    nodes[0].enabled = IsWindowEnabled(util::ToHwnd(root)) != FALSE;
    return nodes;
}

WindowTree::WindowTree(AnalysisControls& controls, Target& target) : c_(controls), target_(target) {}

WindowTree::~WindowTree() {
    // A fill on a worker thread may still be asking the GUI thread to do
    // things; keep answering until it has finished.
    while (fills_ > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

// One fill from start to end, on whichever thread: the tree is busy and the
// fill is counted (the destructor waits for it) until this goes, however
// the fill ends.
class WindowTree::FillScope {
public:
    explicit FillScope(WindowTree& tree) : tree_(tree) { ++tree_.fills_; }
    ~FillScope() {
        tree_.fillBusy_ = false;
        --tree_.fills_;  // last: the tree may go once the count is 0
    }
    FillScope(const FillScope&) = delete;
    FillScope& operator=(const FillScope&) = delete;

private:
    WindowTree& tree_;
};

void WindowTree::Refresh() {
    if (fillBusy_.exchange(true)) return;
    const FillScope fill(*this);
    Fill(target_.Facts().topLevel, c_.form.Handle());
}

void WindowTree::RefreshOnWorkerThread() {
    if (fillBusy_.exchange(true)) return;
    const util::WindowHandle root = target_.Facts().topLevel;
    const HWND guiWindow = c_.form.Handle();
    // Goes with the worker's routine when the fill ends, or here when no
    // worker could be started.
    auto fill = std::make_shared<FillScope>(*this);
    util::StartThread([this, root, guiWindow, fill] { Fill(root, guiWindow); });
}

void WindowTree::Fill(util::WindowHandle root, HWND guiWindow) {
    const bool onGuiThread = GetWindowThreadProcessId(guiWindow, nullptr) == GetCurrentThreadId();
    std::vector<TreeNode> nodes;
    if (util::WindowExists(root)) nodes = WalkWindows(root, onGuiThread);
    ui::Form::RunOnThreadOf(guiWindow, [&] { Apply(nodes); });
}

void WindowTree::Apply(const std::vector<TreeNode>& nodes) {
    ui::TreeBox& tree = Tree();
    SendMessageW(tree.Handle(), WM_SETREDRAW, FALSE, 0);
    tree.Clear();
    itemCounter_ = 0;
    const util::WindowHandle target = target_.Handle();
    int targetIndex = -1;
    for (const TreeNode& node : nodes) {
        const int index = tree.AddItem(node.parent, node.text, node.handle);
        itemCounter_ = index;
        if (!node.visible) {
            tree.SetItemTextColour(index, kHiddenItemColour);
        } else if (!node.enabled) {
            tree.SetItemTextColour(index, kDisabledItemColour);
        }
        if (node.handle == target && index >= 0) targetIndex = index;
    }
    SendMessageW(tree.Handle(), WM_SETREDRAW, TRUE, 0);
    if (targetIndex >= 0) {
        tree.SetItemBold(targetIndex, true);
        tree.EnsureVisible(targetIndex);
        tree.SelectItem(targetIndex);
        targetItem_ = targetIndex;
    }
    // Making the item visible may have scrolled the tree sideways: the
    // items' starts (the root's module name) stay in view.
    tree.ScrollToLeftEdge();
    InvalidateRect(tree.Handle(), nullptr, TRUE);
    if (!nodes.empty()) tree.Focus();
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
    const util::WindowHandle hwnd = Tree().ItemData(Tree().SelectedIndex());
    util::StartThread([hwnd] { util::MarkWindow(hwnd); });
}

}  // namespace inspector
