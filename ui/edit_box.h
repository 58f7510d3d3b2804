// An edit box with content, text and background colours, a character-input
// event that can discard what is typed, and a display-only mode in which the
// user can read, select and copy but not change the content (the program
// still writes it). Numbers go in and out as number text. ContentChanged fires for every change of the content,
// also those the program makes.
#pragma once

#include <cstdint>

#include "text/number_text.h"
#include "ui/control.h"

namespace ui {

struct EditBoxStyle {
    bool multiline = false;
    bool wrap = true;  // multi-line only
    bool displayOnly = false;
};

class EditBox : public Control {
public:
    EditBox(Form& form, std::string_view name, Bounds bounds, int page, EditBoxStyle style);
    void Create() override;
    bool OnCommand(WORD code) override;

    std::string Content() const { return Caption(); }
    void SetContent(std::string_view text) { SetCaption(text); }
    // The content read as the number it holds (a handle, id, coordinate),
    // and a whole number written as its canonical text.
    std::int32_t Number() const { return text::TextToInt32(Content()); }
    void SetNumber(std::int64_t value) { SetContent(text::IntegerToText(value)); }
    bool DisplayOnly() const { return style_.displayOnly; }

    std::function<void()> ContentChanged;
    // Called for every typed character; return false to discard it.
    std::function<bool(wchar_t)> CharInput;
    // When set, replaces the box's own context menu: called with the screen
    // point where the menu belongs (the cursor, or the box's corner when the
    // keyboard asked for it).
    std::function<void(POINT screen)> ContextMenuRequested;
    void SelectAll();
    // Whether the box has the keyboard focus (the user may be typing in it).
    bool Focused() const { return Handle() && GetFocus() == Handle(); }
    // Puts the caret after the last character.
    void MoveCaretToEnd();
    // For a box that grows as a log does: adds `text` after the last
    // character, with the caret and the view at the end, without setting
    // the rest again; no length limit applies. RemoveFirstLines takes the
    // first `count` lines out.
    void AppendText(std::string_view text);
    void RemoveFirstLines(int count);
    // Draws the content in the form's font, made smaller where needed, so
    // that `sample` (say the widest number the box shows) fits in full
    // within the box; at every DPI.
    void FitText(std::string sample);
    void OnDpiChanged() override;

protected:
    base::Colour DefaultBackground() const override { return 0xFFFFFF; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void ApplyFittedFont();

    EditBoxStyle style_;
    std::string fitSample_;
    win::OwnedFont fittedFont_;
};

}  // namespace ui
