#include "colour/core/colour_notations.h"

#include <algorithm>
#include <cstdlib>

#include "text/number_text.h"

namespace colour::core {
namespace {

// n / d rounded to the nearest whole number, halves up (n >= 0, d > 0).
int RoundedQuotient(long long n, long long d) { return static_cast<int>((2 * n + d) / (2 * d)); }

struct Channels {
    int r, g, b, max, min;
};

Channels ChannelsOf(base::Colour colour) {
    const int r = base::RedOf(colour), g = base::GreenOf(colour), b = base::BlueOf(colour);
    return {r, g, b, std::max({r, g, b}), std::min({r, g, b})};
}

// The hue in whole degrees. With d = max - min, the hue is n / d degrees
// for the n below: 60 times the difference of the other two channels over
// d, counted from the sector of the largest channel (red 0, green 120,
// blue 240).
int HueOf(const Channels& c) {
    const long long d = c.max - c.min;
    if (d == 0) return 0;
    long long n;
    if (c.max == c.r) {
        n = 60LL * (c.g - c.b);
    } else if (c.max == c.g) {
        n = 60LL * (c.b - c.r) + 120 * d;
    } else {
        n = 60LL * (c.r - c.g) + 240 * d;
    }
    if (n < 0) n += 360 * d;
    return RoundedQuotient(n, d) % 360;  // 359.5 and above is 0 again
}

std::string Number(int value) { return text::IntegerToText(value); }

}  // namespace

std::string Hex2(int byte) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    return {kDigits[(byte >> 4) & 15], kDigits[byte & 15]};
}

ColourNotations NotationsOf(base::Colour colour) {
    const std::string r = Hex2(base::RedOf(colour)), g = Hex2(base::GreenOf(colour)), b = Hex2(base::BlueOf(colour));
    const std::string rgb = r + g + b, bgr = b + g + r;
    return {rgb, "#" + rgb, "&h" + bgr, "0x" + bgr, "$" + bgr};
}

Hsl HslOf(base::Colour colour) {
    const Channels c = ChannelsOf(colour);
    const int sum = c.max + c.min, d = c.max - c.min;
    // Saturation is d over what d can be at this lightness: the sum itself
    // up to the middle, 510 minus it above (never 0 while d is not).
    const int saturation = d == 0 ? 0 : RoundedQuotient(100LL * d, 255 - std::abs(sum - 255));
    return {HueOf(c), saturation, RoundedQuotient(100LL * sum, 510)};
}

Hsv HsvOf(base::Colour colour) {
    const Channels c = ChannelsOf(colour);
    const int saturation = c.max == 0 ? 0 : RoundedQuotient(100LL * (c.max - c.min), c.max);
    return {HueOf(c), saturation, RoundedQuotient(100LL * c.max, 255)};
}

CssNotations CssNotationsOf(base::Colour colour) {
    const Hsl hsl = HslOf(colour);
    const Hsv hsv = HsvOf(colour);
    return {
        "rgb(" + Number(base::RedOf(colour)) + ", " + Number(base::GreenOf(colour)) + ", " + Number(base::BlueOf(colour)) + ")",
        "hsl(" + Number(hsl.hue) + ", " + Number(hsl.saturation) + "%, " + Number(hsl.lightness) + "%)",
        "hsv(" + Number(hsv.hue) + ", " + Number(hsv.saturation) + "%, " + Number(hsv.value) + "%)",
    };
}

base::Colour ColourOfText(std::string_view text) { return static_cast<base::Colour>(text::TextToInt32(text)); }

std::int32_t ComposeColour(std::int32_t red, std::int32_t green, std::int32_t blue) {
    const std::uint32_t value = static_cast<std::uint32_t>(blue) << 16 |
                                (static_cast<std::uint32_t>(green) & 255) << 8 | static_cast<std::uint32_t>(red);
    return static_cast<std::int32_t>(value);
}

}  // namespace colour::core
