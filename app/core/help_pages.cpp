#include "app/core/help_pages.h"

#include <algorithm>
#include <initializer_list>
#include <utility>

#include "app/core/main_layout.h"
#include "messages/core/config_text.h"
#include "messages/core/default_message_list.h"
#include "messages/core/e_code_templates.h"

namespace app::core {
namespace {

constexpr std::string_view kCallSuffix = " ()";

struct NavLink {
    std::string_view page;
    std::string_view caption;
};
constexpr NavLink kNavigation[] = {
    {kHelpIndexPage, "程序与页面"},   {kHelpAnalysisPage, "窗口分析"}, {kHelpMessagesPage, "消息|代码"},
    {kHelpColourPage, "取点取色与截图"}, {kHelpModulePage, "Korvel模块命令"}, {kHelpMessageFilePage, "message.ini"},
};

std::string Page(std::string_view title, const std::string& body) {
    std::string html =
        "<!DOCTYPE html>\r\n<html lang=\"zh-CN\">\r\n<head>\r\n<meta charset=\"utf-8\">\r\n<title>";
    html += HtmlEscaped(title);
    html +=
        "</title>\r\n<style>body{font-family:sans-serif;max-width:50em;margin:2em auto;line-height:1.6;color:#222}"
        "code,pre{background:#f3f0f4;padding:0 .2em}pre{padding:.6em}nav a{margin-right:1.2em}"
        "img{max-width:100%;border:1px solid #ccc;margin:.5em 0}dt{font-weight:bold;margin-top:.6em}"
        "dd{margin-left:1.5em}</style>\r\n</head>\r\n<body>\r\n<nav>";
    for (const NavLink& link : kNavigation) {
        html += "<a href=\"" + std::string(link.page) + "\">" + HtmlEscaped(link.caption) + "</a>";
    }
    html += "</nav>\r\n<h1>";
    html += HtmlEscaped(title);
    html += "</h1>\r\n";
    html += body;
    html += "</body>\r\n</html>\r\n";
    return html;
}

std::string Paragraph(std::string_view text) { return "<p>" + HtmlEscaped(text) + "</p>\r\n"; }

std::string Heading(std::string_view text) { return "<h2>" + HtmlEscaped(text) + "</h2>\r\n"; }

std::string Picture(std::string_view file, std::string_view what) {
    return "<p><img src=\"" + std::string(file) + "\" alt=\"" + HtmlEscaped(what) + "\"></p>\r\n";
}

// A list of terms, each with what it means or does.
std::string Terms(std::initializer_list<std::pair<std::string_view, std::string_view>> terms) {
    std::string html = "<dl>\r\n";
    for (const auto& [term, meaning] : terms) {
        html += "<dt>" + HtmlEscaped(term) + "</dt><dd>" + HtmlEscaped(meaning) + "</dd>\r\n";
    }
    return html + "</dl>\r\n";
}

// Numbered steps.
std::string Steps(std::initializer_list<std::string_view> steps) {
    std::string html = "<ol>\r\n";
    for (std::string_view step : steps) html += "<li>" + HtmlEscaped(step) + "</li>\r\n";
    return html + "</ol>\r\n";
}

std::string IndexPage() {
    std::string body = Paragraph(std::string(kMainWindowTitle) +
                                 " 是给用易语言编写 Windows 程序的人用的窗口工具：从外部查看和操作其它程序的窗口，"
                                 "发送窗口消息，生成易语言代码，取色和截图。主窗口有三页：");
    body += "<ul>\r\n";
    const auto& pages = MainWindowPages();
    const std::pair<std::string_view, std::string_view> summaries[] = {
        {kHelpAnalysisPage, "用捕获器选中任意窗口，查看并修改它的句柄、标题、类名、位置等，暂停或结束它的进程，"
                            "在窗口树里查找它的兄弟和子窗口。"},
        {kHelpMessagesPage, "给窗口发送消息并看它回答什么；生成重新找到窗口、重新发送消息的易语言代码。"},
        {kHelpColourPage, "取屏幕上任意一点的颜色，以十多种写法复制；截取屏幕上的一块保存成图片。"},
    };
    for (std::size_t i = 0; i < 3; ++i) {
        body += "<li><a href=\"" + std::string(summaries[i].first) + "\">" + HtmlEscaped(pages[i].caption) + "</a>：" +
                HtmlEscaped(summaries[i].second) + "</li>\r\n";
    }
    body += "</ul>\r\n";
    body += Heading("托盘");
    body += Paragraph("程序运行时在通知区域有一个图标：双击它把主窗口恢复并放到屏幕中央；右键打开托盘菜单：主界面、"
                      "两个 Korvel模块 帮助页面、三个易语言网站、退出。关闭主窗口或选“退出”都会结束程序，"
                      "并恢复程序暂停过的进程和线程。");
    body += Heading("“官网”菜单");
    body += Paragraph("在页签上或窗口空白处松开右键会弹出“官网”菜单，其中的“官方论坛”打开这些帮助页面。");
    return Page("程序与页面", body);
}

std::string AnalysisPage() {
    std::string body = Picture("page-analysis.png", "窗口分析页");
    body += Heading("选中一个窗口");
    body += Steps({"在左上角的捕获器（十字加圆点）上按住鼠标左键。",
                   "拖到想看的窗口上：光标下的窗口（最深的一层，禁用的控件和分组框里的控件也算）被反色框出，"
                   "面板随之显示它。",
                   "松开鼠标：它成为当前目标，右边的窗口树列出它所在顶级窗口下的全部窗口，目标加粗选中。"});
    body += Paragraph("按住捕获器时方向键把光标移动一个像素，便于对准细小的控件。光标下没有任何窗口（例如桌面外）时进入"
                      "“超级模式”：松开后取松开处的窗口。拖到本程序自己的窗口上时面板清空，不选中自己。");
    body += Heading("面板的字段");
    body += Terms({{"窗口句柄、父句柄、顶级句柄", "十进制的窗口句柄。顶级句柄是最外层的所有者窗口（对话框的主窗口）。"},
                   {"进程ID、线程ID、控件ID", "窗口所属的进程和线程，以及它在父窗口中的控件ID。"},
                   {"窗口标题、窗口类名、控件内容", "标题是系统保存的文本；控件内容是向窗口询问（WM_GETTEXT）得到的"
                                                    "文本，编辑框的内容就在这里。询问有时限，挂起的程序不会卡住本程序。"},
                   {"程序路径", "窗口所属进程的程序文件。"},
                   {"鼠标位置、窗口鼠标位置", "屏幕坐标和相对目标客户区的坐标（物理像素）。"},
                   {"窗口位置、窗口大小、内部大小、控件位置", "可以直接修改后用旁边的按钮应用；"
                                                                "原样应用不会移动窗口。"}});
    body += Heading("字段按钮的菜单");
    body += Paragraph("每个字段左边的按钮打开一个菜单：复制、粘贴（把剪辑板的文本填进框里）、修改（把框里的值写给目标）、"
                      "标记（目标窗口的外框闪烁五次）、暂停与恢复（进程或线程；菜单项显示当前状态）、结束进程或线程、"
                      "把鼠标移到窗口上或在窗口里单击。句柄的菜单还能按十六进制复制，“刷新”重新读取目标。"
                      "“其它操作”里有“解禁所有按钮”“显示所有控件”“窗口样式…”和“窗口动态…”。");
    body += Paragraph("“窗口样式…”把目标的样式和扩展样式按名称列成选择框（按目标的类名给出按钮、编辑框等各自的样式），"
                      "勾选后点“应用”写回目标并重新读出：可见、禁止、置顶等由系统管理的位按正确的方式修改，"
                      "按钮的种类和编辑框的只读（ES_READONLY）也真正生效。");
    body += Heading("窗口动态");
    body += Paragraph("“其它操作”菜单的“窗口动态…”打开一个记录窗口，逐行记下目标所在程序的窗口发生了什么，"
                      "每行前面是打开记录窗口以来的毫秒数：目标的顶级窗口、它的全部子窗口和它拥有的窗口（如对话框）"
                      "被创建、销毁（连同子窗口算一行，晚一遍记下）、显示、隐藏、移动或改变大小（新位置和原位置）、标题改变（旧→新）、"
                      "启用、禁用、样式改变（按名称列出增减的样式），焦点移到其中某个窗口，前台窗口改变；"
                      "旁边还记下用户在这个程序上的鼠标按键和键盘按键，因果一目了然。");
    body += Paragraph("不往目标程序里注入任何代码：本程序在后台线程里每 100 毫秒看一遍这些窗口（读系统保存的标题、样式和位置，"
                      "不向目标询问，挂起的程序也不会拖住它），并接收系统为这个程序发出的窗口事件；"
                      "两种途径看到的同一变化只记一次。窗口很多时（Wine 下几千个）看一遍要几百毫秒，"
                      "两遍之间至少隔这么久，最多占用一个处理器核心的一半。");
    body += Terms({{"暂停/继续", "暂停时不再添加新行（期间的变化不补记），继续后接着记录。"},
                   {"清空", "清空已记的行。"},
                   {"复制", "把全部记录作为文本复制到剪辑板。"}});
    body += Paragraph("最多保留 10,000 行，超出时去掉最早的行。关闭记录窗口即停止观察。");
    body += Picture("activity.png", "在记事本里点击、打字、打开“查找”对话框时的窗口动态");
    body += Paragraph("暂停过的进程或线程在“恢复”、关闭主窗口、退出和系统关机时都会恢复；但如果本程序被强行结束，"
                      "它暂停的进程会一直停着，需要用别的工具恢复或结束。");
    body += Heading("窗口状态与位置");
    body += Paragraph("四个选择框让目标半透明、禁止、隐藏或置顶；每次刷新都显示目标的真实状态。去掉半透明时会把"
                      "本程序加上的分层样式一并去掉。");
    body += Heading("窗口树与查找");
    body += Paragraph("窗口树按深度优先的顺序列出顶级窗口和它的全部子窗口，以及它拥有的对话框；每项是 "
                      "句柄|类名|标题，根项前面带程序名。隐藏的窗口显示为灰色，禁止的窗口显示为暗色。"
                      "在树上单击右键打开菜单：刷新窗口树、标记窗口位置、切换至该窗口（把键盘焦点交给它）、"
                      "查看窗口信息（让面板显示这一项）。");
    body += Paragraph("树上方的查找框可以输入标题、类名或句柄的一部分（区分大小写），点“查找”选中下一个匹配项，"
                      "到最后一个后回到第一个。即使有上万个窗口，树也是边填边响应，目标最先显示并选中。");
    body += Heading("超级按钮");
    body += Terms({{"定位", "让树上选中项的窗口外框闪烁。"},
                   {"刷新", "重新读取当前顶级窗口下的窗口树。"},
                   {"切换", "在最近查看的两个窗口之间来回切换。"},
                   {"截图", "把目标窗口的图像复制到剪辑板（窗口画不出来时取屏幕上它所在位置的像素）。"},
                   {"截图2", "把目标窗口的图像保存成 BMP、JPG 或 PNG 文件。"}});
    return Page("窗口分析", body);
}

std::string MessagesPage() {
    std::string body = Picture("page-messages.png", "消息|代码页：发送 WM_GETTEXT 之后生成的代码");
    body += Heading("发送消息");
    body += Steps({"“窗口句柄”会自动填入窗口分析页的当前目标，也可以手工输入，或用本页左上角的捕获器选择。",
                   "在“消息分类”的两个下拉框里选一条消息（来自程序旁边的 message.ini），消息值和两个参数随之填好；"
                   "也可以直接修改。参数二可以是整数、文本或逻辑值。",
                   "选择发送方式：SendMessage（等目标处理完；本程序在等待时照常响应）、PostMessage（放进目标的"
                   "消息队列，不等）、SendMessageTimeout（最多等 500 毫秒，目标挂起时放弃）。",
                   "点“发出消息”。右边显示结果：成功、失败（目标在等待期间消失也算失败），或目标写回的文本"
                   "（黑色，例如 WM_GETTEXT 取得的标题）；“返回值”是消息的结果。"});
    body += Paragraph("文本参数放在一个缓冲区里交给目标，大小至少是文本长度加一和参数一中较大的那个，所以 WM_GETTEXT "
                      "这类按参数一写入的消息不会写出界。PostMessage 不能带文本参数（目标读到时缓冲区已经不在了），"
                      "超过 16777216 个字符的缓冲区也会被拒绝，两种情况都不会显示“发送成功”。");
    body += Heading("生成易代码");
    body += Paragraph("上方的六个单选框是六种代码样式：按标题类名、按控件ID、其它方式，每种有 API 声明（纯 API 命令）"
                      "和 Korvel模块命令两种写法。选好后点“生成易代码”，再点“复制代码”放到剪辑板。");
    body += Heading("代码框的右键菜单");
    body += Terms({{"生成查找当前窗口的代码", "写出一个子程序“取目标窗口句柄”：从顶级窗口起逐层找回当前目标，每层用"
                                              "最可靠的办法（类名加标题、只用类名、控件ID、同类窗口中的位置），"
                                              "每行的注释说明为什么可靠。代码同时复制到剪辑板。"},
                   {"生成发送此消息的易代码", "发出过消息之后可用：除了找回窗口的子程序，再写一个子程序"
                                              "“发送消息给目标窗口”，用同样的方式、消息值和参数把这条消息再发一次；"
                                              "文本参数放在同样大小的字节集缓冲区里，目标写回的文本用调试输出显示。"
                                              "只声明用到的 DLL 命令。"},
                   {"录制操作…", "打开“录制操作”窗口（见下）。"}});
    body += Paragraph("窗口标题或文本里的引号、换行等特殊字符会写成 #引号、#换行符、字符 (n)，不会破坏代码。");
    body += Heading("录制操作");
    body += Steps({"在“窗口分析”页用查找工具选中要录制的程序里的任意一个窗口。",
                   "在代码框上单击右键，选“录制操作…”，在打开的窗口里点“开始录制”。",
                   "到那个程序里去操作：单击、双击、拖动、输入文字、按回车、Tab、Esc 或方向键。只录在那个程序"
                   "（它的顶级窗口和它们拥有的窗口）上的操作，本程序自己的窗口不录；窗口里逐条列出每一步："
                   "离开始的时间、做了什么、在哪个控件上。",
                   "点“停止录制”，再点“生成易代码”：代码显示在窗口下半部分，同时放到剪辑板（“复制代码”可再复制一次）。"});
    body += Paragraph("生成的代码为每个用到的控件写一个查找子程序（取控件句柄_1、取控件句柄_2……，与“生成查找当前窗口的代码”"
                      "同样逐层查找并注释），再写一个子程序“回放操作”：每一步先找到控件，找不到就用信息框说明是第几步并停止；"
                      "然后在后台把这一步做一遍，不动用户的鼠标：单击、双击、拖动是投递到控件的鼠标消息（坐标是录制时在"
                      "控件客户区里的位置），向编辑框输入的文字用 WM_SETTEXT 一次设好，向其它控件输入的字符投递 WM_CHAR"
                      "（不再投递按键消息，否则目标程序的消息循环会把按键再翻译成一个字符），回车、Tab、Esc 和方向键"
                      "投递按下与松开；"
                      "两步之间用“延时”等录制时停顿的时间（50 毫秒到 2 秒之间）。只声明用到的 DLL 命令。");
    return Page("消息|代码", body);
}

std::string ColourPage() {
    std::string body = Picture("page-colour.png", "取点取色页（右半部分）与“更多格式”窗口");
    body += Heading("取色");
    body += Steps({"在“画笔”下面的捕获器上按住左键，拖到屏幕上任意一点。",
                   "拖动时左边的放大镜显示光标周围放大五倍的像素，上面的框显示光标下的窗口、颜色值和坐标；"
                   "方向键把光标移动一个像素。",
                   "松开：取到的颜色留在第一行（颜色值、R、G、B），放大镜保留松开时的画面，可以用左键拖动查看周围。"});
    body += Paragraph("在放大镜上单击右键换成色板图，在色板图上按下左键挑选颜色；再按右键换回。");
    body += Heading("颜色的写法");
    body += Paragraph("最后变化的颜色以五种写法显示，各有“复制”按钮：16进制（RRGGBB）、HTML（#RRGGBB）、"
                      "VB（&hBBGGRR）、C/C++（0xBBGGRR）、Delphi（$BBGGRR）。点“更多格式”打开一个小窗口，"
                      "给出 CSS 的 rgb()、HSL 和 HSV 写法，也各有“复制”按钮。");
    body += Heading("取色范围与对比度");
    body += Paragraph("“更多格式”窗口里的“取色范围”选 1 × 1、3 × 3 或 5 × 5 像素：显示取到的颜色时，窗口里的三种写法"
                      "给出取色点周围这么多屏幕像素的平均颜色（适合抗锯齿的文字和有纹理的背景）；页面上的颜色值仍是取色点"
                      "本身的颜色。下面三行是第二种颜色（颜色值1）与取到的颜色（颜色值）的对比度（WCAG 2，两位小数，"
                      "如 4.48:1），以及 AA（正文 4.5、大字 3）和 AAA（正文 7、大字 4.5）是否通过。");
    body += Heading("等待颜色的易代码");
    body += Paragraph("用取色器在另一个程序的窗口上取色之后，在“更多格式”窗口里点“生成等待颜色的易代码”：代码放到剪辑板。"
                      "它找回那个窗口（与“生成查找当前窗口的代码”同样），子程序“等待颜色 (超时毫秒, 容差)”每 50 毫秒通过"
                      "窗口自己的设备场景读一次取色点（窗口客户区坐标）的颜色，红、绿、蓝都与取到的颜色相差不超过容差时"
                      "返回 真，到了超时还没等到返回 假。常用于“等到某个点变绿再继续”。");
    body += Heading("第二种颜色");
    body += Paragraph("第二行是自己选择的颜色：在颜色值框里输入十进制数，或在 R、G、B 框里输入各分量（输入时保持原样，"
                      "离开框或按回车后显示规范的数字），或点色阶、调色板。点色块显示该颜色的色阶。");
    body += Heading("最近取过的颜色");
    body += Paragraph("调色板下面的一排色块是本次运行最近取过的 16 种颜色（最新的在最左边）。点一个色块，它就成为"
                      "第二行的颜色。");
    body += Heading("截图");
    body += Picture("capture-snap.png", "截图时框住一个按钮");
    body += Steps({"点“截图”：屏幕被定格（勾选“隐藏该窗口”时先把主窗口藏起来）。",
                   "还没拖动时，光标下的窗口或控件被框出：单击就选中它。Tab 或滚轮向上选它的父窗口，"
                   "Shift+Tab 或滚轮向下回到里面。",
                   "或者按住左键拖出一个矩形；右下角的放大镜显示光标附近和选区大小。方向键可以微调选区。",
                   "双击选区保存：在桌面文件夹打开的对话框里选 BMP、JPG（质量 95）或 PNG；Ctrl+C 复制到剪辑板；"
                   "Esc 或右键取消。"});
    return Page("取点取色与截图", body);
}

// What each command the generator lists is for, as its name says; the
// module's own notes give its parameters.
constexpr std::pair<std::string_view, std::string_view> kModuleCommandUses[] = {
    {"通过类名取句柄", "按窗口类名找窗口，返回第一个的句柄。"},
    {"爆力取句柄", "逐个查看所有窗口，找出标题或类名相符的那个；慢，但藏得深的窗口也找得到。"},
    {"取子窗口", "取某个窗口下的子窗口句柄。"},
    {"取句柄", "按标题和类名取窗口句柄。"},
    {"取句柄2", "同上，另一种参数写法。"},
    {"取句柄数组", "取所有符合条件的窗口句柄，放进数组。"},
    {"取句柄数组2", "同上，另一种参数写法。"},
    {"_取窗口控件句柄", "按控件ID取父窗口里的控件句柄（与 GetDlgItem 相同）。"},
    {"取坐标句柄", "取屏幕上某一点的窗口句柄。"},
    {"取当前父窗口", "取当前窗口的父窗口句柄。"},
    {"取当前窗口", "取当前（前台）窗口的句柄。"},
    {"取桌面句柄", "取桌面窗口的句柄。"},
    {"取焦点句柄", "取拥有键盘焦点的窗口句柄。"},
    {"取线程窗口", "取某个线程的窗口。"},
    {"取进程窗口", "取某个进程的窗口。"},
    {"取进程窗口信息", "取某个进程的窗口及其信息。"},
    {"枚举任务窗口", "列出任务栏上的（有标题的顶级）窗口。"},
    {"枚举子窗口", "列出某个窗口的全部子窗口。"},
    {"枚举窗口", "列出全部顶级窗口。"},
    {"枚举窗口2", "同上，另一种参数写法。"},
    {"枚举窗口信息", "列出窗口并取它们的标题、类名等信息。"},
    {"枚举窗口信息2", "同上，另一种参数写法。"},
    {"爆力枚举窗口", "不靠窗口链表，逐个句柄查看，列出全部窗口。"},
};

std::string_view UseOfCommand(std::string_view command) {
    for (const auto& [name, use] : kModuleCommandUses) {
        if (name == command) return use;
    }
    return {};
}

std::string ModulePage() {
    std::string body = Paragraph(
        "Korvel模块 是一个易语言模块，把查找和枚举窗口的常用写法做成了命令。“消息|代码”页上三组代码样式"
        "（标题类名方式、控件ID方式、其它方式）的第二种写法列出这些命令：在易语言程序里引用该模块，"
        "再照着生成的代码调用即可；第一种写法给出同样用途的 API 声明，不需要模块。");
    body += Paragraph("下面是代码生成器给出的全部命令，按名称说明用途；参数和返回值见模块自带的说明。");
    body += "<dl>\r\n";
    for (const std::string& name : ModuleCommandNames()) {
        body += "<dt><code>" + HtmlEscaped(name) + " ()</code></dt><dd>" + HtmlEscaped(UseOfCommand(name)) + "</dd>\r\n";
    }
    body += "</dl>\r\n";
    body += Paragraph("要找回某一个具体的窗口，也可以在“消息|代码”页的代码框上单击右键，选“生成查找当前窗口的代码”："
                      "生成的代码只用 API，不需要模块。");
    return Page("Korvel模块命令", body);
}

std::string MessageFilePage() {
    std::string body =
        "<p>message.ini 放在程序旁边，第一次启动时缺少则写入程序自带的消息列表。文件以 GBK 编码读入"
        "（以 UTF-8 字节顺序标记开头的文件按 UTF-8 读入）。</p>\r\n<ul>\r\n"
        "<li>第一行是标记行 <code>" +
        HtmlEscaped(messages::core::kMarkerLine) +
        "</code>；缺少时程序把它插入到最前面，文件其余内容逐字节保留。</li>\r\n"
        "<li><code>[分类]</code> 开始一个消息分类，直到下一个分类行为止。</li>\r\n"
        "<li>分类中的 <code>名称=消息|wParam|lParam</code> 定义一条消息，三个数都是十进制；文本参数写在双引号中，"
        "逻辑参数写 真 或 假。</li>\r\n"
        "<li>以 <code>;</code> 开头的行是注释；值中的 <code>〓</code> 表示换行。</li>\r\n</ul>\r\n"
        "<p>例如：</p>\r\n<pre>";
    std::string example = "[" + std::string(messages::core::kDefaultCategory) + "]\r\n";
    const auto& messages = messages::core::DefaultMessages();
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

std::string_view ModuleCommandUse(std::string_view command) { return UseOfCommand(command); }

std::vector<std::string> ModuleCommandNames() {
    std::vector<std::string> names;
    for (const messages::core::ECodeTemplate& t : messages::core::ECodeTemplates()) {
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
    return {{kHelpIndexPage, IndexPage()},     {kHelpAnalysisPage, AnalysisPage()},
            {kHelpMessagesPage, MessagesPage()}, {kHelpColourPage, ColourPage()},
            {kHelpModulePage, ModulePage()},     {kHelpMessageFilePage, MessageFilePage()}};
}

}  // namespace app::core
