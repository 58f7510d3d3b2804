#include "messages/core/e_code_templates.h"

#include "text/text_encoding.h"

namespace messages::core {
namespace {

constexpr std::array<ECodeTemplate, kECodeTemplateCount> kTemplates = {{
    {messages::单选框_标题类名方式1,
     ".DLL命令 _查找子窗口, 整数型, \"user32\", \"FindWindowExA\", , \r\n"
     "    .参数 参数_父窗口句柄, 整数型\r\n"
     "    .参数 参数_子窗口, 整数型\r\n"
     "    .参数 参数_类名, 文本型\r\n"
     "    .参数 参数_标题, 文本型\r\n"},
    {messages::单选框_标题类名方式2,
     "通过类名取句柄 ()\r\n"
     "爆力取句柄 ()\r\n"
     "取子窗口 ()\r\n"
     "取句柄 ()\r\n"
     "取句柄2 ()\r\n"
     "取句柄数组 ()\r\n"
     "取句柄数组2 ()\r\n"},
    {messages::单选框_控件ID方式1,
     ".DLL命令 _窗口控件ID取句柄, 整数型, \"user32\", \"GetDlgItem\", , 返回对话框控件句柄\r\n"
     "    .参数 父窗口句柄, 整数型\r\n"
     "    .参数 欲取句柄的控件ID, 整数型\r\n"
     "\r\n"},
    {messages::单选框_控件ID方式2,
     "_取窗口控件句柄 ()\r\n"},
    {messages::单选框_其它方式1,
     ".DLL命令 API_GetWindow, 整数型, \"user32\", \"GetWindow\", , 获得一个窗口的句柄，该窗口与某源窗口有特定的关系\r\n"
     "    .参数 hwnd, 整数型, , 源窗口\r\n"
     "    .参数 wCmd, 整数型, , 指定结果窗口与源窗口的关系\r\n"
     "\r\n"
     ".DLL命令 FindWindow, 整数型, \"user32\", \"FindWindowA\", , 寻找窗口列表中第一个符合指定条件的顶级窗口\r\n"
     "    .参数 lpClassName, 文本型, , 窗口类名\r\n"
     "    .参数 lpWindowName, 文本型, , 窗口文本（标题）\r\n"},
    {messages::单选框_其它方式2,
     "取坐标句柄 ()\r\n"
     "取当前父窗口 ()\r\n"
     "取当前窗口 ()\r\n"
     "取桌面句柄 ()\r\n"
     "取焦点句柄 ()\r\n"
     "取线程窗口 ()\r\n"
     "取进程窗口 ()\r\n"
     "取进程窗口信息 ()\r\n"
     "枚举任务窗口 ()\r\n"
     "枚举子窗口 ()\r\n"
     "枚举窗口 ()\r\n"
     "枚举窗口2 ()\r\n"
     "枚举窗口信息 ()\r\n"
     "枚举窗口信息2 ()\r\n"
     "爆力枚举窗口 ()\r\n"
     "\r\n"},
}};

}  // namespace

const std::array<ECodeTemplate, kECodeTemplateCount>& ECodeTemplates() { return kTemplates; }

std::string_view ECodeTemplateText(std::size_t index) {
    return index < kTemplates.size() ? kTemplates[index].text : std::string_view();
}

std::string ECodeTemplateGbk(std::size_t index) { return text::Utf8ToGbk(ECodeTemplateText(index)); }

}  // namespace messages::core
