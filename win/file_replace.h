// Changing files the user owns without ever putting them at risk: the new
// contents go into a new file beside the old one, which then takes the old
// one's place in one step. A full disk, a crash or a failed write leaves the
// old file exactly as it was, and no half-written file behind.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace win {

// Writes all bytes to an open file; false when any write fails.
using FileWriter = std::function<bool(HANDLE file, std::string_view bytes)>;
bool WriteAllBytes(HANDLE file, std::string_view bytes);

// Gives the existing file at `path` the new contents (ReplaceFileW keeps its
// attributes). False, with the file untouched, when anything fails.
bool ReplaceFileContents(const std::wstring& path, std::string_view bytes, const FileWriter& write = WriteAllBytes);
// Makes a file at `path`, which must not exist, with the contents; false
// (and nothing made) when it cannot, or when a file appeared there
// meanwhile.
bool CreateFileWithContents(const std::wstring& path, std::string_view bytes,
                            const FileWriter& write = WriteAllBytes);

// The whole file (up to 256 MiB); false when it cannot be read.
bool ReadWholeFile(const std::wstring& path, std::string& bytes);

// A file's size and last write time: a file read before has not changed
// when both are the same. Null when the file cannot be looked at.
struct FileStamp {
    unsigned long long size = 0;
    unsigned long long written = 0;
    bool operator==(const FileStamp& other) const { return size == other.size && written == other.written; }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};
bool StampOf(const std::wstring& path, FileStamp& stamp);

// Removes the new files a change of a file in `folder` left behind when it
// was cut off (the program killed between writing one and putting it in
// place); those younger than a minute may be another running copy's
// change under way and stay. Returns how many it removed.
int RemoveStaleReplacements(const std::wstring& folder);

}  // namespace win
