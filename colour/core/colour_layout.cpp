#include "colour/core/colour_layout.h"

#include <algorithm>

namespace colour::core {

const std::vector<ui::core::ControlLayout>& ColourPageLayout() {
    static const std::vector<ui::core::ControlLayout> table = {TAVRIN_COLOUR_CONTROLS(TAVRIN_LAYOUT_ROW)};
    return table;
}

const std::vector<ui::core::ControlLayout>& NotationWindowLayout() {
    static const std::vector<ui::core::ControlLayout> table = {TAVRIN_NOTATION_WINDOW_CONTROLS(TAVRIN_LAYOUT_ROW)};
    return table;
}

base::Rect PlaceBeside(const base::Rect& owner, int top, int width, int height, const base::Rect& workArea) {
    int left = owner.right;
    if (left + width > workArea.right) {
        left = owner.left - width >= workArea.left ? owner.left - width : workArea.right - width;
    }
    left = std::max(left, workArea.left);
    top = std::max(std::min(top, workArea.bottom - height), workArea.top);
    return {left, top, left + width, top + height};
}

}  // namespace colour::core
