#include "win/window_query.h"

#include <tlhelp32.h>

#include <algorithm>
#include <vector>

#include "win/scoped.h"
#include "win/wide_text.h"

namespace win {
namespace {

// Full image path of a process through QueryFullProcessImageNameW, which
// works where module snapshots do not.
std::wstring ProcessImagePath(DWORD pid) {
    const OwnedHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process) return L"";
    std::wstring path(32768, L'\0');
    DWORD size = static_cast<DWORD>(path.size());
    const BOOL ok = QueryFullProcessImageNameW(process.Get(), 0, path.data(), &size);
    path.resize(ok ? size : 0);
    return path;
}

struct ModuleTexts {
    std::wstring name;
    std::wstring path;
};

ModuleTexts FirstModule(std::int32_t pid) {
    ModuleTexts texts;
    if (pid <= 0) return texts;
    const OwnedFile snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, static_cast<DWORD>(pid)));
    MODULEENTRY32W entry = {};
    entry.dwSize = sizeof entry;
    if (snapshot && Module32FirstW(snapshot.Get(), &entry)) {
        texts.name = entry.szModule;
        texts.path = entry.szExePath;
    }
    if (texts.path.empty()) {
        texts.path = ProcessImagePath(static_cast<DWORD>(pid));
        const std::size_t slash = texts.path.find_last_of(L"\\/");
        texts.name = slash == std::wstring::npos ? texts.path : texts.path.substr(slash + 1);
    }
    return texts;
}

}  // namespace

bool WindowExists(WindowHandle hwnd) { return IsWindow(ToHwnd(hwnd)) != FALSE; }

std::int32_t GetWindowProcessId(WindowHandle hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(ToHwnd(hwnd), &pid);
    return pid == 0 ? -1 : static_cast<std::int32_t>(pid);
}

std::int32_t GetWindowThreadId(WindowHandle hwnd) {
    DWORD pid = 0;
    return static_cast<std::int32_t>(GetWindowThreadProcessId(ToHwnd(hwnd), &pid));
}

std::string GetWindowClassName(WindowHandle hwnd) {
    wchar_t name[256] = {};
    const int n = GetClassNameW(ToHwnd(hwnd), name, 256);
    return n > 0 ? Utf8(std::wstring_view(name, static_cast<std::size_t>(n))) : std::string();
}

