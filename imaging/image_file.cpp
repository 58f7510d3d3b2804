#include "imaging/image_file.h"

#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

#include <string_view>

#include "imaging/core/jpeg_encoder.h"
#include "win/com.h"
#include "win/file_replace.h"
#include "win/scoped.h"

namespace imaging {
namespace {

// The pixel rows of a 24-bit BMP turned top-down, as the encoder takes them.
bool TopDownRows(const core::ByteSet& bmp, core::BmpInfo& info, std::vector<BYTE>& rows) {
    if (!core::ReadBmpInfo(bmp, info) || info.bitsPerPixel != 24 || info.width <= 0 || info.height <= 0) return false;
    const auto stride = static_cast<std::size_t>(core::Bmp24RowStride(info.width));
    rows.resize(stride * static_cast<std::size_t>(info.height));
    for (int y = 0; y < info.height; ++y) {
        const std::size_t from = info.pixelOffset + stride * static_cast<std::size_t>(info.height - 1 - y);
        std::copy(bmp.begin() + static_cast<std::ptrdiff_t>(from),
                  bmp.begin() + static_cast<std::ptrdiff_t>(from + stride),
                  rows.begin() + static_cast<std::ptrdiff_t>(stride * static_cast<std::size_t>(y)));
    }
    return true;
}

core::ByteSet EncodeWithWic(const core::ByteSet& bmp, REFGUID container) {
    core::BmpInfo info;
    std::vector<BYTE> rows;
    if (!TopDownRows(bmp, info, rows)) return {};
    const win::Ole32& com = win::Ole32Functions();
    if (!com.create || !com.streamOnMemory || !com.memoryOfStream) return {};
    const win::ComScope apartment;
    if (!apartment.Usable()) return {};
    // Released before the apartment ends.
    win::ComPtr<IWICImagingFactory> factory;
    win::ComPtr<IStream> stream;
    win::ComPtr<IWICBitmapEncoder> encoder;
    win::ComPtr<IWICBitmapFrameEncode> frame;
    win::ComPtr<IPropertyBag2> options;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const UINT width = static_cast<UINT>(info.width), height = static_cast<UINT>(info.height);
    const auto stride = static_cast<UINT>(core::Bmp24RowStride(info.width));
    const bool framed =
        SUCCEEDED(com.create(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                             factory.ReceiveVoid())) &&
        SUCCEEDED(com.streamOnMemory(nullptr, TRUE, stream.Receive())) &&
        SUCCEEDED(factory->CreateEncoder(container, nullptr, encoder.Receive())) &&
        SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
        SUCCEEDED(encoder->CreateNewFrame(frame.Receive(), options.Receive())) &&
        SUCCEEDED(frame->Initialize(options.Get())) && SUCCEEDED(frame->SetSize(width, height)) &&
        SUCCEEDED(frame->SetPixelFormat(&format));
    // The encoder may ask for another layout; only 24-bit BGR is given.
    const bool written = framed && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
                         SUCCEEDED(frame->WritePixels(height, stride, static_cast<UINT>(rows.size()), rows.data())) &&
                         SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    HGLOBAL memory = nullptr;  // the stream's own
    if (!written || FAILED(com.memoryOfStream(stream.Get(), &memory))) return {};
    STATSTG stat = {};
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return {};
    const win::GlobalLockScope<const BYTE> bytes(memory);
    if (!bytes) return {};
    return core::ByteSet(bytes.Get(), bytes.Get() + static_cast<std::size_t>(stat.cbSize.QuadPart));
}

}  // namespace

core::ByteSet EncodeImage(const core::ByteSet& bmp, core::ImageFormat format) {
    switch (format) {
        case core::ImageFormat::Png: return EncodeWithWic(bmp, GUID_ContainerFormatPng);
        // Our own encoder: the system's may ignore the quality asked for.
        case core::ImageFormat::Jpeg: return core::EncodeJpeg(bmp, core::kJpegQuality);
        case core::ImageFormat::Bmp: break;
    }
    core::BmpInfo info;
    return core::ReadBmpInfo(bmp, info) ? bmp : core::ByteSet();
}

bool SaveImageFile(const core::ByteSet& bmp, const std::wstring& path, core::ImageFormat format) {
    const core::ByteSet bytes = EncodeImage(bmp, format);
    if (bytes.empty()) return false;
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES ? win::CreateFileWithContents(path, view)
                                                                       : win::ReplaceFileContents(path, view);
}

}  // namespace imaging
