// Builds the controls of a layout table on a form.
#pragma once

#include <vector>

#include "ui/control.h"
#include "ui/core/layout.h"

namespace ui {

// Creates every control of the table on the form, as a member of `page`
// (kNoPage for controls of the form itself). Later entries lie above earlier
// ones; frames lie beneath everything of their page.
void BuildControls(Form& form, const std::vector<core::ControlLayout>& table, int page);

}  // namespace ui
