// The drop-down menus of the field buttons on the "窗口分析" page: which
// button opens which menu, with which items in which order.
#pragma once

#include <string_view>
#include <vector>

namespace core {

struct FieldMenu {
    std::string_view button;
    std::string_view menu;
    std::vector<std::string_view> items;
};

const std::vector<FieldMenu>& FieldMenus();

// The item captions of the two pause items: the caption is the pause state.
inline constexpr std::string_view kPauseCaption = "暂停";   // running: the item pauses
inline constexpr std::string_view kResumeCaption = "恢复";  // paused by this program: the item resumes

}  // namespace core
