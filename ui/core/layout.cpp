#include "ui/core/layout.h"

namespace ui::core {

const ControlLayout* FindControl(const std::vector<ControlLayout>& table, std::string_view name) {
    for (const ControlLayout& c : table) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

std::vector<std::string_view> SplitItems(std::string_view items) {
    std::vector<std::string_view> result;
    if (items.empty()) return result;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = items.find('\n', start);
        result.push_back(items.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
        if (end == std::string_view::npos) break;
        start = end + 1;
    }
    return result;
}

}  // namespace ui::core
