#include "inspector/window_facts.h"

namespace inspector {

WindowFacts ReadWindowFacts(win::WindowHandle target) {
    const HWND hwnd = win::ToHwnd(target);
    WindowFacts facts;
    facts.handle = target;
    facts.parent = win::FromHwnd(GetParent(hwnd));
    facts.topLevel = win::FromHwnd(GetAncestor(hwnd, GA_ROOTOWNER));
    facts.processId = win::GetWindowProcessId(target);
    facts.threadId = win::GetWindowThreadId(target);
    facts.controlId = GetDlgCtrlID(hwnd);
    facts.title = win::GetWindowTitle(target);
    facts.className = win::GetWindowClassName(target);
    win::SafeTitle content =
        win::QueryWindowTitleSafe(target, text::kMaxTextCharacters, win::kPatientTextAnswerMs);
    facts.content = std::move(content.text);
    facts.contentCut = content.cut;
    facts.programPath = win::GetProcessExePath(facts.processId);
    RECT r;
    if (GetWindowRect(hwnd, &r)) facts.rect = r;
    facts.parentRect = win::WindowRectOrZero(win::ToHwnd(facts.parent));
    std::int32_t width = 0, height = 0;
    if (win::GetWindowClientSize(target, width, height)) facts.clientSize = SIZE{width, height};
    facts.visible = IsWindowVisible(hwnd) != FALSE;
    facts.topmost = win::IsWindowTopmost(facts.topLevel);
    facts.enabled = IsWindowEnabled(hwnd) != FALSE;
    facts.seeThrough = win::IsWindowSeeThrough(target);
    return facts;
}

}  // namespace inspector
