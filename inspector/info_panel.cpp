#include "inspector/info_panel.h"

#include "text/number_text.h"

namespace inspector {
namespace {

// Ends a text that filled all the room a text is given.
std::string CutMark() { return "……（文本太长，只取了前 " + text::IntegerToText(text::kMaxTextCharacters) + " 个字符）"; }

// After the handle of a window that no longer exists: the number stays
// first, so the box still reads as that handle.
constexpr const char* kGoneMark = "（窗口已不存在）";
constexpr base::Colour kGoneColour = base::Rgb(200, 0, 0);
constexpr base::Colour kNormalColour = 0x000000;

}  // namespace

InfoPanel::InfoPanel(AnalysisControls& controls, Target& target) : c_(controls) {
    target.HandleChanged.Connect([this](win::WindowHandle hwnd, bool isWindow) {
        if (isWindow) return;
        c_.编辑框_窗口句柄.SetNumber(hwnd);
        c_.编辑框_窗口句柄.SetTextColour(kNormalColour);
    });
    target.FactsChanged.Connect([this](const WindowFacts& facts) { Show(facts); });
    target.Cleared.Connect([this] { EmptyFields(); });
    target.WindowGone.Connect([this](win::WindowHandle hwnd) {
        c_.编辑框_窗口句柄.SetContent(text::IntegerToText(hwnd) + kGoneMark);
        c_.编辑框_窗口句柄.SetTextColour(kGoneColour);
    });
}

void InfoPanel::EmptyFields() {
    for (ui::EditBox* box :
         {&c_.编辑框_窗口句柄, &c_.编辑框_父句柄, &c_.编辑框_顶级句柄, &c_.编辑框_进程ID, &c_.编辑框_线程ID,
          &c_.编辑框_控件ID, &c_.编辑框_窗口标题, &c_.编辑框_窗口类名, &c_.编辑框_控件内容, &c_.编辑框_程序路径,
          &c_.编辑框_窗口位置_左边, &c_.编辑框_窗口位置_顶边, &c_.编辑框_窗口大小_宽度, &c_.编辑框_窗口大小_高度,
          &c_.编辑框_窗口内部大小_宽度, &c_.编辑框_窗口内部大小_高度, &c_.编辑框_窗口鼠标位置_X,
          &c_.编辑框_窗口鼠标位置_Y, &c_.编辑框_控件位置_左边, &c_.编辑框_控件位置_顶边}) {
        box->SetContent("");
    }
    c_.编辑框_窗口句柄.SetTextColour(kNormalColour);
}

void InfoPanel::Show(const WindowFacts& facts) {
    c_.编辑框_窗口句柄.SetNumber(facts.handle);
    c_.编辑框_窗口句柄.SetTextColour(kNormalColour);
    // The tags keep the handle and process id of the window last shown.
    c_.编辑框_窗口句柄.SetTag(text::IntegerToText(facts.handle));
    c_.编辑框_父句柄.SetNumber(facts.parent);
    c_.编辑框_顶级句柄.SetNumber(facts.topLevel);
    c_.编辑框_进程ID.SetNumber(facts.processId);
    c_.编辑框_进程ID.SetTag(text::IntegerToText(facts.processId));
    c_.编辑框_线程ID.SetNumber(facts.threadId);
    c_.编辑框_控件ID.SetNumber(facts.controlId);
    c_.编辑框_窗口标题.SetContent(facts.title);
    c_.编辑框_窗口类名.SetContent(facts.className);
    // A text that filled all the room it was given says so at its end.
    c_.编辑框_控件内容.SetContent(facts.contentCut ? facts.content + CutMark() : facts.content);
    c_.编辑框_程序路径.SetContent(facts.programPath);
    if (facts.rect) {
        const RECT& r = *facts.rect;
        c_.编辑框_窗口位置_左边.SetNumber(r.left);
        c_.编辑框_窗口位置_顶边.SetNumber(r.top);
        c_.编辑框_窗口大小_宽度.SetNumber(r.right - r.left);
        c_.编辑框_窗口大小_高度.SetNumber(r.bottom - r.top);
        // Relative to the parent's window rectangle (0, 0 without one).
        c_.编辑框_控件位置_左边.SetNumber(r.left - facts.parentRect.left);
        c_.编辑框_控件位置_顶边.SetNumber(r.top - facts.parentRect.top);
    }
    if (facts.clientSize) {
        c_.编辑框_窗口内部大小_宽度.SetNumber(facts.clientSize->cx);
        c_.编辑框_窗口内部大小_高度.SetNumber(facts.clientSize->cy);
    }
    // The four state boxes show the new target's real state, so that a
    // click always changes what they show.
    c_.选择框_隐藏.SetChecked(!facts.visible);
    c_.选择框_置顶.SetChecked(facts.topmost);
    c_.选择框_禁止.SetChecked(!facts.enabled);
    c_.选择框_透明.SetChecked(facts.seeThrough);
}

}  // namespace inspector
