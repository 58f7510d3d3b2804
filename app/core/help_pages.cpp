#include "app/core/help_pages.h"

#include <algorithm>

#include "app/core/main_layout.h"
#include "messages/core/config_text.h"
#include "messages/core/default_message_list.h"
#include "messages/core/e_code_templates.h"

namespace core {
namespace {

constexpr std::string_view kCallSuffix = " ()";

std::string Page(std::string_view title, const std::string& body) {
    std::string html =
        "<!DOCTYPE html>\r\n<html lang=\"zh-CN\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>";
    html += HtmlEscaped(title);
    html +=
        "</title>\r\n<style>body{font-family:sans-serif;max-width:46em;margin:2em auto;line-height:1.6;color:#222}"
        "code,pre{background:#f3f0f4;padding:0 .2em}pre{padding:.6em}nav a{margin-right:1.2em}</style>\r\n"
        "</head>\r\n<body>\r\n<nav><a href=\"";
    html += kHelpIndexPage;
    html += "\">程序与页面</a><a href=\"";
    html += kHelpModulePage;
    html += "\">Korvel模块命令</a><a href=\"";
    html += kHelpMessageFilePage;
    html += "\">message.ini</a></nav>\r\n<h1>";
    html += HtmlEscaped(title);
    html += "</h1>\r\n";
    html += body;
    html += "</body>\r\n</html>\r\n";
    return html;
}

std::string Section(std::string_view heading, std::string_view text) {
    return "<h2>" + HtmlEscaped(heading) + "</h2>\r\n<p>" + HtmlEscaped(text) + "</p>\r\n";
}

std::string IndexPage() {
    std::string body = "<p>" + HtmlEscaped(kMainWindowTitle) +
                       " 是给用易语言编写 Windows 程序的人用的窗口工具：从外部查看和操作其它程序的窗口，"
                       "发送窗口消息，生成易语言代码，取色和截图。</p>\r\n";
    const auto& pages = MainWindowPages();
    body += Section(pages[kAnalysisPage].caption,
                    "按住左上角的捕获器拖到任意窗口上松开，该窗口即成为目标：面板显示它的句柄、父句柄、顶级句柄、"
                    "进程ID、线程ID、控件ID、标题、类名、内容、程序路径、鼠标位置、位置和大小。每个字段左边的按钮"
                    "有复制、粘贴、修改、标记、暂停与恢复、结束、移动鼠标和点击等操作。下方的选择框可让目标置顶、隐藏、"
                    "禁止或透明；右边的树显示目标所在顶级窗口下的全部窗口，可按标题、类名或句柄搜索。");
    body += Section(pages[kMessagesPage].caption,
                    "从分类列表里选一条消息，用 SendMessage、PostMessage 或 SendMessageTimeout 发给目标窗口并显示"
                    "返回值；消息列表来自程序旁边的 message.ini。上方可选六种代码样式，生成用于重新找到窗口的易语言"
                    "代码（API 声明或 Korvel模块命令）并复制到剪辑板。");
    body += Section(pages[kColourPage].caption,
                    "用第二个捕获器取鼠标下的颜色，放大镜显示周围像素；颜色以 R/G/B 以及 Delphi、C、VB、HTML 和"
                    "十六进制写法给出，旁边有色阶和 32 色调色板。");
    body += Section("托盘",
                    "程序运行时在通知区域有一个图标：双击它把主窗口显示在屏幕中央，右键打开托盘菜单"
                    "（主界面、帮助页面、易语言官方网站、退出）。");
    return Page("程序与页面", body);
}

std::string ModulePage() {
    std::string body =
        "<p>“消息|代码”页的代码样式中，每组的第二种列出 Korvel模块 的命令，在易语言程序里引用该模块后即可调用。"
        "下面是代码生成器给出的全部命令：</p>\r\n<ul>\r\n";
    for (const std::string& name : ModuleCommandNames()) body += "<li><code>" + HtmlEscaped(name) + " ()</code></li>\r\n";
    body += "</ul>\r\n";
    return Page("Korvel模块命令", body);
}

std::string MessageFilePage() {
    std::string body =
        "<p>message.ini 放在程序旁边，第一次启动时缺少则写入程序自带的消息列表。文件以 GBK 编码读入"
        "（以 UTF-8 字节顺序标记开头的文件按 UTF-8 读入）。</p>\r\n<ul>\r\n"
        "<li>第一行是标记行 <code>" +
        HtmlEscaped(kMarkerLine) +
        "</code>；缺少时程序把它插入到最前面，文件其余内容逐字节保留。</li>\r\n"
        "<li><code>[分类]</code> 开始一个消息分类，直到下一个分类行为止。</li>\r\n"
        "<li>分类中的 <code>名称=消息|wParam|lParam</code> 定义一条消息，三个数都是十进制；文本参数写在双引号中，"
        "逻辑参数写 真 或 假。</li>\r\n"
        "<li>以 <code>;</code> 开头的行是注释；值中的 <code>〓</code> 表示换行。</li>\r\n</ul>\r\n"
        "<p>例如：</p>\r\n<pre>";
    std::string example = "[" + std::string(kDefaultCategory) + "]\r\n";
    const auto& messages = DefaultMessages();
    for (std::size_t i = 0; i < messages.size() && i < 4; ++i) {
        example += std::string(messages[i].key) + "=" + std::string(messages[i].value) + "\r\n";
    }
    body += HtmlEscaped(example) + "</pre>\r\n";
    return Page("message.ini 的格式", body);
}

}  // namespace

std::string HtmlEscaped(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            default: out += c;
        }
    }
    return out;
}

std::vector<std::string> ModuleCommandNames() {
    std::vector<std::string> names;
    for (const ECodeTemplate& t : ECodeTemplates()) {
        std::string_view text = t.text;
        while (!text.empty()) {
            const std::size_t end = text.find("\r\n");
            const std::string_view line = text.substr(0, end);
            text = end == std::string_view::npos ? std::string_view() : text.substr(end + 2);
            if (line.size() <= kCallSuffix.size() || line.substr(line.size() - kCallSuffix.size()) != kCallSuffix) continue;
            std::string name(line.substr(0, line.size() - kCallSuffix.size()));
            if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
        }
    }
    return names;
}

std::vector<HelpPage> HelpPages() {
    return {{kHelpIndexPage, IndexPage()}, {kHelpModulePage, ModulePage()}, {kHelpMessageFilePage, MessageFilePage()}};
}

}  // namespace core
