#include "imaging/core/bmp.h"

#include <algorithm>

namespace imaging::core {
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

ByteSet MakeBmp24(int width, int height, const std::function<base::Colour(int x, int y)>& pixel) {
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
            const base::Colour c = pixel(x, y);
            b[at++] = static_cast<std::uint8_t>(base::BlueOf(c));
            b[at++] = static_cast<std::uint8_t>(base::GreenOf(c));
            b[at++] = static_cast<std::uint8_t>(base::RedOf(c));
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
    const std::uint32_t infoSize = Get32(bytes, 14);
    if (infoSize < kInfoHeaderSize || info.pixelOffset < kFileHeaderSize + infoSize) return false;
    if (info.width <= 0 || info.height <= 0 || info.width > kMaxBmpSide || info.height > kMaxBmpSide) return false;
    if (info.bitsPerPixel <= 0 || info.bitsPerPixel > 32) return false;
    const std::uint64_t rowBytes = (static_cast<std::uint64_t>(info.width) * info.bitsPerPixel + 31) / 32 * 4;
    return info.pixelOffset <= bytes.size() &&
           rowBytes * static_cast<std::uint64_t>(info.height) <= bytes.size() - info.pixelOffset;
}

base::Colour Bmp24Pixel(const ByteSet& bytes, int x, int y) {
    BmpInfo info;
    if (!ReadBmpInfo(bytes, info) || info.bitsPerPixel != 24) return 0;
    if (x < 0 || y < 0 || x >= info.width || y >= info.height) return 0;
    const std::size_t at = info.pixelOffset + static_cast<std::size_t>(info.height - 1 - y) * Bmp24RowStride(info.width) +
                           static_cast<std::size_t>(x) * 3;
    return base::Rgb(bytes[at + 2], bytes[at + 1], bytes[at]);
}

ByteSet PackedDib(const ByteSet& bmp) {
    BmpInfo info;
    if (!ReadBmpInfo(bmp, info)) return {};
    const std::uint32_t headerSize = Get32(bmp, 14);
    const std::uint32_t compression = Get32(bmp, 30);
    std::uint64_t table = 0;
    if (info.bitsPerPixel <= 8) {
        const std::uint32_t used = Get32(bmp, 46);
        table = 4ull * (used != 0 ? used : (1u << info.bitsPerPixel));
    } else if (compression == 3 && headerSize == kInfoHeaderSize) {  // BI_BITFIELDS: three masks
        table = 12;
    }
    if (info.pixelOffset != kFileHeaderSize + headerSize + table) return {};
    return ByteSet(bmp.begin() + kFileHeaderSize, bmp.end());
}

bool BmpIsOneColour(const ByteSet& bytes) {
    BmpInfo info;
    if (!ReadBmpInfo(bytes, info) || (info.bitsPerPixel != 16 && info.bitsPerPixel != 24 && info.bitsPerPixel != 32)) {
        return false;
    }
    const std::size_t pixelBytes = static_cast<std::size_t>(info.bitsPerPixel) / 8;
    const std::size_t stride = (static_cast<std::size_t>(info.width) * info.bitsPerPixel + 31) / 32 * 4;
    const std::uint8_t* first = bytes.data() + info.pixelOffset;
    for (int y = 0; y < info.height; ++y) {
        const std::uint8_t* row = first + stride * static_cast<std::size_t>(y);
        for (int x = 0; x < info.width; ++x) {
            if (!std::equal(first, first + pixelBytes, row + pixelBytes * static_cast<std::size_t>(x))) return false;
        }
    }
    return true;
}

ByteSet MakeBmp(int width, int height, int bitsPerPixel, const std::uint8_t* rows, std::size_t rowBytes) {
    if (width <= 0 || height <= 0 || width > kMaxBmpSide || height > kMaxBmpSide) return {};
    if (bitsPerPixel != 16 && bitsPerPixel != 24 && bitsPerPixel != 32) return {};
    const std::size_t stride = (static_cast<std::size_t>(width) * bitsPerPixel + 31) / 32 * 4;
    if (rows == nullptr || rowBytes != stride * static_cast<std::size_t>(height)) return {};
    const std::size_t offset = kFileHeaderSize + kInfoHeaderSize;
    ByteSet b(offset, 0);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 2, static_cast<std::uint32_t>(offset + rowBytes));
    Put32(b, 10, static_cast<std::uint32_t>(offset));
    Put32(b, 14, kInfoHeaderSize);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint32_t>(bitsPerPixel));
    Put32(b, 34, static_cast<std::uint32_t>(rowBytes));
    b.insert(b.end(), rows, rows + rowBytes);
    return b;
}

ByteSet ZoomBmp24(const ByteSet& bytes, int sxPercent, int syPercent) {
    BmpInfo info;
    if (!ReadBmpInfo(bytes, info) || info.bitsPerPixel != 24) return {};
    if (sxPercent == 0) sxPercent = 100;
    if (syPercent == 0) syPercent = 100;
    if (sxPercent < 0 || syPercent < 0) return {};
    const std::int64_t newWidth = static_cast<std::int64_t>(info.width) * sxPercent / 100;
    const std::int64_t newHeight = static_cast<std::int64_t>(info.height) * syPercent / 100;
    if (newWidth < 1 || newHeight < 1 || newWidth > kMaxBmpSide || newHeight > kMaxBmpSide) return {};

    const int width = static_cast<int>(newWidth), height = static_cast<int>(newHeight);
    const std::size_t sourceStride = static_cast<std::size_t>(Bmp24RowStride(info.width));
    const std::size_t stride = static_cast<std::size_t>(Bmp24RowStride(width));
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(height), 0);
    // Rows are stored bottom-up in both images; the top rows correspond.
    for (int y = 0; y < height; ++y) {
        const int sourceY = static_cast<int>(static_cast<std::int64_t>(y) * 100 / syPercent);
        const std::uint8_t* from =
            bytes.data() + info.pixelOffset + static_cast<std::size_t>(info.height - 1 - sourceY) * sourceStride;
        std::uint8_t* to = rows.data() + static_cast<std::size_t>(height - 1 - y) * stride;
        for (int x = 0; x < width; ++x) {
            const std::size_t sourceX = static_cast<std::size_t>(static_cast<std::int64_t>(x) * 100 / sxPercent);
            to[x * 3] = from[sourceX * 3];
            to[x * 3 + 1] = from[sourceX * 3 + 1];
            to[x * 3 + 2] = from[sourceX * 3 + 2];
        }
    }
    return MakeBmp(width, height, 24, rows.data(), rows.size());
}

}  // namespace imaging::core
