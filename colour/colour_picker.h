// The colour picker: pressing the picker board `画板_捕获器2` picks up the
// pen, and while the left button is held a small cursor window with the pen
// glyph follows the cursor. Every 50 ms the page shows the window under the
// cursor, the colour and position of the cursor pixel (on the screen and in
// that window's client area) and the magnified view around it. The arrow
// keys move the cursor one physical pixel, for landing on an exact pixel.
// Releasing the button puts the pen back on the board and, a moment later,
// keeps the screen image for the magnifier.
//
// Over the bare desktop, where Windows reports no window, the super-mode
// release routine is registered with the input hook, as the inspector's
// finder does: the window released on becomes the inspector's target.
#pragma once

#include <functional>
#include <memory>

#include "colour/colour_controls.h"
#include "colour/magnifier_view.h"
#include "ui/cursor_window.h"
#include "util/input_hook.h"

namespace colour {

class ColourPicker {
public:
    ColourPicker(ColourControls& controls, MagnifierView& magnifier, util::InputHook& hook,
                 std::function<core::Colour()> penColour, std::function<void()> drawPickerBoard);
    ~ColourPicker();

    void Start();
    void Tick();
    bool Running() const;
    ui::CursorWindow* Window() { return window_.get(); }

    // The routine the hook calls on a release over the bare desktop; none
    // until the inspector is wired to the page.
    std::function<core::HookRoutine()> superModeRelease;
    // Whether the left button is still held; replaceable for tests.
    std::function<bool()> leftButtonDown;

private:
    void End(core::Point cursor);
    void Keep();
    void Nudge(UINT key);

    ColourControls& c_;
    MagnifierView& magnifier_;
    util::InputHook& hook_;
    std::function<core::Colour()> penColour_;
    std::function<void()> drawPickerBoard_;
    std::unique_ptr<ui::CursorWindow> window_;
    std::unique_ptr<ui::Timer> keepTimer_;
    core::Point keepAt_;
    bool tickBusy_ = false;
};

}  // namespace colour
