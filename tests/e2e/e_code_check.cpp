// Runs the E source the program writes (the lookup code, the code that sends
// a message again, the code that replays recorded actions, the code that
// waits for a colour) with the Windows API on its own, as the E program
// would, and prints what it did: a check, by a program that shares no code
// with the one that wrote the code, that the code does what it says.
//
//   e_code_check [FILE]          wait until the clipboard holds lookup code,
//                                run it; the code is also written to FILE
//                                (UTF-8)
//   e_code_check --code FILE     run the code in FILE (UTF-8): print the
//                                handle 取目标窗口句柄 finds; when the code has
//                                发送消息给目标窗口, run it and print, on lines
//                                of their own, its result and (for a text
//                                parameter) the text in the buffer afterwards
//   e_code_check --replay FILE   run 回放操作 and print how many steps it did
//   e_code_check --wait-colour FILE MS TOLERANCE
//                                run 等待颜色 (MS, TOLERANCE): print 真 or 假
//
// A small interpreter of the E the program writes: subroutines with
// parameters and local variables; .如果真 … .如果真结束, .判断循环首 …
// .判断循环尾 (), .计次循环首 … .计次循环尾 (); assignments; 返回; integer
// expressions with + - ＋ －, the comparisons = ＝ ≠ < > ≤ ≥ and 且 / 或;
// 真 and 假; texts made of "..." parts joined with + and #引号, #换行符 and
// 字符 (N), 到字节集, 取空白字节集 and 到文本; the core commands 取启动时间,
// 取绝对值, 位与, 右移, 延时, 信息框 (printed on stderr, the run ends) and
// 调试输出 (ignored); and the declared DLL commands, by the function they
// name: FindWindowExA, GetDlgItem, SendMessageA, PostMessageA,
// SendMessageTimeoutA (its last argument passed by address), GetDC,
// ReleaseDC, GetPixel. As the E program does, texts go to the A functions
// as GBK bytes. Exit code 1 with a message when the code is not there,
// holds something the check does not know, or does not reach its target.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

std::wstring ClipboardText() {
    std::wstring text;
    if (!OpenClipboard(nullptr)) return text;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* chars = static_cast<const wchar_t*>(GlobalLock(data))) {
            text = chars;
            GlobalUnlock(data);
        }
    }
    CloseClipboard();
    return text;
}

std::string Utf8(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

std::wstring FromCodePage(UINT codePage, const std::string& bytes) {
    const int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring text(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), n);
    return text;
}

std::string Gbk(const std::wstring& text) {
    const int n = WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(936, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    return bytes;
}

std::wstring Trim(std::wstring s) {
    const auto first = s.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return L"";
    return s.substr(first, s.find_last_not_of(L" \t") - first + 1);
}

bool StartsWith(const std::wstring& s, const std::wstring& prefix) { return s.rfind(prefix, 0) == 0; }

// Splits at `separator` where it stands outside quotes and brackets.
std::vector<std::wstring> SplitTopLevel(const std::wstring& text, wchar_t separator) {
    std::vector<std::wstring> parts;
    std::wstring current;
    bool quoted = false;
    int depth = 0;
    for (const wchar_t c : text) {
        if (c == L'"') quoted = !quoted;
        if (!quoted && c == L'(') ++depth;
        if (!quoted && c == L')') --depth;
        if (c == separator && !quoted && depth == 0) {
            parts.push_back(Trim(current));
            current.clear();
        } else {
            current += c;
        }
    }
    parts.push_back(Trim(current));
    return parts;
}

std::wstring ReadFileUtf8(const wchar_t* path) {
    std::string bytes;
    if (FILE* f = _wfopen(path, L"rb")) {
        char chunk[4096];
        for (std::size_t n; (n = std::fread(chunk, 1, sizeof chunk, f)) > 0;) bytes.append(chunk, n);
        std::fclose(f);
    }
    return FromCodePage(CP_UTF8, bytes);
}

// The code's lines (CR LF, or LF where a tool dropped the CRs) without
// their comments ("  ' ..." and whole-line "' ...").
std::vector<std::wstring> CodeLines(const std::wstring& code) {
    std::vector<std::wstring> lines;
    for (std::size_t at = 0; at < code.size();) {
        const auto end = code.find(L'\n', at);
        std::wstring line = code.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at);
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        line = Trim(line);
        bool quoted = false;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == L'"') quoted = !quoted;
            if (!quoted && line[i] == L'\'') {
                line = Trim(line.substr(0, i));
                break;
            }
        }
        lines.push_back(line);
        if (end == std::wstring::npos) break;
        at = end + 1;
    }
    return lines;
}

