#include "messages/core/wait_colour_code.h"

namespace messages::core {

std::string WaitColourCode(const std::vector<LookupStep>& lookup, base::Point client, base::Colour colour) {
    if (lookup.empty()) return {};
    const std::string x = std::to_string(client.x), y = std::to_string(client.y);
    const std::string r = std::to_string(base::RedOf(colour)), g = std::to_string(base::GreenOf(colour)),
                      b = std::to_string(base::BlueOf(colour));
    const std::string rgb = "RGB(" + r + ", " + g + ", " + b + ")";
    std::string code(kECodeHeader);
    code += LookupDeclarations(lookup);
    code += ".DLL命令 _取设备场景, 整数型, \"user32\", \"GetDC\", , 取窗口客户区的设备场景\r\n"
            "    .参数 窗口句柄, 整数型\r\n"
            ".DLL命令 _释放设备场景, 整数型, \"user32\", \"ReleaseDC\", , 用完设备场景后要释放\r\n"
            "    .参数 窗口句柄, 整数型\r\n"
            "    .参数 设备场景, 整数型\r\n"
            ".DLL命令 _取点颜色, 整数型, \"gdi32\", \"GetPixel\", , 返回颜色值（红色在最低字节）；点不可见时返回 -1\r\n"
            "    .参数 设备场景, 整数型\r\n"
            "    .参数 横坐标, 整数型\r\n"
            "    .参数 纵坐标, 整数型\r\n"
            "\r\n";
    code += LookupSubroutine(lookup);
    code += "\r\n.子程序 等待颜色, 逻辑型, , 等到目标窗口客户区的点 (" + x + ", " + y + ") 成为取色时的颜色 " + rgb +
            "（红、绿、蓝各差不超过容差）；等到了返回 真，超时返回 假\r\n"
            ".参数 超时毫秒, 整数型\r\n"
            ".参数 容差, 整数型, , 每个颜色分量允许相差多少（0 到 255）\r\n"
            ".局部变量 开始, 整数型\r\n"
            ".局部变量 窗口, 整数型\r\n"
            ".局部变量 场景, 整数型\r\n"
            ".局部变量 颜色, 整数型\r\n"
            "\r\n"
            "开始 = 取启动时间 ()  ' 毫秒\r\n"
            ".判断循环首 (真)\r\n"
            "    窗口 = 取目标窗口句柄 ()  ' 每次都重新找：窗口可能关掉后又打开\r\n"
            "    .如果真 (窗口 ≠ 0)\r\n"
            "        场景 = _取设备场景 (窗口)\r\n"
            "        颜色 = _取点颜色 (场景, " + x + ", " + y + ")  ' 客户区坐标\r\n"
            "        _释放设备场景 (窗口, 场景)\r\n"
            "        .如果真 (颜色 ≠ -1 且 取绝对值 (位与 (颜色, 255) － " + r + ") ≤ 容差 且 取绝对值 (位与 (右移 (颜色, 8), 255) － " +
            g + ") ≤ 容差 且 取绝对值 (位与 (右移 (颜色, 16), 255) － " + b + ") ≤ 容差)  ' 红、绿、蓝\r\n"
            "            返回 (真)\r\n"
            "        .如果真结束\r\n"
            "    .如果真结束\r\n"
            "    .如果真 (取启动时间 () － 开始 ≥ 超时毫秒)\r\n"
            "        返回 (假)\r\n"
            "    .如果真结束\r\n"
            "    延时 (" + std::to_string(kColourPollMs) + ")  ' 每 " + std::to_string(kColourPollMs) + " 毫秒看一次\r\n"
            ".判断循环尾 ()\r\n"
            "返回 (假)\r\n";
    return code;
}

}  // namespace messages::core
