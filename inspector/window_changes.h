// Changing the target window from the "窗口分析" page: the four check boxes
// (transparent, disabled, hidden, topmost) act at once; the "更改" items of
// the position and size rows move and resize the target to the values typed
// into their boxes. None refreshes the panel afterwards.
#pragma once

#include "inspector/field_actions.h"
#include "inspector/info_panel.h"
#include "ui/form.h"

namespace inspector {

class WindowChanges {
public:
    WindowChanges(ui::Form& form, InfoPanel& panel, FieldActions& actions);

private:
    std::int32_t Number(const char* boxName);
    ui::Form& form_;
    InfoPanel& panel_;
};

}  // namespace inspector
