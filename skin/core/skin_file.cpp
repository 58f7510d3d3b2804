#include "skin/core/skin_file.h"

namespace skin::core {
namespace {

enum RecordKey : std::uint8_t { kNameRecord = 1, kColourRecord = 2, kMetricRecord = 3 };

void PutRecord(std::string& out, std::uint8_t key, const std::string& bytes) {
    out += static_cast<char>(key);
    out += static_cast<char>(bytes.size() & 0xFF);
    out += static_cast<char>((bytes.size() >> 8) & 0xFF);
    out += bytes;
}

std::uint32_t Little(std::string_view bytes, std::size_t at, std::size_t count) {
    std::uint32_t v = 0;
    for (std::size_t k = 0; k < count; ++k) v |= static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes[at + k])) << (8 * k);
    return v;
}

struct Reuse {
    int number, sameAs;
};
constexpr Reuse kReuses[] = {{16, 6}, {19, 7}, {23, 10}, {25, 1}, {30, 26}, {35, 4}, {38, 11}, {47, 36}, {51, 3}, {54, 9}};

}  // namespace

std::string WriteSkinFile(const SkinStyle& skin) {
    std::string body;
    PutRecord(body, kNameRecord, skin.name.substr(0, 0xFFFF));
    std::string colours;
    for (std::uint32_t c : skin.colours) {
        for (int k = 0; k < 4; ++k) colours += static_cast<char>((c >> (8 * k)) & 0xFF);
    }
    PutRecord(body, kColourRecord, colours);
    PutRecord(body, kMetricRecord, std::string(skin.metrics.begin(), skin.metrics.end()));
    std::string out(kSkinMagic);
    out += '\0';
    out += '\x03';
    for (int k = 0; k < 4; ++k) out += static_cast<char>((body.size() >> (8 * k)) & 0xFF);
    return out + body;
}

std::optional<SkinStyle> ReadSkinFile(std::string_view bytes) {
    if (bytes.size() < kSkinHeaderSize || bytes.substr(0, 4) != kSkinMagic || bytes[4] != '\0' || bytes[5] != '\x03') {
        return std::nullopt;
    }
    const std::uint32_t bodySize = Little(bytes, 6, 4);
    if (bodySize > kMaxSkinBody || bytes.size() - kSkinHeaderSize != bodySize) return std::nullopt;
    SkinStyle skin;
    std::size_t at = kSkinHeaderSize;
    while (at < bytes.size()) {
        if (bytes.size() - at < 3) return std::nullopt;
        const auto key = static_cast<std::uint8_t>(bytes[at]);
        const std::size_t length = Little(bytes, at + 1, 2);
        at += 3;
        if (bytes.size() - at < length) return std::nullopt;
        const std::string_view record = bytes.substr(at, length);
        at += length;
        if (key == kNameRecord) skin.name = std::string(record);
        if (key == kColourRecord) {
            for (std::size_t i = 0; i < kSkinColourCount && 4 * i + 4 <= record.size(); ++i) {
                skin.colours[i] = Little(record, 4 * i, 4);
            }
        }
        if (key == kMetricRecord) {
            for (std::size_t i = 0; i < kSkinMetricCount && i < record.size(); ++i) {
                skin.metrics[i] = static_cast<std::uint8_t>(record[i]);
            }
        }
    }
    return skin;
}

int StoredSkinOfNumber(int number) {
    if (number < 1 || number > kHighestSkinNumber) return 0;
    for (const Reuse& r : kReuses) {
        if (r.number == number) return StoredSkinOfNumber(r.sameAs);
    }
    // The numbers that have a skin of their own take the stored skins in order.
    int stored = 0;
    for (int n = 1; n <= number; ++n) {
        bool reused = false;
        for (const Reuse& r : kReuses) reused = reused || r.number == n;
        if (!reused) ++stored;
    }
    return stored;
}

}  // namespace skin::core
