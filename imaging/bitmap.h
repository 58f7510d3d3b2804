// Screen grabs and GDI bitmaps: the whole virtual screen, one window's
// client area, a part of either, turned into BMP byte sets for saving, into
// single pixel colours, and onto the clipboard.
//
// Screen coordinates are physical pixels of the virtual screen (monitors
// left of or above the primary one have negative coordinates); a bitmap of
// the whole screen holds the virtual screen's top-left corner at (0, 0).
// A bitmap comes back owned (win/scoped.h): it goes with its owner. Every
// routine gives an empty owner, false or an empty byte set instead of
// failing loudly.
#pragma once

#include <windows.h>

#include "base/geometry.h"
#include "imaging/core/bmp.h"
#include "win/scoped.h"

namespace imaging {

base::Rect VirtualScreenRect();

// The window's client area as it is drawn (PrintWindow), or with hwnd 0 the
// whole virtual screen, in `bits` bits per pixel (0: the display's depth).
// 0 for a minimised or invisible window, or when PrintWindow fails.
win::OwnedBitmap CaptureToBitmap(HWND hwnd, int bits);

// The client area of hwnd (the whole virtual screen for 0) in a DIB section
// of `bits` bits per pixel, copied from the screen, or drawn by the window
// itself (PrintWindow) when usePrintWindow is set.
win::OwnedBitmap CaptureClientToBitmap(HWND hwnd, int bits = 24, bool usePrintWindow = false);

// The screen rectangle in a 24-bit DIB section; the parts that lie off the
// virtual screen stay black. Costs what the rectangle's size costs, not the
// screen's.
win::OwnedBitmap GrabScreenArea(const base::Rect& area);

// The rectangle `wanted` of a DC (device coordinates) in a new DIB section
// of `bits` bits per pixel; what lies outside `readable` stays black.
win::OwnedBitmap CopyFromDc(HDC from, const base::Rect& wanted, const base::Rect& readable, int bits = 24);

// Copies width x height pixels at (x, y) of source to (tx, ty) of target.
// When target holds no bitmap, a new one of the source's depth is made
// (width or height below 1 reach to the source's right or bottom edge) and
// stored in target. Pixels of the source outside it leave the target black.
bool CropBitmap(HBITMAP source, win::OwnedBitmap& target, int x, int y, int width, int height, int tx = 0, int ty = 0);

// The bitmap as a BMP file image in its own depth (16, 24 or 32 bits; other
// depths as 24 bits); empty for an invalid handle.
core::ByteSet BitmapToBytes(HBITMAP bitmap);

// Colour of one pixel (red in the low byte); CLR_INVALID outside or for an
// invalid handle.
base::Colour GetBitmapPixel(HBITMAP bitmap, int x, int y);

// Puts the picture (any format OLE picture loading reads: BMP, JPEG, GIF,
// icons) on the clipboard as a device-independent bitmap (CF_DIB, which
// every program can read; the system gives CF_BITMAP of it to those who ask
// for that), with `owner` as the clipboard's owner. False, with the
// clipboard left as it was, for empty or unreadable bytes; false when the
// clipboard could not be opened or refused the bitmap.
bool CopyBitmapToClipboard(const core::ByteSet& picture, HWND owner = nullptr);

// The image of a window as a BMP byte set, empty when nothing was captured.
// direct: the window's own drawing of its client area (PrintWindow), cut to
// (left, top)-(right, bottom) inclusive, right or bottom -1 reaching the
// edge. Otherwise the screen as displayed: with hwnd 0 that rectangle of
// the screen, else that part of the window's client area (right < left or
// bottom < top taking the whole client width or height); a minimised window
// gives nothing.
core::ByteSet CaptureWindowImage(HWND hwnd, int left = 0, int top = 0, int right = -1, int bottom = -1,
                                 bool direct = false, int bits = 16);

}  // namespace imaging
