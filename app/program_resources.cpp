#include "app/program_resources.h"

#include "app/core/program_images.h"
#include "util/image_objects.h"

namespace app {

ProgramResources::ProgramResources()
    : finderCursor_(util::CreateCursorFromImage(core::FinderCursorImage(), 0, 0)),
      handCursor_(util::CreateCursorFromImage(core::HandCursorImage(), 0, 0)),
      icon_(util::CreateIconFromImage(core::ProgramIconImage(GetSystemMetrics(SM_CXICON)))),
      smallIcon_(util::CreateIconFromImage(core::ProgramIconImage(GetSystemMetrics(SM_CXSMICON)))) {}

ProgramResources::~ProgramResources() {
    DestroyCursor(finderCursor_);
    DestroyCursor(handCursor_);
    DestroyIcon(icon_);
    DestroyIcon(smallIcon_);
    for (HCURSOR c : {captureCursors_.start, captureCursors_.inside, captureCursors_.outside}) {
        if (c) DestroyCursor(c);
    }
}

const ProgramResources::CaptureCursors& ProgramResources::SelectionCursors() const {
    if (!captureCursors_.start) {
        captureCursors_.start = util::CreateCursorFromImage(core::SelectionStartCursorImage(), 0, 0);
        captureCursors_.inside = util::CreateCursorFromImage(core::SelectionInsideCursorImage(), 0, 0);
        captureCursors_.outside = util::CreateCursorFromImage(core::SelectionOutsideCursorImage(), 0, 0);
    }
    return captureCursors_;
}

}  // namespace app
