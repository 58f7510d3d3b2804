// The program's stored skins: one row per skin, a name and two colours (the
// page, and the accent of captions and selections), from which every colour
// of the skin is derived the same way. The build turns the rows into ".TSK"
// files that the exe carries as resources (kSkinResourceBase + stored skin).
#pragma once

#include <cstddef>
#include <string>

#include "base/canvas.h"
#include "skin/core/skin_file.h"

namespace skin::core {

struct SkinSeed {
    const char* name;
    base::Colour page;    // window and page background
    base::Colour accent;  // caption bar, selected tab, check marks, focus
};

inline constexpr int kSkinResourceBase = 1000;

// The seeds of the stored skins 1 to kStoredSkinCount, in order.
const SkinSeed& StoredSkinSeed(int stored);

// Every colour and metric of a skin from its seed: text, frames, faces and
// boxes are mixed from the page colour and black or white (whichever reads
// better on it), the caption from the accent.
SkinStyle SkinFromSeed(const SkinSeed& seed);

// The ".TSK" bytes of stored skin 1 to kStoredSkinCount; empty otherwise.
std::string StoredSkinFile(int stored);

// Mixes `a` with `b`: `weight` 0 gives a, 255 gives b.
base::Colour MixColour(base::Colour a, base::Colour b, int weight);
// Perceived lightness, 0 (black) to 255 (white).
int Lightness(base::Colour c);
// The contrast ratio of two colours as the web's accessibility guidelines
// define it: 1 (none) to 21 (black on white); body text needs 4.5.
double ContrastRatio(base::Colour a, base::Colour b);

}  // namespace skin::core
