#include "app/program_run.h"

#include <windows.h>

#include "app/main_window.h"
#include "text/number_text.h"
#include "win/error_log.h"
#include "win/wide_text.h"

namespace app {

std::string MainWindowFailureText(unsigned long error) {
    std::string text = "主窗口无法创建";
    wchar_t* message = nullptr;
    const DWORD length = error == 0 ? 0
                                    : FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                                         FORMAT_MESSAGE_IGNORE_INSERTS,
                                                     nullptr, error, 0, reinterpret_cast<wchar_t*>(&message), 0, nullptr);
    if (length > 0 && message) {
        std::wstring words(message, length);
        while (!words.empty() && (words.back() == L'\r' || words.back() == L'\n' || words.back() == L' ')) words.pop_back();
        text += "：" + win::Utf8(words);
    }
    if (message) LocalFree(message);
    return text + "（错误代码 " + text::IntegerToText(static_cast<std::int64_t>(error)) + "）";
}

int RunProgram(int show, const std::function<void(const std::string&)>& tellUser) {
    // The utility routines' single-instance objects live for the whole run.
    UtilityObjects utilities;
    MainWindow window(utilities);
    if (!window.Create()) {
        const std::string text = MainWindowFailureText(window.CreationError());
        win::AppendToErrorLog(__FILE__, __LINE__, text);
        tellUser(text);
        return 1;
    }
    window.Show(show);
    return ui::RunMessageLoop();
}

}  // namespace app
