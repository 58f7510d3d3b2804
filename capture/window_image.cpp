#include "capture/window_image.h"

#include "imaging/bitmap.h"
#include "imaging/core/image_format.h"
#include "imaging/image_file.h"
#include "win/wide_text.h"
#include "win/window_query.h"

namespace capture {
namespace {

imaging::core::ByteSet TargetImage(HWND target) {
    imaging::core::ByteSet image = imaging::CaptureWindowImage(target, 0, 0, -1, -1, true, 24);
    if (image.empty()) image = imaging::CaptureWindowImage(target, 0, 0, -1, -1, false, 24);
    return image;
}

}  // namespace

WindowImageActions::WindowImageActions(ui::Form& mainWindow)
    : main_(mainWindow), settle_(std::make_unique<ui::Timer>(mainWindow, [this] {
          settle_->Stop();
          auto take = std::move(pending_);
          pending_ = nullptr;
          if (take) take();
      })) {}

void WindowImageActions::Prepare(HWND target, std::function<void()> take) {
    win::FocusWindow(win::FromHwnd(target));
    main_.Show(SW_MINIMIZE);
    pending_ = std::move(take);
    settle_->Start(kSettleMs);
}

void WindowImageActions::CopyToClipboard(HWND target) {
    if (!win::WindowExists(win::FromHwnd(target))) return;
    Prepare(target, [this, target] {
        // Our own window owns what goes on the clipboard.
        const HWND owner = main_.Handle();
        bool ok = imaging::CopyBitmapToClipboard(imaging::CaptureWindowImage(target, 0, 0, -1, -1, true, 24), owner);
        if (!ok) ok = imaging::CopyBitmapToClipboard(imaging::CaptureWindowImage(target, 0, 0, -1, -1, false, 24), owner);
        if (Finished) Finished(ok);
    });
}

void WindowImageActions::SaveToFile(HWND target, ui::FileDialog& dialog) {
    if (!win::WindowExists(win::FromHwnd(target)) || !dialog.Show(true)) return;
    const std::string name = dialog.fileName;
    Prepare(target, [this, target, name] {
        const imaging::core::ImageFormat format = imaging::core::FormatOfFileName(name).value_or(imaging::core::ImageFormat::Bmp);
        const bool ok = imaging::SaveImageFile(TargetImage(target), win::Wide(name), format);
        if (Finished) Finished(ok);
    });
}

}  // namespace capture
