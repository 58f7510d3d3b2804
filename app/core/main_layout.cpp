#include "app/core/main_layout.h"

#include "colour/core/colour_layout.h"
#include "inspector/core/analysis_layout.h"
#include "messages/core/messages_layout.h"

namespace app::core {

const std::vector<PageLayout>& MainWindowPages() {
    static const std::vector<PageLayout> pages = {
        {"窗口分析", inspector::core::AnalysisPageLayout()},
        {"消息|代码", messages::core::MessagesPageLayout()},
        {"取点取色", colour::core::ColourPageLayout()},
    };
    return pages;
}

}  // namespace app::core
