// What the message sender decides before anything is sent: whether a text
// parameter can be handed over at all and how large its buffer is, and the
// status texts it shows. Plain data, so that the rules are tested without a
// window.
//
// A text parameter lives in a buffer of at least max(text length + 1,
// wParam) characters, so that a receiver told the buffer's size (WM_GETTEXT
// and the like) cannot write past it. A buffer larger than kMaxTextBuffer
// characters is refused instead of being allocated, and so is a text
// parameter with PostMessage: the receiver would read the buffer after the
// sender has freed it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "text/text_basics.h"

namespace messages::core {

// Index of the method box.
enum class SendMethod : int { Send = 0, Post = 1, SendWithTimeout = 2 };

inline constexpr std::size_t kMaxTextBuffer = text::kMaxTextCharacters;
inline constexpr unsigned kSendTimeoutMs = 500;

// The status texts; each replaces the box's content and starts with CR LF so
// that it stands on the second line.
inline constexpr std::string_view kInvalidHandleStatus = "\r\n提示：无效的窗口句柄！";
inline constexpr std::string_view kSentStatus = "\r\n消息发送成功！";
inline constexpr std::string_view kNotSentStatus = "\r\n消息发送失败！";
inline constexpr std::string_view kWaitingStatus = "\r\n消息已发出，正在等待目标窗口处理……";
inline constexpr std::string_view kPostedTextStatus = "\r\n提示：投递消息不能带文本参数，消息未发出！";
inline constexpr std::string_view kBufferTooLargeStatus = "\r\n提示：参数一超过文本缓冲区上限16777216，消息未发出！";
inline constexpr std::string_view kNoMemoryStatus = "\r\n提示：内存不足，消息未发出！";
// Shown at start-up when message.ini could not be made beside the program.
// The most items a category or message list shows: a list box of more is
// of no use to anybody, and filling one takes seconds.
inline constexpr std::size_t kMaxListedItems = 4096;
inline constexpr std::string_view kListCutStatus = "\r\n提示：message.ini 的列表超过 4096 项，只列出了前 4096 项。";
// Shown at start-up when message.ini is beyond any message list's size.
inline constexpr std::string_view kListTooLargeStatus =
    "\r\n提示：message.ini 超过 1 MB，不像消息列表，暂用程序自带的消息列表（文件没有改动）。";
inline constexpr std::string_view kEmptyListStatus =
    "\r\n提示：message.ini 是空文件，没有消息分类，暂用程序自带的消息列表（文件没有改动）。";
inline constexpr std::string_view kNoSectionsListStatus =
    "\r\n提示：message.ini 里没有任何 [分类] 段，不像消息列表，暂用程序自带的消息列表（文件没有改动）。";
inline constexpr std::string_view kFolderListStatus =
    "\r\n提示：message.ini 是一个文件夹，不是消息列表，暂用程序自带的消息列表。";
inline constexpr std::string_view kUnreadableListStatus =
    "\r\n提示：message.ini 无法读取，暂用程序自带的消息列表（文件没有改动）。";
inline constexpr std::string_view kShippedListStatus =
    "\r\n提示：程序目录不能写入，无法建立message.ini，暂用程序自带的消息列表。";

struct TextBufferPlan {
    // Empty when the message may go; else the status that says why not.
    std::string_view refusal;
    std::size_t characters = 0;  // the buffer's size, its terminating NUL included
};

TextBufferPlan PlanTextBuffer(SendMethod method, std::int32_t wParam, std::size_t textLength);

}  // namespace messages::core
