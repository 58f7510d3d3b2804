#include "text/text_basics.h"

namespace text {
namespace {

char AsciiLower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithBlank(std::string_view text, std::size_t& size) {
    if (!text.empty() && text.front() == ' ') {
        size = 1;
    } else if (text.substr(0, kFullWidthBlank.size()) == kFullWidthBlank) {
        size = kFullWidthBlank.size();
    } else {
        return false;
    }
    return true;
}

bool EndsWithBlank(std::string_view text, std::size_t& size) {
    if (!text.empty() && text.back() == ' ') {
        size = 1;
    } else if (text.size() >= kFullWidthBlank.size() &&
               text.substr(text.size() - kFullWidthBlank.size()) == kFullWidthBlank) {
        size = kFullWidthBlank.size();
    } else {
        return false;
    }
    return true;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
    std::size_t size = 0;
    while (StartsWithBlank(text, size)) text.remove_prefix(size);
    while (EndsWithBlank(text, size)) text.remove_suffix(size);
    return text;
}

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
    }
    return true;
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

bool EndsWithIgnoringCase(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && EqualsIgnoringAsciiCase(text.substr(text.size() - suffix.size()), suffix);
}

}  // namespace text
