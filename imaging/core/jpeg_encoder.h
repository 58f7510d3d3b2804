// A baseline JPEG (JFIF) encoder of our own: the quality the program asks
// for on every system (the system's encoder may ignore it), and no colour
// subsampling, so that the thin coloured strokes of text in a screenshot
// keep their colour.
//
// Contract: EncodeJpeg(bmp, quality) takes a 24-bit BMP byte set and gives
// the bytes of a JPEG file of the same size: three components (Y, Cb, Cr)
// at full resolution, 8 x 8 blocks, the standard quantisation tables scaled
// for `quality` (1 to 100, as the IJG library scales them) and the standard
// Huffman tables. Empty for a byte set that is no 24-bit BMP.
#pragma once

#include "imaging/core/bmp.h"

namespace imaging::core {

ByteSet EncodeJpeg(const ByteSet& bmp, int quality);

}  // namespace imaging::core
