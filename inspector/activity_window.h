// The window of "窗口动态…" (the `下拉其它操作` menu): a log of what happens
// to the target's program, each line with the milliseconds since the window
// opened. The target's top-level window, its descendants and the windows
// it owns are watched (inspector/activity_watch.h): made, gone, shown,
// hidden, moved or resized, retitled, enabled or disabled, restyled,
// focused, and the foreground window changing; beside them the user's
// clicks and keys on that program (a tap on the global input hooks), so
// cause and effect stand side by side.
//
// 暂停 stops adding lines (what happens meanwhile is not shown; the watch
// keeps up, so 继续 does not report it late), 清空 empties the log, 复制
// puts it on the clipboard. At most 10,000 lines are kept, the oldest go.
// Closing the window ends the watch and the tap.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "inspector/activity_watch.h"
#include "inspector/analysis_controls.h"
#include "ui/form.h"
#include "win/input_hook.h"
#include "win/scoped.h"

namespace inspector {

class ActivityWindow : public ui::Form {
public:
    ActivityWindow() = default;
    ~ActivityWindow() override;

    using Dress = std::function<void(ui::Form&, const std::vector<ui::core::ControlLayout>&)>;
    // Makes and shows the window, owned by `owner`, watching the program of
    // `target`. False with the reason in `refusal` when there is no such
    // window or it is one of ours; false with an empty refusal when the
    // window or its worker cannot be made.
    bool Open(HWND owner, win::InputHook& hook, HWND target, const Dress& dress, std::string& refusal);

    ActivityControls& Controls() { return *controls_; }
    const core::ActivityLines& Lines() const { return lines_; }
    const ActivityWatch& Watch() const { return watch_; }
    bool Paused() const { return paused_; }
    // Whether the input tap is in place.
    bool Tapping() const { return tap_ != 0; }
    void TogglePause();
    void Clear();

private:
    void Add(std::vector<TimedActivity> events);
    void OnInput(const win::core::InputEvent& event);
    void ShowStatus();
    void Close();

    std::unique_ptr<ActivityControls> controls_;
    ActivityWatch watch_;
    win::InputHook* hook_ = nullptr;
    int tap_ = 0;
    DWORD processId_ = 0;
    win::OwnedHandle process_;  // the target's process, held so that its id stays its own
    double opened_ = 0;
    DWORD openedTick_ = 0;
    bool paused_ = false;
    bool targetGone_ = false;
    std::size_t dropped_ = 0;
    core::ActivityLines lines_;
};

}  // namespace inspector
