#include "ui/layout_builder.h"

#include "ui/buttons.h"
#include "ui/combo_box.h"
#include "ui/drawing_board.h"
#include "ui/edit_box.h"
#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/tree_box.h"

namespace ui {

void BuildControls(Form& form, const std::vector<core::ControlLayout>& table, int page) {
    using core::ControlKind;
    // One batch: later rows above earlier ones, made in that order at once.
    form.AddInOneBatch([&] {
        RadioButton* previousRadio = nullptr;
        for (const core::ControlLayout& c : table) {
            const Bounds bounds{c.left, c.top, c.width, c.height};
            Control* created = nullptr;
            switch (c.kind) {
                case ControlKind::Label:
                    created = &form.Add<Label>(c.name, bounds, page, c.caption, (c.flags & core::kFrame) != 0);
                    break;
                case ControlKind::Button:
                    created = &form.Add<Button>(c.name, bounds, page, c.caption);
                    break;
                case ControlKind::CheckBox:
                    created = &form.Add<CheckBox>(c.name, bounds, page, c.caption);
                    break;
                case ControlKind::RadioButton:
                    created = previousRadio = &form.Add<RadioButton>(c.name, bounds, page, c.caption, previousRadio);
                    break;
                case ControlKind::SuperButton:
                    created = &form.Add<SuperButton>(c.name, bounds, page, c.caption);
                    break;
                case ControlKind::EditBox: {
                    EditBoxStyle style;
                    style.multiline = (c.flags & core::kMultiline) != 0;
                    style.wrap = (c.flags & core::kNoWrap) == 0;
                    style.displayOnly = (c.flags & core::kDisplayOnly) != 0;
                    created = &form.Add<EditBox>(c.name, bounds, page, style);
                    break;
                }
                case ControlKind::ComboBox: {
                    std::vector<std::string> items;
                    for (std::string_view item : core::SplitItems(c.caption)) items.emplace_back(item);
                    created = &form.Add<ComboBox>(c.name, bounds, page, std::move(items), c.selected);
                    break;
                }
                case ControlKind::DrawingBoard:
                    created = &form.Add<DrawingBoard>(c.name, bounds, page);
                    break;
                case ControlKind::TreeBox:
                    created = &form.Add<TreeBox>(c.name, bounds, page);
                    break;
                case ControlKind::FileDialog:
                    created = &form.Add<FileDialog>(c.name, page);
                    break;
            }
            if (c.kind != ControlKind::RadioButton) previousRadio = nullptr;
            if (created && (c.flags & core::kHiddenAtStart)) created->SetVisible(false);
        }
    });
    // Frames go beneath the controls that stand on them.
    for (const core::ControlLayout& c : table) {
        if (!(c.flags & core::kFrame)) continue;
        if (Control* frame = form.Find(c.name)) {
            SetWindowPos(frame->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        }
    }
}

}  // namespace ui
