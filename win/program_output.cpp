#include "win/program_output.h"

#include <windows.h>

#include "win/file_replace.h"
#include "win/program_files.h"

namespace win {
namespace {

bool MakeFolder(const std::wstring& path) {
    if (CreateDirectoryW(path.c_str(), nullptr)) return true;
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// The file at `path` holds exactly `bytes` afterwards: it already did, or it
// was made or replaced.
bool PlaceFile(const std::wstring& path, std::string_view bytes) {
    std::string existing;
    if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES) return CreateFileWithContents(path, bytes);
    if (ReadWholeFile(path, existing) && existing == bytes) return true;
    return ReplaceFileContents(path, bytes);
}

}  // namespace

std::wstring PerUserProgramFolder() {
    wchar_t base[MAX_PATH] = {};
    const DWORD n = GetEnvironmentVariableW(L"LOCALAPPDATA", base, MAX_PATH);
    if (n == 0 || n >= MAX_PATH) return L"";
    const std::wstring folder = std::wstring(base) + L"\\Tavrin";
    return MakeFolder(folder) ? folder : L"";
}

std::vector<std::wstring> ProgramOutputFolders() {
    std::vector<std::wstring> folders = {ProgramDirectory()};
    const std::wstring perUser = PerUserProgramFolder();
    if (!perUser.empty()) folders.push_back(perUser);
    return folders;
}

std::wstring PlaceFiles(const std::vector<std::wstring>& folders, const std::wstring& subfolder,
                        const std::vector<OutputFile>& files) {
    for (const std::wstring& base : folders) {
        if (base.empty()) continue;
        const std::wstring folder = subfolder.empty() ? base : base + L"\\" + subfolder;
        if (!MakeFolder(folder)) continue;
        bool all = true;
        for (const OutputFile& file : files) {
            if (!PlaceFile(folder + L"\\" + file.name, file.bytes)) {
                all = false;
                break;
            }
        }
        if (all) return folder;
    }
    return L"";
}

}  // namespace win
