// A label: a line of text on the page colour, or (as a frame) an etched
// outline that other controls stand on. Labels draw themselves so that their
// background colour and vertically centred text look the same everywhere.
#pragma once

#include "ui/control.h"

#include <string>

namespace ui {

class Label : public Control {
public:
    Label(Form& form, std::string_view name, Bounds bounds, int page, std::string_view caption, bool frame);
    void Create() override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool IsFrame() const { return frame_; }

private:
    // A font as high as the form's whose `text` fits in `width`; none when
    // the form's own fits.
    win::OwnedFont NarrowFontFor(HDC dc, const std::wstring& text, int width) const;

    std::string initialCaption_;
    bool frame_;
};

}  // namespace ui
