// UTF-8 <-> UTF-16 at the Windows boundary: the program keeps UTF-8 text and
// calls the W functions of Windows with UTF-16.
#pragma once

#include <string>
#include <string_view>

#include "text/text_encoding.h"

namespace win {

inline std::wstring Wide(std::string_view utf8) {
    const std::u16string u = text::Utf8ToUtf16(utf8);
    return std::wstring(u.begin(), u.end());
}

inline std::string Utf8(std::wstring_view wide) {
    return text::Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace win
