// Cursors and the icon the program draws for itself at start-up. They live
// as long as this object.
#pragma once

#include <windows.h>

namespace app {

class ProgramResources {
public:
    ProgramResources();
    ~ProgramResources();
    ProgramResources(const ProgramResources&) = delete;
    ProgramResources& operator=(const ProgramResources&) = delete;

    HCURSOR FinderCursor() const { return finderCursor_; }
    HCURSOR HandCursor() const { return handCursor_; }
    HICON ProgramIcon() const { return icon_; }
    HICON SmallProgramIcon() const { return smallIcon_; }
    // The region capture's cursors (start, inside, outside the selection),
    // made when first asked for.
    struct CaptureCursors {
        HCURSOR start = nullptr, inside = nullptr, outside = nullptr;
    };
    const CaptureCursors& SelectionCursors() const;

private:
    HCURSOR finderCursor_;
    HCURSOR handCursor_;
    HICON icon_;
    HICON smallIcon_;
    mutable CaptureCursors captureCursors_;
};

}  // namespace app
