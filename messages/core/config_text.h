// Reading the message list file message.ini: the text half of the
// configuration class 加密配置类. The Windows side opens (or creates) the
// file, hands its bytes over here, and writes back what AddMarkerLine says.
//
// The file:
//   - Bytes that start with the UTF-8 byte-order mark EF BB BF are UTF-8 (the
//     mark is not part of the text); any other bytes are GBK. Every text
//     given out here is UTF-8; bytes that are not valid in the file's
//     encoding come out as U+FFFD.
//   - Lines end with CR LF; a bare LF ends a line too. One CR before the line
//     end is removed; nothing else is ever trimmed.
//   - Line 1 is the marker line (kMarkerLine); it is no section.
//   - A header line has "[" as its first and "]" as its last character; the
//     section name is the text between them. A section runs up to the next
//     header line. The same name may head several sections.
//   - Inside a section, a line that contains "=" and does not start with ";"
//     defines a key: the text before its first "=". "a = b" defines the key
//     "a " (with the blank). Lines starting with ";" are comments; lines
//     without "=" are ignored.
//   - The value of key K in section S is the rest of the first line, in the
//     sections named S in file order, whose text starts with K + "=". Every
//     "〓" in it stands for a line break and is read as CR LF.
//
// Every header line starts a new section, also the one that ends a section
// of the same name: the keys of "[A] x=1 [A] y=2" are x and y, and both can
// be read. Reading and listing always agree.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace messages::core {

// The first line of message.ini: "Korvel:", the module's web address and
// eight blanks. ASCII, so its bytes are the same in GBK and in UTF-8.
inline constexpr std::string_view kMarkerLine = "Korvel:https://korvel.example/        ";

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// The file's bytes after the marker check: `changed` tells whether the
// marker line had to be inserted (the first line is not the marker line;
// an empty file gets it too), `bytes` is then the marker line, CR LF, CR LF
// and the old bytes unchanged. A UTF-8 file keeps its byte-order mark first
// and gets the marker right after it. When nothing changed, `bytes` is a
// copy of the old bytes.
struct MarkedFile {
    bool changed = false;
    std::string bytes;
};

bool NeedsMarkerLine(std::string_view fileBytes);
MarkedFile AddMarkerLine(std::string_view fileBytes);

// The parsed file. A default-constructed object stands for "no file open":
// it lists nothing, and every value it reads is the empty text, whatever
// default is asked for.
class ConfigText {
public:
    ConfigText() = default;
    explicit ConfigText(std::string_view fileBytes);

    bool IsOpen() const { return open_; }

    // Names of all sections in file order, repeats included.
    std::vector<std::string> SectionNames() const;

    // Keys of every section named `section`, in file order, repeats
    // included. Empty when there is no such section.
    std::vector<std::string> KeyNames(std::string_view section) const;

    // The value of `key` in `section` with "〓" read as CR LF; `defaultValue`
    // when the section or the key is missing; the empty text when no file is
    // open.
    std::string ReadValue(std::string_view section, std::string_view key, std::string_view defaultValue) const;

private:
    struct Line {
        std::size_t begin = 0;
        std::size_t size = 0;
    };
    // A header line and the lines of its body, [firstLine, endLine).
    struct Section {
        std::size_t header = 0;
        std::size_t firstLine = 0;
        std::size_t endLine = 0;
    };

    std::string_view LineText(std::size_t line) const;
    std::string_view SectionName(const Section& section) const;

    bool open_ = false;
    std::string text_;  // the whole file as UTF-8
    std::vector<Line> lines_;
    std::vector<Section> sections_;
};

}  // namespace messages::core
