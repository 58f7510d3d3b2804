#include "util/core/image_format.h"

#include "util/core/text_basics.h"

namespace core {

std::optional<ImageFormat> FormatOfFileName(const std::string& fileName) {
    if (EndsWithIgnoringCase(fileName, ".bmp")) return ImageFormat::Bmp;
    if (EndsWithIgnoringCase(fileName, ".jpg") || EndsWithIgnoringCase(fileName, ".jpeg")) return ImageFormat::Jpeg;
    if (EndsWithIgnoringCase(fileName, ".png")) return ImageFormat::Png;
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

}  // namespace core
