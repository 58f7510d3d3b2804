#include "inspector/target.h"

#include "win/threads.h"

namespace inspector {

Target::Target(HWND owner)
    : readFacts([owner](win::WindowHandle hwnd) {
          WindowFacts facts;
          win::RunOnWorker([&] { facts = ReadWindowFacts(hwnd); }, owner);
          return facts;
      }) {}

void Target::Select(win::WindowHandle hwnd) {
    if (hwnd == handle_) return;
    handle_ = hwnd;
    ++selection_;
    const bool isWindow = win::WindowExists(hwnd);
    HandleChanged(hwnd, isWindow);
    if (!isWindow) return;
    BeforeNewWindow();
    ReadFacts();
}

void Target::Refresh() {
    if (win::WindowExists(handle_)) {
        ReadFacts();
    } else {
        CheckStillThere();
    }
}

void Target::CheckStillThere() {
    if (handle_ != 0 && !win::WindowExists(handle_)) WindowGone(handle_);
}

void Target::Clear() {
    handle_ = 0;
    ++selection_;
    facts_ = WindowFacts{};
    Cleared();
}

void Target::ReadFacts() {
    const std::uint64_t selection = selection_;
    const win::WindowHandle hwnd = handle_;
    WindowFacts facts = readFacts(hwnd);
    if (selection != selection_) return;  // another window was chosen meanwhile
    facts_ = std::move(facts);
    FactsChanged(facts_);
}

}  // namespace inspector
