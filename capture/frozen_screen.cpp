#include "capture/frozen_screen.h"

#include "util/bitmap.h"

namespace capture {

std::vector<core::Rect> MonitorRects() {
    std::vector<core::Rect> monitors;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR monitor, HDC, LPRECT, LPARAM data) -> BOOL {
            MONITORINFO info{};
            info.cbSize = sizeof info;
            if (!GetMonitorInfoW(monitor, &info)) return TRUE;
            auto& list = *reinterpret_cast<std::vector<core::Rect>*>(data);
            const core::Rect r{info.rcMonitor.left, info.rcMonitor.top, info.rcMonitor.right, info.rcMonitor.bottom};
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
    area_ = util::VirtualScreenRect();
    monitors_ = MonitorRects();
    if (monitors_.empty()) monitors_.push_back(area_);
    bitmap_ = util::CaptureClientToBitmap(nullptr, 24);
    if (!bitmap_) return false;
    dc_ = CreateCompatibleDC(nullptr);
    old_ = SelectObject(dc_, bitmap_);
    return true;
}

void FrozenScreen::Release() {
    if (dc_) {
        SelectObject(dc_, old_);
        DeleteDC(dc_);
        dc_ = nullptr;
    }
    util::DeleteBitmap(bitmap_);
    bitmap_ = nullptr;
}

void FrozenScreen::Draw(HDC to, POINT at, const core::Rect& screen) const {
    if (!dc_) return;
    BitBlt(to, at.x, at.y, screen.Width(), screen.Height(), dc_, screen.left - area_.left, screen.top - area_.top,
           SRCCOPY);
}

void FrozenScreen::DrawStretched(HDC to, const RECT& target, const core::Rect& screen) const {
    if (!dc_) return;
    SetStretchBltMode(to, COLORONCOLOR);
    StretchBlt(to, target.left, target.top, target.right - target.left, target.bottom - target.top, dc_,
               screen.left - area_.left, screen.top - area_.top, screen.Width(), screen.Height(), SRCCOPY);
}

core::ByteSet FrozenScreen::Cut(const core::Rect& screen) const {
    // Selected out of the DC first: a bitmap can be read only while no DC
    // holds it.
    if (!bitmap_ || screen.Empty()) return {};
    SelectObject(dc_, old_);
    HBITMAP cut = nullptr;
    util::CropBitmap(bitmap_, cut, screen.left - area_.left, screen.top - area_.top, screen.Width(), screen.Height());
    SelectObject(dc_, bitmap_);
    core::ByteSet bytes = util::BitmapToBytes(cut);
    util::DeleteBitmap(cut);
    return bytes;
}

}  // namespace capture
