#include "inspector/info_panel.h"

#include <cmath>

#include "util/core/number_text.h"

namespace inspector {
namespace {

std::string Text(std::int64_t v) { return core::NumberToText(static_cast<double>(v)); }

RECT WindowRectOrZero(HWND hwnd) {
    RECT r = {0, 0, 0, 0};
    if (!hwnd || !GetWindowRect(hwnd, &r)) r = {0, 0, 0, 0};
    return r;
}

}  // namespace

InfoPanel::InfoPanel(ui::Form& form)
    : handle_(form.Get<ui::EditBox>("编辑框_窗口句柄")),
      parent_(form.Get<ui::EditBox>("编辑框_父句柄")),
      topLevel_(form.Get<ui::EditBox>("编辑框_顶级句柄")),
      processId_(form.Get<ui::EditBox>("编辑框_进程ID")),
      threadId_(form.Get<ui::EditBox>("编辑框_线程ID")),
      controlId_(form.Get<ui::EditBox>("编辑框_控件ID")),
      title_(form.Get<ui::EditBox>("编辑框_窗口标题")),
      className_(form.Get<ui::EditBox>("编辑框_窗口类名")),
      content_(form.Get<ui::EditBox>("编辑框_控件内容")),
      programPath_(form.Get<ui::EditBox>("编辑框_程序路径")),
      windowLeft_(form.Get<ui::EditBox>("编辑框_窗口位置_左边")),
      windowTop_(form.Get<ui::EditBox>("编辑框_窗口位置_顶边")),
      windowWidth_(form.Get<ui::EditBox>("编辑框_窗口大小_宽度")),
      windowHeight_(form.Get<ui::EditBox>("编辑框_窗口大小_高度")),
      controlLeft_(form.Get<ui::EditBox>("编辑框_控件位置_左边")),
      controlTop_(form.Get<ui::EditBox>("编辑框_控件位置_顶边")),
      clientWidth_(form.Get<ui::EditBox>("编辑框_窗口内部大小_宽度")),
      clientHeight_(form.Get<ui::EditBox>("编辑框_窗口内部大小_高度")),
      mouseInWindowX_(form.Get<ui::EditBox>("编辑框_窗口鼠标位置_X")),
      mouseInWindowY_(form.Get<ui::EditBox>("编辑框_窗口鼠标位置_Y")),
      hidden_(form.Get<ui::CheckBox>("选择框_隐藏")),
      handleOnMessagesPage_(form.Get<ui::EditBox>("编辑框_窗口句柄2")) {
    handle_.ContentChanged = [this] { Refresh(); };
}

void InfoPanel::ShowWindow(util::WindowHandle hwnd) { handle_.SetContent(Text(hwnd)); }

void InfoPanel::EmptyFields() {
    for (ui::EditBox* box : {&handle_, &parent_, &topLevel_, &processId_, &threadId_, &controlId_, &title_,
                             &className_, &content_, &programPath_, &windowLeft_, &windowTop_, &windowWidth_,
                             &windowHeight_, &clientWidth_, &clientHeight_, &mouseInWindowX_, &mouseInWindowY_,
                             &controlLeft_, &controlTop_}) {
        box->SetContent("");
    }
}

void InfoPanel::Refresh() {
    const std::string text = handle_.Content();
    const double v = core::TextToNumber(text);
    if (std::fabs(static_cast<double>(currentTarget_) - v) <= 0.0000001) return;  // already shown
    const util::WindowHandle target = core::NumberToInt32(v);
    currentTarget_ = target;
    if (!util::WindowExists(target)) return;

    if (BeforeNewTarget) BeforeNewTarget();
    handle_.SetTag(text);
    handleOnMessagesPage_.SetContent(text);
    Fill(target);
}

void InfoPanel::Fill(util::WindowHandle target) {
    const HWND hwnd = util::ToHwnd(target);
    parent_.SetContent(Text(util::FromHwnd(GetParent(hwnd))));
    topLevel_.SetContent(Text(util::FromHwnd(GetAncestor(hwnd, GA_ROOTOWNER))));
    const std::string pid = Text(util::GetWindowProcessId(target));
    processId_.SetContent(pid);
    processId_.SetTag(pid);
    threadId_.SetContent(Text(util::GetWindowThreadId(target)));
    controlId_.SetContent(Text(GetDlgCtrlID(hwnd)));
    title_.SetContent(util::GetWindowTitle(target));
    className_.SetContent(util::GetWindowClassName(target));
    content_.SetContent(util::GetWindowTitleSafe(target));
    programPath_.SetContent(util::GetProcessExePath(core::TextToInt32(processId_.Content())));

    RECT r;
    if (GetWindowRect(hwnd, &r)) {
        windowLeft_.SetContent(Text(r.left));
        windowTop_.SetContent(Text(r.top));
        windowWidth_.SetContent(Text(r.right - r.left));
        windowHeight_.SetContent(Text(r.bottom - r.top));
        // Position relative to the parent's window rectangle (0, 0 without one).
        const RECT parent = WindowRectOrZero(GetParent(hwnd));
        controlLeft_.SetContent(Text(r.left - parent.left));
        controlTop_.SetContent(Text(r.top - parent.top));
    }
    std::int32_t width = 0, height = 0;
    if (util::GetWindowClientSize(target, width, height)) {
        clientWidth_.SetContent(Text(width));
        clientHeight_.SetContent(Text(height));
    }
    hidden_.SetChecked(IsWindowVisible(util::ToHwnd(core::TextToInt32(handle_.Content()))) == FALSE);
}

}  // namespace inspector
