#include "win/core/window_text.h"

#include <algorithm>
#include <cctype>
#include <initializer_list>
#include <string>

namespace win::core {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

bool HasAnyPart(std::string_view className, std::initializer_list<std::string_view> parts) {
    const std::string lower = Lower(className);
    return std::any_of(parts.begin(), parts.end(), [&](std::string_view part) { return lower.find(part) != std::string::npos; });
}

}  // namespace


// Parts of class names, in lower case.
bool KeepsItsOwnText(std::string_view className) {
    return HasAnyPart(className, {"edit", "combo", "textbox", "memo", "scintilla", "ipaddress", "datetime"});
}

bool TakesTypedText(std::string_view className) {
    return HasAnyPart(className, {"edit", "textbox", "memo", "scintilla"}) && !HasAnyPart(className, {"combo"});
}

}  // namespace win::core
