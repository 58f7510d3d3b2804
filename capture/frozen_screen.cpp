#include "capture/frozen_screen.h"

#include "capture/window_snapshot.h"
#include "imaging/bitmap.h"

namespace capture {

std::vector<base::Rect> MonitorRects() {
    std::vector<base::Rect> monitors;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
            MONITORINFO info{};
            info.cbSize = sizeof info;
            if (!GetMonitorInfoW(monitor, &info)) return TRUE;
            auto& list = *reinterpret_cast<std::vector<base::Rect>*>(data);
            const base::Rect r{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
            if (info.dwFlags & MONITORINFOF_PRIMARY) {
                list.insert(list.begin(), r);
            } else {
                list.push_back(r);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&monitors));
    return monitors;
}

FrozenScreen::~FrozenScreen() { Release(); }

bool FrozenScreen::Take() {
    Release();
    area_ = imaging::VirtualScreenRect();
    monitors_ = MonitorRects();
    if (monitors_.empty()) monitors_.push_back(area_);
    auto surface = std::make_unique<Surface>();
    surface->bitmap = imaging::CaptureClientToBitmap(nullptr, 24);
    if (!surface->dc.Select(surface->bitmap.Get())) return false;
    surface_ = std::move(surface);
    dc_ = surface_->dc.Get();
    windows_ = VisibleWindowSnapshot();
    return true;
}

void FrozenScreen::Release() {
    surface_.reset();
    dc_ = nullptr;
    windows_.clear();
}

void FrozenScreen::Draw(HDC to, POINT at, const base::Rect& screen) const {
    if (!dc_) return;
    BitBlt(to, at.x, at.y, screen.Width(), screen.Height(), dc_, screen.left - area_.left, screen.top - area_.top,
           SRCCOPY);
}

void FrozenScreen::DrawStretched(HDC to, const RECT& target, const base::Rect& screen) const {
    if (!dc_) return;
    SetStretchBltMode(to, COLORONCOLOR);
    StretchBlt(to, target.left, target.top, target.right - target.left, target.bottom - target.top, dc_,
               screen.left - area_.left, screen.top - area_.top, screen.Width(), screen.Height(), SRCCOPY);
}

imaging::core::ByteSet FrozenScreen::Cut(const base::Rect& screen) const {
    if (!dc_ || screen.Empty()) return {};
    const base::Rect inImage = {screen.left - area_.left, screen.top - area_.top, screen.right - area_.left,
                                screen.bottom - area_.top};
    const base::Rect whole = {0, 0, area_.Width(), area_.Height()};
    return imaging::BitmapToBytes(imaging::CopyFromDc(dc_, inImage, whole, 24).Get());
}

}  // namespace capture
