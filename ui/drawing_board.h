// A drawing board: a control whose drawings persist. Everything drawn goes
// to an off-screen picture that the window shows, so the drawings survive
// being covered, and pixels can be read back.
//
// Coordinates are board pixels at 96 DPI; at other DPIs each board pixel
// covers a block of screen pixels. The board has a background colour, a
// background picture (a BMP byte set drawn from the top-left corner and kept
// by Clear), and pen, fill and text colours. Setting the background colour
// repaints the board in it, which erases the drawings.
#pragma once

#include <memory>
#include <optional>

#include "imaging/core/bmp.h"
#include "ui/control.h"

namespace ui {

class DrawingBoard : public Control, public base::Canvas {
public:
    DrawingBoard(Form& form, std::string_view name, Bounds bounds, int page);
    ~DrawingBoard() override;
    void Create() override;
    void OnDpiChanged() override;

    // core::Canvas
    base::Colour BackgroundColour() const override { return boardBackground_; }
    void SetBackgroundColour(base::Colour colour) override;
    void Clear() override;
    base::Colour PenColour() const override { return pen_; }
    void SetPenColour(base::Colour colour) override { pen_ = colour; }
    void SetFillColour(base::Colour colour) override { fill_ = colour; }
    void SetTextColour(base::Colour colour) override { textColour_ = colour; }
    void Line(int x1, int y1, int x2, int y2) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(const base::Point* points, std::size_t count) override;
    void SetPixel(int x, int y, base::Colour colour) override;
    base::Colour GetPixel(int x, int y) const override;

    // Fill colour none: rectangles, ellipses and polygons are outlines only.
    void ClearFill() { fill_.reset(); }
    void DrawText(int x, int y, std::string_view text);
    // Draws the current picture of another board with its top-left at (x, y).
    void DrawImageOf(const DrawingBoard& source, int x, int y);
    // Shows what another board of the same size shows.
    void ShowSameAs(const DrawingBoard& source) {
        Clear();
        DrawImageOf(source, 0, 0);
    }

    void SetBackgroundPicture(imaging::core::ByteSet bmp);
    const imaging::core::ByteSet& BackgroundPicture() const { return picture_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void CreateSurface();
    void DrawPicture();
    // Selects a pen and brush for one drawing call and puts them back after.
    template <typename Draw>
    void WithPenAndBrush(Draw draw);
    void FillBlocks(int left, int top, int right, int bottom, base::Colour colour);
    int D(int v) const { return ToPhysical(v); }
    void Changed() const;

    // The off-screen picture: a bitmap the size of the board in physical
    // pixels, selected into a DC of its own.
    struct Surface {
        Surface(int width, int height);
        win::OwnedBitmap bitmap;  // before the DC, which lets go of it first
        win::MemoryDC dc;
        int width, height;
    };
    std::unique_ptr<Surface> surface_;
    HDC dc_ = nullptr;  // the surface's DC, null before the board is made
    int surfaceWidth_ = 0;
    int surfaceHeight_ = 0;
    win::OwnedBitmap pictureBitmap_;
    imaging::core::ByteSet picture_;
    base::Colour boardBackground_ = 0xFFFFFF;
    base::Colour pen_ = 0;
    std::optional<base::Colour> fill_;
    base::Colour textColour_ = 0;
};

}  // namespace ui
