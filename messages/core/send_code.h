// E source that sends a message again the way the message sender sent it:
// a subroutine 发送消息给目标窗口 finds the target again with the lookup's
// subroutine 取目标窗口句柄 (the chain from its top-level window down), then
// sends the same message value with the same parameters by the same method
// (SendMessageA, PostMessageA, or SendMessageTimeoutA with the sender's flags
// and time limit), and returns the message's result (0 when the window is
// not found, or when a time-limited send was not delivered).
//
// A text parameter goes in a byte-set buffer of the same size the sender
// gave the receiver: the text's GBK bytes, then zeros up to max(text + 1,
// 参数一) bytes, so a receiver told the size (WM_GETTEXT) writes into room
// that is there, and what it wrote is printed afterwards. Each line says
// what it does; only the DLL commands the code calls are declared.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "messages/core/lookup_code.h"
#include "messages/core/message_fields.h"
#include "messages/core/send_plan.h"

namespace messages::core {

inline constexpr unsigned kSendTimeoutFlags = 2;  // SMTO_ABORTIFHUNG

// A message as it went out.
struct SentMessage {
    SendMethod method = SendMethod::Send;
    std::int32_t message = 0;
    std::int32_t wParam = 0;
    ParameterType lParamType = ParameterType::Integer;
    std::int32_t lParam = 0;  // an integer, or 1 / 0 for 真 / 假
    std::string text;         // a text parameter, UTF-8
    std::string name;         // its entry in the message list ("常用消息/更改控件内容"), empty when none
};

// Empty when there are no lookup steps, or for a message that could not
// have been sent (a text parameter with PostMessage, a buffer beyond the
// limit).
std::string SendMessageCode(const std::vector<LookupStep>& lookup, const SentMessage& sent);

}  // namespace messages::core
