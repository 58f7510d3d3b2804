#include "ui/notice.h"

#include "win/wide_text.h"

namespace ui {

void ShowNotice(HWND owner, std::string_view text, UINT icon) {
    MessageBoxW(owner, win::Wide(text).c_str(), win::Wide(kNoticeCaption).c_str(), MB_OK | icon);
}

}  // namespace ui
