#include "ui/notice.h"

#include "util/wide_text.h"

namespace ui {

void ShowNotice(HWND owner, std::string_view text, UINT icon) {
    MessageBoxW(owner, util::Wide(text).c_str(), util::Wide(kNoticeCaption).c_str(), MB_OK | icon);
}

}  // namespace ui
