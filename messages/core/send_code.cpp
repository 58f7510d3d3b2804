#include "messages/core/send_code.h"

#include "text/text_encoding.h"

namespace messages::core {
namespace {

struct Api {
    const char* command;   // the DLL command's name in the code
    const char* function;  // user32's function
    const char* remark;
};

Api ApiOf(SendMethod method) {
    switch (method) {
        case SendMethod::Post:
            return {"_投递消息", "PostMessageA", "把消息放进目标窗口的消息队列，不等它处理；返回 0 表示投递失败"};
        case SendMethod::SendWithTimeout:
            return {"_限时发送消息", "SendMessageTimeoutA", "发送消息，最多等到时限；返回 0 表示没有送达（超时或目标挂起）"};
        case SendMethod::Send:
            break;
    }
    return {"_发送消息", "SendMessageA", "发送消息，等目标窗口处理完才返回；返回消息的结果"};
}

std::string Declaration(const Api& api, bool textParameter, bool timed) {
    std::string code = ".DLL命令 " + std::string(api.command) + ", 整数型, \"user32\", \"" + api.function + "\", , " +
                       api.remark + "\r\n"
                       "    .参数 窗口句柄, 整数型\r\n"
                       "    .参数 消息值, 整数型\r\n"
                       "    .参数 参数一, 整数型\r\n";
    code += textParameter ? "    .参数 参数二, 字节集, , 文本缓冲区：传的是它的地址\r\n" : "    .参数 参数二, 整数型\r\n";
    if (timed) {
        code += "    .参数 标志, 整数型\r\n"
                "    .参数 时限, 整数型, , 毫秒\r\n"
                "    .参数 结果, 整数型, 传址, 消息的结果写在这里\r\n";
    }
    return code;
}

std::string Number(std::int32_t value) { return std::to_string(value); }

// What a line's comment says of the second parameter.
std::string ParameterTwo(const SentMessage& sent) {
    switch (sent.lParamType) {
        case ParameterType::Text: return "是文本缓冲区";
        case ParameterType::Logical: return sent.lParam ? "是逻辑值 真（1）" : "是逻辑值 假（0）";
        case ParameterType::Integer: break;
    }
    return Number(sent.lParam);
}

}  // namespace

std::string SendMessageCode(const std::vector<LookupStep>& lookup, const SentMessage& sent) {
    if (lookup.empty()) return {};
    const bool textParameter = sent.lParamType == ParameterType::Text;
    const bool timed = sent.method == SendMethod::SendWithTimeout;
    const std::string gbk = text::Utf8ToGbk(sent.text);
    // The same room the sender gave the receiver, counted in the bytes the
    // A functions deal in.
    const TextBufferPlan buffer = PlanTextBuffer(sent.method, sent.wParam, gbk.size());
    if (textParameter && !buffer.refusal.empty()) return {};
    const Api api = ApiOf(sent.method);

    std::string code(kECodeHeader);
    code += LookupDeclarations(lookup);
    code += Declaration(api, textParameter, timed);
    code += "\r\n";
    code += LookupSubroutine(lookup);
    code += "\r\n.子程序 发送消息给目标窗口, 整数型, , 找回目标窗口，照原样再发一次 Tavrin编程助手 发出的消息；"
            "返回消息的结果，找不到窗口时返回 0\r\n"
            ".局部变量 窗口, 整数型\r\n";
    if (textParameter) code += ".局部变量 缓冲区, 字节集\r\n";
    code += ".局部变量 结果, 整数型\r\n";
    if (timed) code += ".局部变量 送达, 整数型\r\n";
    code += "\r\n窗口 = 取目标窗口句柄 ()  ' 按窗口层次找回消息的目标窗口\r\n"
            ".如果真 (窗口 = 0)\r\n"
            "    返回 (0)  ' 目标窗口已经不在了\r\n"
            ".如果真结束\r\n";

    if (textParameter) {
        const std::size_t zeros = buffer.characters - gbk.size();
        code += "缓冲区 = 到字节集 (" + ETextConstant(sent.text) + ") + 取空白字节集 (" + std::to_string(zeros) +
                ")  ' 参数二：文本“" + ECommentText(sent.text) + "”（" + std::to_string(gbk.size()) +
                " 字节）放在 " + std::to_string(buffer.characters) + " 字节的缓冲区里，后面补 0，与发送时一样大\r\n";
    }
    const std::string what = "消息值 " + Number(sent.message) +
                             (sent.name.empty() ? "" : "（消息列表的“" + ECommentText(sent.name) + "”）") + "，参数一 " +
                             Number(sent.wParam) + "，参数二 " + ParameterTwo(sent);
    const std::string arguments = "窗口, " + Number(sent.message) + ", " + Number(sent.wParam) + ", " +
                                  (textParameter ? "缓冲区" : Number(sent.lParam));
    if (timed) {
        code += "送达 = " + std::string(api.command) + " (" + arguments + ", " + std::to_string(kSendTimeoutFlags) +
                ", " + std::to_string(kSendTimeoutMs) + ", 结果)  ' " + what + "；SMTO_ABORTIFHUNG（" +
                std::to_string(kSendTimeoutFlags) + "）：目标挂起时不等，最多等 " + std::to_string(kSendTimeoutMs) +
                " 毫秒\r\n"
                ".如果真 (送达 = 0)\r\n"
                "    调试输出 (\"消息没有送达（超时或目标挂起）\")\r\n"
                "    返回 (0)\r\n"
                ".如果真结束\r\n";
    } else {
        code += "结果 = " + std::string(api.command) + " (" + arguments + ")  ' " + what + "\r\n";
    }
    if (textParameter) {
        code += "调试输出 (\"结果\", 结果, \"缓冲区\", 到文本 (缓冲区))  ' 接收方写进缓冲区的文本（例如 WM_GETTEXT 取得的）\r\n";
    } else {
        code += "调试输出 (\"结果\", 结果)\r\n";
    }
    code += "返回 (结果)\r\n";
    return code;
}

}  // namespace messages::core
