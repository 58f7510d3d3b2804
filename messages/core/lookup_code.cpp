#include "messages/core/lookup_code.h"

#include "messages/core/e_code_templates.h"
#include "text/text_basics.h"

namespace messages::core {
namespace {

// Controls whose text is what the user typed or chose, not a name.
bool TextIsContent(std::string_view className) {
    for (std::string_view content : {"Edit", "RichEdit", "RichEdit20A", "RichEdit20W", "RICHEDIT50W", "ComboBox",
                                     "ComboBoxEx32", "ListBox", "SysListView32", "SysTreeView32"}) {
        if (text::EqualsIgnoringAsciiCase(className, content)) return true;
    }
    return text::StartsWithIgnoringCase(className, "msctls_");
}

bool SameText(std::string_view a, std::string_view b) { return text::EqualsIgnoringAsciiCase(a, b); }

bool IsAsciiAlnum(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// A file name's ending: a dot, then one to four letters or digits, at the
// end of the title or before a blank or a closing bracket.
bool HasFileEnding(std::string_view title) {
    for (std::size_t dot = title.find('.'); dot != std::string_view::npos; dot = title.find('.', dot + 1)) {
        if (dot == 0 || !IsAsciiAlnum(title[dot - 1])) continue;
        std::size_t end = dot + 1;
        while (end < title.size() && IsAsciiAlnum(title[end])) ++end;
        const std::size_t length = end - dot - 1;
        const bool ends = end == title.size() || title[end] == ' ' || title[end] == ')' || title[end] == ']';
        if (length >= 1 && length <= 4 && ends) return true;
    }
    return false;
}

bool UsableTitle(const WindowFacts& w) { return !w.title.empty() && !TextIsContent(w.className) && !TitleLooksVariable(w.title); }

// An E text constant. What an E text constant cannot hold joins in as an
// expression: a double quote as #引号, CR LF as #换行符, any other control
// character as 字符 (code), so that no text can end the constant or the line
// and put lines of its own into the code.
std::string EText(std::string_view text) {
    std::string result, run;
    auto join = [&result](const std::string& part) { result += (result.empty() ? "" : " + ") + part; };
    auto flushRun = [&] {
        if (!run.empty()) join("\"" + run + "\"");
        run.clear();
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '"') {
            flushRun();
            join("#引号");
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            flushRun();
            join("#换行符");
            ++i;
        } else if (c < 0x20 || c == 0x7F) {
            flushRun();
            join("字符 (" + std::to_string(c) + ")");
        } else {
            run += text[i];
        }
    }
    flushRun();
    return result.empty() ? "\"\"" : result;
}

std::string Quoted(std::string_view text) { return "“" + std::string(text) + "”"; }

// The first lines of a template: its declaration, without the blank line
// after it.
std::string Declaration(std::size_t templateIndex) {
    std::string text(ECodeTemplateText(templateIndex));
    while (text.size() >= 4 && text.compare(text.size() - 4, 4, "\r\n\r\n") == 0) text.resize(text.size() - 2);
    return text;
}

constexpr std::string_view kByClassAndTitle = "_查找子窗口";
constexpr std::string_view kByClass = "_按类名查找子窗口";
constexpr std::string_view kById = "_窗口控件ID取句柄";

}  // namespace

bool TitleLooksVariable(std::string_view title) {
    for (char c : title) {
        if (c >= '0' && c <= '9') return true;
    }
    if (title.find(" - ") != std::string_view::npos) return true;
    if (title.find('\\') != std::string_view::npos || title.find('/') != std::string_view::npos) return true;
    if (title.find(':') != std::string_view::npos || title.find("：") != std::string_view::npos) return true;
    return HasFileEnding(title);
}

std::vector<LookupStep> PlanLookup(const std::vector<LookupLevel>& levels) {
    std::vector<LookupStep> steps;
    for (std::size_t depth = 0; depth < levels.size(); ++depth) {
        const LookupLevel& level = levels[depth];
        if (level.self >= level.siblings.size()) return {};
        const WindowFacts& self = level.siblings[level.self];
        const std::string where = "第" + std::to_string(depth + 1) + "层" + (depth == 0 ? "（顶级窗口）" : "");
        int sameClass = 0, sameClassAndTitle = 0, sameId = 0, position = 0;
        for (std::size_t i = 0; i < level.siblings.size(); ++i) {
            const WindowFacts& w = level.siblings[i];
            if (!SameText(w.className, self.className)) {
                if (w.id == self.id) ++sameId;
                continue;
            }
            ++sameClass;
            if (i <= level.self) ++position;
            if (SameText(w.title, self.title)) ++sameClassAndTitle;
            if (w.id == self.id) ++sameId;
        }
        LookupStep step;
        step.className = self.className;
        const bool idUsable = depth > 0 && self.id != 0 && self.id != -1;
        if (UsableTitle(self) && sameClassAndTitle == 1) {
            step.way = LookupWay::ClassAndTitle;
            step.title = self.title;
            step.reason = where + "：类名" + Quoted(self.className) + "加标题" + Quoted(self.title) +
                          "，同级窗口中只有它一个";
        } else if (sameClass == 1) {
            step.way = LookupWay::ClassOnly;
            std::string why = where + "：类名" + Quoted(self.className) + "在同级窗口中只有它一个";
            if (self.title.empty()) {
                why += "；它没有标题";
            } else if (TextIsContent(self.className)) {
                why += "；标题是控件内容，会变，不用";
            } else if (TitleLooksVariable(self.title)) {
                why += "；标题" + Quoted(self.title) + "像是会变的，不用";
            }
            step.reason = why;
        } else if (idUsable && sameId == 1) {
            step.way = LookupWay::ControlId;
            step.id = self.id;
            step.reason = where + "：控件ID " + std::to_string(self.id) + " 在同级窗口中只有它一个（类名" +
                          Quoted(self.className) + "有 " + std::to_string(sameClass) + " 个）";
        } else {
            step.way = LookupWay::ClassPosition;
            step.position = position;
            step.reason = where + "：同级窗口中类名" + Quoted(self.className) + "的第 " + std::to_string(position) +
                          " 个（按系统列出的次序；类名、标题、控件ID都不能单独认出它）";
        }
        // What else the next person may want to check it by.
        if (depth > 0 && step.way != LookupWay::ControlId) step.reason += "（控件ID " + std::to_string(self.id) + "）";
        steps.push_back(std::move(step));
    }
    return steps;
}

std::string LookupDeclarations(const std::vector<LookupStep>& steps) {
    bool byTitle = false, byClass = false, byId = false;
    for (const LookupStep& s : steps) {
        byTitle |= s.way == LookupWay::ClassAndTitle;
        byClass |= s.way == LookupWay::ClassOnly || s.way == LookupWay::ClassPosition;
        byId |= s.way == LookupWay::ControlId;
    }
    std::string code;
    if (byTitle) code += Declaration(0);
    if (byClass) {
        code += ".DLL命令 " + std::string(kByClass) +
                ", 整数型, \"user32\", \"FindWindowExA\", , 只比较类名：标题传 0（空指针），任何标题都算\r\n"
                "    .参数 参数_父窗口句柄, 整数型\r\n"
                "    .参数 参数_子窗口, 整数型\r\n"
                "    .参数 参数_类名, 文本型\r\n"
                "    .参数 参数_标题, 整数型\r\n";
    }
    if (byId) code += Declaration(2);
    return code;
}

std::string LookupSubroutine(const std::vector<LookupStep>& steps) {
    return LookupSubroutine(steps, "取目标窗口句柄", "按窗口层次找回 Tavrin编程助手 捕获的窗口，找不到时返回 0");
}

std::string LookupSubroutine(const std::vector<LookupStep>& steps, std::string_view name, std::string_view remark) {
    if (steps.empty()) return {};
    std::string code = ".子程序 " + std::string(name) + ", 整数型, , " + ECommentText(remark) + "\r\n"
                       ".局部变量 窗口, 整数型\r\n"
                       ".局部变量 父窗口, 整数型\r\n\r\n";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const LookupStep& s = steps[i];
        if (i > 0) code += "父窗口 = 窗口\r\n";
        const std::string parent = i == 0 ? "0" : "父窗口";
        const std::string comment = "  ' " + ECommentText(s.reason) + "\r\n";
        switch (s.way) {
            case LookupWay::ClassAndTitle:
                code += "窗口 = " + std::string(kByClassAndTitle) + " (" + parent + ", 0, " + EText(s.className) + ", " +
                        EText(s.title) + ")" + comment;
                break;
            case LookupWay::ClassOnly:
                code += "窗口 = " + std::string(kByClass) + " (" + parent + ", 0, " + EText(s.className) + ", 0)" +
                        comment;
                break;
            case LookupWay::ControlId:
                code += "窗口 = " + std::string(kById) + " (" + parent + ", " + std::to_string(s.id) + ")" + comment;
                break;
            case LookupWay::ClassPosition:
                code += "窗口 = 0" + comment;
                code += ".计次循环首 (" + std::to_string(s.position) + ", )\r\n";
                code += "    窗口 = " + std::string(kByClass) + " (" + parent + ", 窗口, " + EText(s.className) +
                        ", 0)\r\n";
                code += "    .如果真 (窗口 = 0)\r\n        返回 (0)\r\n    .如果真结束\r\n";
                code += ".计次循环尾 ()\r\n";
                break;
        }
        code += ".如果真 (窗口 = 0)\r\n    返回 (0)\r\n.如果真结束\r\n";
    }
    code += "返回 (窗口)\r\n";
    return code;
}

std::string LookupCode(const std::vector<LookupStep>& steps) {
    if (steps.empty()) return {};
    return std::string(kECodeHeader) + LookupDeclarations(steps) + "\r\n" + LookupSubroutine(steps);
}

std::string ETextConstant(std::string_view text) { return EText(text); }

std::string ECommentText(std::string_view text) {
    std::string result(text);
    for (char& c : result) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 0x20 || u == 0x7F) c = ' ';
    }
    return result;
}

}  // namespace messages::core
