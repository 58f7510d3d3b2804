#include "messages/code_generator.h"

#include "messages/core/e_code_templates.h"
#include "ui/buttons.h"
#include "util/clipboard.h"

namespace messages {

CodeGenerator::CodeGenerator(ui::Form& form) : form_(form), code_(form.Get<ui::EditBox>("编辑框_易代码")) {
    form.Get<ui::Button>("按钮_生成易代码").Clicked = [this] { Generate(); };
    form.Get<ui::Button>("按钮_复制代码").Clicked = [this] { Copy(); };
}

void CodeGenerator::Generate() {
    for (const core::ECodeTemplate& t : core::ECodeTemplates()) {
        if (form_.Get<ui::RadioButton>(t.radio).Checked()) {
            code_.SetContent(t.text);
            return;
        }
    }
}

void CodeGenerator::Copy() { util::CopyTextToClipboard(code_.Content()); }

}  // namespace messages
