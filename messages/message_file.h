// The file half of the configuration class (加密配置类): message.ini kept open
// for the program's lifetime, shared for reading and writing with other
// programs, and read anew for every question, so that edits made while the
// program runs are seen at the next change of category or message.
//
// Opening creates a missing file with the message list the program ships,
// and puts the marker line at the top of a file whose first line differs,
// changing nothing else of it. A file that cannot be opened for writing is
// still read.
#pragma once

#include <windows.h>

#include <string>

#include "messages/core/config_text.h"

namespace messages {

class MessageFile {
public:
    MessageFile() = default;
    ~MessageFile();
    MessageFile(const MessageFile&) = delete;
    MessageFile& operator=(const MessageFile&) = delete;

    // Opens `path` (relative paths are taken from the program's folder);
    // true when the file is open.
    bool Open(const std::string& path);
    bool IsOpen() const { return file_ != INVALID_HANDLE_VALUE; }
    // The file's current contents, parsed (nothing when it is not open).
    core::ConfigText Read() const;
    const std::wstring& Path() const { return path_; }

private:
    std::string ReadBytes() const;
    bool WriteBytes(const std::string& bytes);

    HANDLE file_ = INVALID_HANDLE_VALUE;
    std::wstring path_;
};

}  // namespace messages
