#include "inspector/core/tree_item_text.h"

namespace inspector::core {

namespace {

// A tree item is one line: a line break (CR LF, CR or LF) or any other
// control character of a title shows as a blank, not as a box.
void AppendOneLine(std::string& text, std::string_view title) {
    for (std::size_t i = 0; i < title.size(); ++i) {
        const auto c = static_cast<unsigned char>(title[i]);
        if (c == '\r' && i + 1 < title.size() && title[i + 1] == '\n') ++i;
        text += c < 0x20 || c == 0x7F ? ' ' : title[i];
    }
}

}  // namespace

std::string TreeItemText(std::int32_t handle, std::string_view className, std::string_view title) {
    std::string text = std::to_string(handle);
    text += '|';
    text += className;
    text += '|';
    AppendOneLine(text, title);
    return text;
}

std::string RootItemText(std::string_view moduleName, std::int32_t handle, std::string_view className,
                         std::string_view title) {
    std::string text = "[";
    text += moduleName;
    text += ']';
    return text + TreeItemText(handle, className, title);
}

}  // namespace inspector::core
