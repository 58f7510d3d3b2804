// The information panel of the "窗口分析" page: the boxes that describe the
// current target window. Writing a decimal handle into the handle box
// (`编辑框_窗口句柄`) is the one way to choose a target; its content-changed
// event runs Refresh, which fills the panel from Windows when the handle
// differs from CurrentTarget.
#pragma once

#include <atomic>
#include <functional>

#include "ui/buttons.h"
#include "ui/edit_box.h"
#include "ui/form.h"
#include "util/window_query.h"

namespace inspector {

class InfoPanel {
public:
    explicit InfoPanel(ui::Form& form);

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

    ui::EditBox& HandleBox() { return handle_; }
    ui::EditBox& TopLevelBox() { return topLevel_; }

private:
    void Fill(util::WindowHandle target);

    ui::EditBox& handle_;
    ui::EditBox& parent_;
    ui::EditBox& topLevel_;
    ui::EditBox& processId_;
    ui::EditBox& threadId_;
    ui::EditBox& controlId_;
    ui::EditBox& title_;
    ui::EditBox& className_;
    ui::EditBox& content_;
    ui::EditBox& programPath_;
    ui::EditBox& windowLeft_;
    ui::EditBox& windowTop_;
    ui::EditBox& windowWidth_;
    ui::EditBox& windowHeight_;
    ui::EditBox& controlLeft_;
    ui::EditBox& controlTop_;
    ui::EditBox& clientWidth_;
    ui::EditBox& clientHeight_;
    ui::EditBox& mouseInWindowX_;
    ui::EditBox& mouseInWindowY_;
    ui::CheckBox& hidden_;
    ui::EditBox& handleOnMessagesPage_;
    // Read by the window-tree fill, which may run on a worker thread.
    std::atomic<util::WindowHandle> currentTarget_{0};
};

}  // namespace inspector
