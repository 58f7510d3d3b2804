#include "colour/core/colour_layout.h"

namespace core {

const std::vector<ControlLayout>& ColourPageLayout() {
    static const std::vector<ControlLayout> table = {TAVRIN_COLOUR_CONTROLS(TAVRIN_LAYOUT_ROW)};
    return table;
}

}  // namespace core
