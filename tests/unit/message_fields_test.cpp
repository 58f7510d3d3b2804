#include "messages/core/message_fields.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using namespace messages::core;
using namespace text;
namespace {

struct Expected {
    const char* value;
    const char* message;
    const char* wParam;
    ParameterType type;
    std::optional<std::string> lParamText;
    int logical;
};

const std::optional<std::string> kNone;

TEST(MessageFields, FieldsBecomeNumbersTextOrLogical) {
    using T = ParameterType;
    const Expected cases[] = {
        {"16|0|0", "16", "0", T::Integer, "0", 0},
        {"16", "16", "0", T::Integer, "0", 0},
        {"", "0", "0", T::Integer, "0", 0},
        {"16|", "16", "0", T::Integer, "0", 0},
        {"||", "0", "0", T::Integer, "0", 0},
        {"0x0C|0x10|0x1", "0", "0", T::Integer, "0", 0},
        {"12|0|\"abc\"", "12", "0", T::Text, "abc", 0},
        {"12|0|\"", "12", "0", T::Text, "", 0},
        {"12|0|\"\"", "12", "0", T::Text, "", 0},
        {"12|0| \"a b\" ", "12", "0", T::Text, "a b", 0},          // blanks inside the quotes stay
        {"12|0|\"line\r\nbreak\"", "12", "0", T::Text, "line\r\nbreak", 0},
        {"12|0|\"abc", "12", "0", T::Integer, "0", 0},             // no closing quote
        {"12|0|\"a|b\"", "12", "0", T::Integer, "0", 0},           // every "|" splits
        {"10|1|真", "10", "1", T::Logical, kNone, 1},
        {"10|1|假", "10", "1", T::Logical, kNone, 0},
        {"10|1|  真 ", "10", "1", T::Logical, kNone, 1},
        {"10|1|\xE3\x80\x80真\xE3\x80\x80 ", "10", "1", T::Logical, kNone, 1},  // full-width blanks
        {"10|1| \xE3\x80\x80假", "10", "1", T::Logical, kNone, 0},
        {"10|1|\t真", "10", "1", T::Integer, "0", 0},              // a tab is no blank here
        {"10|1|真真", "10", "1", T::Integer, "0", 0},
        {"10|1|\"真\"", "10", "1", T::Text, "真", 0},
        {"  16  |\xE3\x80\x80" "7\xE3\x80\x80|\xE3\x80\x80-3 ", "16", "7", T::Integer, "-3", 0},
        {"1|2|3|4", "1", "2", T::Integer, "3", 0},                 // fields past the third are dropped
        {"4294967295|1.5|2.0", "4294967295", "1.5", T::Integer, "2", 0},
        {"12abc|-0|1e3", "12", "0", T::Integer, "1000", 0},
    };
    for (const Expected& c : cases) {
        const MessageFields f = ParseMessageFields(c.value);
        EXPECT_EQ(f.message, c.message) << c.value;
        EXPECT_EQ(f.wParam, c.wParam) << c.value;
        EXPECT_EQ(f.lParamType, c.type) << c.value;
        EXPECT_EQ(f.lParamText, c.lParamText) << c.value;
        EXPECT_EQ(f.logical, c.logical) << c.value;
    }
}

TEST(MessageFields, BlanksAreAsciiAndFullWidthOnly) {
    EXPECT_EQ(TrimBlanks(" \xE3\x80\x80 a b \xE3\x80\x80\xE3\x80\x80"), "a b");
    EXPECT_EQ(TrimBlanks("\xE3\x80\x80"), "");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks("\ta\t"), "\ta\t");
    // Part of a full-width blank is not one.
    EXPECT_EQ(TrimBlanks("\xE3\x80 x \x80"), "\xE3\x80 x \x80");
    // Another character that starts with the same two bytes stays whole.
    EXPECT_EQ(TrimBlanks("\xE3\x80\x81 "), "\xE3\x80\x81");
}

}  // namespace
}  // namespace
