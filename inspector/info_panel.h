// The information panel of the "窗口分析" page: the boxes that describe the
// current target window. Writing a decimal handle into the handle box
// (`编辑框_窗口句柄`) is the one way to choose a target; its content-changed
// event runs Refresh, which fills the panel from Windows when the handle
// differs from CurrentTarget.
#pragma once

#include <atomic>
#include <functional>
#include <string>

#include "inspector/analysis_controls.h"
#include "util/window_query.h"

namespace inspector {

class InfoPanel {
public:
    explicit InfoPanel(AnalysisControls& controls);

    // The panel refresh (handle box changed, or its "刷新" item).
    void Refresh();
    // Chooses a target the way every part of the program does: by writing
    // its handle into the handle box.
    void ShowWindow(util::WindowHandle hwnd);
    // Empties the twenty boxes of the panel (handles, ids, texts, path,
    // positions and sizes), which also clears CurrentTarget.
    void EmptyFields();

    util::WindowHandle CurrentTarget() const { return currentTarget_; }
    void SetCurrentTarget(util::WindowHandle hwnd) { currentTarget_ = hwnd; }

    // Runs before a new, existing window is shown; the field menus use it to
    // resume a process or thread they paused.
    std::function<void()> BeforeNewTarget;
    // A new, existing window is shown: the handle box's text (the message
    // page copies it).
    std::function<void(const std::string& handleText)> TargetShown;

private:
    void Fill(util::WindowHandle target);

    AnalysisControls& c_;
    // Written and read on the GUI thread; atomic because a tree fill's last
    // step reads it while a worker thread may still be running.
    std::atomic<util::WindowHandle> currentTarget_{0};
};

}  // namespace inspector
