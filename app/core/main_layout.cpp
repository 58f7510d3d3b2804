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

}  // namespace core
