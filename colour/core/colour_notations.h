// Colour values as a programmer pastes them into source code, and the
// reading and composing of the colour boxes. A colour value holds red in its
// low byte, then green, then blue; the fourth byte is never shown.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "util/core/canvas.h"

namespace core {

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
ColourNotations NotationsOf(Colour colour);

// The colour a box's text names: the text read as a number, truncated to
// 32 bits; anything that is not a number is black.
Colour ColourOfText(std::string_view text);

// The chosen colour composed from the R, G and B boxes: blue shifted to the
// third byte, green's low byte in the second, red as it is (red and blue are
// not limited to a byte, so 300 in R gives 300).
std::int32_t ComposeColour(std::int32_t red, std::int32_t green, std::int32_t blue);

}  // namespace core
