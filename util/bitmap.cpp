#include "util/bitmap.h"

#include <objbase.h>
#include <ocidl.h>
#include <olectl.h>

#include <cstring>
#include <vector>

#include "util/system_library.h"

namespace util {
namespace {

// A DIB section of the given size and depth, all black.
HBITMAP NewDibSection(int width, int height, int bits) {
    if (width < 1 || height < 1) return nullptr;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = static_cast<WORD>(bits);
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
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

// Copies `source` (a screen or window DC's rectangle) into a new DIB
// section; what lies outside `readable` stays black.
HBITMAP CopyFromDc(HDC from, const core::Rect& wanted, const core::Rect& readable, int bits) {
    HBITMAP bitmap = NewDibSection(wanted.Width(), wanted.Height(), bits);
    if (!bitmap) return nullptr;
    const core::ClippedCopy part = core::ClipCopy(wanted, readable);
    if (!part.source.Empty()) {
        HDC memory = CreateCompatibleDC(from);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, part.at.x, part.at.y, part.source.Width(), part.source.Height(), from, part.source.left,
               part.source.top, SRCCOPY);
        SelectObject(memory, old);
        DeleteDC(memory);
    }
    return bitmap;
}

HBITMAP GrabScreen(const core::Rect& area, int bits) {
    HDC screen = GetDC(nullptr);
    if (!screen) return nullptr;
    HBITMAP bitmap = CopyFromDc(screen, area, VirtualScreenRect(), bits);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

core::Rect ClientRect(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return {0, 0, r.right, r.bottom};
}

// What the window draws of itself, as a bitmap of its client area.
HBITMAP PrintClient(HWND hwnd, int bits) {
    const core::Rect client = ClientRect(hwnd);
    HBITMAP bitmap = NewDibSection(client.Width(), client.Height(), bits);
    if (!bitmap) return nullptr;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(memory, bitmap);
    const BOOL printed = PrintWindow(hwnd, memory, PW_CLIENTONLY);
    SelectObject(memory, old);
    DeleteDC(memory);
    if (!printed) {
        DeleteObject(bitmap);
        return nullptr;
    }
    return bitmap;
}

}  // namespace

core::Rect VirtualScreenRect() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN), top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

HBITMAP CaptureToBitmap(HWND hwnd, int bits) {
    if (bits == 0) bits = DisplayDepth();
    if (!hwnd) return GrabScreen(VirtualScreenRect(), bits);
    if (!IsWindow(hwnd) || IsIconic(hwnd) || !IsWindowVisible(hwnd)) return nullptr;
    return PrintClient(hwnd, bits);
}

HBITMAP CaptureClientToBitmap(HWND hwnd, int bits, bool usePrintWindow) {
    if (bits == 0) bits = 24;
    if (!hwnd) return GrabScreen(VirtualScreenRect(), bits);
    if (!IsWindow(hwnd)) return nullptr;
    if (usePrintWindow) return PrintClient(hwnd, bits);
    HDC dc = GetDC(hwnd);
    if (!dc) return nullptr;
    const core::Rect client = ClientRect(hwnd);
    HBITMAP bitmap = CopyFromDc(dc, client, client, bits);
    ReleaseDC(hwnd, dc);
    return bitmap;
}

HBITMAP GrabScreenArea(const core::Rect& area) { return GrabScreen(area, 24); }

bool CropBitmap(HBITMAP source, HBITMAP& target, int x, int y, int width, int height, int tx, int ty) {
    BITMAP from;
    if (!SizeOf(source, from)) return false;
    if (width < 1) width = from.bmWidth - x;
    if (height < 1) height = from.bmHeight - y;
    if (width < 1 || height < 1) return false;
    BITMAP to;
    if (!SizeOf(target, to)) {
        target = NewDibSection(width, height, from.bmBitsPixel >= 16 ? from.bmBitsPixel : 24);
        if (!target) return false;
    }
    const core::ClippedCopy part = core::ClipCopy({x, y, x + width, y + height}, {0, 0, from.bmWidth, from.bmHeight});
    if (part.source.Empty()) return true;
    HDC sourceDc = CreateCompatibleDC(nullptr);
    HDC targetDc = CreateCompatibleDC(nullptr);
    HGDIOBJ oldSource = SelectObject(sourceDc, source);
    HGDIOBJ oldTarget = SelectObject(targetDc, target);
    const BOOL copied = BitBlt(targetDc, tx + part.at.x, ty + part.at.y, part.source.Width(), part.source.Height(),
                               sourceDc, part.source.left, part.source.top, SRCCOPY);
    SelectObject(sourceDc, oldSource);
    SelectObject(targetDc, oldTarget);
    DeleteDC(sourceDc);
    DeleteDC(targetDc);
    return copied != 0;
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
    HDC dc = CreateCompatibleDC(nullptr);
    const int lines = GetDIBits(dc, bitmap, 0, static_cast<UINT>(info.bmHeight), rows.data(), &header, DIB_RGB_COLORS);
    DeleteDC(dc);
    if (lines != info.bmHeight) return {};
    return core::MakeBmp(info.bmWidth, info.bmHeight, bits, rows.data(), rows.size());
}

core::Colour GetBitmapPixel(HBITMAP bitmap, int x, int y) {
    BITMAP info;
    if (!SizeOf(bitmap, info)) return CLR_INVALID;
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    const COLORREF colour = old ? ::GetPixel(dc, x, y) : CLR_INVALID;
    if (old) SelectObject(dc, old);
    DeleteDC(dc);
    return colour;
}

bool DeleteBitmap(HBITMAP bitmap) { return bitmap && DeleteObject(bitmap) != 0; }

namespace {

// The picture loaded by OLE and copied out as a bitmap of our own.
HBITMAP LoadPictureBitmap(const core::ByteSet& picture) {
    using StreamOnMemory = HRESULT(WINAPI*)(HGLOBAL, BOOL, IStream**);
    using LoadPicture = HRESULT(WINAPI*)(IStream*, LONG, BOOL, REFIID, void**);
    static const auto streamOnMemory = SystemFunctionOf<StreamOnMemory>(L"ole32.dll", "CreateStreamOnHGlobal");
    static const auto loadPicture = SystemFunctionOf<LoadPicture>(L"oleaut32.dll", "OleLoadPicture");
    if (!streamOnMemory || !loadPicture) return nullptr;

    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, picture.size());
    if (!memory) return nullptr;
    void* at = GlobalLock(memory);
    if (!at) {
        GlobalFree(memory);
        return nullptr;
    }
    std::memcpy(at, picture.data(), picture.size());
    GlobalUnlock(memory);

