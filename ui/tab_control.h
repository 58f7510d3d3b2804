// A tab control whose pages are the form's controls of that page number:
// choosing a tab shows its page and hides the others. The page body is
// painted in the control's background colour so that labels and check boxes
// in that colour blend in.
#pragma once

#include <vector>

#include "ui/control.h"

namespace ui {

class TabControl : public Control {
public:
    TabControl(Form& form, std::string_view name, Bounds bounds, std::vector<std::string> captions);
    void Create() override;
    LRESULT OnNotify(NMHDR* header) override;

    int PageCount() const;
    std::string PageCaption(int page) const;
    int SelectedPage() const;
    void SelectPage(int page);

    std::function<void()> PageChanged;

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void PaintBody();
    std::vector<std::string> captions_;
};

}  // namespace ui
