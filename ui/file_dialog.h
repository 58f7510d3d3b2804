// The common file dialog as a component of a form (it has no window of its
// own until shown). The filter is written as in the E language: pairs of
// description and pattern separated by "|", e.g. "位图(*.bmp)|*.bmp".
#pragma once

#include "ui/control.h"

namespace ui {

class FileDialog : public Control {
public:
    FileDialog(Form& form, std::string_view name, int page);
    void Create() override {}

    std::string title;
    std::string filter;
    std::string defaultExtension;  // without the dot, e.g. "bmp"
    std::string initialDirectory;
    std::string fileName;  // the chosen file after a confirmed Show
    int filterIndex = 1;   // the filter entry shown first, then the one chosen (from 1)

    // Shows the open (or save) dialog owned by the form; true when the user
    // confirmed a file name.
    bool Show(bool save);
};

}  // namespace ui
