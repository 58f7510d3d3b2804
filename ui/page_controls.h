// The controls of a page as a structure of references, made from the page's
// list macro (see ui/core/layout.h) and resolved once, when the page is made:
//
//     TAVRIN_PAGE_CONTROLS(AnalysisControls, TAVRIN_ANALYSIS_CONTROLS)
//
// declares `struct AnalysisControls` with one member per control, named and
// typed as its row says (`ui::EditBox& 编辑框_窗口句柄`), and `form`, the form
// that holds them. Handlers reach controls through it; no name is looked up
// while the program runs.
#pragma once

#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/core/layout.h"
#include "ui/drawing_board.h"
#include "ui/edit_box.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/tree_box.h"

namespace ui {

// The toolkit class of each kind of control.
template <core::ControlKind Kind>
struct ControlOfKind;
#define TAVRIN_CONTROL_OF_KIND(kind) \
    template <>                      \
    struct ControlOfKind<core::ControlKind::kind> { using type = kind; };
TAVRIN_CONTROL_OF_KIND(Label)
TAVRIN_CONTROL_OF_KIND(Button)
TAVRIN_CONTROL_OF_KIND(EditBox)
TAVRIN_CONTROL_OF_KIND(CheckBox)
TAVRIN_CONTROL_OF_KIND(RadioButton)
TAVRIN_CONTROL_OF_KIND(ComboBox)
TAVRIN_CONTROL_OF_KIND(DrawingBoard)
TAVRIN_CONTROL_OF_KIND(SuperButton)
TAVRIN_CONTROL_OF_KIND(TreeBox)
TAVRIN_CONTROL_OF_KIND(FileDialog)
#undef TAVRIN_CONTROL_OF_KIND

// The control a typed name of a portable table stands for.
template <core::ControlKind Kind>
typename ControlOfKind<Kind>::type& Resolve(const Form& form, core::ControlName<Kind> name) {
    return form.Get<typename ControlOfKind<Kind>::type>(name.text);
}

}  // namespace ui

#define TAVRIN_CONTROL_MEMBER(kind, name, ...) ::ui::kind& name;
#define TAVRIN_RESOLVE_CONTROL(kind, name, ...) , name(form.Get<::ui::kind>(#name))
#define TAVRIN_PAGE_CONTROLS(Name, LIST)                                        \
    struct Name {                                                               \
        explicit Name(::ui::Form& owner) : form(owner) LIST(TAVRIN_RESOLVE_CONTROL) {} \
        Name(const Name&) = delete;                                             \
        Name& operator=(const Name&) = delete;                                  \
        ::ui::Form& form;                                                       \
        LIST(TAVRIN_CONTROL_MEMBER)                                             \
    };
