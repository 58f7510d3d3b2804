#include "colour/core/palette_picture.h"

#include <cmath>

namespace colour::core {

base::Colour PalettePictureColour(int column, int row) {
    // HSL with L = 1/2: chroma = saturation, and the channels lie
    // symmetrically around one half.
    const double hue = 360.0 * column / kPalettePictureSize;
    const double saturation = (261.0 - row) / 261.0;
    const double chroma = saturation;
    const double h = hue / 60.0;
    const double x = chroma * (1.0 - std::fabs(std::fmod(h, 2.0) - 1.0));
    double r = 0, g = 0, b = 0;
    switch (static_cast<int>(h) % 6) {
        case 0: r = chroma, g = x; break;
        case 1: r = x, g = chroma; break;
        case 2: g = chroma, b = x; break;
        case 3: g = x, b = chroma; break;
        case 4: r = x, b = chroma; break;
        default: r = chroma, b = x; break;
    }
    const double m = 0.5 - chroma / 2.0;
    auto channel = [m](double v) {
        const int c = static_cast<int>((v + m) * 255.0);
        return c < 0 ? 0 : (c > 255 ? 255 : c);
    };
    return base::Rgb(channel(r), channel(g), channel(b));
}

const imaging::core::ByteSet& PalettePictureBmp() {
    static const imaging::core::ByteSet picture = imaging::core::MakeBmp24(kPalettePictureSize, kPalettePictureSize, PalettePictureColour);
    return picture;
}

}  // namespace colour::core
