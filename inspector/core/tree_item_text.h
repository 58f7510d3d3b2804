// Texts of the window tree's items: "handle|class|title", and for the root
// (a top-level window) the program's module name in brackets before it,
// e.g. "[app.exe]461|Main|Demo". An item is one line: a title's line breaks
// and other control characters show as blanks.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace inspector::core {

std::string TreeItemText(std::int32_t handle, std::string_view className, std::string_view title);
std::string RootItemText(std::string_view moduleName, std::int32_t handle, std::string_view className,
                         std::string_view title);

}  // namespace inspector::core
