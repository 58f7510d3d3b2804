// Runs the E source the program writes (its code box's lookup code, or the
// code that sends a message again) with the Windows API on its own, as the
// E program would, and prints what it did: a check, by a program that
// shares no code with the one that wrote the code, that the code does what
// it says.
//
//   e_code_check [FILE]         wait until the clipboard holds lookup code,
//                               run it; the code is also written to FILE
//                               (UTF-8)
//   e_code_check --code FILE    run the code in FILE (UTF-8)
//
// Prints the handle the lookup subroutine 取目标窗口句柄 finds. When the
// code has the subroutine 发送消息给目标窗口, runs it too and prints, on
// lines of their own, the message's result and (for a text parameter) the
// text in the buffer afterwards.
//
// Understood in the lookup: "窗口 = _查找子窗口 (P, A, "class", "title")"
// (FindWindowEx by class and title), "窗口 = _按类名查找子窗口 (P, A,
// "class", 0)" (by class alone), "窗口 = _窗口控件ID取句柄 (P, id)"
// (GetDlgItem), "窗口 = 0", "父窗口 = 窗口", ".计次循环首 (N, )" ...
// ".计次循环尾 ()", "返回 (窗口)". In the send: "窗口 = 取目标窗口句柄 ()",
// "缓冲区 = 到字节集 (T) + 取空白字节集 (N)", a call of a declared DLL command
// (SendMessageA, PostMessageA, SendMessageTimeoutA) into 结果 or 送达, the
// checks of 窗口 and 送达 against 0. Texts are "..." parts joined with + and
// #引号, #换行符 and 字符 (N); as the E program does, they go to the A
// functions as GBK bytes. Exit code 1 with a message when the code is not
// there, names something else, or does not reach its target.
#include <windows.h>

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

// The arguments between a call's outer brackets.
std::vector<std::wstring> Arguments(const std::wstring& line) {
    const auto open = line.find(L'(');
    const auto close = line.rfind(L')');
    if (open == std::wstring::npos || close == std::wstring::npos || close < open) return {};
    return SplitTopLevel(line.substr(open + 1, close - open - 1), L',');
}

// The value of an E text or byte-set expression, as the bytes the E
// program holds (texts in GBK).
std::string Evaluate(const std::wstring& expression) {
    std::string bytes;
    for (const std::wstring& term : SplitTopLevel(expression, L'+')) {
        if (term.size() >= 2 && term.front() == L'"' && term.back() == L'"') {
            bytes += Gbk(term.substr(1, term.size() - 2));
        } else if (term == L"#引号") {
            bytes += '"';
        } else if (term == L"#换行符") {
            bytes += "\r\n";
        } else if (StartsWith(term, L"字符 (")) {
            bytes += static_cast<char>(std::stoi(Arguments(term)[0]));
        } else if (StartsWith(term, L"到字节集 (")) {
            bytes += Evaluate(Arguments(term)[0]);
        } else if (StartsWith(term, L"取空白字节集 (")) {
            bytes += std::string(static_cast<std::size_t>(std::stoi(Arguments(term)[0])), '\0');
        } else {
            throw std::runtime_error("an expression the check does not know: " + Utf8(term));
        }
    }
    return bytes;
}

std::wstring TextOf(const std::wstring& expression) { return FromCodePage(936, Evaluate(expression)); }

