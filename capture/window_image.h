// The window-image buttons of the inspector: the target window's image to
// the clipboard (`超级按钮_截图`) or to a file (`超级按钮_截图2`).
//
// Both bring the target to the front and minimise the main window first;
// the image is taken a moment later, once the windows have repainted. The
// window's own drawing is tried first, the screen as displayed after that.
// A window that does not exist does nothing; a minimised one gives no image,
// and then no file is written and nothing is put on the clipboard.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "ui/file_dialog.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace capture {

class WindowImageActions {
public:
    explicit WindowImageActions(ui::Form& mainWindow);

    void CopyToClipboard(HWND target);
    // Asks for the file with the dialog first; its filter stays as it is.
    void SaveToFile(HWND target, ui::FileDialog& dialog);

    // Told when an image was put on the clipboard or written (or not).
    std::function<void(bool ok)> Finished;

private:
    // Fronts the target, minimises the main window, and runs `take` once the
    // screen has settled.
    void Prepare(HWND target, std::function<void()> take);

    ui::Form& main_;
    std::unique_ptr<ui::Timer> settle_;
    std::function<void()> pending_;
};

// Time for the windows to repaint after one was minimised and another
// brought to the front, before the screen is read.
inline constexpr UINT kSettleMs = 150;

}  // namespace capture
