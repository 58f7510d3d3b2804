#include "colour/core/colour_notations.h"

#include "util/core/number_text.h"

namespace core {

std::string Hex2(int byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(byte >> 4) & 15], kDigits[byte & 15]};
}

ColourNotations NotationsOf(Colour colour) {
    const std::string r = Hex2(RedOf(colour)), g = Hex2(GreenOf(colour)), b = Hex2(BlueOf(colour));
    const std::string rgb = r + g + b, bgr = b + g + r;
    return {rgb, "#" + rgb, "&h" + bgr, "0x" + bgr, "$" + bgr};
}

Colour ColourOfText(std::string_view text) { return static_cast<Colour>(TextToInt32(text)); }

std::int32_t ComposeColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    const std::uint32_t value = static_cast<std::uint32_t>(blue) << 16 |
                                (static_cast<std::uint32_t>(green) & 255) << 8 | static_cast<std::uint32_t>(red);
    return static_cast<std::int32_t>(value);
}

}  // namespace core
