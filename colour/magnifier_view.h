// The magnifier board `画板_放大镜`: the five-times view of the 52 x 52
// screen pixels around a point, or the palette picture.
//
// MagnifyAt shows the view around a screen point; with `keep` it also keeps
// the whole screen as it was, so that afterwards the user can drag the view
// around with the left button (five board pixels move it one screen pixel,
// the four position boxes follow) and get it back after the palette. The
// right button switches between the kept view and the palette picture; on
// the palette picture the left button picks a colour into `编辑框_颜色值1`
// and marks it with a cross; the colour it is released on, after a press on
// the picture, goes into the row of picked colours.
//
// The live view grabs only the pixels it shows; the whole screen is grabbed
// once, when the view is kept.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "colour/colour_controls.h"
#include "colour/colour_editors.h"
#include "imaging/bitmap.h"

namespace colour {

class MagnifierView {
public:
    MagnifierView(ColourControls& controls, ColourEditors& editors, std::function<base::Colour()> penColour);
    ~MagnifierView();

    // Shows the view around the screen point and returns the colour of the
    // point's pixel; none when a magnify step is still running.
    std::optional<base::Colour> MagnifyAt(base::Point screen, bool keep);
    void ShowPalette();
    bool ShowsPalette() const;

    // The average of the size x size screen pixels (1, 3 or 5) around the
    // point last shown; none before the first.
    std::optional<base::Colour> AreaColour(int size) const;

    // Lets go of the kept screen image (a new pick starts, the program ends).
    void ReleaseKept();
    HBITMAP KeptBitmap() const { return kept_.Get(); }
    base::Point KeptCentre() const { return keptCentre_; }

private:
    void Pressed(const ui::MouseEvent& e);
    void Moved(const ui::MouseEvent& e);
    void Released(const ui::MouseEvent& e);
    // Shows a 52 x 52 cut enlarged, with the frame around its centre pixel,
    // and returns that pixel's colour.
    base::Colour ShowCut(HBITMAP cut);
    void ShowKeptView();

    ColourControls& c_;
    ColourEditors& editors_;
    std::function<base::Colour()> penColour_;
    win::OwnedBitmap kept_;
    base::Point keptOrigin_;  // the kept image's top-left pixel on the screen
    base::Point keptCentre_;
    base::Point press_;       // (0, 0): no press
    bool pressOnPicture_ = false;  // the left button went down on the palette picture
    std::vector<base::Colour> area_;  // the 5 x 5 pixels around the point last shown, row by row
    bool magnifyBusy_ = false;
    bool dragBusy_ = false;
};

}  // namespace colour
