// The region capture: the screen frozen over every monitor, a rectangle
// dragged on it, saved (double click) as BMP, JPEG or PNG through the save
// dialog, or copied (Ctrl+C) to the clipboard.
//
// Show() grabs the screen and opens the save window with the frozen image,
// the selection window over it and the zoom lens; CloseAll() closes them
// (save window, selection window, lens, in this order). Esc closes them
// from any window and state.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "capture/core/selection_state.h"
#include "capture/frozen_screen.h"
#include "capture/save_window.h"
#include "capture/selection_window.h"
#include "capture/zoom_lens.h"
#include "imaging/core/image_format.h"

namespace capture {

struct SaveChoice {
    std::wstring path;
    imaging::core::ImageFormat format = imaging::core::ImageFormat::Bmp;
};

class RegionCapture {
public:
    explicit RegionCapture(SelectionCursors cursors);
    ~RegionCapture();

    bool Show();
    // The windows are destroyed at once; the objects stay until the next
    // capture or the end, so that a window's own handler may close them.
    void CloseAll();
    bool Open() const { return save_ && save_->Handle(); }

    SaveWindow* Save() { return save_.get(); }
    SelectionWindow* Selection() { return selection_.get(); }
    ZoomLens* Lens() { return lens_.get(); }
    const core::SelectionState& State() const { return state_; }

    // Asks where to save the selection; none when cancelled. The save
    // dialog by default (opening in the user's Desktop folder); replaceable
    // for tests.
    std::function<std::optional<SaveChoice>(HWND owner)> chooseFile;
    // Told after a save or copy: the file or the clipboard, and whether it
    // worked.
    std::function<void(bool ok)> Finished;
    // The window that owns what Ctrl+C puts on the clipboard (one that
    // outlives the capture's own windows).
    HWND clipboardOwner = nullptr;

private:
    void SaveSelection();
    void CopySelection();

    SelectionCursors cursors_;
    FrozenScreen frozen_;
    core::SelectionState state_;
    std::unique_ptr<SaveWindow> save_;
    std::unique_ptr<SelectionWindow> selection_;
    std::unique_ptr<ZoomLens> lens_;
};

}  // namespace capture
