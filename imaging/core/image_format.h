// The image file formats the program writes, told by a file name's ending.
#pragma once

#include <optional>
#include <string>

namespace imaging::core {

enum class ImageFormat { Bmp, Jpeg, Png };

// The quality (of 100) JPEG files are written at: text in a screenshot
// stays readable.
inline constexpr int kJpegQuality = 95;

// The format a file name asks for by its ending (.bmp, .jpg or .jpeg, .png,
// any case); none for another ending.
std::optional<ImageFormat> FormatOfFileName(const std::string& fileName);
std::string ExtensionOf(ImageFormat format);  // "bmp", "jpg", "png"

}  // namespace imaging::core
