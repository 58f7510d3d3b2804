#include "text/number_text.h"

#include <gtest/gtest.h>


#include <charconv>
#include <cmath>
#include <limits>
#include <random>

namespace {

using namespace text;
namespace {

TEST(NumberText, ReadsTheDecimalPrefixOfTheText) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0},           {"abc", 0},      {"0x10", 0},        {"16", 16},          {"  16", 16},
        {"\t-7", -7},      {"+5", 5},       {" -12.9e1abc", -129}, {"12abc", 12},     {".5", 0.5},
        {"-.5", -0.5},     {"5.", 5},       {"1e", 1},          {"1e+", 1},          {"2E3", 2000},
        {"1.5e-1x", 0.15}, {"-", 0},        {".", 0},           {"- 5", 0},          {"1 2", 1},
        {"０１", 0},        {"3.14.15", 3.14}, {"1e400", HUGE_VAL}, {"1e-400", 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextToNumber(c.text), c.value) << "text: \"" << c.text << "\"";
    }
}

TEST(NumberText, TruncatesTowardZeroAndKeepsTheLow32Bits) {
    EXPECT_EQ(TextToInt32("4294967295"), -1);
    EXPECT_EQ(TextToInt32("2147483648"), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(TextToInt32("4294967296"), 0);
    EXPECT_EQ(TextToInt32("-1.9"), -1);
    EXPECT_EQ(TextToInt32("1.9"), 1);
    EXPECT_EQ(TextToInt32("-4294967297"), -1);
    EXPECT_EQ(NumberToInt32(1e19), static_cast<std::int32_t>(static_cast<std::uint64_t>(1e19) & 0xFFFFFFFFu));
    EXPECT_EQ(NumberToInt32(std::ldexp(1.0, 70) + std::ldexp(1.0, 40)), 0);
    EXPECT_EQ(NumberToInt32(HUGE_VAL), 0);
    EXPECT_EQ(NumberToInt32(std::nan("")), 0);
}

TEST(NumberText, WritesCanonicalDecimalText) {
    EXPECT_EQ(NumberToText(16), "16");
    EXPECT_EQ(NumberToText(16.0), "16");
    EXPECT_EQ(NumberToText(-129), "-129");
    EXPECT_EQ(NumberToText(-0.0), "0");
    EXPECT_EQ(NumberToText(0.5), "0.5");
    EXPECT_EQ(NumberToText(-2147483648.0), "-2147483648");
    EXPECT_EQ(NumberToText(1e20), "100000000000000000000");
    EXPECT_EQ(NumberToText(1e-7), "0.0000001");
    EXPECT_EQ(NumberToText(TextToNumber("0x0C")), "0");
}

// The shortest fixed text, as the standard library's to_chars writes it
// (here, where its size does not matter).
std::string ShortestFixed(double v) {
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

TEST(NumberText, WrittenTextReadsBackAsTheSameNumber) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> magnitude(-12, 12);
    for (int i = 0; i < 20000; ++i) {
        const double v = std::pow(10.0, magnitude(random)) * ((random() & 1) ? -1 : 1);
        ASSERT_EQ(TextToNumber(NumberToText(v)), v) << NumberToText(v);
        ASSERT_EQ(NumberToText(v), ShortestFixed(v));
    }
    for (double v : {0.1, 1.0 / 3, 2.0 / 3, 123.456, 9007199254740993.0, 1e300, -1e-300, 5e-324,
                     std::numeric_limits<double>::max(), std::numeric_limits<double>::min(), 0.30000000000000004}) {
        EXPECT_EQ(NumberToText(v), ShortestFixed(v));
    }
    for (std::int64_t v : {0LL, 1LL, -1LL, 2147483647LL, -2147483648LL, 4294967295LL, 123456789012LL}) {
        EXPECT_EQ(TextToNumber(NumberToText(static_cast<double>(v))), static_cast<double>(v));
        EXPECT_EQ(NumberToText(static_cast<double>(v)), std::to_string(v));
    }
}

}  // namespace
}  // namespace
