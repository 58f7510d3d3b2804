#include "messages/message_file.h"

#include <windows.h>

#include "messages/core/default_message_list.h"
#include "util/program_files.h"
#include "util/system_library.h"
#include "util/wide_text.h"

namespace messages {

bool MessageFile::Open(const std::string& path) {
    source_ = Source::None;
    shipped_.clear();
    path_ = util::Wide(path);
    // Relative names are the program folder's; drive, rooted and UNC paths
    // (\\server\share\...) are taken as they are.
    using PathIsRelative = BOOL(WINAPI*)(const wchar_t*);
    static const auto isRelative = util::SystemFunctionOf<PathIsRelative>(L"shlwapi.dll", "PathIsRelativeW");
    if (isRelative && isRelative(path_.c_str())) path_ = util::ProgramDirectory() + L"\\" + path_;

    std::string bytes;
    if (!util::ReadWholeFile(path_, bytes)) {
        if (GetFileAttributesW(path_.c_str()) != INVALID_FILE_ATTRIBUTES) return false;  // there, but unreadable
        // Missing: the list the program ships, written to disk when the
        // folder takes it, else kept in memory.
        const std::string list = core::DefaultMessageListBytes();
        if (util::CreateFileWithContents(path_, list, writer) || util::ReadWholeFile(path_, bytes)) {
            source_ = Source::File;
        } else {
            shipped_ = list;
            source_ = Source::Memory;
        }
        return true;
    }
    source_ = Source::File;
    // A read-only file keeps its first line: it is read as it is.
    if (core::NeedsMarkerLine(bytes)) util::ReplaceFileContents(path_, core::AddMarkerLine(bytes).bytes, writer);
    return true;
}

core::ConfigText MessageFile::Read() const {
    switch (source_) {
        case Source::Memory: return core::ConfigText(shipped_);
        case Source::File: {
            std::string bytes;
            if (!util::ReadWholeFile(path_, bytes)) return core::ConfigText();
            return core::ConfigText(bytes);
        }
        case Source::None: break;
    }
    return core::ConfigText();
}

}  // namespace messages
