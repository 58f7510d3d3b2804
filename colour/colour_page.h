// The "取点取色" page: picker and pen boards, magnifier, colour boxes, scale
// and palette.
#pragma once

#include "colour/colour_controls.h"

namespace colour {

class ColourPage {
public:
    explicit ColourPage(ui::Form& form);

    ColourControls& Controls() { return controls_; }

    // Steps of the main window's creation: the magnifier's colour chart and
    // the first pen step.
    void OnCreated();
    // Redraws the picker board, the scale marker and the palette.
    void OnActivated();

    // Moves the pen to the next colour of its cycle and redraws the pen and
    // picker boards with it (a click on the pen board).
    void PenStep();
    core::Colour PenColour() const { return penColour_; }
    int PenColourIndex() const { return penColourIndex_; }

private:
    void DrawPickerBoard();

    ColourControls controls_;
    int penColourIndex_ = 0;
    core::Colour penColour_ = 0;
};

}  // namespace colour
