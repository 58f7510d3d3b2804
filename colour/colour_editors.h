// The right half of the "取点取色" page: the sampled colour (row 1, written
// by the picker and the magnifier into `编辑框_颜色值`) and the chosen colour
// (row 2: typed, composed from R1/G1/B1, or picked from the scale, the
// palette or the palette picture), the colour scale and its marker, and the
// five notations of whichever colour changed last, each with a copy button.
//
// While the chosen colour is being formatted, the tag of `编辑框_颜色值1`
// holds its text ("0" for an empty box): the R1/G1/B1 boxes rewritten then
// do not compose it again.
//
// What the user types into the chosen colour's four boxes stays as typed
// while the box has the focus, as long as it means the number the program
// would write there (an empty box means 0, "012" means 12): the caret stays
// where the user put it. The box shows the number's own text once it loses
// the focus or Enter is pressed in it. A typed text that now means another
// number (300 in R1 gives R1 44) is rewritten, the caret after the text.
#pragma once

#include <unordered_set>

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
    // Shows `value` in a box the user may be typing in (see above).
    void ShowNumber(ui::EditBox& box, std::int32_t value);
    // Makes a box the user typed in show its number's own text.
    void Settle(ui::EditBox& box);

    ColourControls& c_;
    std::unordered_set<const ui::EditBox*> typedIn_;  // edited since they took the focus
};

}  // namespace colour
