#include "imaging/bitmap.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <vector>

#include "win/com.h"
#include "win/system_library.h"

namespace imaging {
namespace {

// A DIB section of the given size and depth, all black.
win::OwnedBitmap NewDibSection(int width, int height, int bits) {
    if (width < 1 || height < 1) return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    return win::OwnedBitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
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

win::OwnedBitmap GrabScreen(const base::Rect& area, int bits) {
    const win::WindowDC screen;
    if (!screen) return {};
    return CopyFromDc(screen.Get(), area, VirtualScreenRect(), bits);
}

base::Rect ClientRect(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return {0, 0, r.right, r.bottom};
}

// What the window draws of itself, as a bitmap of its client area.
win::OwnedBitmap PrintClient(HWND hwnd, int bits) {
    const base::Rect client = ClientRect(hwnd);
    win::OwnedBitmap bitmap = NewDibSection(client.Width(), client.Height(), bits);
    if (!bitmap) return {};
    const win::MemoryDC memory(win::WindowDC().Get());
    if (!memory.Select(bitmap.Get()) || !PrintWindow(hwnd, memory.Get(), PW_CLIENTONLY)) return {};
    return bitmap;
}

}  // namespace

win::OwnedBitmap CopyFromDc(HDC from, const base::Rect& wanted, const base::Rect& readable, int bits) {
    win::OwnedBitmap bitmap = NewDibSection(wanted.Width(), wanted.Height(), bits);
    if (!bitmap) return {};
    const base::ClippedCopy part = base::ClipCopy(wanted, readable);
    if (!part.source.Empty()) {
        const win::MemoryDC memory(from);
        if (!memory.Select(bitmap.Get())) return {};
        BitBlt(memory.Get(), part.at.x, part.at.y, part.source.Width(), part.source.Height(), from, part.source.left,
               part.source.top, SRCCOPY);
    }
    return bitmap;
}

base::Rect VirtualScreenRect() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

win::OwnedBitmap CaptureToBitmap(HWND hwnd, int bits) {
    if (bits == 0) bits = DisplayDepth();
    if (!hwnd) return GrabScreen(VirtualScreenRect(), bits);
    if (!IsWindow(hwnd) || IsIconic(hwnd) || !IsWindowVisible(hwnd)) return {};
    return PrintClient(hwnd, bits);
}

win::OwnedBitmap CaptureClientToBitmap(HWND hwnd, int bits, bool usePrintWindow) {
    if (bits == 0) bits = 24;
    if (!hwnd) return GrabScreen(VirtualScreenRect(), bits);
    if (!IsWindow(hwnd)) return {};
    if (usePrintWindow) return PrintClient(hwnd, bits);
    const win::WindowDC dc(hwnd);
    if (!dc) return {};
    const base::Rect client = ClientRect(hwnd);
    return CopyFromDc(dc.Get(), client, client, bits);
}

win::OwnedBitmap GrabScreenArea(const base::Rect& area) { return GrabScreen(area, 24); }

bool CropBitmap(HBITMAP source, win::OwnedBitmap& target, int x, int y, int width, int height, int tx, int ty) {
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
    const base::ClippedCopy part = base::ClipCopy({x, y, x + width, y + height}, {0, 0, from.bmWidth, from.bmHeight});
    if (part.source.Empty()) return true;
    const win::MemoryDC sourceDc, targetDc;
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
    const int lines = GetDIBits(win::MemoryDC().Get(), bitmap, 0, static_cast<UINT>(info.bmHeight), rows.data(), &header,
                                DIB_RGB_COLORS);
    if (lines != info.bmHeight) return {};
    return core::MakeBmp(info.bmWidth, info.bmHeight, bits, rows.data(), rows.size());
}

base::Colour GetBitmapPixel(HBITMAP bitmap, int x, int y) {
    BITMAP info;
    if (!SizeOf(bitmap, info)) return CLR_INVALID;
    const win::MemoryDC dc;
    return dc.Select(bitmap) ? ::GetPixel(dc.Get(), x, y) : CLR_INVALID;
}

namespace {

// The picture loaded by OLE and copied out as a bitmap of our own.
win::OwnedBitmap LoadPictureBitmap(const core::ByteSet& picture) {
    using LoadPicture = HRESULT(WINAPI*)(IStream*, LONG, BOOL, REFIID, void**);
    static const auto loadPicture = win::SystemFunctionOf<LoadPicture>(L"oleaut32.dll", "OleLoadPicture");
    const win::Ole32& com = win::Ole32Functions();
    if (!com.streamOnMemory || !loadPicture) return {};

    win::OwnedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, picture.size()));
    {
        const win::GlobalLockScope<void> at(memory.Get());
        if (!at) return {};
        std::memcpy(at.Get(), picture.data(), picture.size());
    }
    win::ComPtr<IStream> stream;
    win::ComPtr<IPicture> loaded;
    if (FAILED(com.streamOnMemory(memory.Get(), FALSE, stream.Receive())) ||
        FAILED(loadPicture(stream.Get(), static_cast<LONG>(picture.size()), FALSE, IID_IPicture,
                           loaded.ReceiveVoid())) ||
        !loaded) {
        return {};
    }
    OLE_HANDLE handle = 0;
    SHORT type = PICTYPE_UNINITIALIZED;
    if (FAILED(loaded->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(loaded->get_Handle(&handle))) return {};
    return win::OwnedBitmap(static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

}  // namespace

bool CopyBitmapToClipboard(const core::ByteSet& picture, HWND owner) {
    if (picture.empty()) return false;
    const win::OwnedBitmap bitmap = LoadPictureBitmap(picture);
    if (!bitmap) return false;
    // A device-independent bitmap in global memory, which every program can
    // read (a bitmap handle means nothing in another process); the system
    // makes CF_BITMAP of it for those who ask for that.
    const core::ByteSet dib = core::PackedDib(BitmapToBytes(bitmap.Get()));
    if (dib.empty()) return false;
    win::OwnedGlobal memory(GlobalAlloc(GMEM_MOVEABLE, dib.size()));
    if (!memory) return false;
    {
        const win::GlobalLockScope<BYTE> bytes(memory.Get());
        if (!bytes) return false;
        std::copy(dib.begin(), dib.end(), bytes.Get());
    }
    const win::ClipboardScope clipboard(owner);
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
        const win::OwnedBitmap drawn = CaptureToBitmap(hwnd, bits);
        win::OwnedBitmap out;
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
    base::Rect wanted;
    if (!hwnd) {
        const base::Rect screen = VirtualScreenRect();
        wanted = {left, top, width < 1 ? screen.right : left + width, height < 1 ? screen.bottom : top + height};
    } else {
        if (!IsWindow(hwnd) || IsIconic(hwnd)) return {};
        POINT origin{0, 0};
        ClientToScreen(hwnd, &origin);
        const base::Rect client = ClientRect(hwnd);
        const int w = right < left ? client.Width() : width, h = bottom < top ? client.Height() : height;
        wanted = {origin.x + left, origin.y + top, origin.x + left + w, origin.y + top + h};
    }
    return BitmapToBytes(GrabScreen(wanted, bits).Get());
}

}  // namespace imaging
