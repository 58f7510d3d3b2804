// The window tree of the "窗口分析" page: the top-level window in the
// top-level handle box and all its descendants, one item per window in
// depth-first pre-order (item 0 is the top-level window), each carrying its
// window handle as item data. The current target's item is bold, visible and
// selected.
//
// A fill runs on the GUI thread (refresh button, tree menu) or on a worker
// thread (end of a capture); an atomic flag keeps two fills from running at
// once. The walk asks windows of other programs for their titles with time
// limits, and once a window's thread has not answered in time the other
// windows of that thread get an empty title without being asked, so a hung
// program costs one time-out per fill instead of one per window. The items
// are then put into the tree in one go on the GUI thread.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "inspector/info_panel.h"
#include "ui/form.h"
#include "ui/tree_box.h"

namespace inspector {

// One window met by the walk.
struct TreeNode {
    int parent;  // index of the parent node, -1 for the root
    std::string text;
    util::WindowHandle handle;
};

// Walks the window hierarchy below `root` (which must exist). Handles the
// calling thread's messages between windows when `pump` is set.
std::vector<TreeNode> WalkWindows(util::WindowHandle root, bool pump);

class WindowTree {
public:
    WindowTree(ui::Form& form, InfoPanel& panel);
    ~WindowTree();  // waits for a fill running on a worker thread
    WindowTree(const WindowTree&) = delete;
    WindowTree& operator=(const WindowTree&) = delete;

    // Rebuilds the tree on the calling thread; returns at once when a fill
    // is already running.
    void Refresh();
    // The same on a worker thread of its own.
    void RefreshOnWorkerThread();
    bool FillRunning() const { return fillBusy_; }

    // Switch button: shows the previously viewed item's window again.
    void SwitchToPrevious();
    // Locate button: flashes the selected item's window on the screen.
    void MarkSelected();

    int TargetTreeItem() const { return targetItem_; }
    int PreviousTreeItem() const { return previousItem_; }
    void SetTargetTreeItem(int item) { targetItem_ = item; }
    void SetPreviousTreeItem(int item) { previousItem_ = item; }
    int TreeItemCounter() const { return itemCounter_; }

    ui::TreeBox& Tree() { return tree_; }

private:
    void Apply(const std::vector<TreeNode>& nodes);

    ui::Form& form_;
    InfoPanel& panel_;
    ui::TreeBox& tree_;
    std::atomic<bool> fillBusy_{false};
    std::atomic<int> workers_{0};
    std::atomic<int> targetItem_{0};
    std::atomic<int> previousItem_{0};
    std::atomic<int> itemCounter_{0};
};

}  // namespace inspector
