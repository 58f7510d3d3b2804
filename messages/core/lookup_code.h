// E source that finds one particular window again: the chain from its
// top-level window down to it, each level found among its siblings by what
// tells it apart there, and each line saying why it can be trusted.
//
// At every level the window is found, in this order of preference:
//   1. by class name and title, where that pair is unique among its
//      siblings and the title is one to rely on (not empty, not the content
//      of an edit or list control, and not looking variable: digits, a file
//      name or path, a time, "document - program");
//   2. by class name alone, where it is unique;
//   3. by control id, where it is unique among the siblings (not at the top
//      level, and never 0 or -1, which many controls share);
//   4. by its position among the siblings of its class, in Z order, which
//      is the order the system lists them in.
// Class names and titles compare without regard to the case of ASCII
// letters, as the system compares them when it looks windows up.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace messages::core {

struct WindowFacts {
    std::string className;
    std::string title;
    std::int32_t id = 0;
};

// One level of the chain: the window's siblings in Z order (for the top
// level: the desktop's top-level windows), the window itself among them.
struct LookupLevel {
    std::vector<WindowFacts> siblings;
    std::size_t self = 0;
};

enum class LookupWay { ClassAndTitle, ClassOnly, ControlId, ClassPosition };

struct LookupStep {
    LookupWay way = LookupWay::ClassOnly;
    std::string className;
    std::string title;
    std::int32_t id = 0;
    int position = 0;     // 1-based, among the siblings of the class
    std::string reason;   // the comment of its line
};

// Whether a title is likely to change while the program runs, or from run
// to run: one with digits, a path or file name, a time, or the
// "document - program" form of a main window's caption.
bool TitleLooksVariable(std::string_view title);

// The steps for the levels, the top-level window first; empty when there
// are no levels.
std::vector<LookupStep> PlanLookup(const std::vector<LookupLevel>& levels);

// The first line of every E source the program writes, and a blank line.
inline constexpr std::string_view kECodeHeader = ".版本 2\r\n\r\n";

// The E source of the steps: the declarations it uses, then a subroutine
// 取目标窗口句柄 that returns the window's handle, or 0 when a level is not
// found. Lines end with CR LF.
std::string LookupCode(const std::vector<LookupStep>& steps);
// Its two halves, for sources that call the subroutine: the DLL commands
// the steps use, and the subroutine itself.
std::string LookupDeclarations(const std::vector<LookupStep>& steps);
std::string LookupSubroutine(const std::vector<LookupStep>& steps);
// The same subroutine under another name, with its remark.
std::string LookupSubroutine(const std::vector<LookupStep>& steps, std::string_view name, std::string_view remark);

// An E text constant of `text`: in double quotes; what a constant cannot
// hold joins in as an expression: a double quote as #引号, CR LF as #换行符,
// any other control character as 字符 (code). No text can end the constant
// or the line.
std::string ETextConstant(std::string_view text);
// A text made fit for a comment, which runs to the end of its line: every
// control character (CR and LF among them) becomes a blank.
std::string ECommentText(std::string_view text);

}  // namespace messages::core
