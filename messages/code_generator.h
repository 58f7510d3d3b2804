// The E-code generator of the "消息|代码" page: "生成易代码" puts the template
// of the first selected code-style radio button into the code box (replacing
// what it held); "复制代码" copies the code box to the clipboard.
#pragma once

#include "ui/edit_box.h"
#include "ui/form.h"

namespace messages {

class CodeGenerator {
public:
    explicit CodeGenerator(ui::Form& form);
    void Generate();
    void Copy();

private:
    ui::Form& form_;
    ui::EditBox& code_;
};

}  // namespace messages
