// What the program calls a key in its texts: "回车", "Esc", "A", "F5",
// "小键盘 7" ... by its virtual-key code.
#pragma once

#include <string>

namespace win::core {

std::string KeyName(int virtualKey);

}  // namespace win::core
