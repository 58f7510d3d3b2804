// Text on the clipboard, as Unicode text (Windows supplies the code-page
// form for older programs).
#pragma once

#include <string>

namespace win {

// Puts the text on the clipboard (the empty text too); false when the
// clipboard could not be opened.
bool CopyTextToClipboard(const std::string& text);
// The clipboard's text; "" when it holds none.
std::string ClipboardText();

}  // namespace win
