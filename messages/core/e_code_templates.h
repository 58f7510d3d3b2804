// The six ready-made E-language texts of the code generator, one for each
// code-style radio button of the "消息|代码" page, in the order in which the
// generator tests the radios. The upper row declares the Windows API
// functions needed to find a window again; the lower row lists calls of the
// Korvel module's commands. Every line ends with CR LF; indented lines start
// with four blanks. Nothing of the current target goes into them.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "messages/core/messages_layout.h"

namespace messages::core {

struct ECodeTemplate {
    ui::core::ControlName<ui::core::ControlKind::RadioButton> radio;  // the radio button that selects it
    std::string_view text;   // UTF-8
};

inline constexpr std::size_t kECodeTemplateCount = 6;

// In radio order: 单选框_标题类名方式1, 单选框_标题类名方式2,
// 单选框_控件ID方式1, 单选框_控件ID方式2, 单选框_其它方式1, 单选框_其它方式2.
const std::array<ECodeTemplate, kECodeTemplateCount>& ECodeTemplates();

// The text of template `index` (0 to 5) as UTF-8 and as GBK bytes; the
// empty text for any other index.
std::string_view ECodeTemplateText(std::size_t index);
std::string ECodeTemplateGbk(std::size_t index);

}  // namespace messages::core
