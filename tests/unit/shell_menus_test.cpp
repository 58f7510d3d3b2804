// The tray menu's rows and where the web items lead; the offline help pages
// they open.
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>

#include "app/core/help_pages.h"
#include "app/core/shell_menus.h"

namespace {

using app::core::ShellAction;
using app::core::WebLink;

TEST(TrayMenu, ItemsInOrderWithTheirActions) {
    const char* captions[] = {"主界面", "", "Korvel模块论坛", "Korvel模块知识库", "易语言编程论坛",
                              "易语言知识库", "易语言视频教学", "", "退出"};
    const auto& rows = app::core::TrayMenuRows();
    ASSERT_EQ(rows.size(), std::size(captions));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(rows[i].caption, captions[i]);
        EXPECT_EQ(rows[i].action == ShellAction::None, rows[i].caption.empty());
    }
    EXPECT_EQ(rows.front().action, ShellAction::ShowMainWindow);
    EXPECT_EQ(rows.back().action, ShellAction::Exit);
}

TEST(TrayMenu, KorvelItemsAndTheForumOpenHelpPagesAndTheLanguageItemsItsSite) {
    std::set<std::string> helpPages;
    for (const app::core::HelpPage& page : app::core::HelpPages()) helpPages.insert(std::string(page.fileName));
    for (WebLink link : {WebLink::KorvelForum, WebLink::KorvelKnowledge, WebLink::OfficialForum}) {
        const app::core::LinkTarget target = app::core::TargetOf(link);
        EXPECT_TRUE(target.helpPage);
        EXPECT_EQ(helpPages.count(std::string(target.address)), 1u) << target.address;
    }
    for (WebLink link : {WebLink::ELanguageForum, WebLink::ELanguageKnowledge, WebLink::ELanguageVideos}) {
        const app::core::LinkTarget target = app::core::TargetOf(link);
        EXPECT_FALSE(target.helpPage);
        EXPECT_EQ(target.address, "http://www.dywt.com.cn/");
    }
    // The two Korvel items lead to different pages.
    EXPECT_NE(app::core::TargetOf(WebLink::KorvelForum).address, app::core::TargetOf(WebLink::KorvelKnowledge).address);
}

TEST(HelpPages, ModulePageListsEveryGeneratedCommandOnce) {
    const std::vector<std::string> names = app::core::ModuleCommandNames();
    // First and last command of the generator's lists, and one from the middle.
    ASSERT_FALSE(names.empty());
    EXPECT_EQ(names.front(), "通过类名取句柄");
    EXPECT_EQ(names.back(), "爆力枚举窗口");
    EXPECT_EQ(std::set<std::string>(names.begin(), names.end()).size(), names.size());
    std::string module;
    for (const app::core::HelpPage& page : app::core::HelpPages()) {
        if (page.fileName == app::core::kHelpModulePage) module = page.html;
    }
    for (const std::string& name : names) EXPECT_NE(module.find("<code>" + name + " ()</code>"), std::string::npos) << name;
    EXPECT_EQ(module.find(".DLL命令"), std::string::npos);  // declarations are no module commands
}

TEST(HelpPages, EveryPageIsUtf8HtmlLinkingToTheOthers) {
    const auto pages = app::core::HelpPages();
    ASSERT_EQ(pages.size(), 6u);
    EXPECT_EQ(pages.front().fileName, app::core::kHelpIndexPage);
    for (const app::core::HelpPage& page : pages) {
        SCOPED_TRACE(std::string(page.fileName));
        EXPECT_EQ(page.html.rfind("<!DOCTYPE html>", 0), 0u);
        EXPECT_NE(page.html.find("<meta charset=\"utf-8\">"), std::string::npos);
        for (const app::core::HelpPage& other : pages) {
            EXPECT_NE(page.html.find("href=\"" + std::string(other.fileName) + "\""), std::string::npos);
        }
    }
    EXPECT_NE(pages[0].html.find("窗口分析"), std::string::npos);
    EXPECT_NE(pages[0].html.find("取点取色"), std::string::npos);
    EXPECT_NE(pages.back().html.find("Korvel:"), std::string::npos);  // the marker line
}

// The pages teach what the program does beyond the first look: the
// region capture, the style window and the code box's menu are there, and
// every picture a page shows is one the program carries, each shown.
TEST(HelpPages, ThePagesCoverTheProgramAndShowThePicturesItCarries) {
    std::string all;
    for (const app::core::HelpPage& page : app::core::HelpPages()) all += page.html;
    for (const char* topic : {"窗口样式…", "生成查找当前窗口的代码", "生成发送此消息的易代码", "截图", "更多格式",
                              "Tab", "超级模式", "查看窗口信息", "录制操作…", "回放操作", "生成等待颜色的易代码",
                              "窗口动态…"}) {
        EXPECT_NE(all.find(topic), std::string::npos) << topic;
    }
    std::set<std::string> shown;
    for (std::size_t at = all.find("<img src=\""); at != std::string::npos; at = all.find("<img src=\"", at + 1)) {
        const std::size_t start = at + 10;
        shown.insert(all.substr(start, all.find('"', start) - start));
    }
    std::set<std::string> carried;
    for (const app::core::HelpPicture& picture : app::core::kHelpPictures) carried.insert(std::string(picture.fileName));
    EXPECT_EQ(shown, carried);
    for (const std::string& name : app::core::ModuleCommandNames()) EXPECT_FALSE(app::core::ModuleCommandUse(name).empty()) << name;
}

TEST(HelpPages, TextIsEscaped) {
    EXPECT_EQ(app::core::HtmlEscaped("a<b>&\"c\""), "a&lt;b&gt;&amp;&quot;c&quot;");
    // The example's quoted text parameter arrives escaped, not as markup.
    const auto pages = app::core::HelpPages();
    EXPECT_NE(pages.back().html.find("&quot;"), std::string::npos);
}

}  // namespace
