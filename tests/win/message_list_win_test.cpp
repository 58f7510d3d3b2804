// The shipped message list means what its names say: every message value
// and the parameters that have a named meaning agree with the constants of
// the system's own headers, and every message of the file is checked.
#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "messages/core/config_text.h"
#include "messages/core/default_message_list.h"
#include "messages/core/message_fields.h"
#include "messages/core/pointer_messages.h"
#include "text/number_text.h"

namespace {

// What a parameter of the file must be: a number, a logical value, or a
// text (any text).
struct Param {
    enum Kind { Number, Logical, Text } kind;
    std::int32_t value;
};

template <typename T>
Param N(T value) {
    // The low 32 bits, as the sender passes them on.
    return {Param::Number, static_cast<std::int32_t>(static_cast<std::uint32_t>(value))};
}
Param L(BOOL value) { return {Param::Logical, value ? 1 : 0}; }
const Param kText = {Param::Text, 0};

struct Expected {
    const char* category;
    const char* key;
    UINT message;
    Param wParam;
    Param lParam;
};

const LPARAM kPoint = MAKELPARAM(10, 10);
const LPARAM kKeyPress = MAKELPARAM(1, 0);
const LPARAM kKeyRelease = MAKELPARAM(1, KF_REPEAT | KF_UP);

const Expected kTable[] = {
    {"常用消息", "更改控件内容", WM_SETTEXT, N(0), kText},
    {"常用消息", "取控件内容", WM_GETTEXT, N(1024), kText},
    {"常用消息", "取内容长度", WM_GETTEXTLENGTH, N(0), N(0)},
    {"常用消息", "关闭窗口", WM_CLOSE, N(0), N(0)},
    {"常用消息", "通知显示(WM_SHOWWINDOW)", WM_SHOWWINDOW, N(TRUE), N(0)},
    {"常用消息", "通知隐藏(WM_SHOWWINDOW)", WM_SHOWWINDOW, N(FALSE), N(0)},
    {"常用消息", "通知启用(WM_ENABLE)", WM_ENABLE, N(TRUE), N(0)},
    {"常用消息", "通知禁用(WM_ENABLE)", WM_ENABLE, N(FALSE), N(0)},
    {"常用消息", "单击按钮", BM_CLICK, N(0), N(0)},
    {"常用消息", "最小化窗口", WM_SYSCOMMAND, N(SC_MINIMIZE), N(0)},
    {"常用消息", "最大化窗口", WM_SYSCOMMAND, N(SC_MAXIMIZE), N(0)},
    {"常用消息", "还原窗口", WM_SYSCOMMAND, N(SC_RESTORE), N(0)},

    {"按钮", "单击", BM_CLICK, N(0), N(0)},
    {"按钮", "取选中状态", BM_GETCHECK, N(0), N(0)},
    {"按钮", "置为选中", BM_SETCHECK, N(BST_CHECKED), N(0)},
    {"按钮", "置为未选中", BM_SETCHECK, N(BST_UNCHECKED), N(0)},
    {"按钮", "置为半选中", BM_SETCHECK, N(BST_INDETERMINATE), N(0)},
    {"按钮", "取按钮状态", BM_GETSTATE, N(0), N(0)},
    {"按钮", "置为按下外观", BM_SETSTATE, N(TRUE), N(0)},
    {"按钮", "置为弹起外观", BM_SETSTATE, N(FALSE), N(0)},
    {"按钮", "取按钮图片", BM_GETIMAGE, N(IMAGE_BITMAP), N(0)},

    {"编辑框", "置文本", WM_SETTEXT, N(0), kText},
    {"编辑框", "置多行文本", WM_SETTEXT, N(0), kText},
    {"编辑框", "取文本", WM_GETTEXT, N(1024), kText},
    {"编辑框", "取文本长度", WM_GETTEXTLENGTH, N(0), N(0)},
    {"编辑框", "全部选中", EM_SETSEL, N(0), N(-1)},
    {"编辑框", "取消选中", EM_SETSEL, N(-1), N(0)},
    {"编辑框", "取选中位置", EM_GETSEL, N(0), N(0)},
    {"编辑框", "替换选中文本", EM_REPLACESEL, N(TRUE), kText},
    {"编辑框", "撤销", EM_UNDO, N(0), N(0)},
    {"编辑框", "能否撤销", EM_CANUNDO, N(0), N(0)},
    {"编辑框", "剪切", WM_CUT, N(0), N(0)},
    {"编辑框", "复制", WM_COPY, N(0), N(0)},
    {"编辑框", "粘贴", WM_PASTE, N(0), N(0)},
    {"编辑框", "删除选中文本", WM_CLEAR, N(0), N(0)},
    {"编辑框", "置为只读", EM_SETREADONLY, N(TRUE), N(0)},
    {"编辑框", "取消只读", EM_SETREADONLY, N(FALSE), N(0)},
    {"编辑框", "取行数", EM_GETLINECOUNT, N(0), N(0)},
    {"编辑框", "取首可见行", EM_GETFIRSTVISIBLELINE, N(0), N(0)},
    {"编辑框", "置最大长度", EM_SETLIMITTEXT, N(100), N(0)},
    {"编辑框", "取最大长度", EM_GETLIMITTEXT, N(0), N(0)},
    {"编辑框", "置密码字符", EM_SETPASSWORDCHAR, N('*'), N(0)},
    {"编辑框", "取消密码字符", EM_SETPASSWORDCHAR, N(0), N(0)},
    {"编辑框", "取是否已修改", EM_GETMODIFY, N(0), N(0)},
    {"编辑框", "滚动到光标", EM_SCROLLCARET, N(0), N(0)},

    {"列表框", "加入项目", LB_ADDSTRING, N(0), kText},
    {"列表框", "插入项目", LB_INSERTSTRING, N(0), kText},
    {"列表框", "删除项目", LB_DELETESTRING, N(0), N(0)},
    {"列表框", "清空项目", LB_RESETCONTENT, N(0), N(0)},
    {"列表框", "取项目数", LB_GETCOUNT, N(0), N(0)},
    {"列表框", "置现行选中项", LB_SETCURSEL, N(0), N(0)},
    {"列表框", "取现行选中项", LB_GETCURSEL, N(0), N(0)},
    {"列表框", "取项目文本长度", LB_GETTEXTLEN, N(0), N(0)},
    {"列表框", "查找项目", LB_FINDSTRING, N(-1), kText},
    {"列表框", "精确查找项目", LB_FINDSTRINGEXACT, N(-1), kText},
    {"列表框", "选中匹配项目", LB_SELECTSTRING, N(-1), kText},
    {"列表框", "全部选中", LB_SETSEL, N(TRUE), N(-1)},
    {"列表框", "全部取消选中", LB_SETSEL, N(FALSE), N(-1)},
    {"列表框", "取选中项目数", LB_GETSELCOUNT, N(0), N(0)},
    {"列表框", "置顶部项目", LB_SETTOPINDEX, N(0), N(0)},
    {"列表框", "取顶部项目", LB_GETTOPINDEX, N(0), N(0)},

    {"组合框", "加入项目", CB_ADDSTRING, N(0), kText},
    {"组合框", "插入项目", CB_INSERTSTRING, N(0), kText},
    {"组合框", "删除项目", CB_DELETESTRING, N(0), N(0)},
    {"组合框", "清空项目", CB_RESETCONTENT, N(0), N(0)},
    {"组合框", "取项目数", CB_GETCOUNT, N(0), N(0)},
    {"组合框", "置现行选中项", CB_SETCURSEL, N(0), N(0)},
    {"组合框", "取现行选中项", CB_GETCURSEL, N(0), N(0)},
    {"组合框", "取项目文本长度", CB_GETLBTEXTLEN, N(0), N(0)},
    {"组合框", "查找项目", CB_FINDSTRING, N(-1), kText},
    {"组合框", "精确查找项目", CB_FINDSTRINGEXACT, N(-1), kText},
    {"组合框", "选中匹配项目", CB_SELECTSTRING, N(-1), kText},
    {"组合框", "弹出列表", CB_SHOWDROPDOWN, N(TRUE), N(0)},
    {"组合框", "收起列表", CB_SHOWDROPDOWN, N(FALSE), N(0)},
    {"组合框", "取列表是否弹出", CB_GETDROPPEDSTATE, N(0), N(0)},
    {"组合框", "限制输入长度", CB_LIMITTEXT, N(100), N(0)},

    {"窗口管理", "最小化", WM_SYSCOMMAND, N(SC_MINIMIZE), N(0)},
    {"窗口管理", "最大化", WM_SYSCOMMAND, N(SC_MAXIMIZE), N(0)},
    {"窗口管理", "还原", WM_SYSCOMMAND, N(SC_RESTORE), N(0)},
    {"窗口管理", "关闭", WM_SYSCOMMAND, N(SC_CLOSE), N(0)},
    {"窗口管理", "打开系统菜单", WM_SYSCOMMAND, N(SC_KEYMENU), N(VK_SPACE)},
    {"窗口管理", "启动屏幕保护", WM_SYSCOMMAND, N(SC_SCREENSAVE), N(0)},
    // lParam 2 turns the display off (1 is low power, -1 on).
    {"窗口管理", "关闭显示器", WM_SYSCOMMAND, N(SC_MONITORPOWER), N(2)},
    {"窗口管理", "退出消息循环", WM_QUIT, N(0), N(0)},
    {"窗口管理", "禁止重画", WM_SETREDRAW, N(FALSE), N(0)},
    {"窗口管理", "允许重画", WM_SETREDRAW, N(TRUE), N(0)},
    {"窗口管理", "取字体句柄", WM_GETFONT, N(0), N(0)},
    {"窗口管理", "取大图标", WM_GETICON, N(ICON_BIG), N(0)},
    {"窗口管理", "取小图标", WM_GETICON, N(ICON_SMALL), N(0)},
    {"窗口管理", "取消鼠标捕获", WM_CANCELMODE, N(0), N(0)},

    {"鼠标键盘", "鼠标移动", WM_MOUSEMOVE, N(0), N(kPoint)},
    {"鼠标键盘", "左键按下", WM_LBUTTONDOWN, N(MK_LBUTTON), N(kPoint)},
    {"鼠标键盘", "左键放开", WM_LBUTTONUP, N(0), N(kPoint)},
    {"鼠标键盘", "左键双击", WM_LBUTTONDBLCLK, N(MK_LBUTTON), N(kPoint)},
    {"鼠标键盘", "右键按下", WM_RBUTTONDOWN, N(MK_RBUTTON), N(kPoint)},
    {"鼠标键盘", "右键放开", WM_RBUTTONUP, N(0), N(kPoint)},
    {"鼠标键盘", "中键按下", WM_MBUTTONDOWN, N(MK_MBUTTON), N(kPoint)},
    {"鼠标键盘", "中键放开", WM_MBUTTONUP, N(0), N(kPoint)},
    {"鼠标键盘", "滚轮向上", WM_MOUSEWHEEL, N(MAKEWPARAM(0, WHEEL_DELTA)), N(kPoint)},
    {"鼠标键盘", "滚轮向下", WM_MOUSEWHEEL, N(MAKEWPARAM(0, -WHEEL_DELTA)), N(kPoint)},
    {"鼠标键盘", "按下回车键", WM_KEYDOWN, N(VK_RETURN), N(kKeyPress)},
    {"鼠标键盘", "放开回车键", WM_KEYUP, N(VK_RETURN), N(kKeyRelease)},
    {"鼠标键盘", "按下Esc键", WM_KEYDOWN, N(VK_ESCAPE), N(kKeyPress)},
    {"鼠标键盘", "放开Esc键", WM_KEYUP, N(VK_ESCAPE), N(kKeyRelease)},
    {"鼠标键盘", "输入字符A", WM_CHAR, N('A'), N(kKeyPress)},

    {"滚动条", "向上滚动一行", WM_VSCROLL, N(SB_LINEUP), N(0)},
    {"滚动条", "向下滚动一行", WM_VSCROLL, N(SB_LINEDOWN), N(0)},
    {"滚动条", "向上翻页", WM_VSCROLL, N(SB_PAGEUP), N(0)},
    {"滚动条", "向下翻页", WM_VSCROLL, N(SB_PAGEDOWN), N(0)},
    {"滚动条", "滚动到顶部", WM_VSCROLL, N(SB_TOP), N(0)},
    {"滚动条", "滚动到底部", WM_VSCROLL, N(SB_BOTTOM), N(0)},
    {"滚动条", "向左滚动一列", WM_HSCROLL, N(SB_LINELEFT), N(0)},
    {"滚动条", "向右滚动一列", WM_HSCROLL, N(SB_LINERIGHT), N(0)},
    {"滚动条", "向左翻页", WM_HSCROLL, N(SB_PAGELEFT), N(0)},
    {"滚动条", "向右翻页", WM_HSCROLL, N(SB_PAGERIGHT), N(0)},
    {"滚动条", "滚动到最左", WM_HSCROLL, N(SB_LEFT), N(0)},
    {"滚动条", "滚动到最右", WM_HSCROLL, N(SB_RIGHT), N(0)},
    {"滚动条", "置滚动位置", SBM_SETPOS, N(50), L(TRUE)},
    {"滚动条", "取滚动位置", SBM_GETPOS, N(0), N(0)},
    {"滚动条", "置滚动范围", SBM_SETRANGE, N(0), N(100)},
};

void ExpectParam(const Param& expected, const messages::core::MessageFields& f, bool isLParam, const std::string& where) {
    const char* name = isLParam ? "lParam" : "wParam";
    if (!isLParam) {
        EXPECT_EQ(text::TextToInt32(f.wParam), expected.value) << where << " " << name;
        return;
    }
    switch (expected.kind) {
        case Param::Number:
            ASSERT_EQ(f.lParamType, messages::core::ParameterType::Integer) << where;
            EXPECT_EQ(text::TextToInt32(f.lParamText.value_or("")), expected.value) << where << " " << name;
            break;
        case Param::Logical:
            ASSERT_EQ(f.lParamType, messages::core::ParameterType::Logical) << where;
            EXPECT_EQ(f.logical, expected.value) << where << " " << name;
            break;
        case Param::Text:
            EXPECT_EQ(f.lParamType, messages::core::ParameterType::Text) << where;
            break;
    }
}

TEST(MessageListWin, EveryMessageIsTheSystemConstantItsNameMeans) {
    const messages::core::ConfigText config(messages::core::DefaultMessageListBytes());
    std::set<std::pair<std::string, std::string>> inTable;
    for (const Expected& e : kTable) {
        const std::string where = std::string(e.category) + "/" + e.key;
        EXPECT_TRUE(inTable.emplace(e.category, e.key).second) << "twice in the table: " << where;
        const std::string value = config.ReadValue(e.category, e.key, "\xFF");
        ASSERT_NE(value, "\xFF") << "not in the file: " << where;
        const messages::core::MessageFields f = messages::core::ParseMessageFields(value);
        EXPECT_EQ(text::TextToInt32(f.message), static_cast<std::int32_t>(e.message)) << where;
        ExpectParam(e.wParam, f, false, where);
        ExpectParam(e.lParam, f, true, where);
    }

    std::size_t inFile = 0;
    for (const std::string& category : config.SectionNames()) {
        for (const std::string& key : config.KeyNames(category)) {
            ++inFile;
            EXPECT_EQ(inTable.count({category, key}), 1u) << "not in the table: " << category << "/" << key;
        }
    }
    EXPECT_EQ(inFile, inTable.size());
}

// The messages the sender refuses because they take a structure's address
// have the values the system's headers give their names.
TEST(MessageListWin, EveryMessageThatTakesAnAddressHasTheHeadersValue) {
    const std::map<std::string, UINT> headers = {
#define NAMED(m) {#m, m}
        NAMED(LVM_GETITEMA), NAMED(LVM_SETITEMA), NAMED(LVM_INSERTITEMA), NAMED(LVM_FINDITEMA),
        NAMED(LVM_GETITEMRECT), NAMED(LVM_GETITEMPOSITION), NAMED(LVM_GETSTRINGWIDTHA), NAMED(LVM_HITTEST),
        NAMED(LVM_GETCOLUMNA), NAMED(LVM_SETCOLUMNA), NAMED(LVM_INSERTCOLUMNA), NAMED(LVM_GETVIEWRECT),
        NAMED(LVM_GETORIGIN), NAMED(LVM_SETITEMSTATE), NAMED(LVM_GETITEMTEXTA), NAMED(LVM_SETITEMTEXTA),
        NAMED(LVM_SORTITEMS), NAMED(LVM_SETITEMPOSITION32), NAMED(LVM_GETISEARCHSTRINGA),
        NAMED(LVM_GETSUBITEMRECT), NAMED(LVM_SUBITEMHITTEST), NAMED(LVM_SETCOLUMNORDERARRAY),
        NAMED(LVM_GETCOLUMNORDERARRAY), NAMED(LVM_SETWORKAREAS), NAMED(LVM_SETBKIMAGEA), NAMED(LVM_GETBKIMAGEA),
        NAMED(LVM_GETWORKAREAS), NAMED(LVM_GETNUMBEROFWORKAREAS), NAMED(LVM_GETITEMW), NAMED(LVM_SETITEMW),
        NAMED(LVM_INSERTITEMW), NAMED(LVM_SORTITEMSEX), NAMED(LVM_FINDITEMW), NAMED(LVM_GETSTRINGWIDTHW),
        NAMED(LVM_GETCOLUMNW), NAMED(LVM_SETCOLUMNW), NAMED(LVM_INSERTCOLUMNW), NAMED(LVM_GETITEMTEXTW),
        NAMED(LVM_SETITEMTEXTW), NAMED(LVM_GETISEARCHSTRINGW), NAMED(LVM_SETBKIMAGEW), NAMED(LVM_GETBKIMAGEW),
        NAMED(TVM_INSERTITEMA), NAMED(TVM_GETITEMRECT), NAMED(TVM_GETITEMA), NAMED(TVM_SETITEMA), NAMED(TVM_HITTEST),
        NAMED(TVM_SORTCHILDRENCB), NAMED(TVM_GETISEARCHSTRINGA), NAMED(TVM_INSERTITEMW), NAMED(TVM_GETITEMW),
        NAMED(TVM_SETITEMW), NAMED(TVM_GETISEARCHSTRINGW),
        NAMED(HDM_INSERTITEMA), NAMED(HDM_GETITEMA), NAMED(HDM_SETITEMA), NAMED(HDM_LAYOUT), NAMED(HDM_HITTEST),
        NAMED(HDM_GETITEMRECT), NAMED(HDM_INSERTITEMW), NAMED(HDM_GETITEMW), NAMED(HDM_SETITEMW),
        NAMED(HDM_GETORDERARRAY), NAMED(HDM_SETORDERARRAY),
        NAMED(TCM_GETITEMA), NAMED(TCM_SETITEMA), NAMED(TCM_INSERTITEMA), NAMED(TCM_GETITEMRECT), NAMED(TCM_HITTEST),
        NAMED(TCM_ADJUSTRECT), NAMED(TCM_GETITEMW), NAMED(TCM_SETITEMW), NAMED(TCM_INSERTITEMW),
        NAMED(CBEM_INSERTITEMA), NAMED(CBEM_GETITEMA), NAMED(CBEM_SETITEMA), NAMED(CBEM_INSERTITEMW),
        NAMED(CBEM_SETITEMW), NAMED(CBEM_GETITEMW),
#undef NAMED
    };
    std::size_t count = 0;
    const messages::core::PointerMessage* messages = messages::core::PointerMessages(count);
    ASSERT_EQ(count, headers.size());
    for (std::size_t i = 0; i < count; ++i) {
        const auto found = headers.find(std::string(messages[i].name));
        ASSERT_NE(found, headers.end()) << messages[i].name;
        EXPECT_EQ(messages[i].value, found->second) << messages[i].name;
    }
}

}  // namespace
