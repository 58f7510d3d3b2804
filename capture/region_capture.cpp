#include "capture/region_capture.h"

#include "capture/core/capture_geometry.h"
#include "imaging/bitmap.h"
#include "imaging/image_file.h"
#include "ui/file_dialog.h"
#include "win/program_files.h"
#include "win/wide_text.h"

namespace capture {
namespace {

// The save dialog, opening in the Desktop folder; the format is the one the
// file name asks for, else the chosen filter's (its extension added).
std::optional<SaveChoice> AskWhereToSave(SelectionWindow& owner) {
    ui::FileDialog& dialog = owner.SaveDialog();
    dialog.filter = core::CaptureSaveFilter();
    dialog.initialDirectory = win::Utf8(win::DesktopFolder());
    dialog.filterIndex = 1;
    dialog.fileName.clear();
    if (!dialog.Show(true)) return std::nullopt;
    SaveChoice choice;
    std::string name = dialog.fileName;
    if (const auto asked = imaging::core::FormatOfFileName(name)) {
        choice.format = *asked;
    } else {
        choice.format = core::FormatOfFilterIndex(dialog.filterIndex);
        name += "." + imaging::core::ExtensionOf(choice.format);
    }
    choice.path = win::Wide(name);
    return choice;
}

}  // namespace

RegionCapture::RegionCapture(SelectionCursors cursors) : cursors_(cursors) {}

RegionCapture::~RegionCapture() { CloseAll(); }

bool RegionCapture::Show() {
    if (Open()) return true;
    CloseAll();
    lens_.reset();
    selection_.reset();
    save_.reset();
    state_ = {};
    if (!frozen_.Take()) return false;

    save_ = std::make_unique<SaveWindow>(frozen_);
    selection_ = std::make_unique<SelectionWindow>(frozen_, state_, cursors_);
    lens_ = std::make_unique<ZoomLens>(frozen_);
    POINT cursor;
    GetCursorPos(&cursor);
    if (!save_->Create() || !selection_->Create(save_->Handle()) ||
        !lens_->Create(selection_->Handle(), {cursor.x, cursor.y})) {
        CloseAll();
        return false;
    }
    for (CaptureWindow* w : {static_cast<CaptureWindow*>(save_.get()), static_cast<CaptureWindow*>(selection_.get()),
                             static_cast<CaptureWindow*>(lens_.get())}) {
        w->EscapePressed = [this] { CloseAll(); };
    }
    selection_->CursorMoved = [this](base::Point p) {
        if (lens_->Handle() && IsWindowVisible(lens_->Handle())) lens_->Follow(p, state_.Label());
    };
    selection_->Released = [this] { lens_->Show(SW_HIDE); };
    selection_->SaveAsked = [this] { SaveSelection(); };
    selection_->CopyAsked = [this] { CopySelection(); };
    selection_->RightReleased = [this] { selection_->Destroy(); };
    selection_->HoverAt({cursor.x, cursor.y});  // the window under the cursor framed from the start

    // Each window paints the frozen image before it is seen: no flash of
    // the live screen.
    save_->Show(SW_SHOWNOACTIVATE);
    UpdateWindow(save_->Handle());
    selection_->Show(SW_SHOW);
    UpdateWindow(selection_->Handle());
    lens_->Follow({cursor.x, cursor.y}, state_.Label());
    lens_->Show(SW_SHOWNOACTIVATE);
    SetForegroundWindow(selection_->Handle());
    SetFocus(selection_->Handle());
    return true;
}

void RegionCapture::CloseAll() {
    if (save_) save_->Destroy();
    if (selection_) selection_->Destroy();
    if (lens_) lens_->Destroy();
    frozen_.Release();
}

void RegionCapture::SaveSelection() {
    const imaging::core::ByteSet cut = frozen_.Cut(state_.Selected());
    selection_->MakeClear();
    std::optional<SaveChoice> choice = chooseFile ? chooseFile(selection_->Handle()) : AskWhereToSave(*selection_);
    // The file is in place before the capture closes: once its windows are
    // gone, the save is done.
    const bool ok = choice && imaging::SaveImageFile(cut, choice->path, choice->format);
    CloseAll();
    if (choice && Finished) Finished(ok);
}

void RegionCapture::CopySelection() {
    const imaging::core::ByteSet cut = frozen_.Cut(state_.Selected());
    CloseAll();
    const bool ok = imaging::CopyBitmapToClipboard(cut, clipboardOwner);
    if (Finished) Finished(ok);
}

}  // namespace capture
