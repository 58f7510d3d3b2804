#include "ui/drawing_board.h"

#include <vector>

#include "imaging/image_objects.h"
#include "ui/form.h"
#include "win/wide_text.h"

namespace ui {
namespace {

constexpr wchar_t kBoardClass[] = L"TavrinDrawingBoard";

void RegisterBoardClass() {
    static const bool registered = [] {
        WNDCLASSEXW wc = {};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;  // the control's subclass paints it
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kBoardClass;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

}  // namespace

DrawingBoard::DrawingBoard(Form& form, std::string_view name, Bounds bounds, int page)
    : Control(form, name, bounds, page) {}

DrawingBoard::~DrawingBoard() = default;

DrawingBoard::Surface::Surface(int w, int h)
    : bitmap(CreateCompatibleBitmap(win::WindowDC().Get(), w, h)), width(w), height(h) {
    dc.Select(bitmap.Get());
}

void DrawingBoard::Create() {
    RegisterBoardClass();
    CreateWindowOf(kBoardClass, 0, 0, "");
    CreateSurface();
    Clear();
}

void DrawingBoard::CreateSurface() {
    auto made = std::make_unique<Surface>(D(Width()), D(Height()));
    // Keep the drawings: the old picture stretched onto the new surface.
    if (surface_) {
        SetStretchBltMode(made->dc.Get(), COLORONCOLOR);
        StretchBlt(made->dc.Get(), 0, 0, made->width, made->height, surface_->dc.Get(), 0, 0, surface_->width,
                   surface_->height, SRCCOPY);
    }
    surface_ = std::move(made);
    dc_ = surface_->dc.Get();
    surfaceWidth_ = surface_->width;
    surfaceHeight_ = surface_->height;
}

void DrawingBoard::OnDpiChanged() {
    Control::OnDpiChanged();
    CreateSurface();
    Changed();
}

void DrawingBoard::Changed() const {
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT DrawingBoard::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) {
    if (message == WM_ERASEBKGND) {
        handled = true;
        return 1;
    }
    if (message == WM_PAINT) {
        const win::PaintDC paint(Handle());
        BitBlt(paint.Get(), 0, 0, surfaceWidth_, surfaceHeight_, dc_, 0, 0, SRCCOPY);
        handled = true;
        return 0;
    }
    return Control::OnMessage(message, wParam, lParam, handled);
}

void DrawingBoard::SetBackgroundColour(base::Colour colour) {
    boardBackground_ = colour;
    Clear();
}

void DrawingBoard::Clear() {
    if (!dc_) return;
    const win::OwnedBrush brush(CreateSolidBrush(ToColorref(boardBackground_)));
    RECT all = {0, 0, surfaceWidth_, surfaceHeight_};
    FillRect(dc_, &all, brush.Get());
    DrawPicture();
    Changed();
}

void DrawingBoard::SetBackgroundPicture(imaging::core::ByteSet bmp) {
    picture_ = std::move(bmp);
    pictureBitmap_ = imaging::CreateBitmapFromBmp(picture_);
    DrawPicture();
    Changed();
}

void DrawingBoard::DrawPicture() {
    if (!dc_ || !pictureBitmap_) return;
    BITMAP info;
    if (!GetObjectW(pictureBitmap_.Get(), sizeof info, &info)) return;
    const win::MemoryDC source(dc_);
    if (!source.Select(pictureBitmap_.Get())) return;
    SetStretchBltMode(dc_, COLORONCOLOR);
    StretchBlt(dc_, 0, 0, D(info.bmWidth), D(info.bmHeight), source.Get(), 0, 0, info.bmWidth, info.bmHeight,
               SRCCOPY);
}

template <typename Draw>
void DrawingBoard::WithPenAndBrush(Draw draw) {
    if (!dc_) return;
    const win::OwnedPen pen(CreatePen(PS_INSIDEFRAME, D(1), ToColorref(pen_)));
    const win::OwnedBrush fill(fill_ ? CreateSolidBrush(ToColorref(*fill_)) : nullptr);
    {
        const win::DcState state(dc_);
        SelectObject(dc_, pen.Get());
        SelectObject(dc_, fill ? static_cast<HGDIOBJ>(fill.Get()) : GetStockObject(NULL_BRUSH));
        draw();
    }
    Changed();
}

void DrawingBoard::FillBlocks(int left, int top, int right, int bottom, base::Colour colour) {
    // Board pixels [left, right) x [top, bottom) as whole screen-pixel blocks.
    if (!dc_ || left >= right || top >= bottom) return;
    RECT r = {D(left), D(top), D(right), D(bottom)};
    const win::OwnedBrush brush(CreateSolidBrush(ToColorref(colour)));
    FillRect(dc_, &r, brush.Get());
    Changed();
}

void DrawingBoard::Line(int x1, int y1, int x2, int y2) {
    // Like LineTo, the end point is not drawn. Straight lines are drawn as
    // blocks so that each board pixel stays one block at any DPI.
    if (y1 == y2) {
        FillBlocks(x1 < x2 ? x1 : x2 + 1, y1, x1 < x2 ? x2 : x1 + 1, y1 + 1, pen_);
        return;
    }
    if (x1 == x2) {
        FillBlocks(x1, y1 < y2 ? y1 : y2 + 1, x1 + 1, y1 < y2 ? y2 : y1 + 1, pen_);
        return;
    }
    WithPenAndBrush([&] {
        MoveToEx(dc_, D(x1), D(y1), nullptr);
        LineTo(dc_, D(x2), D(y2));
    });
}

void DrawingBoard::Rectangle(int left, int top, int right, int bottom) {
    if (fill_) FillBlocks(left, top, right, bottom, *fill_);
    FillBlocks(left, top, right, top + 1, pen_);
    FillBlocks(left, bottom - 1, right, bottom, pen_);
    FillBlocks(left, top, left + 1, bottom, pen_);
    FillBlocks(right - 1, top, right, bottom, pen_);
}

void DrawingBoard::Ellipse(int left, int top, int right, int bottom) {
    WithPenAndBrush([&] { ::Ellipse(dc_, D(left), D(top), D(right), D(bottom)); });
}

void DrawingBoard::Polygon(const base::Point* points, std::size_t count) {
    std::vector<POINT> scaled(count);
    for (std::size_t i = 0; i < count; ++i) scaled[i] = {D(points[i].x), D(points[i].y)};
    WithPenAndBrush([&] { ::Polygon(dc_, scaled.data(), static_cast<int>(scaled.size())); });
}

void DrawingBoard::SetPixel(int x, int y, base::Colour colour) { FillBlocks(x, y, x + 1, y + 1, colour); }

base::Colour DrawingBoard::GetPixel(int x, int y) const {
    if (!dc_) return 0;
    const COLORREF c = ::GetPixel(dc_, D(x), D(y));
    return c == CLR_INVALID ? 0 : static_cast<base::Colour>(c);
}

void DrawingBoard::DrawText(int x, int y, std::string_view text) {
    if (!dc_) return;
    const std::wstring wide = win::Wide(text);
    {
        const win::DcState state(dc_);
        SelectObject(dc_, form_.Font());
        SetBkMode(dc_, TRANSPARENT);
        SetTextColor(dc_, ToColorref(textColour_));
        TextOutW(dc_, D(x), D(y), wide.c_str(), static_cast<int>(wide.size()));
    }
    Changed();
}

void DrawingBoard::DrawImageOf(const DrawingBoard& source, int x, int y) {
    if (!dc_ || !source.dc_) return;
    BitBlt(dc_, D(x), D(y), source.surfaceWidth_, source.surfaceHeight_, source.dc_, 0, 0, SRCCOPY);
    Changed();
}

}  // namespace ui
