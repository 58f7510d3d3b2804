#include "imaging/image_objects.h"

#include <cstring>

namespace imaging {
namespace {

HICON CreateIconOrCursor(const core::Image32& image, bool icon, int hotX, int hotY) {
    BITMAPV5HEADER header = {};
    header.bV5Size = sizeof header;
    header.bV5Width = image.width;
    header.bV5Height = -image.height;  // top-down, as the image is stored
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_BITFIELDS;
    header.bV5RedMask = 0x00FF0000;
    header.bV5GreenMask = 0x0000FF00;
    header.bV5BlueMask = 0x000000FF;
    header.bV5AlphaMask = 0xFF000000;

    void* bits = nullptr;
    const win::OwnedBitmap colour(
        CreateDIBSection(win::WindowDC().Get(), reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!colour) return nullptr;
    std::memcpy(bits, image.argb.data(), image.argb.size() * sizeof(std::uint32_t));

    // The mask marks see-through pixels for systems that ignore alpha.
    const int maskStride = (image.width + 15) / 16 * 2;
    std::vector<BYTE> mask(static_cast<std::size_t>(maskStride) * image.height, 0);
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            if (!core::Image32::Opaque(image.At(x, y))) mask[y * maskStride + x / 8] |= 0x80 >> (x % 8);
        }
    }
    const win::OwnedBitmap maskBitmap(CreateBitmap(image.width, image.height, 1, 1, mask.data()));

    ICONINFO info = {};
    info.fIcon = icon ? TRUE : FALSE;
    info.xHotspot = static_cast<DWORD>(hotX);
    info.yHotspot = static_cast<DWORD>(hotY);
    info.hbmMask = maskBitmap.Get();
    info.hbmColor = colour.Get();
    return CreateIconIndirect(&info);  // copies both bitmaps
}

}  // namespace

win::OwnedCursor CreateCursorFromImage(const core::Image32& image, int hotX, int hotY) {
    return win::OwnedCursor(static_cast<HCURSOR>(CreateIconOrCursor(image, false, hotX, hotY)));
}

win::OwnedIcon CreateIconFromImage(const core::Image32& image) { return win::OwnedIcon(CreateIconOrCursor(image, true, 0, 0)); }

win::OwnedBitmap CreateBitmapFromBmp(const core::ByteSet& bmp) {
    core::BmpInfo info;
    if (!core::ReadBmpInfo(bmp, info)) return {};
    const auto* header = reinterpret_cast<const BITMAPINFO*>(bmp.data() + sizeof(BITMAPFILEHEADER));
    void* bits = nullptr;
    win::OwnedBitmap bitmap(CreateDIBSection(win::WindowDC().Get(), header, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) return {};
    const std::size_t rowBytes = (static_cast<std::size_t>(info.width) * info.bitsPerPixel + 31) / 32 * 4;
    std::memcpy(bits, bmp.data() + info.pixelOffset, rowBytes * info.height);
    return bitmap;
}

}  // namespace imaging
