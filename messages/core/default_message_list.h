// The message list the program ships: message.ini as it is written beside
// the program on the first start (when the file is missing).
//
// Categories hold the messages a Windows programmer sends most often. Every
// value is "message|wParam|lParam" in decimal (the number rule reads "0x" as
// 0); where lParam is logical it is 真 or 假, where it is a text it is a
// quoted text. Key coordinates are packed as the system packs them:
// x + 65536 * y.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace messages::core {

struct DefaultMessage {
    std::string_view category;  // section name
    std::string_view key;       // message name
    std::string_view value;     // "message|wParam|lParam"
};

// The category and message the page shows before the list is loaded.
inline constexpr std::string_view kDefaultCategory = "常用消息";
inline constexpr std::string_view kDefaultMessage = "更改控件内容";

// All entries in file order, grouped by category, "常用消息" first.
const std::vector<DefaultMessage>& DefaultMessages();

// The whole file as UTF-8 and as the GBK bytes written to disk: the marker
// line, a blank line, then each category's header and its keys, a blank line
// between categories; every line ends with CR LF.
std::string DefaultMessageListText();
std::string DefaultMessageListBytes();

}  // namespace messages::core
