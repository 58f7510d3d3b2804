#include "messages/message_file.h"

#include "messages/core/default_message_list.h"
#include "util/program_files.h"
#include "util/wide_text.h"

namespace messages {

MessageFile::~MessageFile() {
    if (IsOpen()) CloseHandle(file_);
}

bool MessageFile::Open(const std::string& path) {
    if (IsOpen()) CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    path_ = util::Wide(path);
    if (path.find(':') == std::string::npos) path_ = util::ProgramDirectory() + L"\\" + path_;

    constexpr DWORD kShared = FILE_SHARE_READ | FILE_SHARE_WRITE;
    // A missing file is created with the message list the program ships.
    file_ = CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, kShared, nullptr, CREATE_NEW,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (IsOpen()) {
        WriteBytes(core::DefaultMessageListBytes());
        return true;
    }
    file_ = CreateFileW(path_.c_str(), GENERIC_READ | GENERIC_WRITE, kShared, nullptr, OPEN_EXISTING,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
    if (!IsOpen()) {
        // Read-only file or folder: the list is still read, the file left as it is.
        file_ = CreateFileW(path_.c_str(), GENERIC_READ, kShared, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
        return IsOpen();
    }
    const std::string bytes = ReadBytes();
    if (core::NeedsMarkerLine(bytes)) WriteBytes(core::AddMarkerLine(bytes).bytes);
    return true;
}

std::string MessageFile::ReadBytes() const {
    std::string bytes;
    if (!IsOpen()) return bytes;
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file_, &size) || size.QuadPart > 256 * 1024 * 1024) return bytes;
    bytes.resize(static_cast<std::size_t>(size.QuadPart));
    SetFilePointer(file_, 0, nullptr, FILE_BEGIN);
    std::size_t done = 0;
    while (done < bytes.size()) {
        DWORD read = 0;
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1 << 20));
        if (!ReadFile(file_, bytes.data() + done, chunk, &read, nullptr) || read == 0) break;
        done += read;
    }
    bytes.resize(done);
    return bytes;
}

bool MessageFile::WriteBytes(const std::string& bytes) {
    SetFilePointer(file_, 0, nullptr, FILE_BEGIN);
    DWORD written = 0;
    const bool ok = WriteFile(file_, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    SetEndOfFile(file_);
    FlushFileBuffers(file_);
    return ok;
}

core::ConfigText MessageFile::Read() const {
    if (!IsOpen()) return core::ConfigText();
    return core::ConfigText(ReadBytes());
}

}  // namespace messages
