// The program's word to the user about something it did not do: a message
// box with the caption "友情提醒", owned by one of the program's windows.
#pragma once

#include <windows.h>

#include <string_view>

namespace ui {

inline constexpr std::string_view kNoticeCaption = "友情提醒";

// Shows `text` and returns when the user has closed the box. `icon` is one
// of the MB_ICON… values, or 0 for none.
void ShowNotice(HWND owner, std::string_view text, UINT icon = MB_ICONINFORMATION);

}  // namespace ui
