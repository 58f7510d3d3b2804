#include "messages/message_sender.h"

#include <algorithm>
#include <new>
#include <vector>

#include "messages/core/message_fields.h"
#include "messages/core/pointer_messages.h"
#include "messages/core/send_plan.h"
#include "text/number_text.h"
#include "win/threads.h"
#include "win/wide_text.h"
#include "win/window_query.h"

namespace messages {
namespace {

constexpr base::Colour kStatusColour = 0xFF00FF;  // magenta

// Characters an integer may be typed with; control characters (backspace,
// copy, paste ...) pass too.
bool IntegerCharacter(wchar_t c) { return c < 32 || (c >= L'0' && c <= L'9') || c == L'-' || c == L'+'; }

}  // namespace

MessageSender::MessageSender(MessagesControls& controls) : c_(controls) {
    c_.组合框_消息分类1.ItemSelected = [this] { CategoryChanged(); };
    c_.组合框_消息分类2.ItemSelected = [this] { MessageChanged(); };
    c_.组合框_参数二.ItemSelected = [this] { TypeChanged(); };
    c_.按钮_发出消息.Clicked = [this] { Send(); };
}

void MessageSender::LoadMessageList(const std::string& path) {
    file_.Open(path);
    // Why the shipped list shows instead of the file's.
    switch (file_.ListSource()) {
        case MessageFile::Source::Memory: ShowStatus(core::kShippedListStatus, kStatusColour); break;
        case MessageFile::Source::TooLarge: ShowStatus(core::kListTooLargeStatus, kStatusColour); break;
        case MessageFile::Source::Empty: ShowStatus(core::kEmptyListStatus, kStatusColour); break;
        case MessageFile::Source::NoSections: ShowStatus(core::kNoSectionsListStatus, kStatusColour); break;
        case MessageFile::Source::Folder: ShowStatus(core::kFolderListStatus, kStatusColour); break;
        case MessageFile::Source::Unreadable: ShowStatus(core::kUnreadableListStatus, kStatusColour); break;
        case MessageFile::Source::None:
        case MessageFile::Source::File: break;
    }
    List(c_.组合框_消息分类1, file_.Read().SectionNames());
    c_.组合框_消息分类1.SetSelectedIndex(0);
    CategoryChanged();
}

void MessageSender::List(ui::ComboBox& combo, std::vector<std::string> names) {
    if (names.size() > core::kMaxListedItems) {
        names.resize(core::kMaxListedItems);
        ShowStatus(core::kListCutStatus, kStatusColour);
    }
    combo.SetItems(names);
}

void MessageSender::CategoryChanged() {
    List(c_.组合框_消息分类2, file_.Read().KeyNames(c_.组合框_消息分类1.Text()));
    c_.组合框_消息分类2.SetSelectedIndex(0);
    MessageChanged();
}

void MessageSender::MessageChanged() {
    const core::MessageFields fields =
        core::ParseMessageFields(file_.Read().ReadValue(c_.组合框_消息分类1.Text(), c_.组合框_消息分类2.Text(), ""));
    c_.编辑框_消息值.SetContent(fields.message);
    c_.编辑框_参数一.SetContent(fields.wParam);
    if (fields.lParamText) c_.编辑框_参数二.SetContent(*fields.lParamText);
    c_.组合框_参数二.SetSelectedIndex(static_cast<int>(fields.lParamType));
    c_.组合框_编辑框_参数二.SetSelectedIndex(fields.logical);
    TypeChanged();
}

void MessageSender::TypeChanged() {
    const int type = c_.组合框_参数二.SelectedIndex();
    if (type == static_cast<int>(core::ParameterType::Integer)) {
        c_.编辑框_参数二.CharInput = IntegerCharacter;
    } else {
        c_.编辑框_参数二.CharInput = nullptr;
    }
    const bool logical = type == static_cast<int>(core::ParameterType::Logical);
    c_.编辑框_参数二.SetVisible(!logical);
    c_.组合框_编辑框_参数二.SetVisible(logical);
}

void MessageSender::ShowStatus(std::string_view text, base::Colour colour) {
    c_.编辑框_返回消息.SetTextColour(colour);
    c_.编辑框_返回消息.SetContent(text);
}

// One message on its way: what goes out and what comes back. Owned jointly
// by the GUI thread and, for SendMessage, the thread that waits for the
// answer, so that it outlives whichever ends first.
struct MessageSender::Delivery {
    HWND hwnd = nullptr;
    UINT message = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    bool textParameter = false;
    std::wstring sentText;        // the text parameter as it went out
    std::vector<wchar_t> buffer;  // where it lives while the receiver has it
    LRESULT result = 0;
    bool delivered = false;  // the receiver got it and answered
};

void MessageSender::Send() {
    if (waiting_) return;  // the last SendMessage has not been answered yet
    const HWND hwnd = win::ToHwnd(c_.编辑框_窗口句柄2.Number());
    if (!IsWindow(hwnd)) {
        ShowStatus(core::kInvalidHandleStatus, kStatusColour);
        return;
    }
    auto delivery = std::make_shared<Delivery>();
    delivery->hwnd = hwnd;
    delivery->message = static_cast<UINT>(c_.编辑框_消息值.Number());
    // A common control's message that takes the address of a structure:
    // any value given here is wrong in the target's memory.
    if (const core::PointerMessage* pointer =
            core::PointerMessageFor(delivery->message, win::GetWindowClassName(win::FromHwnd(hwnd)))) {
        ShowStatus(core::PointerMessageStatus(*pointer), kStatusColour);
        return;
    }
    const std::int32_t wParam = c_.编辑框_参数一.Number();
    delivery->wParam = static_cast<WPARAM>(static_cast<INT_PTR>(wParam));
    const auto method = static_cast<core::SendMethod>(c_.组合框_消息方式.SelectedIndex());

    const int type = c_.组合框_参数二.SelectedIndex();
    if (type == static_cast<int>(core::ParameterType::Text)) {
        delivery->textParameter = true;
        delivery->sentText = win::Wide(c_.编辑框_参数二.Content());
        const core::TextBufferPlan plan = core::PlanTextBuffer(method, wParam, delivery->sentText.size());
        if (!plan.refusal.empty()) {
            ShowStatus(plan.refusal, kStatusColour);
            return;
        }
        try {
            // One character more than planned: the text ends even where a
            // receiver fills the whole buffer.
            delivery->buffer.assign(plan.characters + 1, L'\0');
        } catch (const std::bad_alloc&) {
            ShowStatus(core::kNoMemoryStatus, kStatusColour);
            return;
        }
        std::copy(delivery->sentText.begin(), delivery->sentText.end(), delivery->buffer.begin());
        delivery->lParam = reinterpret_cast<LPARAM>(delivery->buffer.data());
    } else if (type == static_cast<int>(core::ParameterType::Logical)) {
        delivery->lParam = c_.组合框_编辑框_参数二.SelectedIndex();
    } else {
        delivery->lParam = static_cast<LPARAM>(c_.编辑框_参数二.Number());
    }

    RememberSend(hwnd, method, *delivery);
    switch (method) {
        case core::SendMethod::Post:
            delivery->result = PostMessageW(hwnd, delivery->message, delivery->wParam, delivery->lParam);
            ShowOutcome(*delivery, delivery->result != 0);
            // Its own result is the one to show, 0 for a failure too.
            if (delivery->result == 0) c_.编辑框_返回值.SetNumber(0);
            break;
        case core::SendMethod::SendWithTimeout: {
            DWORD_PTR answer = 0;
            const bool sent = SendMessageTimeoutW(hwnd, delivery->message, delivery->wParam, delivery->lParam,
                                                  SMTO_ABORTIFHUNG, core::kSendTimeoutMs, &answer) != 0;
            delivery->result = static_cast<LRESULT>(answer);
            ShowOutcome(*delivery, sent);
            break;
        }
        default:
            SendAndWait(delivery);
            break;
    }
}

void MessageSender::RememberSend(HWND hwnd, core::SendMethod method, const Delivery& delivery) {
    LastSend last;
    last.target = win::FromHwnd(hwnd);
    core::SentMessage& sent = last.message;
    sent.method = method;
    sent.message = static_cast<std::int32_t>(delivery.message);
    sent.wParam = static_cast<std::int32_t>(delivery.wParam);
    sent.lParamType = static_cast<core::ParameterType>(c_.组合框_参数二.SelectedIndex());
    sent.lParam = delivery.textParameter ? 0 : static_cast<std::int32_t>(delivery.lParam);
    if (delivery.textParameter) sent.text = win::Utf8(delivery.sentText);
    // The list's name for it, while the value is still the list's.
    const std::string category = c_.组合框_消息分类1.Text(), key = c_.组合框_消息分类2.Text();
    const core::MessageFields listed = core::ParseMessageFields(file_.Read().ReadValue(category, key, ""));
    if (!key.empty() && text::TextToInt32(listed.message) == sent.message) sent.name = category + "/" + key;
    lastSent_ = std::move(last);
}

void MessageSender::SendAndWait(const std::shared_ptr<Delivery>& delivery) {
    // SendMessage waits for as long as the receiver takes, forever for a
    // hung or paused program: it waits on a thread of its own while this
    // window goes on working, and the answer comes back here.
    waiting_ = true;
    c_.按钮_发出消息.SetDisabled(true);
    ShowStatus(core::kWaitingStatus, kStatusColour);
    const HWND form = c_.form.Handle();
    auto answered = [this, delivery] {
        waiting_ = false;
        c_.按钮_发出消息.SetDisabled(false);
        ShowOutcome(*delivery, delivery->delivered);
    };
    // SendMessage itself cannot tell a result of 0 from a message that never
    // arrived (the window destroyed or its program ended while it waited):
    // a send without a time limit to speak of can.
    auto send = [delivery] {
        DWORD_PTR answer = 0;
        delivery->delivered = SendMessageTimeoutW(delivery->hwnd, delivery->message, delivery->wParam,
                                                  delivery->lParam, SMTO_NORMAL, INFINITE, &answer) != 0;
        delivery->result = static_cast<LRESULT>(answer);
    };
    const bool started = win::StartThread([send, form, answered] {
        send();
        ui::Form::PostWork(form, answered);
    }) != 0;
    if (!started) {
        // No thread to wait on: wait here, as plain SendMessage does.
        send();
        answered();
    }
}

void MessageSender::ShowOutcome(const Delivery& delivery, bool sent) {
    if (!sent) {
        ShowStatus(core::kNotSentStatus, kStatusColour);
        return;  // the return value box keeps what it showed
    }
    const std::wstring after = delivery.textParameter ? std::wstring(delivery.buffer.data()) : std::wstring();
    if (delivery.textParameter && after != delivery.sentText) {
        ShowStatus(text::TrimBlanks(win::Utf8(after)), 0x000000);  // what the receiver wrote
    } else {
        ShowStatus(core::kSentStatus, kStatusColour);
    }
    c_.编辑框_返回值.SetNumber(delivery.result);
}

}  // namespace messages
