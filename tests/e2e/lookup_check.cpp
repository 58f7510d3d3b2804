// Runs the E source of a window lookup (as the program's code box writes
// it, taken from the clipboard) with the Windows API on its own, and prints
// the handle it finds: a check, by a program that shares no code with the
// one that wrote the lookup, that the code finds the window it names.
//
//   lookup_check [FILE]   wait until the clipboard holds the code, run it;
//                         the code is also written to FILE (UTF-8)
//
// Understood: "窗口 = _查找子窗口 (P, A, "class", "title")" (FindWindowEx by
// class and title), "窗口 = _按类名查找子窗口 (P, A, "class", 0)" (by class
// alone), "窗口 = _窗口控件ID取句柄 (P, id)" (GetDlgItem), "窗口 = 0",
// "父窗口 = 窗口", ".计次循环首 (N, )" ... ".计次循环尾 ()", "返回 (窗口)";
// a text joins its parts with + #引号 +. Exit code 1 with a message when
// the code is not there or names something else.
#include <windows.h>

#include <cstdio>
#include <functional>
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

std::wstring Trim(std::wstring s) {
    const auto first = s.find_first_not_of(L" \t");
    if (first == std::wstring::npos) return L"";
    return s.substr(first, s.find_last_not_of(L" \t") - first + 1);
}

// The arguments between the outer brackets, split at commas outside quotes.
std::vector<std::wstring> Arguments(const std::wstring& line) {
    std::vector<std::wstring> args;
    const auto open = line.find(L'(');
    const auto close = line.rfind(L')');
    if (open == std::wstring::npos || close == std::wstring::npos || close < open) return args;
    std::wstring current;
    bool quoted = false;
    for (std::size_t i = open + 1; i < close; ++i) {
        const wchar_t c = line[i];
        if (c == L'"') quoted = !quoted;
        if (c == L',' && !quoted) {
            args.push_back(Trim(current));
            current.clear();
        } else {
            current += c;
        }
    }
    args.push_back(Trim(current));
    return args;
}

// An E text constant: "a" + #引号 + "b".
std::wstring TextOf(const std::wstring& expression) {
    std::wstring text;
    std::size_t i = 0;
    while (i < expression.size()) {
        if (expression[i] == L'"') {
            const auto end = expression.find(L'"', i + 1);
            text += expression.substr(i + 1, end - i - 1);
            i = end + 1;
        } else if (expression.compare(i, 3, L"#引号") == 0) {
            text += L'"';
            i += 3;
        } else {
            ++i;
        }
    }
    return text;
}

int Fail(const char* message) {
    std::fprintf(stderr, "lookup_check: %s\n", message);
    return 1;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::wstring code;
    for (int i = 0; i < 150 && code.find(L"返回 (窗口)") == std::wstring::npos; ++i) {
        code = ClipboardText();
        Sleep(100);
    }
    if (code.find(L"返回 (窗口)") == std::wstring::npos) return Fail("no lookup code on the clipboard");
    if (argc > 1) {
        const int n = WideCharToMultiByte(CP_UTF8, 0, code.c_str(), static_cast<int>(code.size()), nullptr, 0, nullptr,
                                          nullptr);
        std::string bytes(static_cast<std::size_t>(n), '\0');
        WideCharToMultiByte(CP_UTF8, 0, code.c_str(), static_cast<int>(code.size()), bytes.data(), n, nullptr, nullptr);
        if (FILE* f = _wfopen(argv[1], L"wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
    }
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
    HWND window = nullptr, parent = nullptr;
    auto handleOf = [&](const std::wstring& a) { return a == L"父窗口" ? parent : a == L"窗口" ? window : nullptr; };
    // Runs lines [from, to); false when a level is not found (the code
    // returns 0 there). Loops repeat their bodies.
    std::function<bool(std::size_t, std::size_t)> runLines = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            const std::wstring& line = lines[i];
            if (line.rfind(L".计次循环首 (", 0) == 0) {
                const int times = std::stoi(Arguments(line)[0]);
                std::size_t end = i + 1;
                while (end < to && lines[end] != L".计次循环尾 ()") ++end;
                for (int t = 0; t < times; ++t) {
                    if (!runLines(i + 1, end)) return false;
                }
                i = end;
            } else if (line == L".如果真 (窗口 = 0)") {
                if (!window) return false;
                while (i < to && lines[i] != L".如果真结束") ++i;
            } else if (line == L"父窗口 = 窗口") {
                parent = window;
            } else if (line == L"窗口 = 0") {
                window = nullptr;
            } else if (line.rfind(L"窗口 = _查找子窗口 ", 0) == 0) {
                const auto a = Arguments(line);
                window = FindWindowExW(handleOf(a[0]), handleOf(a[1]), TextOf(a[2]).c_str(), TextOf(a[3]).c_str());
            } else if (line.rfind(L"窗口 = _按类名查找子窗口 ", 0) == 0) {
                const auto a = Arguments(line);
                window = FindWindowExW(handleOf(a[0]), handleOf(a[1]), TextOf(a[2]).c_str(), nullptr);
            } else if (line.rfind(L"窗口 = _窗口控件ID取句柄 ", 0) == 0) {
                window = GetDlgItem(parent, std::stoi(Arguments(line)[1]));
            }
        }
        return true;
    };
    std::size_t body = 0;
    while (body < lines.size() && lines[body].rfind(L".子程序 ", 0) != 0) ++body;
    std::size_t end = body;
    while (end < lines.size() && lines[end] != L"返回 (窗口)") ++end;
    if (body == lines.size() || end == lines.size()) return Fail("no subroutine that returns the window");
    if (!runLines(body + 1, end)) return Fail("a level was not found");
    std::printf("%lld\n", static_cast<long long>(reinterpret_cast<INT_PTR>(window)));
    return 0;
}
