// The E-code generator of the "消息|代码" page: "生成易代码" puts the template
// of the first selected code-style radio button into the code box (replacing
// what it held); "复制代码" copies the code box to the clipboard.
#pragma once

#include <array>

#include "messages/core/e_code_templates.h"
#include "messages/messages_controls.h"

namespace messages {

class CodeGenerator {
public:
    explicit CodeGenerator(MessagesControls& controls);
    void Generate();
    void Copy();

private:
    MessagesControls& c_;
    // The radio button of each template, in the templates' order.
    std::array<ui::RadioButton*, core::kECodeTemplateCount> radios_{};
};

}  // namespace messages
