// Small text helpers every layer shares: blanks at the ends of a text, and
// comparisons that ignore the case of ASCII letters. Texts are UTF-8.
#pragma once

#include <cstddef>
#include <string_view>

namespace text {

// The most characters the program ever reads from or hands to another
// program's window as one text (16 M): a length a window announces beyond
// it is not believed, and a buffer beyond it is not made.
inline constexpr std::size_t kMaxTextCharacters = 16u * 1024u * 1024u;

// The full-width blank U+3000 (GBK A1 A1) in UTF-8.
inline constexpr std::string_view kFullWidthBlank = "\xE3\x80\x80";

// Removes ASCII blanks and full-width blanks from both ends; tabs and line
// breaks stay.
std::string_view TrimBlanks(std::string_view text);

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);
bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix);

}  // namespace text