int Fail(const std::string& message) {
    std::fprintf(stderr, "e_code_check: %s\n", message.c_str());
    return 1;
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

std::vector<std::wstring> CodeLines(const std::wstring& code) {
    std::vector<std::wstring> lines;
    for (std::size_t at = 0; at < code.size();) {
        const auto end = code.find(L"\r\n", at);
        std::wstring line = Trim(code.substr(at, end == std::wstring::npos ? std::wstring::npos : end - at));
        const auto comment = line.find(L"  '");
        if (comment != std::wstring::npos) line = Trim(line.substr(0, comment));
        lines.push_back(line);
        if (end == std::wstring::npos) break;
        at = end + 2;
    }
    return lines;
}

// The lines of a subroutine, after its header and up to the next one.
bool SubroutineLines(const std::vector<std::wstring>& lines, const std::wstring& name, std::size_t& from,
                     std::size_t& to) {
    for (from = 0; from < lines.size() && !StartsWith(lines[from], L".子程序 " + name + L","); ++from) {
    }
    if (from == lines.size()) return false;
    for (to = ++from; to < lines.size() && !StartsWith(lines[to], L".子程序 "); ++to) {
    }
    return true;
}

// Runs 取目标窗口句柄; null when a level is not found.
HWND RunLookup(const std::vector<std::wstring>& lines) {
    std::size_t from = 0, to = 0;
    if (!SubroutineLines(lines, L"取目标窗口句柄", from, to)) throw std::runtime_error("no lookup subroutine");
    HWND window = nullptr, parent = nullptr;
    auto handleOf = [&](const std::wstring& a) { return a == L"父窗口" ? parent : a == L"窗口" ? window : nullptr; };
    // Runs lines [first, last); false when a level is not found (the code
    // returns 0 there). Loops repeat their bodies.
    std::function<bool(std::size_t, std::size_t)> run = [&](std::size_t first, std::size_t last) {
        for (std::size_t i = first; i < last; ++i) {
            const std::wstring& line = lines[i];
            if (StartsWith(line, L".计次循环首 (")) {
                const int times = std::stoi(Arguments(line)[0]);
                std::size_t end = i + 1;
                while (end < last && lines[end] != L".计次循环尾 ()") ++end;
                for (int t = 0; t < times; ++t) {
                    if (!run(i + 1, end)) return false;
                }
                i = end;
            } else if (line == L".如果真 (窗口 = 0)") {
                if (!window) return false;
                while (i < last && lines[i] != L".如果真结束") ++i;
            } else if (line == L"父窗口 = 窗口") {
                parent = window;
            } else if (line == L"窗口 = 0") {
                window = nullptr;
            } else if (StartsWith(line, L"窗口 = _查找子窗口 ")) {
                const auto a = Arguments(line);
                window = FindWindowExW(handleOf(a[0]), handleOf(a[1]), TextOf(a[2]).c_str(), TextOf(a[3]).c_str());
            } else if (StartsWith(line, L"窗口 = _按类名查找子窗口 ")) {
                const auto a = Arguments(line);
                window = FindWindowExW(handleOf(a[0]), handleOf(a[1]), TextOf(a[2]).c_str(), nullptr);
            } else if (StartsWith(line, L"窗口 = _窗口控件ID取句柄 ")) {
                window = GetDlgItem(parent, std::stoi(Arguments(line)[1]));
            } else if (line == L"返回 (窗口)") {
                return true;
            }
        }
        return true;
    };
    return run(from, to) ? window : nullptr;
}

// The user32 function each declared DLL command calls.
std::map<std::wstring, std::wstring> DllCommands(const std::vector<std::wstring>& lines) {
    std::map<std::wstring, std::wstring> commands;
    for (const std::wstring& line : lines) {
        if (!StartsWith(line, L".DLL命令 ")) continue;
        const std::vector<std::wstring> fields = SplitTopLevel(line.substr(7), L',');
        if (fields.size() >= 4) commands[fields[0]] = fields[3].substr(1, fields[3].size() - 2);
    }
    return commands;
}

// Runs 发送消息给目标窗口 and prints what came back.
int RunSend(const std::vector<std::wstring>& lines, HWND target) {
    std::size_t from = 0, to = 0;
    SubroutineLines(lines, L"发送消息给目标窗口", from, to);
    const std::map<std::wstring, std::wstring> commands = DllCommands(lines);
    HWND window = nullptr;
    std::string buffer;
    bool textParameter = false;
    LRESULT result = 0;
    BOOL delivered = TRUE;
    for (std::size_t i = from; i < to; ++i) {
        const std::wstring& line = lines[i];
        if (line == L"窗口 = 取目标窗口句柄 ()") {
            window = target;
        } else if (line == L".如果真 (窗口 = 0)") {
            if (!window) return Fail("the send does not find its window");
            while (i < to && lines[i] != L".如果真结束") ++i;
        } else if (line == L".如果真 (送达 = 0)") {
            if (!delivered) return Fail("the time-limited send was not delivered");
            while (i < to && lines[i] != L".如果真结束") ++i;
        } else if (StartsWith(line, L"缓冲区 = ")) {
            buffer = Evaluate(line.substr(6));
            textParameter = true;
        } else if (StartsWith(line, L"结果 = ") || StartsWith(line, L"送达 = ")) {
            const std::wstring call = line.substr(5);
            const auto command = commands.find(Trim(call.substr(0, call.find(L'('))));
            if (command == commands.end()) return Fail("a call of an undeclared command: " + Utf8(line));
            const std::vector<std::wstring> a = Arguments(call);
            if (a.size() < 4 || a[0] != L"窗口") return Fail("a call the check does not know: " + Utf8(line));
            const auto message = static_cast<UINT>(std::stol(a[1]));
            const auto wParam = static_cast<WPARAM>(static_cast<INT_PTR>(std::stol(a[2])));
            const LPARAM lParam = a[3] == L"缓冲区" ? reinterpret_cast<LPARAM>(buffer.data())
                                                    : static_cast<LPARAM>(std::stol(a[3]));
            if (command->second == L"SendMessageA") {
                result = SendMessageA(window, message, wParam, lParam);
            } else if (command->second == L"PostMessageA") {
                result = PostMessageA(window, message, wParam, lParam);
            } else if (command->second == L"SendMessageTimeoutA" && a.size() == 7 && a[6] == L"结果") {
                DWORD_PTR answer = 0;
                delivered = SendMessageTimeoutA(window, message, wParam, lParam, static_cast<UINT>(std::stol(a[4])),
                                                static_cast<UINT>(std::stol(a[5])), &answer) != 0;
                result = static_cast<LRESULT>(answer);
            } else {
                return Fail("a command the check does not know: " + Utf8(command->second));
            }
        } else if (line == L"返回 (结果)") {
            break;
        }
    }
    std::printf("%lld\n", static_cast<long long>(result));
    if (textParameter) std::printf("%s\n", Utf8(FromCodePage(936, buffer.c_str())).c_str());
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring code;
    if (argc > 2 && std::wstring(argv[1]) == L"--code") {
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
    if (code.find(L"返回 (窗口)") == std::wstring::npos) return Fail("no lookup code");
    try {
        const std::vector<std::wstring> lines = CodeLines(code);
        HWND window = RunLookup(lines);
        if (!window) return Fail("a level was not found");
        std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(window)));
        if (code.find(L".子程序 发送消息给目标窗口,") != std::wstring::npos) return RunSend(lines, window);
        return 0;
    } catch (const std::exception& e) {
        return Fail(e.what());
    }
}
