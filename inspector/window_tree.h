// The window tree of the "窗口分析" page: the top-level window in the
// top-level handle box and all its descendants, one item per window in
// depth-first pre-order (item 0 is the top-level window), each carrying its
// window handle as item data. The windows it owns (dialogs), and those they
// own, follow their owner's descendants as items below the owner's, each
// with its own descendants, so that a control of a dialog is always in the
// tree. The current target's item is bold, visible and selected.
//
// A fill has two halves. The walk lists the windows with their texts and
// states: on the GUI thread, which handles its messages between windows
// (刷新, the tree menu), or on a worker thread (end of a capture), which
// touches no control. Titles come from the window system's copy, which
// costs no round trip to the window's program; only windows that keep
// their text themselves (edits and their kin) are asked, with time limits,
// and once a window's thread has not answered in time the other windows of
// that thread get an empty title without being asked, so a hung program
// costs one time-out per fill instead of one per window.
//
// A worker's fill (the end of a capture) first puts in, on the GUI thread
// and at once, the few rows the tree shows around the target (its
// ancestors and their siblings near them, read from the window system's
// copies), selected and in view; when the walk's items come, these stay
// where they fit and the others go in around them.
//
// The items are then put into the tree on the GUI thread in steps of at
// most kInsertionStepMs each, the target's branch first: the target is
// selected and in view after the first step, and the GUI thread handles
// its messages between steps (a timer runs the steps of a worker's fill;
// 刷新 runs them itself, handling messages in between, and returns when
// the tree is complete). An atomic flag keeps two fills from running at
// once, from the walk's start to the last item in. The root is the
// current target's top-level window, taken on the GUI thread before a fill
// starts.
#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "inspector/analysis_controls.h"
#include "inspector/core/first_look.h"
#include "inspector/target.h"
#include "ui/form.h"
#include "ui/timer.h"
#include "ui/tree_box.h"

namespace inspector {

// One window met by the walk.
struct TreeNode {
    int parent;  // index of the parent node, -1 for the root
    std::string text;
    win::WindowHandle handle;
    bool visible = true;  // as IsWindowVisible says (its ancestors shown too)
    bool enabled = true;
    bool topLevel = false;  // the root or an owned window: no parent's visibility
};

// The longest the GUI thread spends putting items into the tree at once.
inline constexpr int kInsertionStepMs = 15;

// Text colours of the items of windows not shown (grey) and of disabled
// windows (muted): the state at a glance, the texts unchanged.
inline constexpr base::Colour kHiddenItemColour = 0x808080;
inline constexpr base::Colour kDisabledItemColour = base::Rgb(160, 110, 90);

// Walks the window hierarchy below `root` (which must exist). Handles the
// calling thread's messages between windows for `pumpFor`, a window of that
// thread, while it is there (null: no messages are handled). Windows
// come and go during the walk: a window met twice ends the walk of its
// sibling chain there, so the walk always ends and lists each window once.
std::vector<TreeNode> WalkWindows(win::WindowHandle root, HWND pumpFor = nullptr);

class WindowTree {
public:
    WindowTree(AnalysisControls& controls, Target& target);
    ~WindowTree();  // waits for a fill running on a worker thread
    WindowTree(const WindowTree&) = delete;
    WindowTree& operator=(const WindowTree&) = delete;

    // Rebuilds the tree on the calling (GUI) thread; returns at once when a
    // fill is already running.
    void Refresh();
    // The same with the walk on a worker thread of its own; returns at once.
    void RefreshOnWorkerThread();
    // From a fill's start until its last item is in the tree.
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
    class FillScope;
    class Insertion;
    // Walks below `root` and starts putting the items into the tree on the
    // GUI thread of `guiWindow`; runs on either thread.
    void Fill(win::WindowHandle root, HWND guiWindow, FillScope& fill);
    // On the GUI thread, at the start of a worker's fill: puts the rows the
    // tree shows around the target in, selected and in view.
    void ShowFirstLook(win::WindowHandle root);
    // On the GUI thread: keeps the first look's items where they fit the
    // walk's `nodes` (which it then takes) and plans the rest around them;
    // false (and the first look forgotten) when they do not fit.
    bool AdoptFirstLook(std::vector<TreeNode>& nodes, int target);
    // On the GUI thread: starts putting `nodes` into the tree; the first
    // step at once.
    void StartInsertion(std::vector<TreeNode> nodes);
    // On the GUI thread: the next step, and the end when it was the last.
    void ContinueInsertion();
    // One step; true when the tree is complete.
    bool InsertStep();
    // The fill's end: the tree is free for the next.
    void FinishInsertion();

    AnalysisControls& c_;
    Target& target_;
    std::atomic<bool> fillBusy_{false};
    std::atomic<int> fills_{0};  // running walks
    std::atomic<bool> closing_{false};
    std::unique_ptr<Insertion> insertion_;  // the GUI thread's, while items go in
    std::vector<core::FirstLookItem> firstLook_;  // in the tree by its indices, until the walk's items come
    ui::Timer insertionTimer_;
    std::atomic<int> targetItem_{0};
    std::atomic<int> previousItem_{0};
    std::atomic<int> itemCounter_{0};
};

}  // namespace inspector
