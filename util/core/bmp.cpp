#include "util/core/bmp.h"

namespace core {
namespace {

void Put16(ByteSet& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}
void Put32(ByteSet& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}
std::uint32_t Get32(const ByteSet& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

}  // namespace

int Bmp24RowStride(int width) { return (width * 3 + 3) / 4 * 4; }

ByteSet MakeBmp24(int width, int height, const std::function<Colour(int x, int y)>& pixel) {
    const int stride = Bmp24RowStride(width);
    const std::size_t pixelBytes = static_cast<std::size_t>(stride) * height;
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
    ByteSet b(offset + pixelBytes, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    Put32(b, 10, static_cast<std::uint32_t>(offset));
    Put32(b, 14, kInfoHeaderSize);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);   // planes
    Put16(b, 28, 24);  // bits per pixel
    Put32(b, 34, static_cast<std::uint32_t>(pixelBytes));
    for (int y = 0; y < height; ++y) {
        std::size_t at = offset + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const Colour c = pixel(x, y);
            b[at++] = static_cast<std::uint8_t>(BlueOf(c));
            b[at++] = static_cast<std::uint8_t>(GreenOf(c));
            b[at++] = static_cast<std::uint8_t>(RedOf(c));
        }
    }
    return b;
}

bool ReadBmpInfo(const ByteSet& bytes, BmpInfo& info) {
    if (bytes.size() < kFileHeaderSize + kInfoHeaderSize || bytes[0] != 'B' || bytes[1] != 'M') return false;
    info.pixelOffset = Get32(bytes, 10);
    info.width = static_cast<std::int32_t>(Get32(bytes, 18));
    info.height = static_cast<std::int32_t>(Get32(bytes, 22));
    info.bitsPerPixel = bytes[28] | bytes[29] << 8;
    if (info.width <= 0 || info.height <= 0 || info.bitsPerPixel <= 0 || info.bitsPerPixel > 32) return false;
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(info.width) * info.bitsPerPixel + 31) / 32 * 4;
    return info.pixelOffset <= bytes.size() &&
           rowBytes * static_cast<std::uint64_t>(info.height) <= bytes.size() - info.pixelOffset;
}

Colour Bmp24Pixel(const ByteSet& bytes, int x, int y) {
    BmpInfo info;
    if (!ReadBmpInfo(bytes, info) || info.bitsPerPixel != 24) return 0;
    if (x < 0 || y < 0 || x >= info.width || y >= info.height) return 0;
    const std::size_t at = info.pixelOffset + static_cast<std::size_t>(info.height - 1 - y) * Bmp24RowStride(info.width) +
                           static_cast<std::size_t>(x) * 3;
    return Rgb(bytes[at + 2], bytes[at + 1], bytes[at]);
}

}  // namespace core