std::string GetWindowTitle(WindowHandle hwnd) {
    const HWND h = ToHwnd(hwnd);
    const int length = std::min(GetWindowTextLengthW(h), static_cast<int>(text::kMaxTextCharacters));
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(h, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return Utf8(text);
}

std::string GetWindowStoredTitle(WindowHandle hwnd) {
    // Most titles are short; a longer one is read again with more room, up
    // to 256 K characters (a tree label shows far less).
    constexpr std::size_t kMostRoom = 1u << 18;
    for (std::size_t room = 512;; room *= 8) {
        std::wstring text(room, L'\0');
        const int copied = InternalGetWindowText(ToHwnd(hwnd), text.data(), static_cast<int>(room));
        if (copied <= 0) return {};
        if (static_cast<std::size_t>(copied) + 1 < room || room >= kMostRoom) {
            text.resize(static_cast<std::size_t>(copied));
            return Utf8(text);
        }
    }
}

SafeTitle QueryWindowTitleSafe(WindowHandle hwnd, std::size_t most, unsigned firstAnswerMs) {
    SafeTitle result;
    const HWND h = ToHwnd(hwnd);
    auto ask = [&](UINT message, WPARAM wParam, LPARAM lParam, UINT timeoutMs, DWORD_PTR& answer) {
        // No SMTO_ABORTIFHUNG: a program that has not looked at its messages
        // for five seconds counts as hung, and Wine counts an idle one so
        // for the moment it wakes for anything else (an expose as the
        // finder passes over it). The time-out alone bounds the wait.
        if (SendMessageTimeoutW(h, message, wParam, lParam, SMTO_BLOCK, timeoutMs, &answer)) {
            return true;
        }
        result.timedOut = IsWindow(h) != FALSE;
        return false;
    };
    // Most texts are short: ask for the text at once, and for its length
    // first only when it may not have fitted. One question instead of two
    // halves the cost for other programs' windows.
    const std::size_t firstTry = std::min<std::size_t>(1024, most + 1);
    std::vector<wchar_t> first(firstTry, L'\0');
    DWORD_PTR copied = 0;
    if (!ask(WM_GETTEXT, firstTry, reinterpret_cast<LPARAM>(first.data()), firstAnswerMs, copied)) return result;
    first.back() = L'\0';
    if (copied + 1 < firstTry) {
        result.text = Utf8(first.data());
        return result;
    }
    DWORD_PTR length = 0;
    if (!ask(WM_GETTEXTLENGTH, 0, 0, firstAnswerMs, length)) return result;
    // Room for the text the window announced, with a margin for a text that
    // grew in between, but never more than `most`: a window may announce
    // any length at all. The answer is cut at the first NUL either way.
    const std::size_t room = std::min<std::size_t>(static_cast<std::size_t>(length), most) + 2;
    std::vector<wchar_t> buffer(room, L'\0');
    if (!ask(WM_GETTEXT, room - 1, reinterpret_cast<LPARAM>(buffer.data()), 500, copied)) return result;
    buffer.back() = L'\0';
    const std::wstring_view text(buffer.data());
    result.cut = text.size() >= most;
    result.text = Utf8(text.substr(0, most));
    return result;
}

std::string GetWindowTitleSafe(WindowHandle hwnd) { return QueryWindowTitleSafe(hwnd).text; }

std::string GetProcessModuleName(std::int32_t pid) { return Utf8(FirstModule(pid).name); }

std::string GetProcessExePath(std::int32_t pid) { return Utf8(FirstModule(pid).path); }

bool IsWindowTopmost(WindowHandle hwnd) {
    return (GetWindowLongPtrW(ToHwnd(hwnd), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

bool IsWindowSeeThrough(WindowHandle hwnd) {
    const HWND h = ToHwnd(hwnd);
    if (!(GetWindowLongPtrW(h, GWL_EXSTYLE) & WS_EX_LAYERED)) return false;
    BYTE alpha = 255;
    DWORD flags = 0;
    return GetLayeredWindowAttributes(h, nullptr, &alpha, &flags) && (flags & LWA_ALPHA) && alpha < 255;
}

RECT WindowRectOrZero(HWND hwnd) {
    RECT r = {0, 0, 0, 0};
    if (!hwnd || !GetWindowRect(hwnd, &r)) r = {0, 0, 0, 0};
    return r;
}

bool GetWindowClientSize(WindowHandle hwnd, std::int32_t& width, std::int32_t& height) {
    const HWND h = hwnd == 0 ? GetForegroundWindow() : ToHwnd(hwnd);
    RECT r = {};
    if (!GetClientRect(h, &r)) return false;
    width = r.right;
    height = r.bottom;
    return true;
}

POINT GetClientOrigin(WindowHandle hwnd) {
    POINT origin = {0, 0};
    const HWND h = hwnd == 0 ? GetForegroundWindow() : ToHwnd(hwnd);
    if (!ClientToScreen(h, &origin)) origin = {0, 0};
    return origin;
}

bool FocusWindow(WindowHandle hwnd) {
    const HWND h = ToHwnd(hwnd);
    const DWORD thread = GetWindowThreadProcessId(h, nullptr);
    const DWORD self = GetCurrentThreadId();
    const bool attached = thread != 0 && thread != self && AttachThreadInput(self, thread, TRUE);
    const HWND previous = SetFocus(h);
    // Asked while still attached, when GetFocus sees the other thread's focus.
    const HWND now = GetFocus();
    if (attached) AttachThreadInput(self, thread, FALSE);
    return now != previous;
}

}  // namespace win
