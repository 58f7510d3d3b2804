#include "messages/core/default_message_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "messages/core/config_text.h"
#include "messages/core/message_fields.h"
#include "text/number_text.h"
#include "text/text_encoding.h"

namespace {

using namespace messages::core;
using namespace text;
namespace {

using Names = std::vector<std::string>;

TEST(DefaultMessageList, FileParsesBackIntoTheTable) {
    const std::string bytes = DefaultMessageListBytes();
    // Every character has a GBK form, and lines end with CR LF only.
    EXPECT_EQ(GbkToUtf8(bytes), DefaultMessageListText());
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n') {
            ASSERT_TRUE(i > 0 && bytes[i - 1] == '\r') << i;
        }
    }
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    EXPECT_FALSE(NeedsMarkerLine(bytes));

    const ConfigText config(bytes);
    Names categories;
    for (const DefaultMessage& m : DefaultMessages()) {
        if (categories.empty() || categories.back() != m.category) categories.emplace_back(m.category);
    }
    EXPECT_EQ(config.SectionNames(), categories);
    EXPECT_EQ(categories, (Names{"常用消息", "按钮", "编辑框", "列表框", "组合框", "窗口管理", "鼠标键盘", "滚动条"}));

    for (const std::string& category : categories) {
        Names expected;
        for (const DefaultMessage& m : DefaultMessages()) {
            if (m.category == category) expected.emplace_back(m.key);
        }
        EXPECT_EQ(config.KeyNames(category), expected) << category;
        EXPECT_GE(expected.size(), 5u) << category;
        EXPECT_EQ(std::set<std::string>(expected.begin(), expected.end()).size(), expected.size())
            << "a key repeats in " << category;
    }
    EXPECT_EQ(config.KeyNames(std::string(kDefaultCategory)).front(), kDefaultMessage);
}

TEST(DefaultMessageList, EveryValueIsDecimalWithAKnownParameterType) {
    const ConfigText config(DefaultMessageListBytes());
    for (const DefaultMessage& m : DefaultMessages()) {
        const std::string where = std::string(m.category) + "/" + std::string(m.key);
        const std::string value = config.ReadValue(std::string(m.category), std::string(m.key), "\xFF");
        ASSERT_NE(value, "\xFF") << where;
        const auto fields = SplitValueFields(value);
        EXPECT_EQ(std::count(value.begin(), value.end(), '|'), 2) << where;
        const MessageFields parsed = ParseMessageFields(value);
        EXPECT_GT(TextToInt32(parsed.message), 0) << where;
        // Numbers are written the way the page writes them back: no "0x",
        // no blanks, nothing the number rule would read differently.
        EXPECT_EQ(parsed.message, fields[0]) << where;
        EXPECT_EQ(parsed.wParam, fields[1]) << where;
        if (parsed.lParamType == ParameterType::Integer) {
            EXPECT_EQ(parsed.lParamText, std::string(fields[2])) << where;
        }
    }
}

TEST(DefaultMessageList, TheDefaultItemSetsAControlsText) {
    const ConfigText config(DefaultMessageListBytes());
    const MessageFields f =
        ParseMessageFields(config.ReadValue(std::string(kDefaultCategory), std::string(kDefaultMessage), ""));
    EXPECT_EQ(f.message, "12");  // WM_SETTEXT
    EXPECT_EQ(f.lParamType, ParameterType::Text);
    ASSERT_TRUE(f.lParamText.has_value());
    EXPECT_FALSE(f.lParamText->empty());
    // The multi-line example reads its mark as a line break.
    const MessageFields lines = ParseMessageFields(config.ReadValue("编辑框", "置多行文本", ""));
    EXPECT_EQ(lines.lParamText, std::optional<std::string>("第一行\r\n第二行"));
}

}  // namespace
}  // namespace
