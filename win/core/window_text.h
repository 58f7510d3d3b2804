// What a window's text is, by its class: where the window tree takes a
// title from, and which controls take typed text as their content.
//
// The window system keeps a copy of every window's title (the text given
// when it was made and every WM_SETTEXT that reached DefWindowProc), which
// can be read without asking the window's program: no round trip, and a
// hung program costs nothing. Windows that keep their text themselves (an
// edit's content, a combo box's edit, rich edits, Scintilla, IP address and
// date pickers, and the wrappers of other toolkits around them: VCL's TEdit
// and TMemo, VB's ThunderTextBox, WinForms' WindowsForms10.EDIT) answer
// WM_GETTEXT with a text the copy does not follow: those are asked.
//
// The test is generous on purpose: asking a window that did not need it
// only costs time, while not asking one that did shows a stale text.
#pragma once

#include <string_view>

namespace win::core {

// Whether a window of this class must be asked for its text (WM_GETTEXT).
bool KeepsItsOwnText(std::string_view className);

// Whether what is typed into a window of this class is its text, so that
// setting the text (WM_SETTEXT) does what the typing did: edits, rich
// edits, memos and text boxes of other toolkits, Scintilla. Not combo
// boxes (typing there chooses an item) nor pickers.
bool TakesTypedText(std::string_view className);

}  // namespace win::core
