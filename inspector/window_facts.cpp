#include "inspector/window_facts.h"

namespace inspector {

WindowFacts ReadWindowFacts(util::WindowHandle target) {
    const HWND hwnd = util::ToHwnd(target);
    WindowFacts facts;
    facts.handle = target;
    facts.parent = util::FromHwnd(GetParent(hwnd));
    facts.topLevel = util::FromHwnd(GetAncestor(hwnd, GA_ROOTOWNER));
    facts.processId = util::GetWindowProcessId(target);
    facts.threadId = util::GetWindowThreadId(target);
    facts.controlId = GetDlgCtrlID(hwnd);
    facts.title = util::GetWindowTitle(target);
    facts.className = util::GetWindowClassName(target);
    util::SafeTitle content =
        util::QueryWindowTitleSafe(target, core::kMaxTextCharacters, util::kPatientTextAnswerMs);
    facts.content = std::move(content.text);
    facts.contentCut = content.cut;
    facts.programPath = util::GetProcessExePath(facts.processId);
    RECT r;
    if (GetWindowRect(hwnd, &r)) facts.rect = r;
    facts.parentRect = util::WindowRectOrZero(util::ToHwnd(facts.parent));
    std::int32_t width = 0, height = 0;
    if (util::GetWindowClientSize(target, width, height)) facts.clientSize = SIZE{width, height};
    facts.visible = IsWindowVisible(hwnd) != FALSE;
    facts.topmost = util::IsWindowTopmost(facts.topLevel);
    facts.enabled = IsWindowEnabled(hwnd) != FALSE;
    facts.seeThrough = util::IsWindowSeeThrough(target);
    return facts;
}

}  // namespace inspector
