#include "inspector/info_panel.h"

#include <cmath>

#include "util/core/number_text.h"

namespace inspector {

InfoPanel::InfoPanel(AnalysisControls& controls) : c_(controls) {
    c_.编辑框_窗口句柄.ContentChanged = [this] { Refresh(); };
}

void InfoPanel::ShowWindow(util::WindowHandle hwnd) { c_.编辑框_窗口句柄.SetNumber(hwnd); }

void InfoPanel::EmptyFields() {
    for (ui::EditBox* box :
         {&c_.编辑框_窗口句柄, &c_.编辑框_父句柄, &c_.编辑框_顶级句柄, &c_.编辑框_进程ID, &c_.编辑框_线程ID,
          &c_.编辑框_控件ID, &c_.编辑框_窗口标题, &c_.编辑框_窗口类名, &c_.编辑框_控件内容, &c_.编辑框_程序路径,
          &c_.编辑框_窗口位置_左边, &c_.编辑框_窗口位置_顶边, &c_.编辑框_窗口大小_宽度, &c_.编辑框_窗口大小_高度,
          &c_.编辑框_窗口内部大小_宽度, &c_.编辑框_窗口内部大小_高度, &c_.编辑框_窗口鼠标位置_X,
          &c_.编辑框_窗口鼠标位置_Y, &c_.编辑框_控件位置_左边, &c_.编辑框_控件位置_顶边}) {
        box->SetContent("");
    }
}

void InfoPanel::Refresh() {
    const std::string text = c_.编辑框_窗口句柄.Content();
    const double v = core::TextToNumber(text);
    if (std::fabs(static_cast<double>(currentTarget_) - v) <= 0.0000001) return;  // already shown
    const util::WindowHandle target = core::NumberToInt32(v);
    currentTarget_ = target;
    if (!util::WindowExists(target)) return;

    if (BeforeNewTarget) BeforeNewTarget();
    c_.编辑框_窗口句柄.SetTag(text);
    if (TargetShown) TargetShown(text);
    Fill(target);
}

void InfoPanel::Fill(util::WindowHandle target) {
    const HWND hwnd = util::ToHwnd(target);
    c_.编辑框_父句柄.SetNumber(util::FromHwnd(GetParent(hwnd)));
    c_.编辑框_顶级句柄.SetNumber(util::FromHwnd(GetAncestor(hwnd, GA_ROOTOWNER)));
    const std::int32_t pid = util::GetWindowProcessId(target);
    c_.编辑框_进程ID.SetNumber(pid);
    c_.编辑框_进程ID.SetTag(core::IntegerToText(pid));
    c_.编辑框_线程ID.SetNumber(util::GetWindowThreadId(target));
    c_.编辑框_控件ID.SetNumber(GetDlgCtrlID(hwnd));
    c_.编辑框_窗口标题.SetContent(util::GetWindowTitle(target));
    c_.编辑框_窗口类名.SetContent(util::GetWindowClassName(target));
    c_.编辑框_控件内容.SetContent(util::GetWindowTitleSafe(target));
    c_.编辑框_程序路径.SetContent(util::GetProcessExePath(c_.编辑框_进程ID.Number()));

    RECT r;
    if (GetWindowRect(hwnd, &r)) {
        c_.编辑框_窗口位置_左边.SetNumber(r.left);
        c_.编辑框_窗口位置_顶边.SetNumber(r.top);
        c_.编辑框_窗口大小_宽度.SetNumber(r.right - r.left);
        c_.编辑框_窗口大小_高度.SetNumber(r.bottom - r.top);
        // Position relative to the parent's window rectangle (0, 0 without one).
        const RECT parent = util::WindowRectOrZero(GetParent(hwnd));
        c_.编辑框_控件位置_左边.SetNumber(r.left - parent.left);
        c_.编辑框_控件位置_顶边.SetNumber(r.top - parent.top);
    }
    std::int32_t width = 0, height = 0;
    if (util::GetWindowClientSize(target, width, height)) {
        c_.编辑框_窗口内部大小_宽度.SetNumber(width);
        c_.编辑框_窗口内部大小_高度.SetNumber(height);
    }
    // The four state boxes show the new target's real state, so that a
    // click always changes what they show.
    c_.选择框_隐藏.SetChecked(IsWindowVisible(util::ToHwnd(c_.编辑框_窗口句柄.Number())) == FALSE);
    c_.选择框_置顶.SetChecked(util::IsWindowTopmost(c_.编辑框_顶级句柄.Number()));
    c_.选择框_禁止.SetChecked(IsWindowEnabled(hwnd) == FALSE);
    c_.选择框_透明.SetChecked(util::IsWindowSeeThrough(target));
}

}  // namespace inspector
