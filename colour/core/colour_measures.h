// Measures of colours for the window of further notations: the WCAG 2
// contrast ratio of two colours with its verdicts, and the average colour
// of a square of pixels.
#pragma once

#include <string>
#include <vector>

#include "base/canvas.h"

namespace colour::core {

// The relative luminance of an sRGB colour, 0 (black) to 1 (white).
double RelativeLuminance(base::Colour colour);

// (L1 + 0.05) / (L2 + 0.05), the lighter over the darker: 1 to 21.
double ContrastRatio(base::Colour a, base::Colour b);

// What WCAG 2 asks of text at a ratio (never rounded up: 4.499 fails 4.5).
struct ContrastVerdicts {
    bool aaNormal;   // 4.5
    bool aaLarge;    // 3
    bool aaaNormal;  // 7
    bool aaaLarge;   // 4.5
};
ContrastVerdicts VerdictsOf(double ratio);

// A ratio as the window writes it: "4.48" (see the .cpp for the edge).
std::string RatioText(double ratio);

// The three lines the window shows: "对比度 4.48:1", then the AA and the
// AAA verdicts for normal and large text.
struct ContrastLines {
    std::string ratio, aa, aaa;
};
ContrastLines ContrastTexts(base::Colour chosen, base::Colour sampled);

// The sizes of the square a sampled colour is averaged over: 1, 3 or 5.
inline constexpr int kAreaSizes[] = {1, 3, 5};

// The average of the size x size pixels centred on (x, y) of an image of
// `width` x `height` pixels given row by row; the square is clipped to the
// image. Each channel is rounded to the nearest.
base::Colour AverageColour(const std::vector<base::Colour>& pixels, int width, int height, int x, int y, int size);

}  // namespace colour::core
