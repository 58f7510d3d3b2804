#include "text/text_encoding.h"

#include <gtest/gtest.h>

namespace {

using namespace text;
namespace {

TEST(TextEncoding, Utf8AndUtf16RoundTrip) {
    const std::string samples[] = {"", "Tavrin编程助手1.1", "a\r\nb", "emoji \xF0\x9F\x98\x80 end", "\xC3\xA9t\xC3\xA9"};
    for (const std::string& s : samples) {
        EXPECT_EQ(Utf16ToUtf8(Utf8ToUtf16(s)), s);
    }
    EXPECT_EQ(Utf8ToUtf16("\xF0\x9F\x98\x80"), (std::u16string{0xD83D, 0xDE00}));
    EXPECT_EQ(Utf8ToUtf16("编"), std::u16string(1, 0x7F16));
}

TEST(TextEncoding, InvalidInputBecomesReplacementCharacters) {
    EXPECT_EQ(Utf8ToUtf16("a\xFF" "b"), (std::u16string{'a', 0xFFFD, 'b'}));
    EXPECT_EQ(Utf8ToUtf16("\xE7\xBC"), (std::u16string{0xFFFD, 0xFFFD}));   // cut off
    EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), (std::u16string{0xFFFD, 0xFFFD}));   // overlong '/'
    EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), (std::u16string{0xFFFD, 0xFFFD, 0xFFFD}));  // surrogate
    EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800, 'x'}), "\xEF\xBF\xBDx");
    EXPECT_EQ(GbkToUtf16("\xB1"), std::u16string(1, 0xFFFD));           // lead byte at the end
    EXPECT_EQ(GbkToUtf16("\xB1" "0"), (std::u16string{0xFFFD, '0'}));     // '0' cannot follow a lead byte
    EXPECT_EQ(GbkToUtf16("\xFF"), std::u16string(1, 0xFFFD));
    EXPECT_EQ(GbkToUtf16(std::string("a\0b", 3)), (std::u16string{'a', 0, 'b'}));
}

TEST(TextEncoding, GbkKnownCharacters) {
    EXPECT_EQ(Utf8ToGbk("Tavrin编程助手"), "Tavrin\xB1\xE0\xB3\xCC\xD6\xFA\xCA\xD6");
    EXPECT_EQ(GbkToUtf8("\xA1\xA1"), "\xE3\x80\x80");  // full-width blank U+3000
    EXPECT_EQ(GbkToUtf8("\x80"), "\xE2\x82\xAC");      // euro sign, a single byte in code page 936
    EXPECT_EQ(Utf8ToGbk("〓"), "\xA1\xFE");  // the line-break mark of message.ini
    EXPECT_EQ(Utf8ToGbk("\xE2\x82\xAC"), "\x80");
    EXPECT_EQ(Utf8ToGbk("\xF0\x9F\x98\x80" "a"), "?a");  // not in GBK
    EXPECT_EQ(Utf8ToGbk("\xD7\x90"), "?");               // Hebrew alef
}

TEST(TextEncoding, EveryGbkCharacterRoundTrips) {
    int characters = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string u = GbkToUtf16(bytes);
            if (u.size() != 1) continue;  // not a character: decoded byte by byte
            ++characters;
            ASSERT_EQ(Utf16ToGbk(u), bytes) << std::hex << lead << " " << trail;
        }
    }
    EXPECT_GT(characters, 21000);  // GBK holds 21,886 characters plus user-defined areas
}

}  // namespace
}  // namespace
