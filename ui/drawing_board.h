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

#include "ui/control.h"
#include "util/core/bmp.h"

namespace ui {

class DrawingBoard : public Control, public core::Canvas {
public:
    DrawingBoard(Form& form, std::string_view name, Bounds bounds, int page);
    ~DrawingBoard() override;
    void Create() override;
    void OnDpiChanged() override;

    // core::Canvas
    core::Colour BackgroundColour() const override { return boardBackground_; }
    void SetBackgroundColour(core::Colour colour) override;
    void Clear() override;
    core::Colour PenColour() const override { return pen_; }
    void SetPenColour(core::Colour colour) override { pen_ = colour; }
    void SetFillColour(core::Colour colour) override { fill_ = colour; }
    void SetTextColour(core::Colour colour) override { textColour_ = colour; }
    void Line(int x1, int y1, int x2, int y2) override;
    void Rectangle(int left, int top, int right, int bottom) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Polygon(const core::Point* points, std::size_t count) override;
    void SetPixel(int x, int y, core::Colour colour) override;
    core::Colour GetPixel(int x, int y) const override;

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

    void SetBackgroundPicture(core::ByteSet bmp);
    const core::ByteSet& BackgroundPicture() const { return picture_; }

protected:
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam, bool& handled) override;

private:
    void CreateSurface();
    void DrawPicture();
    // Selects a pen and brush for one drawing call and puts them back after.
    template <typename Draw>
    void WithPenAndBrush(Draw draw);
    void FillBlocks(int left, int top, int right, int bottom, core::Colour colour);
    int D(int v) const { return ToPhysical(v); }
    void Changed() const;

    // The off-screen picture: a bitmap the size of the board in physical
    // pixels, selected into a DC of its own.
    struct Surface {
        Surface(int width, int height);
        util::OwnedBitmap bitmap;  // before the DC, which lets go of it first
        util::MemoryDC dc;
        int width, height;
    };
    std::unique_ptr<Surface> surface_;
    HDC dc_ = nullptr;  // the surface's DC, null before the board is made
    int surfaceWidth_ = 0;
    int surfaceHeight_ = 0;
    util::OwnedBitmap pictureBitmap_;
    core::ByteSet picture_;
    core::Colour boardBackground_ = 0xFFFFFF;
    core::Colour pen_ = 0;
    std::optional<core::Colour> fill_;
    core::Colour textColour_ = 0;
};

}  // namespace ui
