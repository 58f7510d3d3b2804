#include "colour/core/magnifier.h"

namespace colour::core {

base::Rect GrabRect(base::Point point) {
    return {point.x - kGrabCentre, point.y - kGrabCentre, point.x - kGrabCentre + kGrabSize,
            point.y - kGrabCentre + kGrabSize};
}

base::Point DraggedCentre(base::Point centre, base::Point press, base::Point now) {
    // C++ integer division truncates toward zero.
    const int dx = press.x / kMagnifierBlock - now.x / kMagnifierBlock;
    const int dy = press.y / kMagnifierBlock - now.y / kMagnifierBlock;
    return {centre.x + dx, centre.y + dy};
}

void DrawMagnifierFrame(base::Canvas& board, base::Colour colour, base::Colour frame) {
    board.Clear();
    const base::Colour savedPen = board.PenColour();
    board.SetPenColour(frame);
    board.SetFillColour(colour);
    board.Rectangle(125, 125, 130, 130);

    board.SetPenColour(kMagnifierRuler);
    board.Line(0, 0, 0, 254);
    board.Line(0, 254, 254, 254);
    board.SetFillColour(kMagnifierRuler);
    static constexpr base::Point kMarks[] = {{0, 0}, {0, 125}, {0, 250}, {125, 250}, {250, 250}};
    for (const base::Point& m : kMarks) board.Rectangle(m.x, m.y, m.x + 5, m.y + 5);
    board.SetPenColour(savedPen);
}

void DrawCrossMarker(base::Canvas& board, int a, int b) {
    struct Offsets {
        int x1, y1, x2, y2;
    };
    // Three lines on each side; the middle one is a pixel longer.
    static constexpr Offsets kLines[12] = {
        {-8, -1, -3, -1}, {-9, 0, -2, 0}, {-8, 1, -3, 1},  // left
        {8, -1, 3, -1},   {9, 0, 2, 0},   {8, 1, 3, 1},    // right
        {-1, -8, -1, -3}, {0, -9, 0, -2}, {1, -8, 1, -3},  // above
        {-1, 8, -1, 3},   {0, 9, 0, 2},   {1, 8, 1, 3},    // below
    };
    board.SetPenColour(0x000000);
    for (const Offsets& l : kLines) board.Line(a + l.x1, b + l.y1, a + l.x2, b + l.y2);
}

}  // namespace colour::core
