#include "win/clipboard.h"

#include <windows.h>

#include <cstring>

#include "win/scoped.h"
#include "win/wide_text.h"

namespace win {

bool CopyTextToClipboard(const std::string& text) {
    const std::wstring wide = Wide(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    OwnedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, bytes));
    {
        const GlobalLockScope<void> target(memory.Get());
        if (!target) return false;
        std::memcpy(target.Get(), wide.c_str(), bytes);
    }
    const ClipboardScope clipboard;
    if (!clipboard.Open()) return false;
    EmptyClipboard();
    // The clipboard owns the memory once it took it.
    if (!SetClipboardData(CF_UNICODETEXT, memory.Get())) return false;
    memory.Detach();
    return true;
}

std::string ClipboardText() {
    const ClipboardScope clipboard;
    if (!clipboard.Open()) return {};
    const GlobalLockScope<const wchar_t> chars(GetClipboardData(CF_UNICODETEXT));
    return chars ? Utf8(chars.Get()) : std::string();
}

}  // namespace win
