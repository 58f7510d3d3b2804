#include "ui/file_dialog.h"

#include <commdlg.h>

#include <vector>

#include "ui/form.h"
#include "win/system_library.h"
#include "win/wide_text.h"

namespace ui {

FileDialog::FileDialog(Form& form, std::string_view name, int page) : Control(form, name, Bounds{}, page) {}

bool FileDialog::Show(bool save) {
    // "a|b|c|d" becomes "a\0b\0c\0d\0\0".
    std::wstring filterText = win::Wide(filter);
    for (wchar_t& c : filterText) {
        if (c == L'|') c = L'\0';
    }
    filterText.append(2, L'\0');
    std::vector<wchar_t> buffer(32768, L'\0');
    win::Wide(fileName).copy(buffer.data(), buffer.size() - 1);
    const std::wstring titleText = win::Wide(title);
    const std::wstring extension = win::Wide(defaultExtension);
    const std::wstring folder = win::Wide(initialDirectory);

    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = form_.Handle();
    ofn.lpstrFilter = filter.empty() ? nullptr : filterText.c_str();
    ofn.nFilterIndex = static_cast<DWORD>(filterIndex);
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    ofn.lpstrTitle = title.empty() ? nullptr : titleText.c_str();
    ofn.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
    using Dialog = BOOL(WINAPI*)(OPENFILENAMEW*);
    static const auto open = win::SystemFunctionOf<Dialog>(L"comdlg32.dll", "GetOpenFileNameW");
    static const auto saveAs = win::SystemFunctionOf<Dialog>(L"comdlg32.dll", "GetSaveFileNameW");
    const Dialog show = save ? saveAs : open;
    const BOOL ok = show ? show(&ofn) : FALSE;
    if (!ok) return false;
    fileName = win::Utf8(buffer.data());
    filterIndex = static_cast<int>(ofn.nFilterIndex);
    return true;
}

}  // namespace ui
