#include "inspector/window_changes.h"

#include "win/window_operations.h"

namespace inspector {
namespace {

constexpr std::uint8_t kTransparentAlpha = 180;  // about 70 % opaque

}  // namespace

void WindowChanges::SetTransparent(bool transparent) {
    const win::WindowHandle target = target_.Handle();
    if (transparent) {
        if (!win::IsWindowLayered(target)) layeredByUs_.insert(target);
        win::SetWindowAlpha(target, kTransparentAlpha);
    } else if (layeredByUs_.erase(target)) {
        win::ClearWindowAlpha(target);
    } else {
        win::SetWindowAlpha(target, 255);  // layered of its own: it stays so, opaque
    }
}

WindowChanges::WindowChanges(AnalysisControls& controls, Target& target, FieldActions& actions)
    : c_(controls), target_(target) {
    c_.选择框_透明.Clicked = [this] { SetTransparent(c_.选择框_透明.Checked()); };
    c_.选择框_禁止.Clicked = [this] { win::SetWindowDisabled(target_.Handle(), c_.选择框_禁止.Checked()); };
    c_.选择框_隐藏.Clicked = [this] {
        win::SetWindowShowState(target_.Handle(), c_.选择框_隐藏.Checked() ? SW_HIDE : SW_SHOWNORMAL);
    };
    // Topmost is a matter of top-level windows: it acts on the target's.
    c_.选择框_置顶.Clicked = [this] { win::SetWindowTopmost(target_.Facts().topLevel, c_.选择框_置顶.Checked()); };

    using core::Field;
    using core::FieldItem;
    // The boxes show positions as the panel measures them; the setters turn
    // them back into screen positions, so applying the shown values
    // unchanged leaves the window where it is.
    actions.Bind<Field::WindowPosition, FieldItem::Change>([this] {
        win::MoveResizeWindow(target_.Handle(), c_.编辑框_窗口位置_左边.Number(),
                               c_.编辑框_窗口位置_顶边.Number(), std::nullopt, std::nullopt);
    });
    actions.Bind<Field::ControlPosition, FieldItem::Change>([this] {
        // Shown from the window rectangle of what GetParent reports (the
        // owner, for an owned pop-up).
        const win::WindowHandle target = target_.Handle();
        const RECT parent = win::WindowRectOrZero(GetParent(win::ToHwnd(target)));
        win::MoveResizeWindow(target, parent.left + c_.编辑框_控件位置_左边.Number(),
                               parent.top + c_.编辑框_控件位置_顶边.Number(), std::nullopt, std::nullopt);
    });
    actions.Bind<Field::WindowSize, FieldItem::Change>([this] {
        win::MoveResizeWindow(target_.Handle(), std::nullopt, std::nullopt,
                               c_.编辑框_窗口大小_宽度.Number(), c_.编辑框_窗口大小_高度.Number());
    });
    actions.Bind<Field::ClientSize, FieldItem::Change>([this] {
        win::SetWindowClientSize(target_.Handle(), c_.编辑框_窗口内部大小_宽度.Number(),
                                  c_.编辑框_窗口内部大小_高度.Number());
    });
}

}  // namespace inspector
