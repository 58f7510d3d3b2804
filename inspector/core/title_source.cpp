#include "inspector/core/title_source.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace inspector::core {

bool KeepsItsOwnText(std::string_view className) {
    std::string lower(className);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    // Parts of class names, in lower case.
    static constexpr std::string_view kTextKeepers[] = {"edit", "combo", "textbox", "memo", "scintilla",
                                                        "ipaddress", "datetime"};
    return std::any_of(std::begin(kTextKeepers), std::end(kTextKeepers),
                       [&](std::string_view part) { return lower.find(part) != std::string::npos; });
}

}  // namespace inspector::core
