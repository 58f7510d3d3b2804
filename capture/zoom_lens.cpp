#include "capture/zoom_lens.h"

#include "win/scoped.h"
#include "win/wide_text.h"

namespace capture {
namespace {

constexpr int kLabelHeight = 23;  // the lens board starts below it
constexpr COLORREF kCrossHair = RGB(0, 120, 215);
constexpr int kCrossWidth = 4;

}  // namespace

bool ZoomLens::Create(HWND owner, base::Point cursor) {
    cursor_ = cursor;
    place_ = core::NextLensPlace(frozen_.Monitors(), std::nullopt, cursor);
    const base::Point at = place_->topLeft;
    return CreateAt({at.x, at.y, at.x + core::kLensWidth, at.y + core::kLensHeight}, owner, WS_EX_NOACTIVATE);
}

void ZoomLens::Follow(base::Point cursor, const std::string& label) {
    cursor_ = cursor;
    label_ = label;
    const core::LensPlace next = core::NextLensPlace(frozen_.Monitors(), place_, cursor);
    if (next.topLeft.x != place_->topLeft.x || next.topLeft.y != place_->topLeft.y) {
        SetWindowPos(Handle(), HWND_TOPMOST, next.topLeft.x, next.topLeft.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    }
    place_ = next;
    InvalidateRect(Handle(), nullptr, FALSE);
    UpdateWindow(Handle());
}

void ZoomLens::Paint(HDC dc, const RECT&) {
    // Drawn off screen first, so the lens never flickers while it follows.
    const win::OwnedBitmap buffer(CreateCompatibleBitmap(dc, core::kLensWidth, core::kLensHeight));
    const win::MemoryDC dcMemory(dc);
    if (!dcMemory.Select(buffer.Get())) return;
    const HDC memory = dcMemory.Get();

    RECT labelRect{0, 0, core::kLensWidth, kLabelHeight};
    FillRect(memory, &labelRect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const std::wstring text = win::Wide(label_);
    SelectObject(memory, Font());  // put back as the memory DC goes
    SetBkMode(memory, TRANSPARENT);
    SetTextColor(memory, RGB(0, 0, 0));
    DrawTextW(memory, text.c_str(), static_cast<int>(text.size()), &labelRect, DT_CENTER | DT_VCENTER | DT_SINGLELINE);

    const RECT board{0, kLabelHeight, core::kLensBoardSize, kLabelHeight + core::kLensBoardSize};
    RECT black = board;
    FillRect(memory, &black, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));  // off the screen's edge
    const base::Rect source = core::LensSource(cursor_);
    const base::ClippedCopy part = base::ClipCopy(source, frozen_.Area());
    if (!part.source.Empty()) {
        // 2.2 board pixels per screen pixel; the clipped part keeps its place.
        const int scale10 = core::kLensBoardSize * 10 / core::kLensSourceSize;
        const RECT target{board.left + part.at.x * scale10 / 10, board.top + part.at.y * scale10 / 10,
                          board.left + (part.at.x + part.source.Width()) * scale10 / 10,
                          board.top + (part.at.y + part.source.Height()) * scale10 / 10};
        frozen_.DrawStretched(memory, target, part.source);
    }
    // The cross-hair through the cursor pixel's block.
    const int centre = core::kLensCursorAt * core::kLensBoardSize / core::kLensSourceSize;
    const win::OwnedBrush cross(CreateSolidBrush(kCrossHair));
    const RECT across{1, board.top + centre, core::kLensBoardSize - 1, board.top + centre + kCrossWidth};
    const RECT down{centre, board.top + 1, centre + kCrossWidth, board.bottom - 1};
    FrameRect(memory, &across, cross.Get());
    FrameRect(memory, &down, cross.Get());

    BitBlt(dc, 0, 0, core::kLensWidth, core::kLensHeight, memory, 0, 0, SRCCOPY);
}

}  // namespace capture
