#include "messages/messages_page.h"

namespace messages {

MessagesPage::MessagesPage(ui::Form& form)
    : form_(form), controls_(form), sender_(controls_), generator_(controls_, sender_) {
    generator_.openRecorder = [this] { OpenRecorder(); };
}

void MessagesPage::OpenRecorder() {
    if (!hook) return;
    if (recorder_ && recorder_->Handle()) {
        recorder_->Show(SW_SHOWNORMAL);
        SetForegroundWindow(recorder_->Handle());
        return;
    }
    // A window closed before keeps nothing of its own; its steps go with it.
    auto window = std::make_unique<RecorderWindow>();
    if (window->Open(form_.Handle(), *hook, recordingTarget, dressWindow)) recorder_ = std::move(window);
}

}  // namespace messages
