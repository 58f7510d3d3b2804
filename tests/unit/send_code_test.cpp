#include "messages/core/send_code.h"

#include <gtest/gtest.h>

namespace {

using namespace messages::core;
namespace {

std::vector<LookupStep> OneLevel() {
    return PlanLookup({{{{"TavrinFixtureRoot", "Fixture Root", 0}, {"Notepad", "x", 0}}, 0}});
}

bool Has(const std::string& code, const std::string& part) { return code.find(part) != std::string::npos; }

// The line that sends, the buffer and the declarations follow the method
// and the parameter's type; nothing is declared that the code does not call.
TEST(SendCode, SendsTheSameMessageTheSameWay) {
    SentMessage setText;
    setText.message = 12;
    setText.lParamType = ParameterType::Text;
    setText.text = "新标题";
    setText.name = "常用消息/更改控件内容";
    const std::string set = SendMessageCode(OneLevel(), setText);
    EXPECT_TRUE(Has(set, ".DLL命令 _发送消息, 整数型, \"user32\", \"SendMessageA\"")) << set;
    EXPECT_TRUE(Has(set, "    .参数 参数二, 字节集"));
    EXPECT_FALSE(Has(set, "SendMessageTimeoutA") || Has(set, "PostMessageA") || Has(set, "GetDlgItem"));
    EXPECT_TRUE(Has(set, ".子程序 取目标窗口句柄, 整数型"));
    // Six GBK bytes and their NUL: the buffer the sender gave.
    EXPECT_TRUE(Has(set, "缓冲区 = 到字节集 (\"新标题\") + 取空白字节集 (1)  ' "));
    EXPECT_TRUE(Has(set, "结果 = _发送消息 (窗口, 12, 0, 缓冲区)  ' 消息值 12（消息列表的“常用消息/更改控件内容”）"));
    EXPECT_TRUE(Has(set, "调试输出 (\"结果\", 结果, \"缓冲区\", 到文本 (缓冲区))"));

    SentMessage getText;
    getText.method = SendMethod::SendWithTimeout;
    getText.message = 13;
    getText.wParam = 256;
    getText.lParamType = ParameterType::Text;
    const std::string get = SendMessageCode(OneLevel(), getText);
    EXPECT_TRUE(Has(get, "\"SendMessageTimeoutA\""));
    EXPECT_TRUE(Has(get, "    .参数 结果, 整数型, 传址"));
    EXPECT_TRUE(Has(get, "缓冲区 = 到字节集 (\"\") + 取空白字节集 (256)"));
    EXPECT_TRUE(Has(get, "送达 = _限时发送消息 (窗口, 13, 256, 缓冲区, 2, 500, 结果)"));
    EXPECT_TRUE(Has(get, ".如果真 (送达 = 0)"));
    EXPECT_FALSE(Has(get, "\"SendMessageA\""));

    SentMessage close;
    close.method = SendMethod::Post;
    close.message = 16;
    close.lParam = -1;
    const std::string post = SendMessageCode(OneLevel(), close);
    EXPECT_TRUE(Has(post, "\"PostMessageA\""));
    EXPECT_TRUE(Has(post, "    .参数 参数二, 整数型"));
    EXPECT_TRUE(Has(post, "结果 = _投递消息 (窗口, 16, 0, -1)"));
    EXPECT_FALSE(Has(post, "缓冲区"));

    // What could not have been sent gets no code.
    SentMessage postedText = close;
    postedText.lParamType = ParameterType::Text;
    EXPECT_EQ(SendMessageCode(OneLevel(), postedText), "");
    EXPECT_EQ(SendMessageCode({}, setText), "");
}

// A text with line breaks (the message list's 〓) stays one line of code.
TEST(SendCode, ATextWithLineBreaksStaysOnItsLine) {
    SentMessage sent;
    sent.message = 12;
    sent.lParamType = ParameterType::Text;
    sent.text = "第一行\r\n第二行";
    const std::string code = SendMessageCode(OneLevel(), sent);
    EXPECT_TRUE(Has(code, "到字节集 (\"第一行\" + #换行符 + \"第二行\") + 取空白字节集 (1)")) << code;
    for (std::size_t at = code.find('\n'); at != std::string::npos; at = code.find('\n', at + 1)) {
        ASSERT_EQ(code[at - 1], '\r');
        EXPECT_NE(code.compare(at + 1, 9, "第二行"), 0) << "a line of the text became a line of code";
    }
}

}  // namespace
}  // namespace
