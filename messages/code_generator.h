// The E-code generator of the "消息|代码" page: "生成易代码" puts the template
// of the first selected code-style radio button into the code box (replacing
// what it held); "复制代码" copies the code box to the clipboard.
//
// The code box's context menu ("复制", "全选", "生成发送此消息的易代码",
// "生成查找当前窗口的代码") also writes code that finds the window in this
// page's handle box `编辑框_窗口句柄2` again (typed there, or captured),
// level by level from its top-level window down, and code that finds the
// window the last message went to and sends that message again the same
// way; each is put on the clipboard as the other code goes.
// "生成发送此消息的易代码" is grey until a message has gone out,
// "生成查找当前窗口的代码" while the handle box holds no window. The last
// item, "录制操作…", opens the action recorder (openRecorder).
#pragma once

#include <array>
#include <functional>

#include "messages/core/e_code_templates.h"
#include "messages/message_sender.h"
#include "messages/messages_controls.h"
#include "ui/menu.h"
#include "win/window_query.h"

namespace messages {

class CodeGenerator {
public:
    CodeGenerator(MessagesControls& controls, const MessageSender& sender);
    void Generate();
    void Copy();
    // Writes the code that finds the window in the handle box; nothing when
    // there is no such window.
    void GenerateLookup();
    // Writes the code that sends the last message again; nothing before the
    // first message, or when its window is gone.
    void GenerateSend();
    ui::Menu& CodeMenu() { return codeMenu_; }
    // What "录制操作…" does.
    std::function<void()> openRecorder;
    // Greys what cannot be done now; run before the menu pops up.
    void UpdateMenu();

private:
    // Puts code into the code box and on the clipboard.
    void Show(const std::string& code);

    MessagesControls& c_;
    const MessageSender& sender_;
    int sendItem_ = -1;
    int lookupItem_ = -1;
    // The radio button of each template, in the templates' order.
    std::array<ui::RadioButton*, core::kECodeTemplateCount> radios_{};
    ui::Menu codeMenu_;
};

}  // namespace messages
