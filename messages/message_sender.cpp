#include "messages/message_sender.h"

#include <algorithm>
#include <vector>

#include "messages/core/message_fields.h"
#include "ui/buttons.h"
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

MessageSender::MessageSender(ui::Form& form)
    : method_(form.Get<ui::ComboBox>("组合框_消息方式")),
      category_(form.Get<ui::ComboBox>("组合框_消息分类1")),
      message_(form.Get<ui::ComboBox>("组合框_消息分类2")),
      handle_(form.Get<ui::EditBox>("编辑框_窗口句柄2")),
      messageValue_(form.Get<ui::EditBox>("编辑框_消息值")),
      paramOne_(form.Get<ui::EditBox>("编辑框_参数一")),
      paramTwo_(form.Get<ui::EditBox>("编辑框_参数二")),
      logical_(form.Get<ui::ComboBox>("组合框_编辑框_参数二")),
      paramType_(form.Get<ui::ComboBox>("组合框_参数二")),
      status_(form.Get<ui::EditBox>("编辑框_返回消息")),
      result_(form.Get<ui::EditBox>("编辑框_返回值")) {
    category_.ItemSelected = [this] { CategoryChanged(); };
    message_.ItemSelected = [this] { MessageChanged(); };
    paramType_.ItemSelected = [this] { TypeChanged(); };
    form.Get<ui::Button>("按钮_发出消息").Clicked = [this] { Send(); };
}

void MessageSender::LoadMessageList(const std::string& path) {
    file_.Open(path);
    category_.Clear();
    for (const std::string& name : file_.Read().SectionNames()) category_.AddItem(name);
    category_.SetSelectedIndex(0);
    CategoryChanged();
}

void MessageSender::CategoryChanged() {
    message_.Clear();
    for (const std::string& key : file_.Read().KeyNames(category_.Text())) message_.AddItem(key);
    message_.SetSelectedIndex(0);
    MessageChanged();
}

void MessageSender::MessageChanged() {
    const core::MessageFields fields =
        core::ParseMessageFields(file_.Read().ReadValue(category_.Text(), message_.Text(), ""));
    messageValue_.SetContent(fields.message);
    paramOne_.SetContent(fields.wParam);
    if (fields.lParamText) paramTwo_.SetContent(*fields.lParamText);
    paramType_.SetSelectedIndex(static_cast<int>(fields.lParamType));
    logical_.SetSelectedIndex(fields.logical);
    TypeChanged();
}

void MessageSender::TypeChanged() {
    const int type = paramType_.SelectedIndex();
    if (type == static_cast<int>(core::ParameterType::Integer)) {
        paramTwo_.CharInput = IntegerCharacter;
    } else {
        paramTwo_.CharInput = nullptr;
    }
    const bool logical = type == static_cast<int>(core::ParameterType::Logical);
    paramTwo_.SetVisible(!logical);
    logical_.SetVisible(logical);
}

void MessageSender::ShowStatus(const std::string& text, core::Colour colour) {
    status_.SetTextColour(colour);
    status_.SetContent(text);
}

void MessageSender::Send() {
    const HWND hwnd = util::ToHwnd(core::TextToInt32(handle_.Content()));
    if (!IsWindow(hwnd)) {
        ShowStatus(kInvalidHandle, kStatusColour);
        return;
    }
    const auto message = static_cast<UINT>(core::TextToInt32(messageValue_.Content()));
    const std::int32_t wParam = core::TextToInt32(paramOne_.Content());
    const int method = method_.SelectedIndex();

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

    if (paramType_.SelectedIndex() == static_cast<int>(core::ParameterType::Text)) {
        // A private copy of the text, at least as long as wParam says, so a
        // receiver told the buffer's size cannot write past it.
        const std::wstring text = util::Wide(paramTwo_.Content());
        const std::size_t size = std::max<std::size_t>(text.size() + 1, wParam > 0 ? static_cast<std::size_t>(wParam) : 0);
        std::vector<wchar_t> buffer(size + 1, L'\0');
        std::copy(text.begin(), text.end(), buffer.begin());
        if (!send(reinterpret_cast<LPARAM>(buffer.data()))) {
            ShowStatus(kNotSent, kStatusColour);
            return;
        }
        const std::wstring after(buffer.data());
        if (after == util::Wide(paramTwo_.Content())) {
            ShowStatus(kSent, kStatusColour);
        } else {
            ShowStatus(TrimAsciiBlanks(util::Utf8(after)), 0x000000);  // what the receiver wrote
        }
    } else {
        const LPARAM lParam = paramType_.SelectedIndex() == static_cast<int>(core::ParameterType::Logical)
                                  ? logical_.SelectedIndex()
                                  : static_cast<LPARAM>(core::TextToInt32(paramTwo_.Content()));
        if (!send(lParam)) {
            ShowStatus(kNotSent, kStatusColour);
            return;
        }
        ShowStatus(kSent, kStatusColour);
    }
    result_.SetContent(std::to_string(static_cast<long long>(result)));
}

}  // namespace messages
