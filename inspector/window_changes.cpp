#include "inspector/window_changes.h"

#include "ui/buttons.h"
#include "util/core/number_text.h"
#include "util/window_operations.h"

namespace inspector {
namespace {

constexpr std::uint8_t kTransparentAlpha = 180;  // about 70 % opaque

}  // namespace

WindowChanges::WindowChanges(ui::Form& form, InfoPanel& panel, FieldActions& actions) : form_(form), panel_(panel) {
    auto& transparent = form.Get<ui::CheckBox>("选择框_透明");
    transparent.Clicked = [this, &transparent] {
        util::SetWindowAlpha(Number("编辑框_窗口句柄"), transparent.Checked() ? kTransparentAlpha : 255);
    };
    auto& disabled = form.Get<ui::CheckBox>("选择框_禁止");
    disabled.Clicked = [this, &disabled] { util::SetWindowDisabled(Number("编辑框_窗口句柄"), disabled.Checked()); };
    auto& hidden = form.Get<ui::CheckBox>("选择框_隐藏");
    hidden.Clicked = [this, &hidden] {
        util::SetWindowShowState(Number("编辑框_窗口句柄"), hidden.Checked() ? SW_HIDE : SW_SHOWNORMAL);
    };
    // Topmost is a matter of top-level windows: it acts on the target's.
    auto& topmost = form.Get<ui::CheckBox>("选择框_置顶");
    topmost.Clicked = [this, &topmost] { util::SetWindowTopmost(Number("编辑框_顶级句柄"), topmost.Checked()); };

    actions.Bind("下拉窗口位置", "更改", [this] {
        // Screen position, turned into the parent-relative form MoveWindow takes.
        RECT parent = {0, 0, 0, 0};
        const HWND parentWindow = GetParent(util::ToHwnd(panel_.CurrentTarget()));
        if (!parentWindow || !GetWindowRect(parentWindow, &parent)) parent = {0, 0, 0, 0};
        util::MoveResizeWindow(Number("编辑框_窗口句柄"), Number("编辑框_窗口位置_左边") - parent.left,
                               Number("编辑框_窗口位置_顶边") - parent.top, std::nullopt, std::nullopt);
    });
    actions.Bind("下拉控件位置", "更改", [this] {
        util::MoveResizeWindow(Number("编辑框_窗口句柄"), Number("编辑框_控件位置_左边"),
                               Number("编辑框_控件位置_顶边"), std::nullopt, std::nullopt);
    });
    actions.Bind("下拉窗口大小", "更改", [this] {
        util::MoveResizeWindow(Number("编辑框_窗口句柄"), std::nullopt, std::nullopt, Number("编辑框_窗口大小_宽度"),
                               Number("编辑框_窗口大小_高度"));
    });
    actions.Bind("下拉内部大小", "更改", [this] {
        util::SetWindowClientSize(Number("编辑框_窗口句柄"), Number("编辑框_窗口内部大小_宽度"),
                                  Number("编辑框_窗口内部大小_高度"));
    });
}

std::int32_t WindowChanges::Number(const char* boxName) {
    return core::TextToInt32(form_.Get<ui::EditBox>(boxName).Content());
}

}  // namespace inspector
