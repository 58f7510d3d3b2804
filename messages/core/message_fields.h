// The three fields of a message list value, "message|wParam|lParam", as the
// message sender fills its boxes from them when a message is picked.
//
// The value is split at every "|"; fields past the third are dropped and
// missing ones are empty. Each field loses its leading and trailing blanks
// (the ASCII blank and the full-width blank U+3000, GBK A1 A1). The first two
// become canonical number text ("0x0C" reads as 0). The third decides the
// type of the second parameter:
//   真            logical, true
//   假            logical, false
//   "text"        text: what lies between the first and the last character
//                 (a lone " gives the empty text)
//   anything else integer, as canonical number text
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "text/text_basics.h"

namespace messages::core {

// Index of the parameter-two type box: 整数型, 文本型, 逻辑型.
enum class ParameterType : int { Integer = 0, Text = 1, Logical = 2 };

struct MessageFields {
    std::string message;  // canonical number text
    std::string wParam;   // canonical number text
    ParameterType lParamType = ParameterType::Integer;
    // The text for the parameter-two box: canonical number text for an
    // integer, the text itself for a text. None for a logical parameter:
    // the box is hidden then and keeps what it holds.
    std::optional<std::string> lParamText;
    int logical = 0;  // index of the 假/真 box: 1 only for 真
};

// Splits at every "|" and keeps the first three fields.
std::array<std::string_view, 3> SplitValueFields(std::string_view value);

MessageFields ParseMessageFields(std::string_view value);

}  // namespace messages::core
