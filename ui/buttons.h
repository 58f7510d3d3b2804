// Push buttons, check boxes, radio buttons and super buttons (flat buttons
// drawn on the page colour that light up under the mouse).
#pragma once

#include <memory>
#include <vector>

#include "ui/control.h"

namespace ui {

class Button : public Control {
public:
    Button(Form& form, std::string_view name, Bounds bounds, int page, std::string_view caption);
    void Create() override;
    bool OnCommand(WORD code) override;

protected:
    std::string initialCaption_;
};

class CheckBox : public Button {
public:
    using Button::Button;
    void Create() override;
    bool Checked() const;
    void SetChecked(bool checked);
};

// Radio buttons of one group clear each other; a group is the run of radio
// buttons created one after the other.
class RadioButton : public Button {
public:
    RadioButton(Form& form, std::string_view name, Bounds bounds, int page, std::string_view caption,
                RadioButton* previousInGroup);
    void Create() override;
    bool OnCommand(WORD code) override;
    bool Checked() const;
    void SetChecked(bool checked);

private:
    std::shared_ptr<std::vector<RadioButton*>> group_;
};

class SuperButton : public Button {
public:
    using Button::Button;
    void Create() override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    bool hot_ = false;
};

}  // namespace ui
