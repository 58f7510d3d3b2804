// The file half of the configuration class (加密配置类): message.ini. The
// parsed list is kept and read again only when the file has changed (its
// size or time of writing), so that edits made while the program runs (also
// by editors that save through a new file) are seen at the next change of
// category or message, without reading and decoding the file every time.
//
// Opening creates a missing file with the message list the program ships,
// and puts the marker line at the top of a file whose first line differs,
// changing nothing else of it. Both changes write a new file beside the old
// one that then takes its place in one step, so the user's file is never
// left half-written. A file that cannot be changed (read-only) is still
// read as it is; where no file can be made at all (a folder that cannot be
// written), the shipped list is used from memory. So it is for what is no
// message list: a file beyond kMaxListBytes, which no message list needs
// (the shipped one is 3 KB), a file without a single [category] section
// (empty, or bytes of something else), a folder of that name, a file that
// cannot be read. Those are left exactly as they are (no marker line put in
// front of somebody's bytes), and ListSource() says which it was, so that
// the page can say why the shipped list shows. Opening also removes the new
// files that changes cut off by a killed program left beside it.
#pragma once

#include <string>

#include "messages/core/config_text.h"
#include "win/file_replace.h"

namespace messages {

class MessageFile {
public:
    enum class Source {
        None,      // no list: nothing was opened
        File,      // the file on disk
        // The shipped list, because ...
        Memory,      // no file could be made
        TooLarge,    // the file is beyond kMaxListBytes
        Empty,       // the file holds no byte
        NoSections,  // the file holds no [category] section
        Folder,      // a folder has the file's name
        Unreadable,  // the file is there but cannot be read
    };
    static constexpr unsigned long long kMaxListBytes = 1024 * 1024;

    // Opens `path` (a relative path is taken from the program's folder);
    // true when there is a list to read.
    bool Open(const std::string& path);
    bool IsOpen() const { return source_ != Source::None; }
    Source ListSource() const { return source_; }
    // The list's current contents, parsed (nothing when it is not open).
    const core::ConfigText& Read() const;
    const std::wstring& Path() const { return path_; }

    // How the new files are written; replaceable for tests.
    win::FileWriter writer = win::WriteAllBytes;

private:
    // The shipped list in memory, for the reason given.
    bool UseShippedList(Source reason);

    Source source_ = Source::None;
    std::wstring path_;
    // The list as last read, and the file's stamp then.
    mutable core::ConfigText list_;
    mutable win::FileStamp readStamp_;
    mutable bool read_ = false;
};

}  // namespace messages
