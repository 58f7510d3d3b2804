#include "app/program_resources.h"

#include "app/core/program_images.h"
#include "imaging/image_objects.h"

namespace app {

ProgramResources::ProgramResources()
    : finderCursor_(imaging::CreateCursorFromImage(core::FinderCursorImage(), 0, 0)),
      handCursor_(imaging::CreateCursorFromImage(core::HandCursorImage(), 0, 0)),
      icon_(imaging::CreateIconFromImage(core::ProgramIconImage(GetSystemMetrics(SM_CXICON)))),
      smallIcon_(imaging::CreateIconFromImage(core::ProgramIconImage(GetSystemMetrics(SM_CXSMICON)))) {}

const ProgramResources::CaptureCursors& ProgramResources::SelectionCursors() const {
    if (!captureStart_) {
        captureStart_ = imaging::CreateCursorFromImage(core::SelectionStartCursorImage(), 0, 0);
        captureInside_ = imaging::CreateCursorFromImage(core::SelectionInsideCursorImage(), 0, 0);
        captureOutside_ = imaging::CreateCursorFromImage(core::SelectionOutsideCursorImage(), 0, 0);
        captureCursors_ = {captureStart_.Get(), captureInside_.Get(), captureOutside_.Get()};
    }
    return captureCursors_;
}

}  // namespace app
