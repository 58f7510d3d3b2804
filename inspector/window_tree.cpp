#include "inspector/window_tree.h"

#include <set>

#include "inspector/core/tree_item_text.h"
#include "util/core/number_text.h"
#include "util/threads.h"
#include "util/window_marking.h"

namespace inspector {
namespace {

// Titles of other programs' windows, skipping the threads that already let
// a question time out during this walk.
class TitleReader {
public:
    std::string Title(util::WindowHandle hwnd) {
        const std::int32_t thread = util::GetWindowThreadId(hwnd);
        if (timedOut_.count(thread)) return {};
        util::SafeTitle title = util::QueryWindowTitleSafe(hwnd);
        if (title.timedOut) timedOut_.insert(thread);
        return std::move(title.text);
    }

private:
    std::set<std::int32_t> timedOut_;
};

void WalkChildren(util::WindowHandle hwnd, int parentIndex, bool pump, TitleReader& titles,
                  std::vector<TreeNode>& nodes) {
    HWND child = FindWindowExW(util::ToHwnd(hwnd), nullptr, nullptr, nullptr);
    while (child) {
        const util::WindowHandle handle = util::FromHwnd(child);
        nodes.push_back({parentIndex, core::TreeItemText(handle, util::GetWindowClassName(handle), titles.Title(handle)),
                         handle});
        WalkChildren(handle, static_cast<int>(nodes.size()) - 1, pump, titles, nodes);
        child = FindWindowExW(util::ToHwnd(hwnd), child, nullptr, nullptr);
        if (pump) util::ProcessPendingMessages();
    }
}

}  // namespace

std::vector<TreeNode> WalkWindows(util::WindowHandle root, bool pump) {
    std::vector<TreeNode> nodes;
    TitleReader titles;
    const std::string module = util::GetProcessModuleName(util::GetWindowProcessId(root));
    nodes.push_back({-1, core::RootItemText(module, root, util::GetWindowClassName(root), titles.Title(root)), root});
    WalkChildren(root, 0, pump, titles, nodes);
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
