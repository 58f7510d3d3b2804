#include "win/core/key_names.h"

namespace win::core {

std::string KeyName(int key) {
    if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
    if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x70 + 1);  // VK_F1 ... VK_F24
    if (key >= 0x60 && key <= 0x69) return "小键盘 " + std::to_string(key - 0x60);  // VK_NUMPAD0 ...
    switch (key) {
        case 0x08: return "退格";
        case 0x09: return "Tab";
        case 0x0D: return "回车";
        case 0x10: case 0xA0: case 0xA1: return "Shift";
        case 0x11: case 0xA2: case 0xA3: return "Ctrl";
        case 0x12: case 0xA4: case 0xA5: return "Alt";
        case 0x13: return "Pause";
        case 0x14: return "CapsLock";
        case 0x1B: return "Esc";
        case 0x20: return "空格";
        case 0x21: return "PageUp";
        case 0x22: return "PageDown";
        case 0x23: return "End";
        case 0x24: return "Home";
        case 0x25: return "左箭头";
        case 0x26: return "上箭头";
        case 0x27: return "右箭头";
        case 0x28: return "下箭头";
        case 0x2C: return "PrintScreen";
        case 0x2D: return "Insert";
        case 0x2E: return "Delete";
        case 0x5B: case 0x5C: return "Win";
        case 0x5D: return "菜单键";
        case 0x6A: return "小键盘 *";
        case 0x6B: return "小键盘 +";
        case 0x6D: return "小键盘 -";
        case 0x6E: return "小键盘 .";
        case 0x6F: return "小键盘 /";
        case 0x90: return "NumLock";
        case 0x91: return "ScrollLock";
        case 0xBA: return ";";
        case 0xBB: return "=";
        case 0xBC: return ",";
        case 0xBD: return "-";
        case 0xBE: return ".";
        case 0xBF: return "/";
        case 0xC0: return "`";
        case 0xDB: return "[";
        case 0xDC: return "\\";
        case 0xDD: return "]";
        case 0xDE: return "'";
        default: return "键 " + std::to_string(key);
    }
}

}  // namespace win::core
