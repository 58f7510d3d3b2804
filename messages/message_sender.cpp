#include "messages/message_sender.h"

#include <algorithm>
#include <vector>

#include "messages/core/message_fields.h"
#include "util/core/number_text.h"
#include "util/wide_text.h"
#include "util/window_query.h"

namespace messages {
namespace {

enum Method { kSendMessage = 0, kPostMessage = 1, kSendMessageTimeout = 2 };
constexpr core::Colour kStatusColour = 0xFF00FF;  // magenta
constexpr const char* kInvalidHandle = "\r\n提示：无效的窗口句柄！";
constexpr const char* kSent = "\r\n消息发送成功！";
constexpr const char* kNotSent = "\r\n消息发送失败！";
constexpr UINT kTimeoutMs = 500;

// Characters an integer may be typed with; control characters (backspace,
// copy, paste ...) pass too.
bool IntegerCharacter(wchar_t c) { return c < 32 || (c >= L'0' && c <= L'9') || c == L'-' || c == L'+'; }

std::string TrimAsciiBlanks(std::string text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

}  // namespace

MessageSender::MessageSender(MessagesControls& controls) : c_(controls) {
    c_.组合框_消息分类1.ItemSelected = [this] { CategoryChanged(); };
    c_.组合框_消息分类2.ItemSelected = [this] { MessageChanged(); };
    c_.组合框_参数二.ItemSelected = [this] { TypeChanged(); };
    c_.按钮_发出消息.Clicked = [this] { Send(); };
}

void MessageSender::LoadMessageList(const std::string& path) {
    file_.Open(path);
    c_.组合框_消息分类1.Clear();
    for (const std::string& name : file_.Read().SectionNames()) c_.组合框_消息分类1.AddItem(name);
    c_.组合框_消息分类1.SetSelectedIndex(0);
    CategoryChanged();
}

void MessageSender::CategoryChanged() {
    c_.组合框_消息分类2.Clear();
    for (const std::string& key : file_.Read().KeyNames(c_.组合框_消息分类1.Text())) c_.组合框_消息分类2.AddItem(key);
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

void MessageSender::ShowStatus(const std::string& text, core::Colour colour) {
    c_.编辑框_返回消息.SetTextColour(colour);
    c_.编辑框_返回消息.SetContent(text);
}

void MessageSender::Send() {
    const HWND hwnd = util::ToHwnd(core::TextToInt32(c_.编辑框_窗口句柄2.Content()));
    if (!IsWindow(hwnd)) {
        ShowStatus(kInvalidHandle, kStatusColour);
        return;
    }
    const auto message = static_cast<UINT>(core::TextToInt32(c_.编辑框_消息值.Content()));
    const std::int32_t wParam = core::TextToInt32(c_.编辑框_参数一.Content());
    const int method = c_.组合框_消息方式.SelectedIndex();

    // Sends lParam by the chosen method; false when the message did not go.
    LRESULT result = 0;
    auto send = [&](LPARAM lParam) {
        const auto w = static_cast<WPARAM>(static_cast<INT_PTR>(wParam));
        switch (method) {
            case kPostMessage:
                result = PostMessageW(hwnd, message, w, lParam);
                return result != 0;
            case kSendMessageTimeout: {
                DWORD_PTR answer = 0;
                const bool sent = SendMessageTimeoutW(hwnd, message, w, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &answer) != 0;
                result = static_cast<LRESULT>(answer);
                return sent;
            }
            default:
                result = SendMessageW(hwnd, message, w, lParam);
                return true;
        }
    };

    if (c_.组合框_参数二.SelectedIndex() == static_cast<int>(core::ParameterType::Text)) {
        // A private copy of the text, at least as long as wParam says, so a
        // receiver told the buffer's size cannot write past it.
        const std::wstring text = util::Wide(c_.编辑框_参数二.Content());
        const std::size_t size = std::max<std::size_t>(text.size() + 1, wParam > 0 ? static_cast<std::size_t>(wParam) : 0);
        std::vector<wchar_t> buffer(size + 1, L'\0');
        std::copy(text.begin(), text.end(), buffer.begin());
        if (!send(reinterpret_cast<LPARAM>(buffer.data()))) {
            ShowStatus(kNotSent, kStatusColour);
            return;
        }
        const std::wstring after(buffer.data());
        if (after == util::Wide(c_.编辑框_参数二.Content())) {
            ShowStatus(kSent, kStatusColour);
        } else {
            ShowStatus(TrimAsciiBlanks(util::Utf8(after)), 0x000000);  // what the receiver wrote
        }
    } else {
        const LPARAM lParam = c_.组合框_参数二.SelectedIndex() == static_cast<int>(core::ParameterType::Logical)
                                  ? c_.组合框_编辑框_参数二.SelectedIndex()
                                  : static_cast<LPARAM>(core::TextToInt32(c_.编辑框_参数二.Content()));
        if (!send(lParam)) {
            ShowStatus(kNotSent, kStatusColour);
            return;
        }
        ShowStatus(kSent, kStatusColour);
    }
    c_.编辑框_返回值.SetContent(std::to_string(static_cast<long long>(result)));
}

}  // namespace messages
