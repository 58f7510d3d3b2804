// The window tree of the "窗口分析" page: the top-level window in the
// top-level handle box and all its descendants, one item per window in
// depth-first pre-order (item 0 is the top-level window), each carrying its
// window handle as item data. The windows it owns (dialogs), and those they
// own, follow their owner's descendants as items below the owner's, each
// with its own descendants, so that a control of a dialog is always in the
// tree. The current target's item is bold, visible and selected.
//
// A fill runs on the GUI thread (refresh button, tree menu) or on a worker
// thread (end of a capture); an atomic flag keeps two fills from running at
// once. The root is the current target's top-level window, taken on the GUI
// thread before a fill starts;
// a worker touches no control and hands its items back to the GUI thread. The walk asks windows of other programs for their titles with time
// limits, and once a window's thread has not answered in time the other
// windows of that thread get an empty title without being asked, so a hung
// program costs one time-out per fill instead of one per window. The items
// are then put into the tree in one go on the GUI thread.
#pragma once

#include <atomic>
#include <string>
#include <vector>

#include "inspector/analysis_controls.h"
#include "inspector/target.h"
#include "ui/form.h"
#include "ui/tree_box.h"

namespace inspector {

// One window met by the walk.
struct TreeNode {
    int parent;  // index of the parent node, -1 for the root
    std::string text;
    util::WindowHandle handle;
    bool visible = true;  // as IsWindowVisible says (its ancestors shown too)
    bool enabled = true;
};

// Text colours of the items of windows not shown (grey) and of disabled
// windows (muted): the state at a glance, the texts unchanged.
inline constexpr core::Colour kHiddenItemColour = 0x808080;
inline constexpr core::Colour kDisabledItemColour = core::Rgb(160, 110, 90);

// Walks the window hierarchy below `root` (which must exist). Handles the
// calling thread's messages between windows when `pump` is set. Windows
// come and go during the walk: a window met twice ends the walk of its
// sibling chain there, so the walk always ends and lists each window once.
std::vector<TreeNode> WalkWindows(util::WindowHandle root, bool pump);

class WindowTree {
public:
    WindowTree(AnalysisControls& controls, Target& target);
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

    ui::TreeBox& Tree() { return c_.树型框_窗口; }

private:
    // Walks below `root` and puts the items into the tree through the GUI
    // thread of `guiWindow`; runs on either thread.
    void Fill(util::WindowHandle root, HWND guiWindow);
    void Apply(const std::vector<TreeNode>& nodes);

    AnalysisControls& c_;
    Target& target_;
    class FillScope;
    std::atomic<bool> fillBusy_{false};
    std::atomic<int> fills_{0};  // running fills
    std::atomic<int> targetItem_{0};
    std::atomic<int> previousItem_{0};
    std::atomic<int> itemCounter_{0};
};

}  // namespace inspector
