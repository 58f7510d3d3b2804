// The "取点取色" page: the pen board, the picker and its magnifier, the
// colour boxes, scale, palette and notations, the row of picked colours,
// and `按钮_更多格式`, which opens the window of the further notations.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "colour/colour_controls.h"
#include "colour/colour_editors.h"
#include "colour/colour_picker.h"
#include "colour/magnifier_view.h"
#include "colour/notation_window.h"
#include "win/input_hook.h"

namespace colour {

class ColourPage {
public:
    ColourPage(ui::Form& form, win::InputHook& hook);

    ColourControls& Controls() { return controls_; }
    ColourEditors& Editors() { return editors_; }
    MagnifierView& Magnifier() { return magnifier_; }
    ColourPicker& Picker() { return picker_; }

    // Steps of the main window's creation: the magnifier's colour chart and
    // the first pen step.
    void OnCreated();
    // Redraws the picker board, the scale marker, the palette and the row of
    // picked colours.
    void OnActivated();
    // The program ends: the kept screen image goes.
    void OnEnding() { magnifier_.ReleaseKept(); }

    // Moves the pen to the next colour of its cycle and redraws the pen and
    // picker boards with it (a click on the pen board).
    void PenStep();
    base::Colour PenColour() const { return penColour_; }
    int PenColourIndex() const { return penColourIndex_; }

    // Opens the window of the further notations beside the main window, or
    // brings it to the front when it is open.
    void OpenNotations();
    // Shows the notations and the contrast in the notation window, if open.
    void FillNotationWindow();
    // The window, while it is open; null otherwise.
    NotationWindow* Notations() const { return notations_ && notations_->Handle() ? notations_.get() : nullptr; }
    // The look the window wears (the main window gives the program's).
    WindowLook windowLook;

    // "生成等待颜色的易代码" of that window: E code that waits until the
    // point of the last pick shows its colour again, on the clipboard. What
    // writes the code is the main window's (it finds windows again as the
    // message page's code does): the code for a pick, empty when the
    // pick's window is gone. Returns what the window tells the user.
    std::function<std::string(const ColourPicker::Pick&)> waitColourCode;
    std::string MakeWaitColourCode();

private:
    void DrawPickerBoard();

    ColourControls controls_;
    ColourEditors editors_;
    MagnifierView magnifier_;
    ColourPicker picker_;
    std::unique_ptr<NotationWindow> notations_;
    int areaSize_ = 1;  // the square last chosen there, kept while it is closed
    int penColourIndex_ = 0;
    base::Colour penColour_ = 0;
};

}  // namespace colour
