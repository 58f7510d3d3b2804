#include "messages/core/config_text.h"

#include "text/text_encoding.h"

namespace messages::core {
namespace {

constexpr std::string_view kLineBreakMark = "〓";

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

bool IsHeader(std::string_view line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

// A line that defines a key: it holds "=" and is no comment.
bool IsKeyLine(std::string_view line) {
    return line.find('=') != std::string_view::npos && !StartsWith(line, ";");
}

// The first line of the file's text, without its line end.
std::string_view FirstLine(std::string_view text) {
    std::string_view line = text.substr(0, text.find('\n'));
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}

}  // namespace

bool NeedsMarkerLine(std::string_view fileBytes) {
    if (StartsWith(fileBytes, kUtf8ByteOrderMark)) fileBytes.remove_prefix(kUtf8ByteOrderMark.size());
    // The marker is ASCII: its bytes are the same in GBK and UTF-8, and a
    // line whose bytes differ from it cannot decode to it either.
    return FirstLine(fileBytes) != kMarkerLine;
}

MarkedFile AddMarkerLine(std::string_view fileBytes) {
    MarkedFile result;
    if (!NeedsMarkerLine(fileBytes)) {
        result.bytes = std::string(fileBytes);
        return result;
    }
    result.changed = true;
    const bool utf8 = StartsWith(fileBytes, kUtf8ByteOrderMark);
    if (utf8) fileBytes.remove_prefix(kUtf8ByteOrderMark.size());
    result.bytes.reserve(fileBytes.size() + kMarkerLine.size() + 7);
    if (utf8) result.bytes += kUtf8ByteOrderMark;
    result.bytes += kMarkerLine;
    result.bytes += "\r\n\r\n";
    result.bytes += fileBytes;
    return result;
}

ConfigText::ConfigText(std::string_view fileBytes) : open_(true) {
    if (StartsWith(fileBytes, kUtf8ByteOrderMark)) {
        // Passing through UTF-16 puts U+FFFD where the bytes are not UTF-8.
        text_ = text::Utf16ToUtf8(text::Utf8ToUtf16(fileBytes.substr(kUtf8ByteOrderMark.size())));
    } else {
        text_ = text::GbkToUtf8(fileBytes);
    }

    // Split into lines. The text is decoded already, so a GBK character whose
    // second byte happens to be "[", "]" or "|" stays one character.
    std::size_t pos = 0;
    while (pos < text_.size()) {
        std::size_t end = text_.find('\n', pos);
        const std::size_t next = end == std::string::npos ? text_.size() : end + 1;
        if (end == std::string::npos) end = text_.size();
        Line line{pos, end - pos};
        if (line.size > 0 && text_[line.begin + line.size - 1] == '\r') --line.size;
        lines_.push_back(line);
        pos = next;
    }

    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (!IsHeader(LineText(i))) continue;
        if (!sections_.empty()) sections_.back().endLine = i;
        sections_.push_back({i, i + 1, lines_.size()});
    }
}

std::string_view ConfigText::LineText(std::size_t line) const {
    return std::string_view(text_).substr(lines_[line].begin, lines_[line].size);
}

std::string_view ConfigText::SectionName(const Section& section) const {
    const std::string_view header = LineText(section.header);
    return header.substr(1, header.size() - 2);
}

std::vector<std::string> ConfigText::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(sections_.size());
    for (const Section& s : sections_) names.emplace_back(SectionName(s));
    return names;
}

std::vector<std::string> ConfigText::KeyNames(std::string_view section) const {
    std::vector<std::string> keys;
    for (const Section& s : sections_) {
        if (SectionName(s) != section) continue;
        for (std::size_t i = s.firstLine; i < s.endLine; ++i) {
            const std::string_view line = LineText(i);
            if (IsKeyLine(line)) keys.emplace_back(line.substr(0, line.find('=')));
        }
    }
    return keys;
}

std::string ConfigText::ReadValue(std::string_view section, std::string_view key,
                                  std::string_view defaultValue) const {
    if (!open_) return {};
    for (const Section& s : sections_) {
        if (SectionName(s) != section) continue;
        for (std::size_t i = s.firstLine; i < s.endLine; ++i) {
            const std::string_view line = LineText(i);
            if (line.size() <= key.size() || line[key.size()] != '=' || !StartsWith(line, key)) continue;
            const std::string_view rest = line.substr(key.size() + 1);
            std::string value;
            value.reserve(rest.size());
            std::size_t pos = 0;
            for (std::size_t mark; (mark = rest.find(kLineBreakMark, pos)) != std::string_view::npos;
                 pos = mark + kLineBreakMark.size()) {
                value.append(rest, pos, mark - pos);
                value += "\r\n";
            }
            value.append(rest, pos, std::string_view::npos);
            return value;
        }
    }
    return std::string(defaultValue);
}

}  // namespace messages::core
