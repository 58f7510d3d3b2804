#include "win/file_replace.h"

#include <algorithm>

#include "win/scoped.h"

namespace win {
namespace {

constexpr LONGLONG kMaxFileSize = 256LL * 1024 * 1024;
// The new files' names: "tav" and four hexadecimal digits, ".tmp".
constexpr wchar_t kReplacementPrefix[] = L"tav";

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? L"." : path.substr(0, slash);
}

// A new file in the same folder (so that it can take the other's place in
// one step) with the contents; its name, or "" when it could not be made
// completely (nothing is left behind then).
std::wstring WriteNewFileBeside(const std::wstring& path, std::string_view bytes, const FileWriter& write) {
    wchar_t name[MAX_PATH + 16] = {};
    if (!GetTempFileNameW(FolderOf(path).c_str(), kReplacementPrefix, 0, name)) return L"";
    OwnedFile file(CreateFileW(name, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    bool ok = static_cast<bool>(file);
    if (ok) {
        ok = write(file.Get(), bytes) && FlushFileBuffers(file.Get());
        ok = CloseHandle(file.Detach()) && ok;  // a failed close may mean unwritten data
    }
    if (!ok) {
        DeleteFileW(name);
        return L"";
    }
    return name;
}

}  // namespace

bool WriteAllBytes(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1 << 20));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), chunk, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool ReplaceFileContents(const std::wstring& path, std::string_view bytes, const FileWriter& write) {
    const std::wstring replacement = WriteNewFileBeside(path, bytes, write);
    if (replacement.empty()) return false;
    if (ReplaceFileW(path.c_str(), replacement.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        return true;
    }
    DeleteFileW(replacement.c_str());
    return false;
}

bool CreateFileWithContents(const std::wstring& path, std::string_view bytes, const FileWriter& write) {
    const std::wstring made = WriteNewFileBeside(path, bytes, write);
    if (made.empty()) return false;
    // Without MOVEFILE_REPLACE_EXISTING: a file that appeared meanwhile stays.
    if (MoveFileExW(made.c_str(), path.c_str(), MOVEFILE_WRITE_THROUGH)) return true;
    DeleteFileW(made.c_str());
    return false;
}

bool ReadWholeFile(const std::wstring& path, std::string& bytes) {
    bytes.clear();
    const OwnedFile file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                     nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return false;
    LARGE_INTEGER size = {};
    bool ok = GetFileSizeEx(file.Get(), &size) && size.QuadPart <= kMaxFileSize;
    if (ok) {
        bytes.resize(static_cast<std::size_t>(size.QuadPart));
        std::size_t done = 0;
        while (done < bytes.size()) {
            DWORD read = 0;
            const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
            if (!ReadFile(file.Get(), bytes.data() + done, chunk, &read, nullptr) || read == 0) break;
            done += read;
        }
        bytes.resize(done);  // a file that shrank meanwhile: what was there
    }
    if (!ok) bytes.clear();
    return ok;
}

bool StampOf(const std::wstring& path, FileStamp& stamp) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return false;
    stamp.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    stamp.written =
        (static_cast<unsigned long long>(data.ftLastWriteTime.dwHighDateTime) << 32) | data.ftLastWriteTime.dwLowDateTime;
    return true;
}

int RemoveStaleReplacements(const std::wstring& folder) {
    constexpr unsigned long long kMinuteIn100ns = 60ULL * 10'000'000ULL;
    FILETIME nowTime;
    GetSystemTimeAsFileTime(&nowTime);
    const unsigned long long now = (static_cast<unsigned long long>(nowTime.dwHighDateTime) << 32) | nowTime.dwLowDateTime;
    WIN32_FIND_DATAW found = {};
    const std::wstring pattern = folder + L"\\" + kReplacementPrefix + L"????.tmp";
    const OwnedFindHandle search(FindFirstFileW(pattern.c_str(), &found));
    if (!search) return 0;
    int removed = 0;
    do {
        const std::wstring name = found.cFileName;
        const bool hexadecimal = name.size() == 11 && name.find_first_not_of(L"0123456789ABCDEFabcdef", 3) == 7;
        const unsigned long long written = (static_cast<unsigned long long>(found.ftLastWriteTime.dwHighDateTime) << 32) |
                                           found.ftLastWriteTime.dwLowDateTime;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !hexadecimal || written + kMinuteIn100ns > now) continue;
        if (DeleteFileW((folder + L"\\" + name).c_str())) ++removed;
    } while (FindNextFileW(search.Get(), &found));
    return removed;
}

}  // namespace win