    HBITMAP copy = nullptr;
    IStream* stream = nullptr;
    if (SUCCEEDED(streamOnMemory(memory, FALSE, &stream))) {
        IPicture* loaded = nullptr;
        if (SUCCEEDED(loadPicture(stream, static_cast<LONG>(picture.size()), FALSE, IID_IPicture,
                                  reinterpret_cast<void**>(&loaded))) &&
            loaded) {
            OLE_HANDLE handle = 0;
            SHORT type = PICTYPE_UNINITIALIZED;
            if (SUCCEEDED(loaded->get_Type(&type)) && type == PICTYPE_BITMAP && SUCCEEDED(loaded->get_Handle(&handle))) {
                copy = static_cast<HBITMAP>(CopyImage(reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(handle)),
                                                      IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
            }
            loaded->Release();
        }
        stream->Release();
    }
    GlobalFree(memory);
    return copy;
}

}  // namespace

bool CopyBitmapToClipboard(const core::ByteSet& picture) {
    if (picture.empty()) return false;
    HBITMAP bitmap = LoadPictureBitmap(picture);
    if (!bitmap) return false;
    bool placed = false;
    if (OpenClipboard(nullptr)) {
        EmptyClipboard();
        // The clipboard takes the bitmap it is given; it must stay alive
        // there, so it is deleted only when the clipboard refused it.
        placed = SetClipboardData(CF_BITMAP, bitmap) != nullptr;
        CloseClipboard();
    }
    if (!placed) DeleteObject(bitmap);
    return placed;
}

core::ByteSet CaptureWindowImage(HWND hwnd, int left, int top, int right, int bottom, bool direct, int bits) {
    if (bits == 0) bits = 16;
    const int width = right - left + 1, height = bottom - top + 1;
    if (direct) {
        HBITMAP drawn = CaptureToBitmap(hwnd, bits);
        HBITMAP out = nullptr;
        if (drawn) CropBitmap(drawn, out, left, top, width, height);
        core::ByteSet result = BitmapToBytes(out);
        DeleteBitmap(drawn);
        DeleteBitmap(out);
        return result;
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
    HBITMAP grabbed = GrabScreen(wanted, bits);
    core::ByteSet result = BitmapToBytes(grabbed);
    DeleteBitmap(grabbed);
    return result;
}

}  // namespace util
