#include "util/bitmap.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <vector>

#include "util/com.h"
#include "util/system_library.h"

namespace util {
namespace {

// A DIB section of the given size and depth, all black.
OwnedBitmap NewDibSection(int width, int height, int bits) {
    if (width < 1 || height < 1) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    return OwnedBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
}

bool SizeOf(HBITMAP bitmap, BITMAP& info) { return bitmap && GetObjectW(bitmap, sizeof info, &info) != 0; }

int DisplayDepth() {
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    if (EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode) && mode.dmBitsPerPel >= 16) {
        return static_cast<int>(mode.dmBitsPerPel);
    }
    return 32;
}

OwnedBitmap GrabScreen(const core::Rect& area, int bits) {
    const WindowDC screen;
    if (!screen) return {};
    return CopyFromDc(screen.Get(), area, VirtualScreenRect(), bits);
}

core::Rect ClientRect(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return {0, 0, r.right, r.bottom};
}

// What the window draws of itself, as a bitmap of its client area.
OwnedBitmap PrintClient(HWND hwnd, int bits) {
    const core::Rect client = ClientRect(hwnd);
    OwnedBitmap bitmap = NewDibSection(client.Width(), client.Height(), bits);
    if (!bitmap) return {};
    const MemoryDC memory(WindowDC().Get());
    if (!memory.Select(bitmap.Get()) || !PrintWindow(hwnd, memory.Get(), PW_CLIENTONLY)) return {};
    return bitmap;
}

}  // namespace

OwnedBitmap CopyFromDc(HDC from, const core::Rect& wanted, const core::Rect& readable, int bits) {
    OwnedBitmap bitmap = NewDibSection(wanted.Width(), wanted.Height(), bits);
    if (!bitmap) return {};
    const core::ClippedCopy part = core::ClipCopy(wanted, readable);
    if (!part.source.Empty()) {
        const MemoryDC memory(from);
        if (!memory.Select(bitmap.Get())) return {};
        BitBlt(memory.Get(), part.at.x, part.at.y, part.source.Width(), part.source.Height(), from, part.source.left,
               part.source.top, SRCCOPY);
    }
    return bitmap;
}

core::Rect VirtualScreenRect() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

OwnedBitmap CaptureToBitmap(HWND hwnd, int bits) {
    if (bits == 0) bits = DisplayDepth();
    if (!hwnd) return GrabScreen(VirtualScreenRect(), bits);
    if (!IsWindow(hwnd) || IsIconic(hwnd) || !IsWindowVisible(hwnd)) return {};
    return PrintClient(hwnd, bits);
}

OwnedBitmap CaptureClientToBitmap(HWND hwnd, int bits, bool usePrintWindow) {
    if (bits == 0) bits = 24;
    if (!hwnd) return GrabScreen(VirtualScreenRect(), bits);
    if (!IsWindow(hwnd)) return {};
    if (usePrintWindow) return PrintClient(hwnd, bits);
    const WindowDC dc(hwnd);
    if (!dc) return {};
    const core::Rect client = ClientRect(hwnd);
    return CopyFromDc(dc.Get(), client, client, bits);
}

OwnedBitmap GrabScreenArea(const core::Rect& area) { return GrabScreen(area, 24); }

bool CropBitmap(HBITMAP source, OwnedBitmap& target, int x, int y, int width, int height, int tx, int ty) {
    BITMAP from;
    if (!SizeOf(source, from)) return false;
    if (width < 1) width = from.bmWidth - x;
    if (height < 1) height = from.bmHeight - y;
    if (width < 1 || height < 1) return false;
    BITMAP to;
    if (!SizeOf(target.Get(), to)) {
        target = NewDibSection(width, height, from.bmBitsPixel >= 16 ? from.bmBitsPixel : 24);
        if (!target) return false;
    }
    const core::ClippedCopy part = core::ClipCopy({x, y, x + width, y + height}, {0, 0, from.bmWidth, from.bmHeight});
    if (part.source.Empty()) return true;
    const MemoryDC sourceDc, targetDc;
    if (!sourceDc.Select(source) || !targetDc.Select(target.Get())) return false;
    return BitBlt(targetDc.Get(), tx + part.at.x, ty + part.at.y, part.source.Width(), part.source.Height(),
                  sourceDc.Get(), part.source.left, part.source.top, SRCCOPY) != 0;
}

