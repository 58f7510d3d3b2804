// Colour values as a programmer pastes them into source code, and the
// reading and composing of the colour boxes. A colour value holds red in its
// low byte, then green, then blue; the fourth byte is never shown.
//
// Besides the five notations of the page there are three more, written as
// CSS writes colours: "rgb(R, G, B)", "hsl(H, S%, L%)" and, in the same
// shape, "hsv(H, S%, V%)" (HSV has no CSS form).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "base/canvas.h"

namespace colour::core {

// The byte as exactly two upper-case hexadecimal digits: 10 gives "0A".
std::string Hex2(int byte);

// The five notations of one colour: red (255) gives FF0000, #FF0000,
// &h0000FF, 0x0000FF and $0000FF.
struct ColourNotations {
    std::string hex;     // RRGGBB
    std::string html;    // #RRGGBB
    std::string vb;      // &hBBGGRR
    std::string c;       // 0xBBGGRR
    std::string delphi;  // $BBGGRR
};
ColourNotations NotationsOf(base::Colour colour);

// Hue, saturation and lightness, and hue, saturation and value, by the
// usual formulas, each rounded to a whole number as CSS colour tools round:
// to the nearest, halves up. They are worked out in whole numbers, so an
// exact half is a half (200,199,199 has an HSV saturation of exactly 0.5 %,
// which gives 1 %, where floating point gives 0.4999... and 0 %). Hue is in
// degrees, 0 to 359: a hue that rounds to 360 is 0, the same hue
// (rgb(120, 0, 1) has hue 359.5 and is written 0). Saturation, lightness and
// value are percentages, 0 to 100; a grey (R = G = B) has hue 0 and
// saturation 0.
struct Hsl {
    int hue, saturation, lightness;
};
struct Hsv {
    int hue, saturation, value;
};
Hsl HslOf(base::Colour colour);
Hsv HsvOf(base::Colour colour);

// The three further notations: red (255) gives "rgb(255, 0, 0)",
// "hsl(0, 100%, 50%)" and "hsv(0, 100%, 100%)".
struct CssNotations {
    std::string rgb;
    std::string hsl;
    std::string hsv;
};
CssNotations CssNotationsOf(base::Colour colour);

// The colour a box's text names: the text read as a number, truncated to
// 32 bits; anything that is not a number is black.
base::Colour ColourOfText(std::string_view text);

// The chosen colour composed from the R, G and B boxes: blue shifted to the
// third byte, green's low byte in the second, red as it is (red and blue are
// not limited to a byte, so 300 in R gives 300).
std::int32_t ComposeColour(std::int32_t red, std::int32_t green, std::int32_t blue);

}  // namespace colour::core
