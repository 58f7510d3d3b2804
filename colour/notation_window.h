// The window of the further notations, opened by `按钮_更多格式` on the
// colour page: the colour the page's five notation boxes show, as CSS
// rgb(), HSL and HSV (colour/core/colour_notations.h), each in a
// display-only box with a "复制" button that puts the box's text on the
// clipboard. Below them the square of screen pixels the sampled colour is
// averaged over (1 x 1, 3 x 3 or 5 x 5; the notations show that average
// while they show the sampled colour) and the WCAG 2 contrast ratio of the
// chosen and the sampled colour with its verdicts.
//
// A small captioned window owned by the main window, so it stays in front
// of it and goes with it. It opens beside the main window, level with the
// page's notation rows (on the left when the right has no room), showing
// the colour the page last wrote into its notations, and follows every
// colour the page writes while it is open. Before any colour has arrived
// its boxes are empty, as the page's are. Closing it loses nothing: opened
// again, it shows the current colour.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "colour/colour_controls.h"
#include "colour/core/colour_measures.h"
#include "ui/form.h"

namespace colour {

// How the program dresses its windows: the client area's colour and a step
// that gives the controls their cursors and colours by their layout rows.
struct WindowLook {
    base::Colour background = 0xF0F0F0;
    std::function<void(ui::Form&, const std::vector<ui::core::ControlLayout>&)> dress;
};

class NotationWindow : public ui::Form {
public:
    NotationWindow() = default;
    ~NotationWindow() override;

    // Makes and shows the window, owned by `owner`, its top at the screen
    // row `top` (physical pixels), in the program's look. False when the
    // window cannot be made.
    bool Open(HWND owner, int top, std::optional<base::Colour> colour, const WindowLook& look, int areaSize = 1);
    void ShowColour(base::Colour colour);
    void ShowContrast(const core::ContrastLines& lines);
    // The side of the square chosen: 1, 3 or 5.
    int AreaSize() const;
    // The user chose another square.
    std::function<void()> AreaChanged;
    NotationControls& Controls() { return *controls_; }

private:
    std::unique_ptr<NotationControls> controls_;
};

}  // namespace colour
