#include "app/core/main_layout.h"

#include "colour/core/colour_layout.h"
#include "inspector/core/analysis_layout.h"
#include "messages/core/messages_layout.h"

namespace core {

const std::vector<PageLayout>& MainWindowPages() {
    static const std::vector<PageLayout> pages = {
        {"窗口分析", AnalysisPageLayout()},
        {"消息|代码", MessagesPageLayout()},
        {"取点取色", ColourPageLayout()},
    };
    return pages;
}

const std::vector<std::string_view>& HandCursorControls() {
    static const std::vector<std::string_view> names = {
        "选择框_透明", "选择框_禁止", "选择框_隐藏", "选择框_置顶",
        "按钮_控件ID", "按钮_线程ID", "按钮_进程ID", "按钮_父句柄", "按钮_控件位置", "按钮_查找窗口",
        "按钮_其它操作", "按钮_窗口大小", "按钮_窗口位置", "按钮_鼠标位置", "按钮_程序路径", "按钮_控件内容",
        "按钮_窗口类名", "按钮_窗口标题", "按钮_顶级句柄", "按钮_窗口句柄", "按钮_窗口内部大小",
        "按钮_窗口鼠标位置",
        "超级按钮_截图", "超级按钮_截图2", "超级按钮_定位", "超级按钮_刷新", "超级按钮_切换",
        "单选框_标题类名方式1", "单选框_控件ID方式1", "单选框_其它方式1",
        "单选框_标题类名方式2", "单选框_控件ID方式2", "单选框_其它方式2",
        "按钮_生成易代码", "按钮_复制代码", "按钮_发出消息",
        "组合框_参数二", "组合框_编辑框_参数二", "组合框_消息方式", "组合框_消息分类1", "组合框_消息分类2",
        "按钮_颜色值_16进制", "按钮_颜色值_Delphi", "按钮_颜色值_HTML", "按钮_颜色值_VB", "按钮_颜色值_C",
    };
    return names;
}

const std::vector<std::string_view>& PageColourBoards() {
    static const std::vector<std::string_view> names = {"画板_色阶刻度", "画板_调色板"};
    return names;
}

const std::vector<std::string_view>& FinderBoards() {
    static const std::vector<std::string_view> names = {"画板_捕获器", "画板_捕获器1", "画板_捕获器2"};
    return names;
}

}  // namespace core
