#include "messages/core/config_text.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "messages/core/message_fields.h"
#include "text/text_encoding.h"

namespace {

using namespace messages::core;
using namespace text;
namespace {

using Names = std::vector<std::string>;
using namespace std::string_literals;

// A file given in UTF-8 source text, stored as GBK bytes like the real one.
ConfigText Gbk(const std::string& utf8) { return ConfigText(Utf8ToGbk(utf8)); }

const std::string kMarkerCrLf = std::string(kMarkerLine) + "\r\n";

TEST(ConfigTextMarker, InsertedBeforeTheOldBytesWhichStayByteForByte) {
    // An empty file gets the marker and the blank line.
    MarkedFile empty = AddMarkerLine("");
    EXPECT_TRUE(empty.changed);
    EXPECT_EQ(empty.bytes, kMarkerCrLf + "\r\n");

    // Invalid GBK, NUL bytes, a bare CR and no final line break survive.
    const std::string old = "[A]\r\nk=\xFF\xB1\r\n\0x\rk2=2"s;
    MarkedFile marked = AddMarkerLine(old);
    EXPECT_TRUE(marked.changed);
    EXPECT_EQ(marked.bytes, kMarkerCrLf + "\r\n" + old);
    EXPECT_TRUE(NeedsMarkerLine(old));
    EXPECT_FALSE(NeedsMarkerLine(marked.bytes));

    // A line that only looks like the marker is not it.
    for (const std::string& first : {std::string(kMarkerLine) + " ", std::string(kMarkerLine.substr(0, 30)),
                                    " " + std::string(kMarkerLine), std::string("Korvel:http://other/        "),
                                    std::string(kMarkerLine) + "\r"}) {
        const std::string file = first + "\r\n[A]\r\n";
        MarkedFile m = AddMarkerLine(file);
        EXPECT_TRUE(m.changed) << first;
        EXPECT_EQ(m.bytes, kMarkerCrLf + "\r\n" + file);
    }
}

TEST(ConfigTextMarker, PresentMarkerLeavesTheFileAlone) {
    for (const std::string& file : {kMarkerCrLf, kMarkerCrLf + "\r\n[A]\r\nk=1\r\n", std::string(kMarkerLine),
                                   std::string(kMarkerLine) + "\n[A]\n"}) {
        MarkedFile m = AddMarkerLine(file);
        EXPECT_FALSE(m.changed);
        EXPECT_EQ(m.bytes, file);
    }
}

TEST(ConfigTextMarker, Utf8FileKeepsItsByteOrderMarkFirst) {
    const std::string bom(kUtf8ByteOrderMark);
    MarkedFile m = AddMarkerLine(bom + "[常用消息]\r\n");
    EXPECT_TRUE(m.changed);
    EXPECT_EQ(m.bytes, bom + kMarkerCrLf + "\r\n[常用消息]\r\n");
    EXPECT_FALSE(AddMarkerLine(m.bytes).changed);

    MarkedFile onlyMark = AddMarkerLine(bom);
    EXPECT_EQ(onlyMark.bytes, bom + kMarkerCrLf + "\r\n");

    // The marker after the byte-order mark counts.
    EXPECT_FALSE(NeedsMarkerLine(bom + kMarkerCrLf + "[A]\r\n"));
}

TEST(ConfigTextEncoding, GbkUnlessTheFileStartsWithTheUtf8Mark) {
    const std::string text = "[常用消息]\r\n更改控件内容=12|0|\"内容\"\r\n";
    const ConfigText gbk(Utf8ToGbk(text));
    const ConfigText utf8(std::string(kUtf8ByteOrderMark) + text);
    for (const ConfigText* config : {&gbk, &utf8}) {
        EXPECT_EQ(config->SectionNames(), Names{"常用消息"});
        EXPECT_EQ(config->KeyNames("常用消息"), Names{"更改控件内容"});
        EXPECT_EQ(config->ReadValue("常用消息", "更改控件内容", ""), "12|0|\"内容\"");
    }
    // UTF-8 without the mark is read as GBK, like any other file.
    const ConfigText unmarked(text);
    EXPECT_EQ(unmarked.SectionNames(), Names{GbkToUtf8("常用消息")});
    EXPECT_NE(unmarked.SectionNames(), Names{"常用消息"});

    // Bytes that are not UTF-8 after the mark become U+FFFD.
    const ConfigText broken(std::string(kUtf8ByteOrderMark) + "[A\xFF]\r\nk=\xE5\xB8\r\n");
    EXPECT_EQ(broken.SectionNames(), Names{"A\xEF\xBF\xBD"});
    EXPECT_EQ(broken.ReadValue("A\xEF\xBF\xBD", "k", "-"), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

TEST(ConfigTextSections, HeaderLinesInFileOrderWithRepeats) {
    const ConfigText config = Gbk(kMarkerCrLf +
                                  "\r\n[B]\r\n[A]\r\n [C]\r\n[D] \r\n[E]x\r\n[]\r\n[\r\n]\r\n[[F]]\r\n[B]\r\n"
                                  ";[G]\r\n[a=b]\r\n[H]");
    EXPECT_EQ(config.SectionNames(), (Names{"B", "A", "", "[F]", "B", "a=b", "H"}));
    EXPECT_TRUE(config.IsOpen());
    EXPECT_TRUE(ConfigText("").IsOpen());
    EXPECT_TRUE(ConfigText("").SectionNames().empty());
}

TEST(ConfigTextKeys, KeyLinesCommentsAndBlanksAroundTheEqualSign) {
    const ConfigText config = Gbk("k0=outside\r\n[S]\r\n;a=b\r\nno equal sign\r\na = b\r\n=empty key\r\n"
                                  "k=v=w\r\n k=indented\r\nk=second\r\n\r\n;\r\nlast=1\r\n[T]\r\nt=1\r\n");
    EXPECT_EQ(config.KeyNames("S"), (Names{"a ", "", "k", " k", "k", "last"}));
    EXPECT_EQ(config.KeyNames("T"), Names{"t"});
    EXPECT_TRUE(config.KeyNames("missing").empty());
    EXPECT_TRUE(config.KeyNames("s").empty());  // names are case-sensitive

    EXPECT_EQ(config.ReadValue("S", "a ", "-"), " b");
    EXPECT_EQ(config.ReadValue("S", "a", "-"), "-");  // only the exact name with its blank
    EXPECT_EQ(config.ReadValue("S", "", "-"), "empty key");
    EXPECT_EQ(config.ReadValue("S", "k", "-"), "v=w");  // the first line of the key wins
    EXPECT_EQ(config.ReadValue("S", " k", "-"), "indented");
    EXPECT_EQ(config.ReadValue("S", "K", "-"), "-");
    EXPECT_EQ(config.ReadValue("S", "la", "-"), "-");    // a prefix of a key is no key
    EXPECT_EQ(config.ReadValue("S", "lastx", "-"), "-");
    EXPECT_EQ(config.ReadValue("S", "last", "-"), "1");
    EXPECT_EQ(config.ReadValue("S", "t", "-"), "-");  // a key of another section
    EXPECT_EQ(config.ReadValue("T", "t", "-"), "1");
    EXPECT_EQ(config.ReadValue("S", "k0", "-"), "-");  // lines before the first header belong to no section
    EXPECT_EQ(config.ReadValue("missing", "k", "default"), "default");
}

TEST(ConfigTextValues, LineBreakMarkAndNothingTrimmed) {
    const ConfigText config = Gbk("[S]\r\nk=第一行〓第二行\r\nm=〓〓\r\nb=  padded  \r\ne=\r\n");
    EXPECT_EQ(config.ReadValue("S", "k", ""), "第一行\r\n第二行");
    EXPECT_EQ(config.ReadValue("S", "m", ""), "\r\n\r\n");
    EXPECT_EQ(config.ReadValue("S", "b", ""), "  padded  ");
    EXPECT_EQ(config.ReadValue("S", "e", "-"), "");  // an empty value is found, not the default
    // The default is handed back as it is.
    EXPECT_EQ(config.ReadValue("S", "x", "a〓b"), "a〓b");
}

TEST(ConfigTextValues, NoFileOpenListsNothingAndReadsEmptyText) {
    const ConfigText closed;
    EXPECT_FALSE(closed.IsOpen());
    EXPECT_TRUE(closed.SectionNames().empty());
    EXPECT_TRUE(closed.KeyNames("").empty());
    EXPECT_EQ(closed.ReadValue("S", "k", "default"), "");
    // An open empty file gives the default.
    EXPECT_EQ(ConfigText("").ReadValue("S", "k", "default"), "default");
}

TEST(ConfigTextSections, RepeatedSectionsAreListedAndReadAlike) {
    const ConfigText apart = Gbk("[A]\r\nx=1\r\nk=first\r\n[B]\r\ny=2\r\n[A]\r\nz=3\r\nk=second\r\n");
    EXPECT_EQ(apart.KeyNames("A"), (Names{"x", "k", "z", "k"}));
    EXPECT_EQ(apart.ReadValue("A", "z", "-"), "3");
    EXPECT_EQ(apart.ReadValue("A", "k", "-"), "first");

    // A section repeated right after itself: the header that ends the first
    // one starts the second, so its keys can be read as well as listed.
    const ConfigText backToBack = Gbk("[A]\r\nx=1\r\n[A]\r\ny=2\r\n[A]\r\n[A]\r\nz=3\r\n");
    EXPECT_EQ(backToBack.SectionNames(), (Names{"A", "A", "A", "A"}));
    EXPECT_EQ(backToBack.KeyNames("A"), (Names{"x", "y", "z"}));
    EXPECT_EQ(backToBack.ReadValue("A", "y", "-"), "2");
    EXPECT_EQ(backToBack.ReadValue("A", "z", "-"), "3");
    for (const std::string& key : backToBack.KeyNames("A")) {
        EXPECT_NE(backToBack.ReadValue("A", key, "-"), "-") << key;
    }
}

TEST(ConfigTextLines, CrLfBareLfMissingFinalBreakAndStrayCr) {
    const ConfigText lf("[A]\nk=1\n[B]\r\nk=2\r\nm=3");
    EXPECT_EQ(lf.SectionNames(), (Names{"A", "B"}));
    EXPECT_EQ(lf.ReadValue("A", "k", "-"), "1");
    EXPECT_EQ(lf.ReadValue("B", "k", "-"), "2");
    EXPECT_EQ(lf.ReadValue("B", "m", "-"), "3");  // no line break after the last line

    // Only one CR before the line end goes; a CR inside a line stays.
    const ConfigText extraCr("[A]\r\r\n[B]\r\nk=v\r\r\nm=a\rb\r\n");
    EXPECT_EQ(extraCr.SectionNames(), Names{"B"});
    EXPECT_EQ(extraCr.ReadValue("B", "k", "-"), "v\r");
    EXPECT_EQ(extraCr.ReadValue("B", "m", "-"), "a\rb");
    EXPECT_EQ(ConfigText("[A]\r\nk=1\r").ReadValue("A", "k", "-"), "1");

    // Lines ended by CR alone are one long line: no header, no key.
    const ConfigText crOnly("[A]\rk=1\r[B]\r");
    EXPECT_EQ(crOnly.SectionNames(), Names{"A]\rk=1\r[B"});
    EXPECT_TRUE(crOnly.KeyNames("A").empty());
}

TEST(ConfigTextBytes, InvalidGbkAndNulBytesParseAroundThem) {
    // 0xFF is no GBK byte; 0xB1 before CR has no second byte; 0x80 is the euro sign.
    const std::string bytes = "[A]\r\nk=\xFF\x80\xB1\r\n[B\0C]\r\nn\0=x\0y\r\n[D]\r\n\xB1"s;
    const ConfigText config(bytes);
    EXPECT_EQ(config.SectionNames(), (Names{"A", "B\0C"s, "D"}));
    EXPECT_EQ(config.ReadValue("A", "k", "-"), "\xEF\xBF\xBD\xE2\x82\xAC\xEF\xBF\xBD");
    EXPECT_EQ(config.KeyNames("B\0C"s), Names{"n\0"s});
    EXPECT_EQ(config.ReadValue("B\0C"s, "n\0"s, "-"), "x\0y"s);
    EXPECT_TRUE(config.KeyNames("D").empty());
}

TEST(ConfigTextBytes, GbkSecondBytesThatLookLikeBracketsOrBarsStayInTheirCharacter) {
    // 乚 is 81 5D, 乕 81 5B, 亅 81 7C: their second bytes are "]", "[" and "|".
    const std::string bytes = "[A]\r\n[\x81\x5D\r\n\x81\x5B" "B]\r\nk=12|0|\"\x81\x7C\"\r\n";
    const ConfigText config(bytes);
    EXPECT_EQ(config.SectionNames(), Names{"A"});
    EXPECT_EQ(config.KeyNames("A"), Names{"k"});
    const MessageFields fields = ParseMessageFields(config.ReadValue("A", "k", ""));
    EXPECT_EQ(fields.lParamType, ParameterType::Text);
    EXPECT_EQ(fields.lParamText, std::optional<std::string>("亅"));
}

TEST(ConfigTextSize, HundredThousandLinesAreReadInLinearTime) {
    const auto start = std::chrono::steady_clock::now();
    std::string file = kMarkerCrLf;
    for (int s = 0; s < 1000; ++s) {
        file += "[分类" + std::to_string(s) + "]\r\n";
        for (int k = 0; k < 99; ++k) file += "消息" + std::to_string(k) + "=" + std::to_string(s * 100 + k) + "|0|0\r\n";
    }
    // One section that is 100,000 lines long on its own.
    file += "[长]\r\n";
    for (int k = 0; k < 100000; ++k) file += "k" + std::to_string(k) + "=" + std::to_string(k) + "\r\n";

    const ConfigText config = Gbk(file);
    const Names sections = config.SectionNames();
    ASSERT_EQ(sections.size(), 1001u);
    std::size_t keys = 0;
    for (const std::string& s : sections) keys += config.KeyNames(s).size();
    EXPECT_EQ(keys, 1000u * 99 + 100000);
    EXPECT_EQ(config.ReadValue("分类999", "消息98", "-"), "99998|0|0");
    EXPECT_EQ(config.ReadValue("长", "k99999", "-"), "99999");
    EXPECT_EQ(config.ReadValue("长", "k100000", "-"), "-");
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    // Linear work takes well under a second; quadratic work would take minutes.
    EXPECT_LT(seconds, 10.0);
}

}  // namespace
}  // namespace
