#include "messages/code_generator.h"

#include "messages/core/lookup_code.h"
#include "messages/core/send_code.h"
#include "messages/lookup_facts.h"
#include "win/clipboard.h"

namespace messages {

CodeGenerator::CodeGenerator(MessagesControls& controls, const MessageSender& sender)
    : c_(controls), sender_(sender), codeMenu_("易代码菜单") {
    for (std::size_t i = 0; i < radios_.size(); ++i) radios_[i] = &ui::Resolve(c_.form, core::ECodeTemplates()[i].radio);
    c_.按钮_生成易代码.Clicked = [this] { Generate(); };
    c_.按钮_复制代码.Clicked = [this] { Copy(); };

    codeMenu_.AddItem("复制", [this] {
        // The selection, as the box's own menu copies it.
        SendMessageW(c_.编辑框_易代码.Handle(), WM_COPY, 0, 0);
    });
    codeMenu_.AddItem("全选", [this] { c_.编辑框_易代码.SelectAll(); });
    codeMenu_.AddSeparator();
    sendItem_ = codeMenu_.AddItem("生成发送此消息的易代码", [this] { GenerateSend(); });
    lookupItem_ = codeMenu_.AddItem("生成查找当前窗口的代码", [this] { GenerateLookup(); });
    codeMenu_.AddItem("录制操作…", [this] {
        if (openRecorder) openRecorder();
    });
    c_.编辑框_易代码.ContextMenuRequested = [this](POINT at) {
        UpdateMenu();
        codeMenu_.Popup(c_.form, at);
    };
}

void CodeGenerator::UpdateMenu() {
    codeMenu_.SetItemEnabled(sendItem_, sender_.LastSent().has_value());
    codeMenu_.SetItemEnabled(lookupItem_, win::WindowExists(c_.编辑框_窗口句柄2.Number()));
}

void CodeGenerator::Generate() {
    for (std::size_t i = 0; i < radios_.size(); ++i) {
        if (radios_[i]->Checked()) {
            c_.编辑框_易代码.SetContent(core::ECodeTemplates()[i].text);
            return;
        }
    }
}

void CodeGenerator::Copy() { win::CopyTextToClipboard(c_.编辑框_易代码.Content()); }

void CodeGenerator::GenerateLookup() {
    const win::WindowHandle window = c_.编辑框_窗口句柄2.Number();
    if (!win::WindowExists(window)) return;
    Show(core::LookupCode(core::PlanLookup(LookupLevelsOf(window))));
}

void CodeGenerator::GenerateSend() {
    const auto& last = sender_.LastSent();
    if (!last) return;
    Show(core::SendMessageCode(core::PlanLookup(LookupLevelsOf(last->target)), last->message));
}

void CodeGenerator::Show(const std::string& code) {
    if (code.empty()) return;
    c_.编辑框_易代码.SetContent(code);
    win::CopyTextToClipboard(code);
}

}  // namespace messages