struct Value {
    bool text = false;
    std::int64_t number = 0;
    std::string bytes;  // a text or byte set, as the E program holds it (GBK)
};
Value Number(std::int64_t n) { return {false, n, {}}; }
Value Bytes(std::string b) { return {true, 0, std::move(b)}; }

struct Dll {
    std::wstring function;
};

struct Return {
    Value value;
};
struct Stop {
    std::string why;
};

class Interpreter {
public:
    explicit Interpreter(const std::wstring& code) : lines_(CodeLines(code)) {
        for (const std::wstring& line : lines_) {
            if (!StartsWith(line, L".DLL命令 ")) continue;
            const std::vector<std::wstring> fields = SplitTopLevel(line.substr(7), L',');
            if (fields.size() >= 4) dlls_[fields[0]] = {fields[3].substr(1, fields[3].size() - 2)};
        }
    }

    bool Has(const std::wstring& name) const { return Find(name) != lines_.size(); }

    // Runs a subroutine with the arguments; its value (0 when it returns
    // none). Its variables stay readable afterwards (Last).
    Value Call(const std::wstring& name, const std::vector<Value>& arguments) {
        const std::size_t header = Find(name);
        if (header == lines_.size()) throw std::runtime_error("no subroutine " + Utf8(name));
        std::map<std::wstring, Value> locals;
        std::size_t end = header + 1, given = 0;
        for (; end < lines_.size() && !StartsWith(lines_[end], L".子程序 "); ++end) {
            const std::wstring& line = lines_[end];
            if (StartsWith(line, L".参数 ")) {
                locals[Trim(SplitTopLevel(line.substr(4), L',')[0])] = given < arguments.size() ? arguments[given++] : Value{};
            } else if (StartsWith(line, L".局部变量 ")) {
                const std::vector<std::wstring> fields = SplitTopLevel(line.substr(6), L',');
                locals[Trim(fields[0])] = fields.size() > 1 && (fields[1] == L"字节集" || fields[1] == L"文本型") ? Bytes({}) : Value{};
            }
        }
        std::swap(locals, variables_);
        Value result;
        try {
            Run(header + 1, end);
        } catch (const Return& r) {
            result = r.value;
        }
        std::swap(locals, variables_);
        last_ = locals;
        return result;
    }
    const std::map<std::wstring, Value>& Last() const { return last_; }
    int Steps() const { return steps_; }

private:
    std::size_t Find(const std::wstring& name) const {
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (StartsWith(lines_[i], L".子程序 " + name + L",") || lines_[i] == L".子程序 " + name) return i;
        }
        return lines_.size();
    }

    // The line that closes the block opened at `open` (nested blocks
    // skipped).
    std::size_t BlockEnd(std::size_t open, std::size_t last, const std::wstring& opening, const std::wstring& closing) const {
        int depth = 0;
        for (std::size_t i = open; i < last; ++i) {
            if (StartsWith(lines_[i], opening)) ++depth;
            if (StartsWith(lines_[i], closing) && --depth == 0) return i;
        }
        throw std::runtime_error("a block without its end: " + Utf8(lines_[open]));
    }

    void Run(std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) {
            const std::wstring& line = lines_[i];
            if (line.empty() || StartsWith(line, L".参数 ") || StartsWith(line, L".局部变量 ")) continue;
            if (StartsWith(line, L".如果真 (")) {
                const std::size_t end = BlockEnd(i, last, L".如果真 (", L".如果真结束");
                if (Truth(Evaluate(Inside(line)))) Run(i + 1, end);
                i = end;
            } else if (StartsWith(line, L".判断循环首 (")) {
                const std::size_t end = BlockEnd(i, last, L".判断循环首 (", L".判断循环尾 (");
                for (int guard = 0; Truth(Evaluate(Inside(line))); ++guard) {
                    if (guard > 100000) throw std::runtime_error("a loop that does not end");
                    Run(i + 1, end);
                }
                i = end;
            } else if (StartsWith(line, L".计次循环首 (")) {
                const std::size_t end = BlockEnd(i, last, L".计次循环首 (", L".计次循环尾 (");
                const std::int64_t times = Evaluate(SplitTopLevel(Inside(line), L',')[0]).number;
                for (std::int64_t t = 0; t < times; ++t) Run(i + 1, end);
                i = end;
            } else if (StartsWith(line, L"返回 (")) {
                const std::wstring value = Inside(line);
                throw Return{value.empty() ? Value{} : Evaluate(value)};
            } else if (const auto equals = Assignment(line); equals != std::wstring::npos) {
                variables_[Trim(line.substr(0, equals))] = Evaluate(line.substr(equals + 1));
            } else {
                Evaluate(line);  // a call
            }
        }
    }

    // Where an assignment's "=" is: after a plain name at the line's start.
    static std::size_t Assignment(const std::wstring& line) {
        const auto equals = line.find(L" = ");
        if (equals == std::wstring::npos) return equals;
        for (std::size_t k = 0; k < equals; ++k) {
            if (line[k] == L'(' || line[k] == L'"' || line[k] == L' ') return std::wstring::npos;
        }
        return equals + 1;
    }

    static std::wstring Inside(const std::wstring& text) {
        const auto open = text.find(L'(');
        const auto close = text.rfind(L')');
        if (open == std::wstring::npos || close == std::wstring::npos || close < open) return L"";
        return Trim(text.substr(open + 1, close - open - 1));
    }

    static bool Truth(const Value& v) { return v.text ? !v.bytes.empty() : v.number != 0; }

    // --- Expressions, lowest precedence first -----------------------------
    Value Evaluate(const std::wstring& expression) {
        std::wstring e = Trim(expression);
        for (const wchar_t* op : {L" 或 ", L" 且 "}) {
            const auto parts = Split(e, op);
            if (parts.size() > 1) {
                bool all = std::wstring(op) == L" 且 ";
                for (const std::wstring& p : parts) {
                    const bool t = Truth(Evaluate(p));
                    all = std::wstring(op) == L" 且 " ? all && t : all || t;
                }
                return Number(all ? 1 : 0);
            }
        }
        for (const wchar_t* op : {L" ≠ ", L" ≤ ", L" ≥ ", L" = ", L" ＝ ", L" < ", L" > "}) {
            const auto parts = Split(e, op);
            if (parts.size() == 2) {
                const Value a = Evaluate(parts[0]), b = Evaluate(parts[1]);
                const std::wstring o = Trim(op);
                if (a.text || b.text) return Number((o == L"≠") != (a.bytes == b.bytes) ? 1 : 0);
                const bool r = o == L"≠" ? a.number != b.number
                             : o == L"≤" ? a.number <= b.number
                             : o == L"≥" ? a.number >= b.number
                             : o == L"<" ? a.number < b.number
                             : o == L">" ? a.number > b.number
                                         : a.number == b.number;
                return Number(r ? 1 : 0);
            }
        }
        // Sums: "+" joins texts too.
        std::vector<std::wstring> terms;
        std::vector<int> signs;
        SplitSum(e, terms, signs);
        if (terms.size() > 1) {
            Value total = Evaluate(terms[0]);
            for (std::size_t k = 1; k < terms.size(); ++k) {
                const Value t = Evaluate(terms[k]);
                if (total.text || t.text) {
                    total = Bytes(total.bytes + t.bytes);
                } else {
                    total.number += signs[k] * t.number;
                }
            }
            return total;
        }
        return Term(e);
    }

    // Splits at the operator where it stands outside quotes and brackets.
    static std::vector<std::wstring> Split(const std::wstring& text, const std::wstring& op) {
        std::vector<std::wstring> parts;
        bool quoted = false;
        int depth = 0;
        std::size_t from = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const wchar_t c = text[i];
            if (c == L'"') quoted = !quoted;
            if (!quoted && c == L'(') ++depth;
            if (!quoted && c == L')') --depth;
            if (!quoted && depth == 0 && text.compare(i, op.size(), op) == 0) {
                parts.push_back(Trim(text.substr(from, i - from)));
                from = i + op.size();
                i = from - 1;
            }
        }
        parts.push_back(Trim(text.substr(from)));
        return parts;
    }

    static void SplitSum(const std::wstring& text, std::vector<std::wstring>& terms, std::vector<int>& signs) {
        bool quoted = false;
        int depth = 0, sign = 1;
        std::size_t from = 0;
        for (std::size_t i = 0; i < text.size(); ++i) {
            const wchar_t c = text[i];
            if (c == L'"') quoted = !quoted;
            if (!quoted && c == L'(') ++depth;
            if (!quoted && c == L')') --depth;
            const bool plus = c == L'+' || c == L'＋', minus = c == L'－';
            // A binary operator stands between blanks ("a - b"); "-5" is a number.
            const bool binaryMinus = c == L'-' && i > 0 && text[i - 1] == L' ' && i + 1 < text.size() && text[i + 1] == L' ';
            if (!quoted && depth == 0 && (plus || minus || binaryMinus)) {
                terms.push_back(Trim(text.substr(from, i - from)));
                signs.push_back(sign);
                sign = plus ? 1 : -1;
                from = i + 1;
            }
        }
        terms.push_back(Trim(text.substr(from)));
        signs.push_back(sign);
    }

    Value Term(const std::wstring& t) {
        if (t.empty()) return Value{};
        if (t.size() >= 2 && t.front() == L'"' && t.back() == L'"') return Bytes(Gbk(t.substr(1, t.size() - 2)));
        if (t == L"#引号") return Bytes("\"");
        if (t == L"#换行符") return Bytes("\r\n");
        if (t == L"真") return Number(1);
        if (t == L"假") return Number(0);
        if ((t[0] >= L'0' && t[0] <= L'9') || (t[0] == L'-' && t.size() > 1)) return Number(std::stoll(t));
        if (t.front() == L'(' && t.back() == L')') return Evaluate(t.substr(1, t.size() - 2));
        const auto open = t.find(L'(');
        if (open == std::wstring::npos) {
            const auto v = variables_.find(t);
            if (v == variables_.end()) throw std::runtime_error("an unknown name: " + Utf8(t));
            return v->second;
        }
        return CallOf(Trim(t.substr(0, open)), SplitTopLevel(Inside(t), L','), t);
    }

    Value CallOf(const std::wstring& name, std::vector<std::wstring> args, const std::wstring& whole) {
        if (args.size() == 1 && args[0].empty()) args.clear();
        auto arg = [&](std::size_t k) { return k < args.size() && !args[k].empty() ? Evaluate(args[k]) : Value{}; };
        if (name == L"字符") return Bytes(std::string(1, static_cast<char>(arg(0).number)));
        if (name == L"到字节集" || name == L"到文本") return Bytes(arg(0).bytes.c_str());
        if (name == L"取空白字节集") return Bytes(std::string(static_cast<std::size_t>(arg(0).number), '\0'));
        if (name == L"取启动时间") return Number(static_cast<std::int64_t>(GetTickCount()));
        if (name == L"取绝对值") return Number(std::llabs(arg(0).number));
        if (name == L"位与") return Number(arg(0).number & arg(1).number);
        if (name == L"右移") return Number(arg(0).number >> arg(1).number);
        if (name == L"延时") {
            Sleep(static_cast<DWORD>(arg(0).number));
            return Value{};
        }
        if (name == L"调试输出") return Value{};
        if (name == L"信息框") {
            std::fprintf(stderr, "e_code_check: 信息框: %s\n", Utf8(FromCodePage(936, arg(0).bytes)).c_str());
            throw Stop{"the code showed a message box and ended"};
        }
        const auto dll = dlls_.find(name);
        if (dll != dlls_.end()) return CallDll(dll->second.function, args);
        if (Has(name)) {
            std::vector<Value> values;
            for (std::size_t k = 0; k < args.size(); ++k) values.push_back(arg(k));
            const auto saved = variables_;
            const Value result = Call(name, values);
            variables_ = saved;
            return result;
        }
        throw std::runtime_error("a call the check does not know: " + Utf8(whole));
    }

    // A text or byte set goes by the address of its bytes, which the
    // receiver may write into (WM_GETTEXT).
    static LPARAM AsParameter(Value& v) {
        return v.text ? reinterpret_cast<LPARAM>(v.bytes.data()) : static_cast<LPARAM>(static_cast<std::int32_t>(v.number));
    }
    // A lookup that found nothing: what the system says, and the windows
    // that were there to find, on stderr (a test that fails shows them).
    static void ReportMiss(HWND parent, const char* className, const char* title) {
        const DWORD error = GetLastError();
        std::fprintf(stderr, "e_code_check: FindWindowExA(%lld, \"%s\", \"%s\") found nothing (error %lu); there were:\n",
                     static_cast<long long>(reinterpret_cast<INT_PTR>(parent)), className ? className : "(null)",
                     title ? title : "(null)", error);
        for (HWND w = parent ? GetWindow(parent, GW_CHILD) : GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
            char cls[128] = {};
            GetClassNameA(w, cls, sizeof cls);
            if (!parent && std::string(cls).find("Fixture") == std::string::npos) continue;
            std::fprintf(stderr, "e_code_check:   %lld %s visible=%d\n", static_cast<long long>(reinterpret_cast<INT_PTR>(w)),
                         cls, IsWindowVisible(w) ? 1 : 0);
        }
    }
    static HWND AsWindow(const Value& v) { return reinterpret_cast<HWND>(static_cast<INT_PTR>(v.number)); }
    static std::int64_t FromWindow(HWND w) { return static_cast<std::int64_t>(reinterpret_cast<INT_PTR>(w)); }

    Value CallDll(const std::wstring& function, const std::vector<std::wstring>& args) {
        std::vector<Value> a;
        for (const std::wstring& s : args) a.push_back(s.empty() ? Value{} : Evaluate(s));
        auto text = [&](std::size_t k) { return a[k].text ? a[k].bytes.c_str() : nullptr; };
        if (function == L"FindWindowExA" && a.size() == 4) {
            const HWND found = FindWindowExA(AsWindow(a[0]), AsWindow(a[1]), text(2), text(3));
            if (!found) ReportMiss(AsWindow(a[0]), text(2), text(3));
            return Number(FromWindow(found));
        }
        if (function == L"GetDlgItem" && a.size() == 2) {
            return Number(FromWindow(GetDlgItem(AsWindow(a[0]), static_cast<int>(a[1].number))));
        }
        if ((function == L"PostMessageA" || function == L"SendMessageA") && a.size() == 4) {
            ++steps_;
            const auto message = static_cast<UINT>(a[1].number);
            const auto wParam = static_cast<WPARAM>(static_cast<std::uint32_t>(a[2].number));
            const LPARAM lParam = AsParameter(a[3]);
            const LRESULT r = function == L"PostMessageA" ? PostMessageA(AsWindow(a[0]), message, wParam, lParam)
                                                           : SendMessageA(AsWindow(a[0]), message, wParam, lParam);
            // What the receiver wrote into a byte set stays in its variable.
            if (a[3].text) variables_[Trim(args[3])] = a[3];
            return Number(r);
        }
        if (function == L"SendMessageTimeoutA" && a.size() == 7) {
            DWORD_PTR answer = 0;
            const LRESULT delivered = SendMessageTimeoutA(
                AsWindow(a[0]), static_cast<UINT>(a[1].number), static_cast<WPARAM>(a[2].number), AsParameter(a[3]),
                static_cast<UINT>(a[4].number), static_cast<UINT>(a[5].number), &answer);
            if (a[3].text) variables_[Trim(args[3])] = a[3];
            variables_[Trim(args[6])] = Number(static_cast<std::int64_t>(answer));  // passed by address
            return Number(delivered);
        }
        if (function == L"GetDC" && a.size() == 1) {
            return Number(static_cast<std::int64_t>(reinterpret_cast<INT_PTR>(GetDC(AsWindow(a[0])))));
        }
        if (function == L"ReleaseDC" && a.size() == 2) {
            return Number(ReleaseDC(AsWindow(a[0]), reinterpret_cast<HDC>(static_cast<INT_PTR>(a[1].number))));
        }
        if (function == L"GetPixel" && a.size() == 3) {
            const COLORREF c = GetPixel(reinterpret_cast<HDC>(static_cast<INT_PTR>(a[0].number)),
                                        static_cast<int>(a[1].number), static_cast<int>(a[2].number));
            return Number(c == CLR_INVALID ? -1 : static_cast<std::int64_t>(c));
        }
        throw std::runtime_error("a DLL command the check does not know: " + Utf8(function));
    }

    std::vector<std::wstring> lines_;
    std::map<std::wstring, Dll> dlls_;
    std::map<std::wstring, Value> variables_, last_;
    int steps_ = 0;
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "e_code_check: %s\n", message.c_str());
    return 1;
}

