#include "imaging/core/image_format.h"

#include "text/text_basics.h"

namespace imaging::core {

std::optional<ImageFormat> FormatOfFileName(const std::string& fileName) {
    if (text::EndsWithIgnoringCase(fileName, ".bmp")) return ImageFormat::Bmp;
    if (text::EndsWithIgnoringCase(fileName, ".jpg") || text::EndsWithIgnoringCase(fileName, ".jpeg")) return ImageFormat::Jpeg;
    if (text::EndsWithIgnoringCase(fileName, ".png")) return ImageFormat::Png;
    return std::nullopt;
}

std::string ExtensionOf(ImageFormat format) {
    switch (format) {
        case ImageFormat::Jpeg: return "jpg";
        case ImageFormat::Png: return "png";
        case ImageFormat::Bmp: break;
    }
    return "bmp";
}

}  // namespace imaging::core
