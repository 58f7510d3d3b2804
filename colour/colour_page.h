// The "取点取色" page: the pen board, the picker and its magnifier, the
// colour boxes, scale, palette and notations.
#pragma once

#include <memory>

#include "colour/colour_controls.h"
#include "colour/colour_editors.h"
#include "colour/colour_picker.h"
#include "colour/magnifier_view.h"
#include "util/input_hook.h"

namespace colour {

class ColourPage {
public:
    ColourPage(ui::Form& form, util::InputHook& hook);

    ColourControls& Controls() { return controls_; }
    ColourEditors& Editors() { return editors_; }
    MagnifierView& Magnifier() { return magnifier_; }
    ColourPicker& Picker() { return picker_; }

    // Steps of the main window's creation: the magnifier's colour chart and
    // the first pen step.
    void OnCreated();
    // Redraws the picker board, the scale marker and the palette.
    void OnActivated();
    // The program ends: the kept screen image goes.
    void OnEnding() { magnifier_.ReleaseKept(); }

    // Moves the pen to the next colour of its cycle and redraws the pen and
    // picker boards with it (a click on the pen board).
    void PenStep();
    core::Colour PenColour() const { return penColour_; }
    int PenColourIndex() const { return penColourIndex_; }

private:
    void DrawPickerBoard();

    ColourControls controls_;
    ColourEditors editors_;
    MagnifierView magnifier_;
    ColourPicker picker_;
    int penColourIndex_ = 0;
    core::Colour penColour_ = 0;
};

}  // namespace colour
