#include "messages/core/lookup_code.h"

#include <gtest/gtest.h>

namespace {

using namespace messages::core;
namespace {

LookupLevel Level(std::vector<WindowFacts> siblings, std::size_t self) { return {std::move(siblings), self}; }

TEST(LookupCode, VariableLookingTitles) {
    for (const char* variable : {"(未命名) - 记事本", "文档 - Wine Wordpad", "report.txt", "a.b", "12:30",
                                 "第3页", "C:\\work", "http://x", "时间：下午"}) {
        EXPECT_TRUE(TitleLooksVariable(variable)) << variable;
    }
    for (const char* stable : {"查找", "确定", "取消", "Options", "Fixture Dialog", "e.g. here", "..."}) {
        EXPECT_FALSE(TitleLooksVariable(stable)) << stable;
    }
}

// Each level is found by what tells it apart among its siblings, in the
// order class and title, class, control id, position.
TEST(LookupCode, EachLevelIsFoundByWhatTellsItApart) {
    struct Case {
        const char* what;
        bool topLevel;
        LookupLevel level;
        LookupWay way;
        int position;
    } cases[] = {
        {"dialog among dialogs", true, Level({{"#32770", "打开", 0}, {"#32770", "查找", 0}, {"Notepad", "x", 0}}, 1),
         LookupWay::ClassAndTitle, 0},
        {"main window with a document title", true, Level({{"Notepad", "(未命名) - 记事本", 0}, {"Shell", "", 0}}, 0),
         LookupWay::ClassOnly, 0},
        {"edit box: its text is content", false, Level({{"Edit", "hello", 1152}, {"Button", "OK", 1}}, 0),
         LookupWay::ClassOnly, 0},
        {"button with a unique caption", false,
         Level({{"Button", "确定", 1}, {"Button", "取消", 2}, {"Button", "帮助", 9}}, 1), LookupWay::ClassAndTitle, 0},
        {"same captions, unique id", false, Level({{"Button", "", 101}, {"Button", "", 102}}, 1),
         LookupWay::ControlId, 0},
        {"ids of 0 are shared", false, Level({{"Static", "", 0}, {"Static", "", 0}, {"Static", "", 0}}, 2),
         LookupWay::ClassPosition, 3},
        {"an id of -1 is no name either", false,
         Level({{"Static", "", -1}, {"Edit", "", 5}, {"Static", "", -1}}, 2), LookupWay::ClassPosition, 2},
        {"a unique id that a window of another class shares", false,
         Level({{"Button", "", 7}, {"Static", "", 7}, {"Button", "", 8}}, 0), LookupWay::ClassPosition, 1},
        {"top-level windows without titles never go by id", true,
         Level({{"Tray", "", 0}, {"Tray", "", 55}, {"Tray", "", 0}}, 1), LookupWay::ClassPosition, 2},
        {"case does not tell windows apart", false, Level({{"button", "OK", 0}, {"BUTTON", "ok", 0}}, 1),
         LookupWay::ClassPosition, 2},
    };
    for (const Case& c : cases) {
        std::vector<LookupLevel> levels;
        if (!c.topLevel) levels.push_back(Level({{"Root", "Root", 0}}, 0));
        levels.push_back(c.level);
        const std::vector<LookupStep> steps = PlanLookup(levels);
        ASSERT_EQ(steps.size(), levels.size()) << c.what;
        EXPECT_EQ(steps.back().way, c.way) << c.what;
        if (c.way == LookupWay::ClassPosition) {
            EXPECT_EQ(steps.back().position, c.position) << c.what;
        }
        EXPECT_FALSE(steps.back().reason.empty()) << c.what;
    }
    EXPECT_TRUE(PlanLookup({}).empty());
    EXPECT_TRUE(PlanLookup({Level({}, 0)}).empty());  // a level without its window
}

TEST(LookupCode, TheCodeDeclaresWhatItCallsAndWalksDownTheLevels) {
    // An owned dialog's control: the dialog is a top-level window of its own.
    const std::vector<LookupLevel> levels = {
        Level({{"Notepad", "(未命名) - 记事本", 0}, {"#32770", "查找", 0}}, 1),
        Level({{"Static", "查找(&N):", 1088}, {"Edit", "", 1152}, {"Button", "全字匹配(&W)", 1040},
               {"Button", "区分大小写(&C)", 1041}, {"Button", "", 0}, {"Button", "", 0}},
              5),
    };
    const std::vector<LookupStep> steps = PlanLookup(levels);
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].way, LookupWay::ClassAndTitle);
    EXPECT_EQ(steps[1].way, LookupWay::ClassPosition);
    const std::string code = LookupCode(steps);
    EXPECT_EQ(code.rfind(".版本 2\r\n", 0), 0u);
    EXPECT_NE(code.find(".DLL命令 _查找子窗口, 整数型, \"user32\", \"FindWindowExA\""), std::string::npos);
    EXPECT_NE(code.find(".DLL命令 _按类名查找子窗口, 整数型, \"user32\", \"FindWindowExA\""), std::string::npos);
    EXPECT_EQ(code.find("GetDlgItem"), std::string::npos);  // not used: not declared
    EXPECT_NE(code.find("窗口 = _查找子窗口 (0, 0, \"#32770\", \"查找\")  ' 第1层"), std::string::npos);
    EXPECT_NE(code.find(".计次循环首 (4, )\r\n    窗口 = _按类名查找子窗口 (父窗口, 窗口, \"Button\", 0)\r\n"),
              std::string::npos);
    EXPECT_NE(code.find("返回 (窗口)\r\n"), std::string::npos);
    for (std::size_t at = code.find('\n'); at != std::string::npos; at = code.find('\n', at + 1)) {
        ASSERT_EQ(code[at - 1], '\r') << at;
    }

