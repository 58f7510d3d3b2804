#include "inspector/window_changes.h"

#include "util/window_operations.h"

namespace inspector {
namespace {

constexpr std::uint8_t kTransparentAlpha = 180;  // about 70 % opaque

}  // namespace

WindowChanges::WindowChanges(AnalysisControls& controls, InfoPanel& panel, FieldActions& actions)
    : c_(controls), panel_(panel) {
    c_.选择框_透明.Clicked = [this] {
        util::SetWindowAlpha(c_.编辑框_窗口句柄.Number(), c_.选择框_透明.Checked() ? kTransparentAlpha : 255);
    };
    c_.选择框_禁止.Clicked = [this] { util::SetWindowDisabled(c_.编辑框_窗口句柄.Number(), c_.选择框_禁止.Checked()); };
    c_.选择框_隐藏.Clicked = [this] {
        util::SetWindowShowState(c_.编辑框_窗口句柄.Number(), c_.选择框_隐藏.Checked() ? SW_HIDE : SW_SHOWNORMAL);
    };
    // Topmost is a matter of top-level windows: it acts on the target's.
    c_.选择框_置顶.Clicked = [this] { util::SetWindowTopmost(c_.编辑框_顶级句柄.Number(), c_.选择框_置顶.Checked()); };

    using core::Field;
    using core::FieldItem;
    actions.Bind<Field::WindowPosition, FieldItem::Change>([this] {
        // Screen position, turned into the parent-relative form MoveWindow takes.
        const RECT parent = util::WindowRectOrZero(GetParent(util::ToHwnd(panel_.CurrentTarget())));
        util::MoveResizeWindow(c_.编辑框_窗口句柄.Number(), c_.编辑框_窗口位置_左边.Number() - parent.left,
                               c_.编辑框_窗口位置_顶边.Number() - parent.top, std::nullopt, std::nullopt);
    });
    actions.Bind<Field::ControlPosition, FieldItem::Change>([this] {
        util::MoveResizeWindow(c_.编辑框_窗口句柄.Number(), c_.编辑框_控件位置_左边.Number(),
                               c_.编辑框_控件位置_顶边.Number(), std::nullopt, std::nullopt);
    });
    actions.Bind<Field::WindowSize, FieldItem::Change>([this] {
        util::MoveResizeWindow(c_.编辑框_窗口句柄.Number(), std::nullopt, std::nullopt,
                               c_.编辑框_窗口大小_宽度.Number(), c_.编辑框_窗口大小_高度.Number());
    });
    actions.Bind<Field::ClientSize, FieldItem::Change>([this] {
        util::SetWindowClientSize(c_.编辑框_窗口句柄.Number(), c_.编辑框_窗口内部大小_宽度.Number(),
                                  c_.编辑框_窗口内部大小_高度.Number());
    });
}

}  // namespace inspector
