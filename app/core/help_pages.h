// The program's offline help: HTML pages (UTF-8) that the web items of the
// tray menu and of the "官网" menu open. An index, one page for each page of
// the program (what every control does, step by step, with a picture), the
// Korvel module's commands that the E-code generator hands out (taken from
// the generator's own templates, so the two cannot disagree) and the format
// of the message list file message.ini. The pictures travel in the exe and
// are written beside the pages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app::core {

inline constexpr std::string_view kHelpFolderName = "TavrinHelp";
inline constexpr std::string_view kHelpIndexPage = "index.html";          // the program and its pages
inline constexpr std::string_view kHelpAnalysisPage = "analysis.html";    // 窗口分析
inline constexpr std::string_view kHelpMessagesPage = "messages.html";    // 消息|代码
inline constexpr std::string_view kHelpColourPage = "colour.html";        // 取点取色 and the region capture
inline constexpr std::string_view kHelpModulePage = "korvel-module.html";  // the module's commands
inline constexpr std::string_view kHelpMessageFilePage = "message-ini.html";

// The pictures the pages show: a file name and the name of the exe's
// resource that holds its bytes.
struct HelpPicture {
    std::string_view fileName;
    std::string_view resourceName;
};
inline constexpr HelpPicture kHelpPictures[] = {
    {"page-analysis.png", "HELP_PAGE_ANALYSIS"},
    {"page-messages.png", "HELP_PAGE_MESSAGES"},
    {"page-colour.png", "HELP_PAGE_COLOUR"},
    {"capture-snap.png", "HELP_CAPTURE_SNAP"},
    {"activity.png", "HELP_ACTIVITY"},
};

struct HelpPage {
    std::string_view fileName;
    std::string html;
};

// What the user is told when the help cannot be written anywhere, or
// written but not opened (no program takes .html files: the path follows).
inline constexpr std::string_view kHelpNotWrittenNotice =
    "帮助页面无法写入：程序所在的文件夹和用户的程序数据文件夹都不能写入。";
inline constexpr std::string_view kHelpNotOpenedNotice =
    "没有程序能打开网页文件（.html），帮助页面没有打开。可以用浏览器打开这个文件：\r\n";

// Every page, the index first.
std::vector<HelpPage> HelpPages();

// The module commands the generator lists, in template order, each once:
// the names of its "name ()" lines.
std::vector<std::string> ModuleCommandNames();

// What the module page says a command is for; empty for a command it does
// not describe.
std::string_view ModuleCommandUse(std::string_view command);

// Text made safe for HTML: & < > " written as entities.
std::string HtmlEscaped(std::string_view text);

}  // namespace app::core
