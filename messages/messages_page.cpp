#include "messages/messages_page.h"

#include "inspector/finder_board.h"

namespace messages {

MessagesPage::MessagesPage(ui::Form& form)
    : finder_(form.Get<ui::DrawingBoard>("画板_捕获器1")),
      sender_(std::make_unique<MessageSender>(form)),
      generator_(std::make_unique<CodeGenerator>(form)) {}

void MessagesPage::RouteFinderTo(ui::DrawingBoard& inspectorFinder) { finder_.RouteEventsTo(&inspectorFinder); }

void MessagesPage::OnActivated(const ui::DrawingBoard& inspectorFinder) {
    inspector::MirrorFinderBoard(finder_, inspectorFinder);
}

}  // namespace messages
