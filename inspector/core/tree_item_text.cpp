#include "inspector/core/tree_item_text.h"

namespace core {

std::string TreeItemText(std::int32_t handle, std::string_view className, std::string_view title) {
    std::string text = std::to_string(handle);
    text += '|';
    text += className;
    text += '|';
    text += title;
    return text;
}

std::string RootItemText(std::string_view moduleName, std::int32_t handle, std::string_view className,
                         std::string_view title) {
    std::string text = "[";
    text += moduleName;
    text += ']';
    return text + TreeItemText(handle, className, title);
}

}  // namespace core
