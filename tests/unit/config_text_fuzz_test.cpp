// Random and mutated message list files: the parser must not crash or hang,
// and whatever it lists it must also be able to read.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "messages/core/config_text.h"
#include "messages/core/default_message_list.h"
#include "messages/core/message_fields.h"
#include "text/text_encoding.h"

namespace {

using namespace messages::core;
using namespace text;
namespace {

constexpr int kInputs = 100000;

// Pieces that matter to the parser, in GBK: brackets, "=", ";", line ends,
// "|", quotes, blanks, NUL, the line-break mark (A1 FE), the full-width blank
// (A1 A1), GBK lead bytes with second bytes that look like "[", "]" or "|",
// invalid bytes, the UTF-8 mark and the marker line.
const std::vector<std::string> kPieces = {
    "[", "]", "=", ";", "\r\n", "\n", "\r", "|", "\"", " ", std::string(1, '\0'), "\xA1\xFE", "\xA1\xA1",
    "\x81", "\x81\x5D", "\x81\x7C", "\xFF", "\x80", "\xEF\xBB\xBF", "a", "b", "k", "16", "0x0C", "\xD5\xE6",
    "[A]\r\n", "[B]\r\n", "k=v\r\n", std::string(kMarkerLine) + "\r\n",
};

bool IsUtf8(const std::string& s) { return Utf16ToUtf8(Utf8ToUtf16(s)) == s; }

std::string RandomFile(std::mt19937& random) {
    std::string file;
    const int pieces = static_cast<int>(random() % 40);
    for (int i = 0; i < pieces; ++i) {
        if (random() % 4 == 0) {
            file += static_cast<char>(random() & 0xFF);
        } else {
            file += kPieces[random() % kPieces.size()];
        }
    }
    return file;
}

// A slice of the shipped list with some bytes changed, inserted or removed.
std::string MutatedFile(std::mt19937& random, const std::string& seed) {
    const std::size_t begin = random() % seed.size();
    std::string file = seed.substr(begin, random() % 600);
    const int edits = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < edits; ++i) {
        const std::size_t at = file.empty() ? 0 : random() % (file.size() + 1);
        switch (random() % 4) {
            case 0:
                if (at < file.size()) file[at] = static_cast<char>(random() & 0xFF);
                break;
            case 1: file.insert(at, kPieces[random() % kPieces.size()]); break;
            case 2: file.erase(at, random() % 8); break;
            default: file.insert(at, 1, static_cast<char>(random() & 0xFF)); break;
        }
    }
    return file;
}

// Checks one file; returns false on the first broken rule.
::testing::AssertionResult Check(const std::string& file) {
    // A default no read value can equal: every value given out is UTF-8.
    const std::string missing = "\xFF";
    const ConfigText config(file);
    const std::vector<std::string> sections = config.SectionNames();
    for (const std::string& section : sections) {
        if (!IsUtf8(section)) return ::testing::AssertionFailure() << "section not UTF-8";
        for (const std::string& key : config.KeyNames(section)) {
            const std::string value = config.ReadValue(section, key, missing);
            if (value == missing) return ::testing::AssertionFailure() << "listed key cannot be read: " << key;
            if (!IsUtf8(key) || !IsUtf8(value)) return ::testing::AssertionFailure() << "key or value not UTF-8";
            if (value.find("〓") != std::string::npos) return ::testing::AssertionFailure() << "mark left in value";
            ParseMessageFields(value);
        }
    }

    const MarkedFile marked = AddMarkerLine(file);
    if (marked.changed) {
        // The old bytes follow unchanged, and the marker is not added twice.
        const std::size_t skip = file.compare(0, 3, kUtf8ByteOrderMark) == 0 ? 3 : 0;
        if (marked.bytes.compare(marked.bytes.size() - (file.size() - skip), std::string::npos, file, skip) != 0) {
            return ::testing::AssertionFailure() << "old bytes changed";
        }
        if (NeedsMarkerLine(marked.bytes)) return ::testing::AssertionFailure() << "marker not recognised";
        const ConfigText after(marked.bytes);
        if (after.SectionNames() != sections) return ::testing::AssertionFailure() << "marker changed the sections";
        for (const std::string& section : sections) {
            if (after.KeyNames(section) != config.KeyNames(section)) {
                return ::testing::AssertionFailure() << "marker changed the keys of " << section;
            }
        }
    } else if (marked.bytes != file) {
        return ::testing::AssertionFailure() << "unchanged file not handed back as it was";
    }
    return ::testing::AssertionSuccess();
}

TEST(ConfigTextFuzz, RandomAndMutatedFiles) {
    const std::string seed = DefaultMessageListBytes();
    std::mt19937 random(20240611);
    int ran = 0;
    for (int i = 0; i < kInputs; ++i) {
        const std::string file = i % 2 ? RandomFile(random) : MutatedFile(random, seed);
        ASSERT_TRUE(Check(file)) << "input " << i;
        ++ran;
    }
    std::printf("[ fuzz     ] %d message list inputs parsed\n", ran);
    RecordProperty("inputs", ran);
}

}  // namespace
}  // namespace
