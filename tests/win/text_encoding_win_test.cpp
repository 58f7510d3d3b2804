// The portable GBK and UTF-8 conversions agree with the system's own code
// page 936 and UTF-8 conversions, character for character.
#include <windows.h>

#include <gtest/gtest.h>

#include "text/text_encoding.h"

namespace {

TEST(SystemEncodings, CodePageIsChinese) { EXPECT_EQ(GetACP(), 936u); }

TEST(SystemEncodings, GbkDecodingMatchesCodePage936) {
    int compared = 0;
    for (int lead = 0x81; lead <= 0xFE; ++lead) {
        for (int trail = 0x40; trail <= 0xFE; ++trail) {
            const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
            wchar_t system[4] = {};
            const int n = MultiByteToWideChar(936, MB_ERR_INVALID_CHARS, bytes, 2, system, 4);
            const std::u16string ours = text::GbkToUtf16(std::string_view(bytes, 2));
            if (n == 1) {
                ASSERT_EQ(ours, std::u16string(1, static_cast<char16_t>(system[0]))) << std::hex << lead << trail;
                ++compared;
            } else {
                ASSERT_NE(ours.size(), 1u) << "we decode what the system rejects: " << std::hex << lead << trail;
            }
        }
    }
    EXPECT_GT(compared, 21000);
}

TEST(SystemEncodings, GbkEncodingMatchesCodePage936) {
    const char* samples[] = {"Tavrin编程助手1.1", "〓全角　空格", "消息|代码", "€", "[常用消息]"};
    for (const char* utf8 : samples) {
        const std::u16string u = text::Utf8ToUtf16(utf8);
        char system[256] = {};
        const int n = WideCharToMultiByte(936, 0, reinterpret_cast<const wchar_t*>(u.c_str()),
                                          static_cast<int>(u.size()), system, sizeof system, nullptr, nullptr);
        EXPECT_EQ(text::Utf8ToGbk(utf8), std::string(system, n)) << utf8;
    }
}

TEST(SystemEncodings, Utf8MatchesTheSystem) {
    const char* samples[] = {"", "ascii", "编程助手", "emoji \xF0\x9F\x98\x80", "\xC3\xA9"};
    for (const char* utf8 : samples) {
        wchar_t system[64] = {};
        const int n = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, system, 64);
        const std::u16string ours = text::Utf8ToUtf16(utf8);
        EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(system), n > 0 ? n - 1 : 0), ours) << utf8;
    }
}

}  // namespace
