#include "imaging/core/icon_file.h"

namespace imaging::core {
namespace {

void Put(ByteSet& b, std::uint32_t v, int bytes) {
    for (int i = 0; i < bytes; ++i) b.push_back(static_cast<std::uint8_t>(v >> (8 * i)));
}

std::size_t MaskStride(int width) { return static_cast<std::size_t>((width + 31) / 32 * 4); }

std::size_t EntrySize(const Image32& image) {
    return 40 + image.argb.size() * 4 + MaskStride(image.width) * image.height;
}

}  // namespace

ByteSet MakeIcoFile(const std::vector<Image32>& images) {
    ByteSet b;
    Put(b, 0, 2);  // reserved
    Put(b, 1, 2);  // type: icon
    Put(b, static_cast<std::uint32_t>(images.size()), 2);
    std::uint32_t offset = static_cast<std::uint32_t>(6 + 16 * images.size());
    for (const Image32& image : images) {
        Put(b, image.width >= 256 ? 0 : image.width, 1);
        Put(b, image.height >= 256 ? 0 : image.height, 1);
        Put(b, 0, 1);   // no palette
        Put(b, 0, 1);   // reserved
        Put(b, 1, 2);   // planes
        Put(b, 32, 2);  // bits per pixel
        Put(b, static_cast<std::uint32_t>(EntrySize(image)), 4);
        Put(b, offset, 4);
        offset += static_cast<std::uint32_t>(EntrySize(image));
    }
    for (const Image32& image : images) {
        // Info header; the height counts the colour rows and the mask rows.
        Put(b, 40, 4);
        Put(b, static_cast<std::uint32_t>(image.width), 4);
        Put(b, static_cast<std::uint32_t>(image.height * 2), 4);
        Put(b, 1, 2);
        Put(b, 32, 2);
        Put(b, 0, 4);  // no compression
        Put(b, static_cast<std::uint32_t>(image.argb.size() * 4 + MaskStride(image.width) * image.height), 4);
        Put(b, 0, 4);
        Put(b, 0, 4);
        Put(b, 0, 4);
        Put(b, 0, 4);
        for (int y = image.height - 1; y >= 0; --y) {  // bottom-up
            for (int x = 0; x < image.width; ++x) Put(b, image.At(x, y), 4);  // BGRA in memory
        }
        for (int y = image.height - 1; y >= 0; --y) {
            ByteSet row(MaskStride(image.width), 0);
            for (int x = 0; x < image.width; ++x) {
                if (!Image32::Opaque(image.At(x, y))) row[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
            }
            b.insert(b.end(), row.begin(), row.end());
        }
    }
    return b;
}

}  // namespace imaging::core
