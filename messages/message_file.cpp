#include "messages/message_file.h"

#include <windows.h>

#include "messages/core/default_message_list.h"
#include "util/program_files.h"
#include "util/system_library.h"
#include "util/wide_text.h"

namespace messages {

bool MessageFile::Open(const std::string& path) {
    source_ = Source::None;
    read_ = false;
    list_ = core::ConfigText();
    path_ = util::Wide(path);
    // Relative names are the program folder's; drive, rooted and UNC paths
    // (\\server\share\...) are taken as they are.
    using PathIsRelative = BOOL(WINAPI*)(const wchar_t*);
    static const auto isRelative = util::SystemFunctionOf<PathIsRelative>(L"shlwapi.dll", "PathIsRelativeW");
    if (isRelative && isRelative(path_.c_str())) path_ = util::ProgramDirectory() + L"\\" + path_;
    const std::size_t slash = path_.find_last_of(L"\\/");
    util::RemoveStaleReplacements(slash == std::wstring::npos ? L"." : path_.substr(0, slash));

    util::FileStamp stamp;
    if (util::StampOf(path_, stamp) && stamp.size > kMaxListBytes) {
        list_ = core::ConfigText(core::DefaultMessageListBytes());
        read_ = true;
        source_ = Source::TooLarge;
        return true;
    }
    std::string bytes;
    if (!util::ReadWholeFile(path_, bytes)) {
        if (GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES) return false;  // there, but unreadable
        // Missing: the list the program ships, written to disk when the
        // folder takes it, else kept in memory.
        const std::string list = core::DefaultMessageListBytes();
        if (util::CreateFileWithContents(path_, list, writer) || util::ReadWholeFile(path_, bytes)) {
            source_ = Source::File;
        } else {
            list_ = core::ConfigText(list);
            read_ = true;
            source_ = Source::Memory;
        }
        return true;
    }
    source_ = Source::File;
    // A read-only file keeps its first line: it is read as it is.
    if (core::NeedsMarkerLine(bytes)) util::ReplaceFileContents(path_, core::AddMarkerLine(bytes).bytes, writer);
    return true;
}

const core::ConfigText& MessageFile::Read() const {
    if (source_ != Source::File) return list_;  // none, or the shipped list
    util::FileStamp stamp;
    const bool stamped = util::StampOf(path_, stamp);
    if (read_ && stamped && stamp == readStamp_) return list_;
    std::string bytes;
    if (!stamped || stamp.size > kMaxListBytes || !util::ReadWholeFile(path_, bytes)) {
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
