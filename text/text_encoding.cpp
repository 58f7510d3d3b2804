#include "text/text_encoding.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace text {
namespace {

#include "text/gbk_table.inc"

constexpr char16_t kReplacement = 0xFFFD;
constexpr int kLeadFirst = 0x81, kLeadLast = 0xFE, kTrailFirst = 0x40, kTrailLast = 0xFE;
constexpr int kTrailCount = kTrailLast - kTrailFirst + 1;

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp) {
    if (cp < 0x10000) {
        out += static_cast<char16_t>(cp);
    } else {
        cp -= 0x10000;
        out += static_cast<char16_t>(0xD800 + (cp >> 10));
        out += static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
    }
}

// Decodes one code point from UTF-8 at pos and advances pos. Overlong forms,
// surrogates, values past U+10FFFF and cut-off sequences give U+FFFD and
// consume one byte, so decoding always makes progress.
char32_t NextUtf8(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int extra;
    char32_t cp;
    char32_t minimum;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1, cp = b0 & 0x1F, minimum = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2, cp = b0 & 0x0F, minimum = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3, cp = b0 & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return kReplacement;
    }
    if (pos + extra >= s.size()) {  // cut off at the end
        ++pos;
        return kReplacement;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kReplacement;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++pos;
        return kReplacement;
    }
    pos += 1 + extra;
    return cp;
}

// Decodes one code point from UTF-16 at pos; a lone surrogate gives U+FFFD.
char32_t NextUtf16(std::u16string_view s, std::size_t& pos) {
    const char16_t u = s[pos++];
    if (u >= 0xD800 && u <= 0xDBFF && pos < s.size() && s[pos] >= 0xDC00 && s[pos] <= 0xDFFF) {
        return 0x10000 + ((static_cast<char32_t>(u) - 0xD800) << 10) + (s[pos++] - 0xDC00);
    }
    if (u >= 0xD800 && u <= 0xDFFF) return kReplacement;
    return u;
}

// UTF-16 unit -> GBK bytes (one or two), built once from the decoding table.
class GbkEncoder {
public:
    GbkEncoder() {
        entries_.reserve(24000);
        for (int i = 0; i < 128; ++i) {
            if (kGbkSingle[i] != 0) entries_.emplace_back(kGbkSingle[i], static_cast<std::uint16_t>(0x80 + i));
        }
        for (int lead = kLeadFirst; lead <= kLeadLast; ++lead) {
            for (int trail = kTrailFirst; trail <= kTrailLast; ++trail) {
                const char16_t u = kGbkDouble[(lead - kLeadFirst) * kTrailCount + (trail - kTrailFirst)];
                if (u != 0) entries_.emplace_back(u, static_cast<std::uint16_t>(lead << 8 | trail));
            }
        }
        // Keep the first byte sequence of a character when several decode to it.
        std::stable_sort(entries_.begin(), entries_.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
    }

    // 0 when GBK has no such character; else one byte (< 0x100) or two.
    std::uint16_t Encode(char16_t u) const {
        const auto it = std::lower_bound(entries_.begin(), entries_.end(), u,
                                         [](const auto& e, char16_t key) { return e.first < key; });
        return (it != entries_.end() && it->first == u) ? it->second : 0;
    }

private:
    std::vector<std::pair<char16_t, std::uint16_t>> entries_;
};

const GbkEncoder& Encoder() {
    static const GbkEncoder encoder;
    return encoder;
}

}  // namespace

std::u16string Utf8ToUtf16(std::string_view utf8) {
    std::u16string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) AppendUtf16(out, NextUtf8(utf8, pos));
    return out;
}

std::string Utf16ToUtf8(std::u16string_view utf16) {
    std::string out;
    out.reserve(utf16.size() * 3);
    for (std::size_t pos = 0; pos < utf16.size();) AppendUtf8(out, NextUtf16(utf16, pos));
    return out;
}

std::u16string GbkToUtf16(std::string_view gbk) {
    std::u16string out;
    out.reserve(gbk.size());
    for (std::size_t pos = 0; pos < gbk.size();) {
        const auto b = static_cast<unsigned char>(gbk[pos]);
        if (b < 0x80) {
            out += static_cast<char16_t>(b);
            ++pos;
            continue;
        }
        if (b >= kLeadFirst && b <= kLeadLast && pos + 1 < gbk.size()) {
            const auto t = static_cast<unsigned char>(gbk[pos + 1]);
            if (t >= kTrailFirst && t <= kTrailLast) {
                const char16_t u = kGbkDouble[(b - kLeadFirst) * kTrailCount + (t - kTrailFirst)];
                if (u != 0) {
                    out += u;
                    pos += 2;
                    continue;
                }
            }
        }
        // A single byte of its own (0x80 is the euro sign) or an invalid one.
        const char16_t single = kGbkSingle[b - 0x80];
        out += single != 0 ? single : kReplacement;
        ++pos;
    }
    return out;
}

std::string Utf16ToGbk(std::u16string_view utf16) {
    const GbkEncoder& encoder = Encoder();
    std::string out;
    out.reserve(utf16.size() * 2);
    for (std::size_t pos = 0; pos < utf16.size();) {
        const char32_t cp = NextUtf16(utf16, pos);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        const std::uint16_t bytes = cp < 0x10000 ? encoder.Encode(static_cast<char16_t>(cp)) : 0;
        if (bytes == 0) {
            out += '?';
        } else if (bytes < 0x100) {
            out += static_cast<char>(bytes);
        } else {
            out += static_cast<char>(bytes >> 8);
            out += static_cast<char>(bytes & 0xFF);
        }
    }
    return out;
}

std::string GbkToUtf8(std::string_view gbk) { return Utf16ToUtf8(GbkToUtf16(gbk)); }

std::string Utf8ToGbk(std::string_view utf8) { return Utf16ToGbk(Utf8ToUtf16(utf8)); }

}  // namespace text
