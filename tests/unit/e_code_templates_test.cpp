#include "messages/core/e_code_templates.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/text_encoding.h"

namespace {

using namespace messages::core;
using namespace text;
namespace {

std::vector<std::string> Lines(std::string_view text) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t end = text.find("\r\n", pos);
        lines.emplace_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

TEST(ECodeTemplates, RadioOrderAndGbkLengths) {
    const char* radios[] = {"单选框_标题类名方式1", "单选框_标题类名方式2", "单选框_控件ID方式1",
                            "单选框_控件ID方式2",   "单选框_其它方式1",     "单选框_其它方式2"};
    const std::size_t lengths[] = {185, 101, 150, 20, 392, 239};
    for (std::size_t i = 0; i < kECodeTemplateCount; ++i) {
        EXPECT_EQ(ECodeTemplates()[i].radio.text, radios[i]);
        EXPECT_EQ(ECodeTemplates()[i].text, ECodeTemplateText(i));
        const std::string gbk = ECodeTemplateGbk(i);
        EXPECT_EQ(gbk.size(), lengths[i]) << radios[i];
        // Every character has its GBK form: nothing became "?".
        EXPECT_EQ(GbkToUtf8(gbk), ECodeTemplateText(i)) << radios[i];
    }
    EXPECT_EQ(ECodeTemplateText(kECodeTemplateCount), "");
    EXPECT_EQ(ECodeTemplateGbk(99), "");
}

TEST(ECodeTemplates, LinesEndWithCrLfAndIndentByFourBlanks) {
    for (std::size_t i = 0; i < kECodeTemplateCount; ++i) {
        const std::string_view text = ECodeTemplateText(i);
        ASSERT_GE(text.size(), 2u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n") << i;
        for (std::size_t pos = 0; pos < text.size(); ++pos) {
            if (text[pos] == '\n') {
                EXPECT_EQ(text[pos - 1], '\r') << i << " at " << pos;
            } else if (text[pos] == '\r') {
                EXPECT_EQ(text[pos + 1], '\n') << i << " at " << pos;
            }
        }
        for (const std::string& line : Lines(text)) {
            if (i % 2 == 0) {
                // Declarations: a DLL command, its parameters, blank lines.
                const bool command = line.rfind(".DLL命令 ", 0) == 0;
                const bool parameter = line.rfind("    .参数 ", 0) == 0;
                EXPECT_TRUE(line.empty() || command || parameter) << i << ": " << line;
            } else if (!line.empty()) {
                // Calls of module commands: "name ()".
                ASSERT_GT(line.size(), 3u);
                EXPECT_EQ(line.substr(line.size() - 3), " ()") << i << ": " << line;
                EXPECT_NE(line[0], ' ') << i << ": " << line;
            }
        }
    }
}

}  // namespace
}  // namespace
