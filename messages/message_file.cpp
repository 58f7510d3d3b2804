#include "messages/message_file.h"

#include <windows.h>

#include "messages/core/default_message_list.h"
#include "win/program_files.h"
#include "win/system_library.h"
#include "win/wide_text.h"

namespace messages {

bool MessageFile::Open(const std::string& path) {
    source_ = Source::None;
    read_ = false;
    list_ = core::ConfigText();
    path_ = win::Wide(path);
    // Relative names are the program folder's; drive, rooted and UNC paths
    // (\\server\share\...) are taken as they are.
    using PathIsRelative = BOOL(WINAPI*)(const wchar_t*);
    static const auto isRelative = win::SystemFunctionOf<PathIsRelative>(L"shlwapi.dll", "PathIsRelativeW");
    if (isRelative && isRelative(path_.c_str())) path_ = win::ProgramDirectory() + L"\\" + path_;
    const std::size_t slash = path_.find_last_of(L"\\/");
    win::RemoveStaleReplacements(slash == std::wstring::npos ? L"." : path_.substr(0, slash));

    const DWORD attributes = GetFileAttributesW(path_.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        return UseShippedList(Source::Folder);
    }
    win::FileStamp stamp;
    if (win::StampOf(path_, stamp) && stamp.size > kMaxListBytes) return UseShippedList(Source::TooLarge);
    std::string bytes;
    if (!win::ReadWholeFile(path_, bytes)) {
        if (attributes != INVALID_FILE_ATTRIBUTES) return UseShippedList(Source::Unreadable);
        // Missing: the list the program ships, written to disk when the
        // folder takes it, else kept in memory.
        if (win::CreateFileWithContents(path_, core::DefaultMessageListBytes(), writer) ||
            win::ReadWholeFile(path_, bytes)) {
            source_ = Source::File;
            return true;
        }
        return UseShippedList(Source::Memory);
    }
    if (bytes.empty()) return UseShippedList(Source::Empty);
    if (core::ConfigText(bytes).SectionNames().empty()) return UseShippedList(Source::NoSections);
    source_ = Source::File;
    // A read-only file keeps its first line: it is read as it is.
    if (core::NeedsMarkerLine(bytes)) win::ReplaceFileContents(path_, core::AddMarkerLine(bytes).bytes, writer);
    return true;
}

bool MessageFile::UseShippedList(Source reason) {
    list_ = core::ConfigText(core::DefaultMessageListBytes());
    read_ = true;
    source_ = reason;
    return true;
}

const core::ConfigText& MessageFile::Read() const {
    if (source_ != Source::File) return list_;  // none, or the shipped list
    win::FileStamp stamp;
    const bool stamped = win::StampOf(path_, stamp);
    if (read_ && stamped && stamp == readStamp_) return list_;
    std::string bytes;
    if (!stamped || stamp.size > kMaxListBytes || !win::ReadWholeFile(path_, bytes)) {
        // Gone, grown beyond reason or unreadable since: nothing to list.
        list_ = core::ConfigText();
        read_ = false;
        return list_;
    }
    list_ = core::ConfigText(bytes);
    readStamp_ = stamp;
    read_ = true;
    return list_;
}

}  // namespace messages
