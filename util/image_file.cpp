#include "util/image_file.h"

#include <windows.h>

#include <objbase.h>
#include <wincodec.h>

#include <string_view>

#include "util/file_replace.h"
#include "util/system_library.h"

namespace util {
namespace {

template <typename T>
struct Released {
    T* p = nullptr;
    ~Released() {
        if (p) p->Release();
    }
};

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
    using Initialize = HRESULT(WINAPI*)(void*, DWORD);
    using Uninitialize = void(WINAPI*)();
    using Create = HRESULT(WINAPI*)(REFCLSID, IUnknown*, DWORD, REFIID, void**);
    using StreamOnMemory = HRESULT(WINAPI*)(HGLOBAL, BOOL, IStream**);
    using MemoryOfStream = HRESULT(WINAPI*)(IStream*, HGLOBAL*);
    static const auto initialize = SystemFunctionOf<Initialize>(L"ole32.dll", "CoInitializeEx");
    static const auto uninitialize = SystemFunctionOf<Uninitialize>(L"ole32.dll", "CoUninitialize");
    static const auto create = SystemFunctionOf<Create>(L"ole32.dll", "CoCreateInstance");
    static const auto streamOnMemory = SystemFunctionOf<StreamOnMemory>(L"ole32.dll", "CreateStreamOnHGlobal");
    static const auto memoryOf = SystemFunctionOf<MemoryOfStream>(L"ole32.dll", "GetHGlobalFromStream");
    if (!initialize || !uninitialize || !create || !streamOnMemory || !memoryOf) return {};
    const HRESULT com = initialize(nullptr, COINIT_APARTMENTTHREADED);
    core::ByteSet encoded;
    {
        Released<IWICImagingFactory> factory;
        Released<IWICBitmapEncoder> encoder;
        Released<IWICBitmapFrameEncode> frame;
        Released<IPropertyBag2> options;
        Released<IStream> stream;
        WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
        const UINT width = static_cast<UINT>(info.width), height = static_cast<UINT>(info.height);
        const auto stride = static_cast<UINT>(core::Bmp24RowStride(info.width));
        bool ok = SUCCEEDED(create(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(&factory.p))) &&
                  SUCCEEDED(streamOnMemory(nullptr, TRUE, &stream.p)) &&
                  SUCCEEDED(factory.p->CreateEncoder(container, nullptr, &encoder.p)) &&
                  SUCCEEDED(encoder.p->Initialize(stream.p, WICBitmapEncoderNoCache)) &&
                  SUCCEEDED(encoder.p->CreateNewFrame(&frame.p, &options.p)) &&
                  SUCCEEDED(frame.p->Initialize(options.p)) && SUCCEEDED(frame.p->SetSize(width, height)) &&
                  SUCCEEDED(frame.p->SetPixelFormat(&format));
        // The encoder may ask for another layout; only 24-bit BGR is given.
        ok = ok && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
             SUCCEEDED(frame.p->WritePixels(height, stride, static_cast<UINT>(rows.size()), rows.data())) &&
             SUCCEEDED(frame.p->Commit()) && SUCCEEDED(encoder.p->Commit());
        HGLOBAL memory = nullptr;
        if (ok && SUCCEEDED(memoryOf(stream.p, &memory))) {
            STATSTG stat = {};
            stream.p->Stat(&stat, STATFLAG_NONAME);
            if (const auto* bytes = static_cast<const BYTE*>(GlobalLock(memory))) {
                encoded.assign(bytes, bytes + static_cast<std::size_t>(stat.cbSize.QuadPart));
                GlobalUnlock(memory);
            }
        }
    }
    if (SUCCEEDED(com)) uninitialize();
    return encoded;
}

}  // namespace

core::ByteSet EncodeImage(const core::ByteSet& bmp, core::ImageFormat format) {
    switch (format) {
        case core::ImageFormat::Png: return EncodeWithWic(bmp, GUID_ContainerFormatPng);
        case core::ImageFormat::Jpeg: return EncodeWithWic(bmp, GUID_ContainerFormatJpeg);
        case core::ImageFormat::Bmp: break;
    }
    core::BmpInfo info;
    return core::ReadBmpInfo(bmp, info) ? bmp : core::ByteSet();
}

bool SaveImageFile(const core::ByteSet& bmp, const std::wstring& path, core::ImageFormat format) {
    const core::ByteSet bytes = EncodeImage(bmp, format);
    if (bytes.empty()) return false;
    const std::string_view view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES ? CreateFileWithContents(path, view)
                                                                       : ReplaceFileContents(path, view);
}

}  // namespace util
