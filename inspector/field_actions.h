// The field buttons of the "窗口分析" page and their drop-down menus. A
// click on a field button pops its menu up at the button's lower-left
// corner; the items copy, paste, change, mark, pause or resume, end, move or
// click. They act on the current target and its facts; the values to apply
// (a new title or content, a point, a position or size) are what the user
// typed into the field's boxes.
//
// The captions of the two "暂停" items are the pause state: "恢复" while a
// process or thread is paused by this program. A caption changes only when
// the pause or resume call succeeded.
//
// Pause and the two "结束" items act on the process or thread that owns the
// target window at the moment they run (win/process_control.h), never on
// ids read earlier: an id can name another program by then. When the
// window is gone they do nothing and say so. A pause keeps the process or
// thread it put to sleep open, and exactly that one is resumed, through its
// handle: by "恢复", when the panel moves to another window, and when the
// program ends.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "inspector/activity_window.h"
#include "inspector/analysis_controls.h"
#include "inspector/core/field_menus.h"
#include "inspector/style_window.h"
#include "inspector/target.h"
#include "inspector/window_tree.h"
#include "ui/menu.h"
#include "win/process_control.h"

namespace inspector {

class FieldActions {
public:
    FieldActions(AnalysisControls& controls, Target& target, WindowTree& tree, win::ThreadControl& threads,
                 win::InputHook& hook);

    ui::Menu& MenuOf(core::Field field) { return *menus_[static_cast<std::size_t>(field)]; }
    // Sets the routine of an item of a field's menu; an item the menu does
    // not have is refused when the program is built.
    template <core::Field F, core::FieldItem I>
    void Bind(std::function<void()> action) {
        static_assert(core::HasItem(F, I), "the field's menu has no such item");
        MenuOf(F).SetAction(core::FieldItemIndex(F, I), std::move(action));
    }
    // Pops a field's menu up below its button, as its click does.
    void PopUp(core::Field field);

    std::string ProcessPauseCaption() { return PauseCaption(core::Field::ProcessId); }
    std::string ThreadPauseCaption() { return PauseCaption(core::Field::ThreadId); }
    // Resumes whatever this program paused (a change of target, the end of
    // the program).
    void ResumePaused();
    // The style window last opened by "窗口样式…" (null before).
    StyleWindow* Styles() { return styles_.get(); }
    // The activity window last opened by "窗口动态…" (null before).
    ActivityWindow* Activity() { return activity_.get(); }
    // Gives the windows the items open the program's look.
    ActivityWindow::Dress dressWindow;
    // What pause holds open, while paused (null otherwise).
    HANDLE PausedProcess() const { return processPause_.paused.Get(); }
    HANDLE PausedThread() const { return threadPause_.paused.Get(); }

    // Tells the user why an item did nothing; replaceable for tests.
    std::function<void(const std::string&)> showNotice;

private:
    static constexpr int kProcessPauseItem = core::FieldItemIndex(core::Field::ProcessId, core::FieldItem::Pause);
    static constexpr int kThreadPauseItem = core::FieldItemIndex(core::Field::ThreadId, core::FieldItem::Pause);
    static_assert(kProcessPauseItem >= 0 && kThreadPauseItem >= 0, "pause items missing");

    std::string PauseCaption(core::Field field);
    // The handle a handle field shows.
    win::WindowHandle HandleOf(core::Field field) const;
    void BindFieldItems();
    void BindWindowItems();
    void BindProcessAndThreadItems();
    void BindMouseItems();
    void BindBulkItems();
    // One kind of pause: the process, or the target's thread.
    struct Pause {
        core::Field field;
        int item;
        win::OwnedHandle (*open)(win::WindowHandle hwnd, DWORD access);
        DWORD access;
        bool (*call)(HANDLE object, bool pause);
        bool (*own)(HANDLE object);  // this program's own: never paused, it would freeze
        win::OwnedHandle paused;    // what pause put to sleep, open until it runs again
    };
    void TogglePause(Pause& pause);
    void Resume(Pause& pause);
    // Says that the item did nothing because the target window is gone;
    // false (and silent) when the window is there.
    bool RefuseForGoneWindow(core::Field field, core::FieldItem item);

    AnalysisControls& c_;
    Target& target_;
    WindowTree& tree_;
    win::ThreadControl& threads_;
    std::array<std::unique_ptr<ui::Menu>, core::kFieldCount> menus_;
    Pause processPause_;
    Pause threadPause_;
    win::InputHook& hook_;
    std::unique_ptr<StyleWindow> styles_;
    std::unique_ptr<ActivityWindow> activity_;
};

}  // namespace inspector
