// The colour picker: pressing the picker board `画板_捕获器2` picks up the
// pen, and while the left button is held a small cursor window with the pen
// glyph follows the cursor. Every 50 ms the page shows the window under the
// cursor, the colour and position of the cursor pixel (on the screen and in
// that window's client area) and the magnified view around it. The arrow
// keys move the cursor one physical pixel, for landing on an exact pixel.
// Releasing the button puts the pen back on the board and, a moment later,
// keeps the screen image for the magnifier; the colour under the cursor
// then is the pick (Picked).
//
// Over the bare desktop, where Windows reports no window, the super-mode
// release routine (the inspector's, once the pages are wired together:
// Tool().superModeRelease) is registered with the input hook, as the
// inspector's finder does: the window released on becomes the inspector's
// target.
#pragma once

#include <functional>
#include <memory>
#include <optional>

#include "colour/colour_controls.h"
#include "colour/magnifier_view.h"
#include "ui/finder_tool.h"
#include "win/input_hook.h"

namespace colour {

class ColourPicker {
public:
    ColourPicker(ColourControls& controls, MagnifierView& magnifier, win::InputHook& hook,
                 std::function<base::Colour()> penColour, std::function<void()> drawPickerBoard);

    void Start();
    void Tick() { finder_.Tick(); }
    bool Running() const { return finder_.Running(); }
    ui::CursorWindow* Window() { return finder_.Window(); }
    ui::FinderTool& Tool() { return finder_; }

    // The colour under the cursor once the picker is let go and the screen
    // kept.
    std::function<void(base::Colour)> Picked;

    // The last pick: the window under the cursor, the point in its client
    // area and the colour there.
    struct Pick {
        win::WindowHandle window = 0;
        base::Point client;
        base::Colour colour = 0;
    };
    const std::optional<Pick>& LastPick() const { return lastPick_; }

private:
    void Hover(const ui::FinderPoint& point);
    void Released(const ui::FinderPoint& point);
    void Keep();

    ColourControls& c_;
    MagnifierView& magnifier_;
    std::function<base::Colour()> penColour_;
    std::function<void()> drawPickerBoard_;
    ui::FinderTool finder_;
    std::unique_ptr<ui::Timer> keepTimer_;
    base::Point keepAt_;
    win::WindowHandle keepWindow_ = 0;
    std::optional<Pick> lastPick_;
};

}  // namespace colour
