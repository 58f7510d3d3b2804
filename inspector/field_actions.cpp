#include "inspector/field_actions.h"

#include "inspector/core/window_styles.h"
#include "ui/notice.h"
#include "win/clipboard.h"
#include "win/launch.h"
#include "win/mouse_input.h"
#include "win/threads.h"
#include "win/window_marking.h"
#include "win/window_operations.h"

namespace inspector {

using core::Field;
using core::FieldItem;

FieldActions::FieldActions(AnalysisControls& controls, Target& target, WindowTree& tree,
                           win::ThreadControl& threads, win::InputHook& hook)
    : c_(controls),
      target_(target),
      tree_(tree),
      threads_(threads),
      processPause_{Field::ProcessId,       kProcessPauseItem, win::OpenProcessOfWindow, win::kProcessPauseAccess,
                    win::PauseProcessHandle, win::IsOwnProcess, {}},
      threadPause_{Field::ThreadId,       kThreadPauseItem, win::OpenThreadOfWindow, win::kThreadPauseAccess,
                   win::PauseThreadHandle, win::IsOwnThread, {}},
      hook_(hook) {
    showNotice = [this](const std::string& text) { ui::ShowNotice(c_.form.Handle(), text); };
    for (const core::FieldMenu& field : core::kFieldMenus) {
        auto menu = std::make_unique<ui::Menu>(std::string(field.menu));
        for (std::size_t i = 0; i < field.itemCount; ++i) menu->AddItem(core::FieldItemCaption(field.items[i]), nullptr);
        menus_[static_cast<std::size_t>(field.field)] = std::move(menu);
        const Field which = field.field;
        ui::Resolve(c_.form, field.button).Clicked = [this, which] { PopUp(which); };
    }
    BindFieldItems();
    BindWindowItems();
    BindProcessAndThreadItems();
    BindMouseItems();
    BindBulkItems();
    target_.BeforeNewWindow.Connect([this] { ResumePaused(); });
}

win::WindowHandle FieldActions::HandleOf(Field field) const {
    switch (field) {
        case Field::WindowHandle: return target_.Handle();
        case Field::Parent: return target_.Facts().parent;
        case Field::TopLevel: return target_.Facts().topLevel;
        default: return 0;
    }
}

void FieldActions::PopUp(Field field) {
    RECT r;
    GetWindowRect(ui::Resolve(c_.form, core::FieldMenuOf(field).button).Handle(), &r);
    MenuOf(field).Popup(c_.form, {r.left, r.bottom});
}

std::string FieldActions::PauseCaption(Field field) {
    return MenuOf(field).ItemCaption(field == Field::ProcessId ? kProcessPauseItem : kThreadPauseItem);
}

void FieldActions::BindFieldItems() {
    // The items that work on their own field's box.
    for (const core::FieldMenu& field : core::kFieldMenus) {
        if (field.box.text.empty()) continue;
        ui::EditBox& box = ui::Resolve(c_.form, field.box);
        ui::Menu& menu = MenuOf(field.field);
        for (std::size_t i = 0; i < field.itemCount; ++i) {
            const int index = static_cast<int>(i);
            switch (field.items[i]) {
                case FieldItem::Copy:
                    menu.SetAction(index, [&box] { win::CopyTextToClipboard(box.Content()); });
                    break;
                case FieldItem::CopyHex:
                    // Debuggers and other inspectors print handles in hexadecimal.
                    menu.SetAction(index, [this, which = field.field] {
                        win::CopyTextToClipboard(core::HexText(static_cast<std::uint32_t>(HandleOf(which))));
                    });
                    break;
                case FieldItem::Paste:
                    menu.SetAction(index, [&box] { box.SetContent(win::ClipboardText()); });
                    break;
                case FieldItem::Mark:
                    menu.SetAction(index, [this, which = field.field] {
                        const win::WindowHandle hwnd = HandleOf(which);
                        win::StartThread([hwnd] { win::MarkWindow(hwnd); });
                    });
                    break;
                default: break;
            }
        }
    }
}

void FieldActions::BindWindowItems() {
    Bind<Field::WindowHandle, FieldItem::Refresh>([this] { target_.Refresh(); });
    Bind<Field::Title, FieldItem::Change>(
        [this] { win::SetWindowTitle(target_.Handle(), c_.编辑框_窗口标题.Content()); });
    Bind<Field::Content, FieldItem::Change>(
        [this] { win::SetControlText(target_.Handle(), c_.编辑框_控件内容.Content()); });
    Bind<Field::ProgramPath, FieldItem::Locate>([this] {
        // The program's folder, up to and including the last backslash.
        const std::string& path = target_.Facts().programPath;
        const std::size_t slash = path.rfind('\\');
        win::RunProgram(slash == std::string::npos ? std::string() : path.substr(0, slash + 1));
    });
}

bool FieldActions::RefuseForGoneWindow(Field field, FieldItem item) {
    const win::WindowHandle hwnd = target_.Handle();
    if (hwnd == 0 || win::WindowExists(hwnd)) return false;  // no target at all: nothing to say
    showNotice(core::GoneWindowNotice(field, item));
    return true;
}

void FieldActions::TogglePause(Pause& pause) {
    if (pause.paused) {
        Resume(pause);
        return;
    }
    win::OwnedHandle object = pause.open(target_.Handle(), pause.access);
    if (!object) {
        RefuseForGoneWindow(pause.field, FieldItem::Pause);
        return;
    }
    // The caption is the state: it changes only when the call succeeded.
    if (pause.own(object.Get()) || !pause.call(object.Get(), true)) return;
    pause.paused = std::move(object);
    MenuOf(pause.field).SetItemCaption(pause.item, core::kResumeCaption);
}

void FieldActions::Resume(Pause& pause) {
    if (!pause.paused) return;
    // Resumed, or ended meanwhile: either way nothing of ours sleeps any more.
    if (!pause.call(pause.paused.Get(), false) && win::StillRunning(pause.paused.Get())) return;
    pause.paused.Reset();
    MenuOf(pause.field).SetItemCaption(pause.item, core::kPauseCaption);
}

void FieldActions::BindProcessAndThreadItems() {
    Bind<Field::ProcessId, FieldItem::Pause>([this] { TogglePause(processPause_); });
    Bind<Field::ThreadId, FieldItem::Pause>([this] { TogglePause(threadPause_); });
    Bind<Field::ProcessId, FieldItem::End>([this] {
        const win::OwnedHandle process = win::OpenProcessOfWindow(target_.Handle(), PROCESS_TERMINATE);
        if (process) {
            TerminateProcess(process.Get(), 0);
        } else {
            RefuseForGoneWindow(Field::ProcessId, FieldItem::End);
        }
    });
    Bind<Field::ThreadId, FieldItem::End>([this] {
        if (threads_.OpenThreadOfWindow(target_.Handle())) {
            threads_.TerminateOpenedThread();
        } else {
            RefuseForGoneWindow(Field::ThreadId, FieldItem::End);
        }
    });
}

void FieldActions::ResumePaused() {
    Resume(processPause_);
    Resume(threadPause_);
}

void FieldActions::BindMouseItems() {
    Bind<Field::Mouse, FieldItem::Move>(
        [this] { win::MoveMouse(0, c_.编辑框_鼠标位置_X.Number(), c_.编辑框_鼠标位置_Y.Number()); });
    // Real input: the cursor jumps there, clicks and comes back.
    auto clickAtScreenPoint = [this](std::int32_t button) {
        return [this, button] {
            win::SaveMousePosition();
            win::MoveMouse(0, c_.编辑框_鼠标位置_X.Number(), c_.编辑框_鼠标位置_Y.Number());
            win::ClickMouse(button, 1);
            win::RestoreMousePosition();
        };
    };
    Bind<Field::Mouse, FieldItem::LeftClick>(clickAtScreenPoint(1));
    Bind<Field::Mouse, FieldItem::RightClick>(clickAtScreenPoint(2));

    Bind<Field::MouseInWindow, FieldItem::Move>([this] {
        win::MoveMouse(target_.Handle(), c_.编辑框_窗口鼠标位置_X.Number(),
                        c_.编辑框_窗口鼠标位置_Y.Number());
    });
    // Posted messages: the window gets the click wherever the cursor is.
    auto postClick = [this](win::PostedButton button) {
        return [this, button] {
            win::PostMouseClick(target_.Handle(), c_.编辑框_窗口鼠标位置_X.Number(),
                                 c_.编辑框_窗口鼠标位置_Y.Number(), button);
        };
    };
    Bind<Field::MouseInWindow, FieldItem::LeftClick>(postClick(win::PostedButton::Left));
    Bind<Field::MouseInWindow, FieldItem::RightClick>(postClick(win::PostedButton::Right));
}

void FieldActions::BindBulkItems() {
    Bind<Field::Other, FieldItem::EnableAllButtons>([this] {
        ui::TreeBox& tree = tree_.Tree();
        for (int i = 0; i < tree.ItemCount(); ++i) EnableWindow(win::ToHwnd(tree.ItemData(i)), TRUE);
    });
    Bind<Field::Other, FieldItem::WindowStyles>([this] {
        // One style window at a time: a new one for each target.
        auto styles = std::make_unique<StyleWindow>();
        if (styles->Open(c_.form.Handle(), target_.Handle())) styles_ = std::move(styles);
    });
    Bind<Field::Other, FieldItem::WindowActivity>([this] {
        // One activity window at a time: a new one for each target ends
        // the watch of the one before.
        auto activity = std::make_unique<ActivityWindow>();
        std::string refusal;
        if (activity->Open(c_.form.Handle(), hook_, win::ToHwnd(target_.Handle()), dressWindow, refusal)) {
            activity_ = std::move(activity);
        } else if (!refusal.empty()) {
            showNotice(refusal);
        }
    });
    Bind<Field::Other, FieldItem::ShowAllControls>([this] {
        ui::TreeBox& tree = tree_.Tree();
        for (int i = 0; i < tree.ItemCount(); ++i) win::SetWindowShowState(tree.ItemData(i), SW_SHOWNORMAL, true);
    });
}

}  // namespace inspector
