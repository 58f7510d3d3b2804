// The right half of the "取点取色" page: the sampled colour (row 1, written
// by the picker and the magnifier into `编辑框_颜色值`) and the chosen colour
// (row 2: typed, composed from R1/G1/B1, or picked from the scale, the
// palette or the palette picture), the colour scale and its marker, and the
// five notations of whichever colour changed last, each with a copy button.
//
// Below the palette, the row of the colours picked in this run (the rule of
// what is a pick and of the order is colour/core/colour_history.h). A click
// on a swatch makes its colour the chosen colour, as a palette click does.
// The further notations (a window of their own) follow the colour the five
// notation boxes show: NotationsWritten tells of each.
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

#include <functional>
#include <optional>
#include <unordered_set>

#include "colour/colour_controls.h"
#include "colour/core/colour_history.h"

namespace colour {

class ColourEditors {
public:
    explicit ColourEditors(ColourControls& controls);

    // Draws the scale for the colour and puts its marker back over the
    // middle column.
    void ShowScale(base::Colour colour);

    void FormatSampled();
    void FormatChosen();
    void Compose();

    // A colour the user picked: first in the row of picked colours.
    void Picked(base::Colour colour);
    const core::ColourHistory& History() const { return history_; }
    // Draws the row of picked colours (the page's activation; its page
    // colour is given after the page is made).
    void DrawHistory();

    // The colour the notation boxes show; none before the first.
    std::optional<base::Colour> NotationColour() const { return notationColour_; }
    // Whether they show the sampled colour (row 1) rather than the chosen.
    bool NotationsShowSampled() const { return notationsSampled_; }
    std::function<void(base::Colour)> NotationsWritten;

private:
    void WriteNotations(base::Colour colour, bool sampled);
    void PickFromScale(int x, int y);
    void PickFromPalette(int x, int y);
    void PickFromHistory(int x, int y);
    // Shows `value` in a box the user may be typing in (see above).
    void ShowNumber(ui::EditBox& box, std::int32_t value);
    // Makes a box the user typed in show its number's own text.
    void Settle(ui::EditBox& box);

    ColourControls& c_;
    core::ColourHistory history_;
    std::optional<base::Colour> notationColour_;
    bool notationsSampled_ = false;
    std::unordered_set<const ui::EditBox*> typedIn_;  // edited since they took the focus
};

}  // namespace colour
