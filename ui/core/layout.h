// Layout tables: a window's controls written down as data (name, kind,
// rectangle, caption, items) so that pages are built from tables instead of
// scattered creation code, and so that the tables can be checked without a
// screen.
//
// A page's controls are one list macro of rows
//     X(kind, name, left, top, width, height, caption[, flags[, selected]])
// from which everything that names a control is generated: the layout table
// (TAVRIN_LAYOUT_ROW), typed name constants for the portable tables that
// refer to controls (TAVRIN_DECLARE_CONTROL_NAME), and, in the UI, a
// structure of references resolved once when the page is made. A name is
// therefore written once; a misspelt name, a control of the wrong kind or a
// name used twice is a compile error, not a failure at run time.
//
// Rectangles are in pixels at 96 DPI; the window scales them by its own DPI.
// Texts are UTF-8.
#pragma once

#include <string_view>
#include <vector>

namespace ui::core {

enum class ControlKind {
    Label,
    Button,
    EditBox,
    CheckBox,
    RadioButton,
    ComboBox,
    DrawingBoard,
    SuperButton,  // flat button with a small picture
    TreeBox,
    FileDialog,  // not a window: no rectangle
};

// Optional traits of a control, combined with |.
enum ControlFlag : unsigned {
    kNoFlags = 0,
    kDisplayOnly = 1u << 0,   // edit box the user can read, select and copy but not type into
    kMultiline = 1u << 1,     // edit box with several lines and a vertical scroll bar
    kHiddenAtStart = 1u << 2, // visible property starts false
    kFrame = 1u << 3,         // label drawn as a frame that other controls stand on
    kNoWrap = 1u << 4,        // multi-line edit box whose lines do not wrap (code)
    kFilledAtStart = 1u << 5, // combo box whose items stand in until start-up fills it
    kHandCursor = 1u << 6,    // shows the hand cursor
    kFinderBoard = 1u << 7,   // a finder board: shows the finder cursor
    kOnPageColour = 1u << 8,  // a drawing board on the page colour
};

struct ControlLayout {
    std::string_view name;
    ControlKind kind;
    int left, top, width, height;
    std::string_view caption;  // caption, or the combo box items separated by '\n'
    unsigned flags = kNoFlags;
    int selected = -1;  // combo box: item selected at start (-1: none)
};

// The name of a control of a known kind, for tables that refer to controls.
template <ControlKind Kind>
struct ControlName {
    std::string_view text;
};

// Finds a control by name in a table; nullptr when absent.
const ControlLayout* FindControl(const std::vector<ControlLayout>& table, std::string_view name);

// Splits a combo box's item list at '\n'.
std::vector<std::string_view> SplitItems(std::string_view items);

}  // namespace ui::core

// Row makers for the list macros of the pages.
#define TAVRIN_LAYOUT_ROW(kind, name, left, top, width, height, ...) \
    {#name, ::ui::core::ControlKind::kind, left, top, width, height, __VA_ARGS__},
#define TAVRIN_DECLARE_CONTROL_NAME(kind, name, ...) \
    inline constexpr ::ui::core::ControlName<::ui::core::ControlKind::kind> name{#name};
