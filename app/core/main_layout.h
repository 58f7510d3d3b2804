// The main window as data: its title and size, the tab control and its three
// pages. Start-up dresses the controls by the flags of their rows (hand or
// finder cursor, page colour).
#pragma once

#include <string_view>
#include <vector>

#include "base/canvas.h"
#include "ui/core/layout.h"

namespace app::core {

inline constexpr std::string_view kMainWindowTitle = "Tavrin编程助手1.1";
inline constexpr int kMainWindowWidth = 565;  // outer size at 96 DPI
inline constexpr int kMainWindowHeight = 436;
// The client area that outer size gives with classic frame metrics (3-pixel
// frame, 19-pixel caption and menu bar): the room the pages need.
inline constexpr int kMainClientWidth = 559;
inline constexpr int kMainClientHeight = 392;

inline constexpr std::string_view kTabControlName = "选择夹1";
inline constexpr int kTabWidth = 560;
inline constexpr int kTabHeight = 392;

inline constexpr std::string_view kWebMenuCaption = "官网";
inline constexpr std::string_view kForumItemCaption = "官方论坛";

enum MainPage { kAnalysisPage = 0, kMessagesPage = 1, kColourPage = 2 };

struct PageLayout {
    std::string_view caption;
    const std::vector<ui::core::ControlLayout>& controls;
};

// The pages in tab order: "窗口分析", "消息|代码", "取点取色".
const std::vector<PageLayout>& MainWindowPages();

// Background of labels, check boxes, super buttons and the palette boards.
inline constexpr base::Colour kPageColour = base::Rgb(242, 236, 243);

}  // namespace app::core
