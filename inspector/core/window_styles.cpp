#include "inspector/core/window_styles.h"

#include <cstdio>
#include <iterator>

#include "text/text_basics.h"

namespace inspector::core {
namespace {

// A single-bit flag, and a member of an enumeration under a mask.
constexpr StyleFlag Bit(std::string_view name, std::uint32_t value) { return {name, value, value}; }
constexpr StyleFlag Of(std::string_view name, std::uint32_t value, std::uint32_t mask) { return {name, value, mask}; }

// The tables' lengths are checked when the program is built, so that a row
// lost in an edit does not go unnoticed.
#define TAVRIN_STYLE_TABLE(name, expected, ...)             \
    constexpr StyleFlag name[] = {__VA_ARGS__};              \
    static_assert(std::size(name) == (expected), #name " has lost or gained a row")

TAVRIN_STYLE_TABLE(kWindowChild, 17,
    Bit("WS_POPUP", 0x80000000), Bit("WS_CHILD", 0x40000000), Bit("WS_MINIMIZE", 0x20000000),
    Bit("WS_VISIBLE", 0x10000000), Bit("WS_DISABLED", 0x08000000), Bit("WS_CLIPSIBLINGS", 0x04000000),
    Bit("WS_CLIPCHILDREN", 0x02000000), Bit("WS_MAXIMIZE", 0x01000000), Bit("WS_CAPTION", 0x00C00000),
    Bit("WS_BORDER", 0x00800000), Bit("WS_DLGFRAME", 0x00400000), Bit("WS_VSCROLL", 0x00200000),
    Bit("WS_HSCROLL", 0x00100000), Bit("WS_SYSMENU", 0x00080000), Bit("WS_THICKFRAME", 0x00040000),
    Bit("WS_GROUP", 0x00020000), Bit("WS_TABSTOP", 0x00010000));

TAVRIN_STYLE_TABLE(kWindowTopLevel, 17,
    Bit("WS_POPUP", 0x80000000), Bit("WS_CHILD", 0x40000000), Bit("WS_MINIMIZE", 0x20000000),
    Bit("WS_VISIBLE", 0x10000000), Bit("WS_DISABLED", 0x08000000), Bit("WS_CLIPSIBLINGS", 0x04000000),
    Bit("WS_CLIPCHILDREN", 0x02000000), Bit("WS_MAXIMIZE", 0x01000000), Bit("WS_CAPTION", 0x00C00000),
    Bit("WS_BORDER", 0x00800000), Bit("WS_DLGFRAME", 0x00400000), Bit("WS_VSCROLL", 0x00200000),
    Bit("WS_HSCROLL", 0x00100000), Bit("WS_SYSMENU", 0x00080000), Bit("WS_THICKFRAME", 0x00040000),
    Bit("WS_MINIMIZEBOX", 0x00020000), Bit("WS_MAXIMIZEBOX", 0x00010000));

TAVRIN_STYLE_TABLE(kExtended, 22,
    Bit("WS_EX_DLGMODALFRAME", 0x00000001), Bit("WS_EX_NOPARENTNOTIFY", 0x00000004),
    Bit("WS_EX_TOPMOST", 0x00000008), Bit("WS_EX_ACCEPTFILES", 0x00000010), Bit("WS_EX_TRANSPARENT", 0x00000020),
    Bit("WS_EX_MDICHILD", 0x00000040), Bit("WS_EX_TOOLWINDOW", 0x00000080), Bit("WS_EX_WINDOWEDGE", 0x00000100),
    Bit("WS_EX_CLIENTEDGE", 0x00000200), Bit("WS_EX_CONTEXTHELP", 0x00000400), Bit("WS_EX_RIGHT", 0x00001000),
    Bit("WS_EX_RTLREADING", 0x00002000), Bit("WS_EX_LEFTSCROLLBAR", 0x00004000),
    Bit("WS_EX_CONTROLPARENT", 0x00010000), Bit("WS_EX_STATICEDGE", 0x00020000), Bit("WS_EX_APPWINDOW", 0x00040000),
    Bit("WS_EX_LAYERED", 0x00080000), Bit("WS_EX_NOINHERITLAYOUT", 0x00100000),
    Bit("WS_EX_NOREDIRECTIONBITMAP", 0x00200000), Bit("WS_EX_LAYOUTRTL", 0x00400000),
    Bit("WS_EX_COMPOSITED", 0x02000000), Bit("WS_EX_NOACTIVATE", 0x08000000));

TAVRIN_STYLE_TABLE(kButton, 30,
    Of("BS_PUSHBUTTON", 0x0, 0xF), Of("BS_DEFPUSHBUTTON", 0x1, 0xF), Of("BS_CHECKBOX", 0x2, 0xF),
    Of("BS_AUTOCHECKBOX", 0x3, 0xF), Of("BS_RADIOBUTTON", 0x4, 0xF), Of("BS_3STATE", 0x5, 0xF),
    Of("BS_AUTO3STATE", 0x6, 0xF), Of("BS_GROUPBOX", 0x7, 0xF), Of("BS_USERBUTTON", 0x8, 0xF),
    Of("BS_AUTORADIOBUTTON", 0x9, 0xF), Of("BS_PUSHBOX", 0xA, 0xF), Of("BS_OWNERDRAW", 0xB, 0xF),
    Of("BS_SPLITBUTTON", 0xC, 0xF), Of("BS_DEFSPLITBUTTON", 0xD, 0xF), Of("BS_COMMANDLINK", 0xE, 0xF),
    Of("BS_DEFCOMMANDLINK", 0xF, 0xF), Bit("BS_LEFTTEXT", 0x20), Bit("BS_ICON", 0x40), Bit("BS_BITMAP", 0x80),
    Of("BS_LEFT", 0x100, 0x300), Of("BS_RIGHT", 0x200, 0x300), Of("BS_CENTER", 0x300, 0x300),
    Of("BS_TOP", 0x400, 0xC00), Of("BS_BOTTOM", 0x800, 0xC00), Of("BS_VCENTER", 0xC00, 0xC00),
    Bit("BS_PUSHLIKE", 0x1000), Bit("BS_MULTILINE", 0x2000), Bit("BS_NOTIFY", 0x4000), Bit("BS_FLAT", 0x8000),
    Of("BS_TEXT", 0x0, 0xC0));

TAVRIN_STYLE_TABLE(kEdit, 14,
    Of("ES_LEFT", 0x0, 0x3), Of("ES_CENTER", 0x1, 0x3), Of("ES_RIGHT", 0x2, 0x3), Bit("ES_MULTILINE", 0x4),
    Bit("ES_UPPERCASE", 0x8), Bit("ES_LOWERCASE", 0x10), Bit("ES_PASSWORD", 0x20), Bit("ES_AUTOVSCROLL", 0x40),
    Bit("ES_AUTOHSCROLL", 0x80), Bit("ES_NOHIDESEL", 0x100), Bit("ES_OEMCONVERT", 0x400),
    Bit("ES_READONLY", 0x800), Bit("ES_WANTRETURN", 0x1000), Bit("ES_NUMBER", 0x2000));

TAVRIN_STYLE_TABLE(kRichEdit, 14,
    Of("ES_LEFT", 0x0, 0x3), Of("ES_CENTER", 0x1, 0x3), Of("ES_RIGHT", 0x2, 0x3), Bit("ES_MULTILINE", 0x4),
    Bit("ES_NOOLEDRAGDROP", 0x8), Bit("ES_PASSWORD", 0x20), Bit("ES_AUTOVSCROLL", 0x40),
    Bit("ES_AUTOHSCROLL", 0x80), Bit("ES_NOHIDESEL", 0x100), Bit("ES_READONLY", 0x800),
    Bit("ES_WANTRETURN", 0x1000), Bit("ES_DISABLENOSCROLL", 0x2000), Bit("ES_SUNKEN", 0x4000),
    Bit("ES_SAVESEL", 0x8000));

TAVRIN_STYLE_TABLE(kStatic, 30,
    Of("SS_LEFT", 0x00, 0x1F), Of("SS_CENTER", 0x01, 0x1F), Of("SS_RIGHT", 0x02, 0x1F), Of("SS_ICON", 0x03, 0x1F),
    Of("SS_BLACKRECT", 0x04, 0x1F), Of("SS_GRAYRECT", 0x05, 0x1F), Of("SS_WHITERECT", 0x06, 0x1F),
    Of("SS_BLACKFRAME", 0x07, 0x1F), Of("SS_GRAYFRAME", 0x08, 0x1F), Of("SS_WHITEFRAME", 0x09, 0x1F),
    Of("SS_USERITEM", 0x0A, 0x1F), Of("SS_SIMPLE", 0x0B, 0x1F), Of("SS_LEFTNOWORDWRAP", 0x0C, 0x1F),
    Of("SS_OWNERDRAW", 0x0D, 0x1F), Of("SS_BITMAP", 0x0E, 0x1F), Of("SS_ENHMETAFILE", 0x0F, 0x1F),
    Of("SS_ETCHEDHORZ", 0x10, 0x1F), Of("SS_ETCHEDVERT", 0x11, 0x1F), Of("SS_ETCHEDFRAME", 0x12, 0x1F),
    Bit("SS_REALSIZECONTROL", 0x40), Bit("SS_NOPREFIX", 0x80), Bit("SS_NOTIFY", 0x100),
    Bit("SS_CENTERIMAGE", 0x200), Bit("SS_RIGHTJUST", 0x400), Bit("SS_REALSIZEIMAGE", 0x800),
    Bit("SS_SUNKEN", 0x1000), Bit("SS_EDITCONTROL", 0x2000), Of("SS_ENDELLIPSIS", 0x4000, 0xC000),
    Of("SS_PATHELLIPSIS", 0x8000, 0xC000), Of("SS_WORDELLIPSIS", 0xC000, 0xC000));

TAVRIN_STYLE_TABLE(kListBox, 16,
    Bit("LBS_NOTIFY", 0x1), Bit("LBS_SORT", 0x2), Bit("LBS_NOREDRAW", 0x4), Bit("LBS_MULTIPLESEL", 0x8),
    Bit("LBS_OWNERDRAWFIXED", 0x10), Bit("LBS_OWNERDRAWVARIABLE", 0x20), Bit("LBS_HASSTRINGS", 0x40),
    Bit("LBS_USETABSTOPS", 0x80), Bit("LBS_NOINTEGRALHEIGHT", 0x100), Bit("LBS_MULTICOLUMN", 0x200),
    Bit("LBS_WANTKEYBOARDINPUT", 0x400), Bit("LBS_EXTENDEDSEL", 0x800), Bit("LBS_DISABLENOSCROLL", 0x1000),
    Bit("LBS_NODATA", 0x2000), Bit("LBS_NOSEL", 0x4000), Bit("LBS_COMBOBOX", 0x8000));

TAVRIN_STYLE_TABLE(kComboBox, 13,
    Of("CBS_SIMPLE", 0x1, 0x3), Of("CBS_DROPDOWN", 0x2, 0x3), Of("CBS_DROPDOWNLIST", 0x3, 0x3),
    Bit("CBS_OWNERDRAWFIXED", 0x10), Bit("CBS_OWNERDRAWVARIABLE", 0x20), Bit("CBS_AUTOHSCROLL", 0x40),
    Bit("CBS_OEMCONVERT", 0x80), Bit("CBS_SORT", 0x100), Bit("CBS_HASSTRINGS", 0x200),
    Bit("CBS_NOINTEGRALHEIGHT", 0x400), Bit("CBS_DISABLENOSCROLL", 0x800), Bit("CBS_UPPERCASE", 0x2000),
    Bit("CBS_LOWERCASE", 0x4000));

TAVRIN_STYLE_TABLE(kListView, 18,
    Of("LVS_ICON", 0x0, 0x3), Of("LVS_REPORT", 0x1, 0x3), Of("LVS_SMALLICON", 0x2, 0x3), Of("LVS_LIST", 0x3, 0x3),
    Bit("LVS_SINGLESEL", 0x4), Bit("LVS_SHOWSELALWAYS", 0x8), Bit("LVS_SORTASCENDING", 0x10),
    Bit("LVS_SORTDESCENDING", 0x20), Bit("LVS_SHAREIMAGELISTS", 0x40), Bit("LVS_NOLABELWRAP", 0x80),
    Bit("LVS_AUTOARRANGE", 0x100), Bit("LVS_EDITLABELS", 0x200), Bit("LVS_OWNERDRAWFIXED", 0x400),
    Of("LVS_ALIGNLEFT", 0x800, 0xC00), Bit("LVS_OWNERDATA", 0x1000), Bit("LVS_NOSCROLL", 0x2000),
    Bit("LVS_NOCOLUMNHEADER", 0x4000), Bit("LVS_NOSORTHEADER", 0x8000));

TAVRIN_STYLE_TABLE(kTreeView, 16,
    Bit("TVS_HASBUTTONS", 0x1), Bit("TVS_HASLINES", 0x2), Bit("TVS_LINESATROOT", 0x4), Bit("TVS_EDITLABELS", 0x8),
    Bit("TVS_DISABLEDRAGDROP", 0x10), Bit("TVS_SHOWSELALWAYS", 0x20), Bit("TVS_RTLREADING", 0x40),
    Bit("TVS_NOTOOLTIPS", 0x80), Bit("TVS_CHECKBOXES", 0x100), Bit("TVS_TRACKSELECT", 0x200),
    Bit("TVS_SINGLEEXPAND", 0x400), Bit("TVS_INFOTIP", 0x800), Bit("TVS_FULLROWSELECT", 0x1000),
    Bit("TVS_NOSCROLL", 0x2000), Bit("TVS_NONEVENHEIGHT", 0x4000), Bit("TVS_NOHSCROLL", 0x8000));

TAVRIN_STYLE_TABLE(kTabControl, 16,
    Bit("TCS_SCROLLOPPOSITE", 0x1), Bit("TCS_BOTTOM", 0x2), Bit("TCS_MULTISELECT", 0x4),
    Bit("TCS_FLATBUTTONS", 0x8), Bit("TCS_FORCEICONLEFT", 0x10), Bit("TCS_FORCELABELLEFT", 0x20),
    Bit("TCS_HOTTRACK", 0x40), Bit("TCS_VERTICAL", 0x80), Bit("TCS_BUTTONS", 0x100), Bit("TCS_MULTILINE", 0x200),
    Bit("TCS_FIXEDWIDTH", 0x400), Bit("TCS_RAGGEDRIGHT", 0x800), Bit("TCS_FOCUSONBUTTONDOWN", 0x1000),
    Bit("TCS_OWNERDRAWFIXED", 0x2000), Bit("TCS_TOOLTIPS", 0x4000), Bit("TCS_FOCUSNEVER", 0x8000));

TAVRIN_STYLE_TABLE(kProgress, 3, Bit("PBS_SMOOTH", 0x1), Bit("PBS_VERTICAL", 0x4), Bit("PBS_MARQUEE", 0x8));

TAVRIN_STYLE_TABLE(kTrackbar, 11,
    Bit("TBS_AUTOTICKS", 0x1), Bit("TBS_VERT", 0x2), Bit("TBS_TOP", 0x4), Bit("TBS_BOTH", 0x8),
    Bit("TBS_NOTICKS", 0x10), Bit("TBS_ENABLESELRANGE", 0x20), Bit("TBS_FIXEDLENGTH", 0x40),
    Bit("TBS_NOTHUMB", 0x80), Bit("TBS_TOOLTIPS", 0x100), Bit("TBS_REVERSED", 0x200),
    Bit("TBS_DOWNISLEFT", 0x400));

TAVRIN_STYLE_TABLE(kUpDown, 9,
    Bit("UDS_WRAP", 0x1), Bit("UDS_SETBUDDYINT", 0x2), Bit("UDS_ALIGNRIGHT", 0x4), Bit("UDS_ALIGNLEFT", 0x8),
    Bit("UDS_AUTOBUDDY", 0x10), Bit("UDS_ARROWKEYS", 0x20), Bit("UDS_HORZ", 0x40), Bit("UDS_NOTHOUSANDS", 0x80),
    Bit("UDS_HOTTRACK", 0x100));

TAVRIN_STYLE_TABLE(kStatusBar, 2, Bit("SBARS_SIZEGRIP", 0x100), Bit("SBARS_TOOLTIPS", 0x800));

TAVRIN_STYLE_TABLE(kDialog, 14,
    Bit("DS_ABSALIGN", 0x1), Bit("DS_SYSMODAL", 0x2), Bit("DS_3DLOOK", 0x4), Bit("DS_FIXEDSYS", 0x8),
    Bit("DS_NOFAILCREATE", 0x10), Bit("DS_LOCALEDIT", 0x20), Bit("DS_SETFONT", 0x40), Bit("DS_MODALFRAME", 0x80),
    Bit("DS_NOIDLEMSG", 0x100), Bit("DS_SETFOREGROUND", 0x200), Bit("DS_CONTROL", 0x400), Bit("DS_CENTER", 0x800),
    Bit("DS_CENTERMOUSE", 0x1000), Bit("DS_CONTEXTHELP", 0x2000));

#undef TAVRIN_STYLE_TABLE

template <std::size_t N>
constexpr StyleTable TableOf(std::string_view title, const StyleFlag (&flags)[N]) {
    return {title, flags, N};
}

struct ClassTable {
    std::string_view className;
    StyleTable table;
};

const ClassTable kClassTables[] = {
    {"Button", TableOf("按钮样式 (BS_)", kButton)},
    {"Edit", TableOf("编辑框样式 (ES_)", kEdit)},
    {"Static", TableOf("标签样式 (SS_)", kStatic)},
    {"ListBox", TableOf("列表框样式 (LBS_)", kListBox)},
    {"ComboBox", TableOf("组合框样式 (CBS_)", kComboBox)},
    {"SysListView32", TableOf("列表视图样式 (LVS_)", kListView)},
    {"SysTreeView32", TableOf("树型框样式 (TVS_)", kTreeView)},
    {"SysTabControl32", TableOf("选择夹样式 (TCS_)", kTabControl)},
    {"RichEdit20A", TableOf("富文本框样式 (ES_)", kRichEdit)},
    {"RichEdit20W", TableOf("富文本框样式 (ES_)", kRichEdit)},
    {"RICHEDIT50W", TableOf("富文本框样式 (ES_)", kRichEdit)},
    {"RichEdit", TableOf("富文本框样式 (ES_)", kRichEdit)},
    {"msctls_progress32", TableOf("进度条样式 (PBS_)", kProgress)},
    {"msctls_trackbar32", TableOf("滑块样式 (TBS_)", kTrackbar)},
    {"msctls_updown32", TableOf("调节器样式 (UDS_)", kUpDown)},
    {"msctls_statusbar32", TableOf("状态条样式 (SBARS_)", kStatusBar)},
    {"#32770", TableOf("对话框样式 (DS_)", kDialog)},
};

}  // namespace

StyleTable WindowStyleTable(bool child) {
    return child ? TableOf("窗口样式 (WS_)", kWindowChild) : TableOf("窗口样式 (WS_)", kWindowTopLevel);
}

StyleTable ExtendedStyleTable() { return TableOf("扩展样式 (WS_EX_)", kExtended); }

StyleTable ClassStyleTable(std::string_view className) {
    for (const ClassTable& entry : kClassTables) {
        if (text::EqualsIgnoringAsciiCase(entry.className, className)) return entry.table;
    }
    return {"", nullptr, 0};
}

bool Holds(std::uint32_t style, const StyleFlag& flag) { return (style & flag.mask) == flag.value; }

std::uint32_t WithFlag(std::uint32_t style, const StyleFlag& flag, bool on) {
    if (on) return (style & ~flag.mask) | flag.value;
    return Holds(style, flag) ? style & ~flag.mask : style;
}

std::uint32_t UnnamedBits(std::uint32_t style, const std::vector<StyleTable>& tables) {
    std::uint32_t named = 0;
    for (const StyleTable& table : tables) {
        for (std::size_t i = 0; i < table.count; ++i) {
            if (Holds(style, table.flags[i])) named |= table.flags[i].mask;
        }
    }
    return style & ~named;
}

std::string HexText(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(value));
    return text;
}

}  // namespace inspector::core
