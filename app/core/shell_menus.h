// The tray menu and the "官网" menu's item as data: captions in order and
// what each item does, and where each web item leads.
//
// Web items lead either to a page of the program's own offline help (HTML
// files it writes for itself, see help_pages.h) or to the E language's
// official web site. No address here is invented: the help is ours, the
// site is the language maker's.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace app::core {

enum class ShellAction {
    None,            // separator
    ShowMainWindow,  // "主界面"
    OpenLink,        // a web item: see the row's link
    Exit,            // "退出"
};

enum class WebLink {
    KorvelForum,      // "Korvel模块论坛"
    KorvelKnowledge,  // "Korvel模块知识库"
    ELanguageForum,   // "易语言编程论坛"
    ELanguageKnowledge,
    ELanguageVideos,
    OfficialForum,  // the "官网" menu's "官方论坛"
};

struct TrayMenuRow {
    std::string_view caption;  // empty for a separator
    ShellAction action;
    WebLink link;  // meaningful for OpenLink only
};

inline constexpr std::size_t kTrayMenuRowCount = 9;
const std::array<TrayMenuRow, kTrayMenuRowCount>& TrayMenuRows();

inline constexpr std::string_view kTrayMenuName = "托盘菜单";

// Where a web item leads: a help page's file name, or a web address.
struct LinkTarget {
    bool helpPage = false;
    std::string_view address;
};
LinkTarget TargetOf(WebLink link);

inline constexpr std::string_view kELanguageSite = "http://www.dywt.com.cn/";

}  // namespace app::core
