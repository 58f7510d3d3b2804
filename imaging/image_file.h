// Image files written from BMP byte sets: a .bmp file holds the bytes as
// they are; JPEG and PNG are encoded by the Windows Imaging Component, so a
// file's content is always what its name says. The file is written beside
// its place first and then takes it in one step, so a failed save leaves
// nothing half-written (and an existing file as it was).
#pragma once

#include <string>

#include "imaging/core/bmp.h"
#include "imaging/core/image_format.h"

namespace imaging {

// False when the bytes are no 24-bit BMP image, the encoder is missing, or
// the file cannot be written.
bool SaveImageFile(const core::ByteSet& bmp, const std::wstring& path, core::ImageFormat format);

// The encoded file's bytes (what SaveImageFile writes); empty on failure.
core::ByteSet EncodeImage(const core::ByteSet& bmp, core::ImageFormat format);

}  // namespace imaging
