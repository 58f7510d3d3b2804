#include "capture/window_image.h"

#include "util/bitmap.h"
#include "util/core/image_format.h"
#include "util/image_file.h"
#include "util/wide_text.h"
#include "util/window_query.h"

namespace capture {
namespace {

core::ByteSet TargetImage(HWND target) {
    core::ByteSet image = util::CaptureWindowImage(target, 0, 0, -1, -1, true, 24);
    if (image.empty()) image = util::CaptureWindowImage(target, 0, 0, -1, -1, false, 24);
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
    util::FocusWindow(util::FromHwnd(target));
    main_.Show(SW_MINIMIZE);
    pending_ = std::move(take);
    settle_->Start(kSettleMs);
}

void WindowImageActions::CopyToClipboard(HWND target) {
    if (!util::WindowExists(util::FromHwnd(target))) return;
    Prepare(target, [this, target] {
        // Our own window owns what goes on the clipboard.
        const HWND owner = main_.Handle();
        bool ok = util::CopyBitmapToClipboard(util::CaptureWindowImage(target, 0, 0, -1, -1, true, 24), owner);
        if (!ok) ok = util::CopyBitmapToClipboard(util::CaptureWindowImage(target, 0, 0, -1, -1, false, 24), owner);
        if (Finished) Finished(ok);
    });
}

void WindowImageActions::SaveToFile(HWND target, ui::FileDialog& dialog) {
    if (!util::WindowExists(util::FromHwnd(target)) || !dialog.Show(true)) return;
    const std::string name = dialog.fileName;
    Prepare(target, [this, target, name] {
        const core::ImageFormat format = core::FormatOfFileName(name).value_or(core::ImageFormat::Bmp);
        const bool ok = util::SaveImageFile(TargetImage(target), util::Wide(name), format);
        if (Finished) Finished(ok);
    });
}

}  // namespace capture
