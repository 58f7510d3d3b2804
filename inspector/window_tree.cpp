#include "inspector/window_tree.h"

#include <mutex>
#include <set>

#include "inspector/core/tree_item_text.h"
#include "util/core/number_text.h"
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
// searching the list of children again for every one.
void CollectChildren(util::WindowHandle hwnd, int parentIndex, bool pump, std::vector<TreeNode>& nodes) {
    for (HWND child = GetWindow(util::ToHwnd(hwnd), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        nodes.push_back({parentIndex, {}, util::FromHwnd(child)});
        CollectChildren(nodes.back().handle, static_cast<int>(nodes.size()) - 1, pump, nodes);
        if (pump) util::ProcessPendingMessages();
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
    for (std::size_t i = job->first; i < nodes.size(); i += job->step) {
        const util::WindowHandle h = nodes[i].handle;
        nodes[i].text = core::TreeItemText(h, util::GetWindowClassName(h), job->titles->Title(h));
    }
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
    std::vector<HANDLE> threads;
    for (TextJob& job : jobs) {
        HANDLE thread = nullptr;
        if (util::StartThread(FillTexts, &job, &thread)) {
            threads.push_back(thread);
        } else {
            FillTexts(&job);  // no thread: this share on the calling thread
        }
    }
    std::vector<HANDLE> running = threads;
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
    for (HANDLE thread : threads) CloseHandle(thread);
}

}  // namespace

std::vector<TreeNode> WalkWindows(util::WindowHandle root, bool pump) {
    std::vector<TreeNode> nodes = {{-1, {}, root}};
    CollectChildren(root, 0, pump, nodes);
    TitleReader titles;
    FillChildTexts(nodes, titles, pump);
    const std::string module = util::GetProcessModuleName(util::GetWindowProcessId(root));
    nodes[0].text = core::RootItemText(module, root, util::GetWindowClassName(root), titles.Title(root));
    return nodes;
}

WindowTree::WindowTree(ui::Form& form, InfoPanel& panel)
    : form_(form), panel_(panel), tree_(form.Get<ui::TreeBox>("树型框_窗口")) {}

WindowTree::~WindowTree() {
    // A fill on a worker thread may still be asking the GUI thread to do
    // things; keep answering until it has finished.
    while (workers_ > 0) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_SENDMESSAGE);
        MSG msg;
        PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

void WindowTree::Refresh() {
    if (fillBusy_.exchange(true)) return;
    const bool onGuiThread = GetWindowThreadProcessId(form_.Handle(), nullptr) == GetCurrentThreadId();
    const util::WindowHandle root = core::TextToInt32(panel_.TopLevelBox().Content());
    std::vector<TreeNode> nodes;
    if (util::WindowExists(root)) nodes = WalkWindows(root, onGuiThread);
    form_.RunOnGuiThread([&] { Apply(nodes); });
    fillBusy_ = false;
}

void WindowTree::RefreshOnWorkerThread() {
    ++workers_;
    if (!util::StartThread([this] {
            Refresh();
            --workers_;
        })) {
        --workers_;
    }
}

void WindowTree::Apply(const std::vector<TreeNode>& nodes) {
    SendMessageW(tree_.Handle(), WM_SETREDRAW, FALSE, 0);
    tree_.Clear();
    itemCounter_ = 0;
    const util::WindowHandle target = panel_.CurrentTarget();
    int targetIndex = -1;
    for (const TreeNode& node : nodes) {
        const int index = tree_.AddItem(node.parent, node.text, node.handle);
        itemCounter_ = index;
        if (node.handle == target && index >= 0) targetIndex = index;
    }
    SendMessageW(tree_.Handle(), WM_SETREDRAW, TRUE, 0);
    if (targetIndex >= 0) {
        tree_.SetItemBold(targetIndex, true);
        tree_.EnsureVisible(targetIndex);
        tree_.SelectItem(targetIndex);
        targetItem_ = targetIndex;
    }
    InvalidateRect(tree_.Handle(), nullptr, TRUE);
    if (!nodes.empty()) tree_.Focus();
}

void WindowTree::SwitchToPrevious() {
    tree_.SelectItem(previousItem_);
    previousItem_ = targetItem_.load();
    targetItem_ = tree_.SelectedIndex();
    tree_.SetItemBold(previousItem_, false);
    tree_.SetItemBold(targetItem_, true);
    panel_.ShowWindow(tree_.ItemData(tree_.SelectedIndex()));
}

void WindowTree::MarkSelected() {
    const util::WindowHandle hwnd = tree_.ItemData(tree_.SelectedIndex());
    util::StartThread([hwnd] { util::MarkWindow(hwnd); });
}

}  // namespace inspector
