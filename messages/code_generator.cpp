#include "messages/code_generator.h"

#include "util/clipboard.h"

namespace messages {

CodeGenerator::CodeGenerator(MessagesControls& controls) : c_(controls) {
    for (std::size_t i = 0; i < radios_.size(); ++i) radios_[i] = &ui::Resolve(c_.form, core::ECodeTemplates()[i].radio);
    c_.按钮_生成易代码.Clicked = [this] { Generate(); };
    c_.按钮_复制代码.Clicked = [this] { Copy(); };
}

void CodeGenerator::Generate() {
    for (std::size_t i = 0; i < radios_.size(); ++i) {
        if (radios_[i]->Checked()) {
            c_.编辑框_易代码.SetContent(core::ECodeTemplates()[i].text);
            return;
        }
    }
}

void CodeGenerator::Copy() { util::CopyTextToClipboard(c_.编辑框_易代码.Content()); }

}  // namespace messages
