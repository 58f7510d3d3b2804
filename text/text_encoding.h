// Conversions between the three text forms of the program:
// UTF-8 (std::string, inside the program), UTF-16 (at every Windows call)
// and GBK, code page 936 (bytes exchanged with the E-language world:
// message.ini, generated code).
//
// None of them throws. A byte sequence that is not valid in the source form
// becomes U+FFFD; a character that GBK cannot hold becomes '?'.
#pragma once

#include <string>
#include <string_view>

namespace text {

std::u16string Utf8ToUtf16(std::string_view utf8);
std::string Utf16ToUtf8(std::u16string_view utf16);

std::u16string GbkToUtf16(std::string_view gbk);
std::string Utf16ToGbk(std::u16string_view utf16);

std::string GbkToUtf8(std::string_view gbk);
std::string Utf8ToGbk(std::string_view utf8);

}  // namespace text