core::ByteSet BitmapToBytes(HBITMAP bitmap) {
    BITMAP info;
    if (!SizeOf(bitmap, info) || info.bmWidth < 1 || info.bmHeight < 1) return {};
    const int bits = (info.bmBitsPixel == 16 || info.bmBitsPixel == 24 || info.bmBitsPixel == 32) ? info.bmBitsPixel : 24;
    BITMAPINFO header{};
    header.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    header.bmiHeader.biWidth = info.bmWidth;
    header.bmiHeader.biHeight = info.bmHeight;  // bottom-up, as BMP files store rows
    header.bmiHeader.biPlanes = 1;
    header.bmiHeader.biBitCount = static_cast<WORD>(bits);
    header.bmiHeader.biCompression = BI_RGB;
    const std::size_t stride = (static_cast<std::size_t>(info.bmWidth) * bits + 31) / 32 * 4;
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(info.bmHeight));
    const int lines = GetDIBits(MemoryDC().Get(), bitmap, 0, static_cast<UINT>(info.bmHeight), rows.data(), &header,
                                DIB_RGB_COLORS);
    if (lines != info.bmHeight) return {};
    return core::MakeBmp(info.bmWidth, info.bmHeight, bits, rows.data(), rows.size());
}

core::Colour GetBitmapPixel(HBITMAP bitmap, int x, int y) {
    BITMAP info;
    if (!SizeOf(bitmap, info)) return CLR_INVALID;
    const MemoryDC dc;
    return dc.Select(bitmap) ? ::GetPixel(dc.Get(), x, y) : CLR_INVALID;
}

namespace {

// The picture loaded by OLE and copied out as a bitmap of our own.
OwnedBitmap LoadPictureBitmap(const core::ByteSet& picture) {
    using LoadPicture = HRESULT(WINAPI*)(IStream*, LONG, BOOL, REFIID, void**);
    static const auto loadPicture = SystemFunctionOf<LoadPicture>(L"oleaut32.dll", "OleLoadPicture");
    const Ole32& com = Ole32Functions();
    if (!com.streamOnMemory || !loadPicture) return {};

    OwnedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, picture.size()));
    {
        const GlobalLockScope<void> at(memory.Get());
        if (!at) return {};
        std::memcpy(at.Get(), picture.data(), picture.size());
    }
    ComPtr<IStream> stream;
    ComPtr<IPicture> loaded;
    if (FAILED(com.streamOnMemory(memory.Get(), FALSE, stream.Receive())) ||
        FAILED(loadPicture(stream.Get(), static_cast<LONG>(picture.size()), FALSE, IID_IPicture,
                           loaded.ReceiveVoid())) ||
        !loaded) {
        return {};
    }
    OLE_HANDLE handle = 0;
    SHORT type = PICTYPE_UNINITIALIZED;
    if (FAILED(loaded->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(loaded->get_Handle(&handle))) return {};
    return OwnedBitmap(static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace

bool CopyBitmapToClipboard(const core::ByteSet& picture, HWND owner) {
    if (picture.empty()) return false;
    const OwnedBitmap bitmap = LoadPictureBitmap(picture);
    if (!bitmap) return false;
    // A device-independent bitmap in global memory, which every program can
    // read (a bitmap handle means nothing in another process); the system
    // makes CF_BITMAP of it for those who ask for that.
    const core::ByteSet dib = core::PackedDib(BitmapToBytes(bitmap.Get()));
    if (dib.empty()) return false;
    OwnedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, dib.size()));
    if (!memory) return false;
    {
        const GlobalLockScope<BYTE> bytes(memory.Get());
        if (!bytes) return false;
        std::copy(dib.begin(), dib.end(), bytes.Get());
    }
    const ClipboardScope clipboard(owner);
    if (!clipboard.Open()) return false;
    EmptyClipboard();
    // The clipboard owns the memory once it has taken it.
    if (!SetClipboardData(CF_DIB, memory.Get())) return false;
    memory.Detach();
    return true;
}

core::ByteSet CaptureWindowImage(HWND hwnd, int left, int top, int right, int bottom, bool direct, int bits) {
    if (bits == 0) bits = 16;
    const int width = right - left + 1, height = bottom - top + 1;
    if (direct) {
        const OwnedBitmap drawn = CaptureToBitmap(hwnd, bits);
        OwnedBitmap out;
        if (drawn) CropBitmap(drawn.Get(), out, left, top, width, height);
        core::ByteSet image = BitmapToBytes(out.Get());
        // A shown window drawn in one colour all over was not drawn at all:
        // the window's program did not answer the drawing request (PrintWindow
        // succeeds and leaves black, under Wine for every other program's
        // window). Nothing is captured then, so that a caller takes the
        // screen's pixels instead.
        if (core::BmpIsOneColour(image)) return {};
        return image;
    }
    // The screen as displayed: only the wanted rectangle is read from it.
    core::Rect wanted;
    if (!hwnd) {
        const core::Rect screen = VirtualScreenRect();
        wanted = {left, top, width < 1 ? screen.right : left + width, height < 1 ? screen.bottom : top + height};
    } else {
        if (!IsWindow(hwnd) || IsIconic(hwnd)) return {};
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        const core::Rect client = ClientRect(hwnd);
        const int w = right < left ? client.Width() : width, h = bottom < top ? client.Height() : height;
        wanted = {origin.x + left, origin.y + top, origin.x + left + w, origin.y + top + h};
    }
    return BitmapToBytes(GrabScreen(wanted, bits).Get());
}

}  // namespace util