    // By id: GetDlgItem is declared; a quote in a title joins in as #引号.
    const std::vector<LookupStep> byId = PlanLookup(
        {Level({{"Main", "名为\"甲\"", 0}}, 0), Level({{"Button", "", 301}, {"Button", "", 302}}, 1)});
    const std::string idCode = LookupCode(byId);
    EXPECT_NE(idCode.find("\"GetDlgItem\""), std::string::npos);
    EXPECT_NE(idCode.find("窗口 = _窗口控件ID取句柄 (父窗口, 302)"), std::string::npos);
    EXPECT_NE(idCode.find("\"名为\" + #引号 + \"甲\" + #引号)"), std::string::npos);
    EXPECT_EQ(LookupCode({}), "");
}

// A title cannot put lines of its own into the code: line breaks and other
// control characters join the text constant as expressions and leave the
// comments as blanks.
TEST(LookupCode, ATitleWithLineBreaksStaysInsideItsConstantAndComment) {
    const std::string hostile = "甲\r\n运行 (\"calc\", 假, )\r\n' x\ty\n";
    const std::vector<LookupStep> steps = PlanLookup({Level({{"Main", hostile, 0}, {"Main", "乙", 0}}, 0)});
    ASSERT_EQ(steps.size(), 1u);
    ASSERT_EQ(steps[0].way, LookupWay::ClassAndTitle);
    const std::string code = LookupCode(steps);
    for (std::size_t start = 0; start < code.size();) {
        const std::size_t end = code.find("\r\n", start);
        const std::string line = code.substr(start, end - start);
        EXPECT_NE(line.rfind("运行", 0), 0u) << line;
        EXPECT_EQ(line.find('\n'), std::string::npos) << line;
        EXPECT_EQ(line.find('\r'), std::string::npos) << line;
        start = end == std::string::npos ? code.size() : end + 2;
    }
    EXPECT_NE(code.find("(0, 0, \"Main\", \"甲\" + #换行符 + \"运行 (\" + #引号 + \"calc\" + #引号 +"
                        " \", 假, )\" + #换行符 + \"' x\" + 字符 (9) + \"y\" + 字符 (10))"),
              std::string::npos)
        << code;
    EXPECT_EQ(ETextConstant(""), "\"\"");
    EXPECT_EQ(ETextConstant("\""), "#引号");
}

}  // namespace
}  // namespace
