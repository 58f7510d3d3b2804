#include "app/program_resources.h"

#include "app/core/program_images.h"
#include "util/image_objects.h"

namespace app {

ProgramResources::ProgramResources()
    : finderCursor_(util::CreateCursorFromImage(core::FinderCursorImage(), 0, 0)),
      handCursor_(util::CreateCursorFromImage(core::HandCursorImage(), 0, 0)),
      icon_(util::CreateIconFromImage(core::ProgramIconImage(GetSystemMetrics(SM_CXICON)))),
      smallIcon_(util::CreateIconFromImage(core::ProgramIconImage(GetSystemMetrics(SM_CXSMICON)))) {}

const ProgramResources::CaptureCursors& ProgramResources::SelectionCursors() const {
    if (!captureStart_) {
        captureStart_ = util::CreateCursorFromImage(core::SelectionStartCursorImage(), 0, 0);
        captureInside_ = util::CreateCursorFromImage(core::SelectionInsideCursorImage(), 0, 0);
        captureOutside_ = util::CreateCursorFromImage(core::SelectionOutsideCursorImage(), 0, 0);
        captureCursors_ = {captureStart_.Get(), captureInside_.Get(), captureOutside_.Get()};
    }
    return captureCursors_;
}

}  // namespace app
