// The styles of a window as named flags: the window styles (WS_), the
// extended styles (WS_EX_) and the class's own styles of the standard and
// common controls, as tables of names and values.
//
// A flag holds in a style value when the bits under its mask equal its
// value. Most flags are single bits (mask = value); the members of an
// enumeration (a button's kind, an edit box's alignment) share a mask and
// exactly one of them holds. Turning a flag on or off changes only the bits
// under its mask, so bits that no table names are always kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace inspector::core {

struct StyleFlag {
    std::string_view name;
    std::uint32_t value;
    std::uint32_t mask;
};

enum class StyleKind { Window, Extended, Class };

struct StyleTable {
    std::string_view title;      // what the table's column is called
    const StyleFlag* flags;
    std::size_t count;
};

// The window styles, named as for a child window (WS_GROUP, WS_TABSTOP) or
// for a top-level one (WS_MINIMIZEBOX, WS_MAXIMIZEBOX share those bits).
StyleTable WindowStyleTable(bool child);
StyleTable ExtendedStyleTable();
// The class's own styles (the low 16 bits) for a window class name: Button,
// Edit, Static, ListBox, ComboBox, SysListView32, SysTreeView32,
// SysTabControl32, RichEdit (RichEdit20A/W, RICHEDIT50W), the msctls_
// controls (progress, trackbar, up-down, status bar) and #32770 dialogs;
// an empty table for other classes. Class names compare without case.
StyleTable ClassStyleTable(std::string_view className);

bool Holds(std::uint32_t style, const StyleFlag& flag);
// The style with the flag turned on or off. Off clears the bits under the
// flag's mask when the flag holds; a member of an enumeration whose value
// is 0 cannot be turned off that way (another member is turned on instead).
std::uint32_t WithFlag(std::uint32_t style, const StyleFlag& flag, bool on);

// The bits of the style that no flag holding in it accounts for: those no
// table names, and values of an enumeration that has no member for them.
// Together with the flags that hold they give the style back exactly.
std::uint32_t UnnamedBits(std::uint32_t style, const std::vector<StyleTable>& tables);

// "0x%08X".
std::string HexText(std::uint32_t value);

}  // namespace inspector::core