std::int64_t Handle(const Value& v) { return v.number; }

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring mode = argc > 2 ? argv[1] : L"";
    std::wstring code;
    if (mode == L"--code" || mode == L"--replay" || mode == L"--wait-colour") {
        code = ReadFileUtf8(argv[2]);
    } else {
        // The code reaches the clipboard when the program has made it: up
        // to 15 s, looking every 100 ms.
        for (int i = 0; i < 150; ++i) {
            code = ClipboardText();
            if (code.find(L"返回 (窗口)") != std::wstring::npos) break;
            Sleep(100);
        }
        if (argc > 1) {
            const std::string bytes = Utf8(code);
            if (FILE* f = _wfopen(argv[1], L"wb")) {
                std::fwrite(bytes.data(), 1, bytes.size(), f);
                std::fclose(f);
            }
        }
    }
    try {
        Interpreter e(code);
        if (mode == L"--replay") {
            if (!e.Has(L"回放操作")) return Fail("no replay subroutine");
            e.Call(L"回放操作", {});
            std::printf("%d messages\n", e.Steps());
            return 0;
        }
        if (mode == L"--wait-colour") {
            if (argc < 5) return Fail("--wait-colour FILE MS TOLERANCE");
            if (!e.Has(L"等待颜色")) return Fail("no 等待颜色 subroutine");
            const Value got = e.Call(L"等待颜色", {Number(_wtoi(argv[3])), Number(_wtoi(argv[4]))});
            std::printf("%s\n", got.number ? "真" : "假");
            return 0;
        }
        if (!e.Has(L"取目标窗口句柄")) return Fail("no lookup code");
        const std::int64_t window = Handle(e.Call(L"取目标窗口句柄", {}));
        if (window == 0) return Fail("a level was not found");
        std::printf("%lld\n", static_cast<long long>(window));
        if (e.Has(L"发送消息给目标窗口")) {
            const Value result = e.Call(L"发送消息给目标窗口", {});
            std::printf("%lld\n", static_cast<long long>(result.number));
            const auto buffer = e.Last().find(L"缓冲区");
            if (buffer != e.Last().end()) std::printf("%s\n", Utf8(FromCodePage(936, buffer->second.bytes.c_str())).c_str());
        }
        return 0;
    } catch (const Stop& s) {
        return Fail(s.why);
    } catch (const std::exception& ex) {
        return Fail(ex.what());
    }
}
