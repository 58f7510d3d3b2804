// The right half of the "取点取色" page: the sampled colour (row 1, written
// by the picker and the magnifier into `编辑框_颜色值`) and the chosen colour
// (row 2: typed, composed from R1/G1/B1, or picked from the scale, the
// palette or the palette picture), the colour scale and its marker, and the
// five notations of whichever colour changed last, each with a copy button.
//
// While the chosen colour is being formatted, the tag of `编辑框_颜色值1`
// holds its text: the R1/G1/B1 boxes rewritten then do not compose it again.
#pragma once

#include "colour/colour_controls.h"

namespace colour {

class ColourEditors {
public:
    explicit ColourEditors(ColourControls& controls);

    // Draws the scale for the colour and puts its marker back over the
    // middle column.
    void ShowScale(core::Colour colour);

    void FormatSampled();
    void FormatChosen();
    void Compose();

private:
    void WriteNotations(core::Colour colour);
    void PickFromScale(int x, int y);
    void PickFromPalette(int x, int y);

    ColourControls& c_;
};

}  // namespace colour
