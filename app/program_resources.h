// Cursors and the icon the program draws for itself at start-up. They live
// as long as this object.
#pragma once

#include <windows.h>

#include "win/scoped.h"

namespace app {

class ProgramResources {
public:
    ProgramResources();
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    HCURSOR FinderCursor() const { return finderCursor_.Get(); }
    HCURSOR HandCursor() const { return handCursor_.Get(); }
    HICON ProgramIcon() const { return icon_.Get(); }
    HICON SmallProgramIcon() const { return smallIcon_.Get(); }
    // The region capture's cursors (start, inside, outside the selection),
    // made when first asked for.
    struct CaptureCursors {
        HCURSOR start = nullptr, inside = nullptr, outside = nullptr;
    };
    const CaptureCursors& SelectionCursors() const;

private:
    win::OwnedCursor finderCursor_;
    win::OwnedCursor handCursor_;
    win::OwnedIcon icon_;
    win::OwnedIcon smallIcon_;
    mutable win::OwnedCursor captureStart_, captureInside_, captureOutside_;
    mutable CaptureCursors captureCursors_;
};

}  // namespace app
