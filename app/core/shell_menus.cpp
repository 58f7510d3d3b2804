#include "app/core/shell_menus.h"

#include "app/core/help_pages.h"

namespace app::core {

const std::array<TrayMenuRow, kTrayMenuRowCount>& TrayMenuRows() {
    static constexpr std::array<TrayMenuRow, kTrayMenuRowCount> rows = {{
        {"主界面", ShellAction::ShowMainWindow, {}},
        {"", ShellAction::None, {}},
        {"Korvel模块论坛", ShellAction::OpenLink, WebLink::KorvelForum},
        {"Korvel模块知识库", ShellAction::OpenLink, WebLink::KorvelKnowledge},
        {"易语言编程论坛", ShellAction::OpenLink, WebLink::ELanguageForum},
        {"易语言知识库", ShellAction::OpenLink, WebLink::ELanguageKnowledge},
        {"易语言视频教学", ShellAction::OpenLink, WebLink::ELanguageVideos},
        {"", ShellAction::None, {}},
        {"退出", ShellAction::Exit, {}},
    }};
    return rows;
}

LinkTarget TargetOf(WebLink link) {
    switch (link) {
        case WebLink::KorvelForum: return {true, kHelpModulePage};
        case WebLink::KorvelKnowledge: return {true, kHelpMessageFilePage};
        case WebLink::OfficialForum: return {true, kHelpIndexPage};
        case WebLink::ELanguageForum:
        case WebLink::ELanguageKnowledge:
        case WebLink::ELanguageVideos: return {false, kELanguageSite};
    }
    return {};
}

}  // namespace app::core
