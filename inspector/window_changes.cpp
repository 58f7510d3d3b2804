#include "inspector/window_changes.h"

#include "util/window_operations.h"

namespace inspector {
namespace {

constexpr std::uint8_t kTransparentAlpha = 180;  // about 70 % opaque

}  // namespace

void WindowChanges::SetTransparent(bool transparent) {
    const util::WindowHandle target = target_.Handle();
    if (transparent) {
        if (!util::IsWindowLayered(target)) layeredByUs_.insert(target);
        util::SetWindowAlpha(target, kTransparentAlpha);
    } else if (layeredByUs_.erase(target)) {
        util::ClearWindowAlpha(target);
    } else {
        util::SetWindowAlpha(target, 255);  // layered of its own: it stays so, opaque
    }
}

WindowChanges::WindowChanges(AnalysisControls& controls, Target& target, FieldActions& actions)
    : c_(controls), target_(target) {
    c_.选择框_透明.Clicked = [this] { SetTransparent(c_.选择框_透明.Checked()); };
    c_.选择框_禁止.Clicked = [this] { util::SetWindowDisabled(target_.Handle(), c_.选择框_禁止.Checked()); };
    c_.选择框_隐藏.Clicked = [this] {
        util::SetWindowShowState(target_.Handle(), c_.选择框_隐藏.Checked() ? SW_HIDE : SW_SHOWNORMAL);
    };
    // Topmost is a matter of top-level windows: it acts on the target's.
    c_.选择框_置顶.Clicked = [this] { util::SetWindowTopmost(target_.Facts().topLevel, c_.选择框_置顶.Checked()); };

    using core::Field;
    using core::FieldItem;
    // The boxes show positions as the panel measures them; the setters turn
    // them back into screen positions, so applying the shown values
    // unchanged leaves the window where it is.
    actions.Bind<Field::WindowPosition, FieldItem::Change>([this] {
        util::MoveResizeWindow(target_.Handle(), c_.编辑框_窗口位置_左边.Number(),
                               c_.编辑框_窗口位置_顶边.Number(), std::nullopt, std::nullopt);
    });
    actions.Bind<Field::ControlPosition, FieldItem::Change>([this] {
        // Shown from the window rectangle of what GetParent reports (the
        // owner, for an owned pop-up).
        const util::WindowHandle target = target_.Handle();
        const RECT parent = util::WindowRectOrZero(GetParent(util::ToHwnd(target)));
        util::MoveResizeWindow(target, parent.left + c_.编辑框_控件位置_左边.Number(),
                               parent.top + c_.编辑框_控件位置_顶边.Number(), std::nullopt, std::nullopt);
    });
    actions.Bind<Field::WindowSize, FieldItem::Change>([this] {
        util::MoveResizeWindow(target_.Handle(), std::nullopt, std::nullopt,
                               c_.编辑框_窗口大小_宽度.Number(), c_.编辑框_窗口大小_高度.Number());
    });
    actions.Bind<Field::ClientSize, FieldItem::Change>([this] {
        util::SetWindowClientSize(target_.Handle(), c_.编辑框_窗口内部大小_宽度.Number(),
                                  c_.编辑框_窗口内部大小_高度.Number());
    });
}

}  // namespace inspector
