#include "capture/save_window.h"

namespace capture {

bool SaveWindow::Create() { return CreateAt(frozen_.Area(), nullptr, 0); }

void SaveWindow::Paint(HDC dc, const RECT& dirty) {
    const base::Rect part{screen_.left + dirty.left, screen_.top + dirty.top, screen_.left + dirty.right,
                          screen_.top + dirty.bottom};
    frozen_.Draw(dc, {dirty.left, dirty.top}, part);
}

}  // namespace capture
