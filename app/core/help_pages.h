// The program's offline help: a few HTML pages (UTF-8) that the web items of
// the tray menu and of the "官网" menu open. They say what each page of the
// program does, list the Korvel module's commands that the E-code generator
// hands out (taken from the generator's own templates, so the two cannot
// disagree), and describe the message list file message.ini.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace core {

inline constexpr std::string_view kHelpFolderName = "TavrinHelp";
inline constexpr std::string_view kHelpIndexPage = "index.html";          // the program and its pages
inline constexpr std::string_view kHelpModulePage = "korvel-module.html";  // the module's commands
inline constexpr std::string_view kHelpMessageFilePage = "message-ini.html";

struct HelpPage {
    std::string_view fileName;
    std::string html;
};

// Every page, the index first.
std::vector<HelpPage> HelpPages();

// The module commands the generator lists, in template order, each once:
// the names of its "name ()" lines.
std::vector<std::string> ModuleCommandNames();

// Text made safe for HTML: & < > " written as entities.
std::string HtmlEscaped(std::string_view text);

}  // namespace core
