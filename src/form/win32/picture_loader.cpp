#include "form/win32/picture_loader.h"

#include <cstdint>
#include <cstring>

#include "platform/files.h"

// clang-format off
#include <wincodec.h>
// clang-format on

namespace pelin::form::win32 {

namespace {

// The largest picture decoded: far beyond any the windows show, far below what
// would exhaust memory.
constexpr UINT kMaxSide = 16384;
constexpr std::uint64_t kMaxPixels = std::uint64_t{64} << 20;

// A COM interface pointer released when it goes.
template <typename T>
class Com {
public:
    Com() = default;
    ~Com() {
        if (p_) p_->Release();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    T* operator->() const { return p_; }
    T* get() const { return p_; }
    T** out() { return &p_; }

private:
    T* p_ = nullptr;
};

// COM for this thread for as long as the scope lasts, unless the thread has
// it already (in either model: the imaging objects work in both).
class ComScope {
public:
    ComScope() : ours_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComScope() {
        if (ours_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool ours_;
};

}  // namespace

std::shared_ptr<Bitmap> decodePicture(std::span<const std::byte> bytes) {
    if (bytes.empty() || bytes.size() > MAXDWORD) return nullptr;
    ComScope com;
    Com<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(factory.out()))))
        return nullptr;
    Com<IWICStream> stream;
    if (FAILED(factory->CreateStream(stream.out())) ||
        FAILED(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<std::byte*>(bytes.data())),
                                            static_cast<DWORD>(bytes.size()))))
        return nullptr;
    Com<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.out())))
        return nullptr;
    Com<IWICBitmapFrameDecode> frame;
    if (FAILED(decoder->GetFrame(0, frame.out()))) return nullptr;
    UINT width = 0;
    UINT height = 0;
    if (FAILED(frame->GetSize(&width, &height)) || width == 0 || height == 0 || width > kMaxSide || height > kMaxSide ||
        std::uint64_t{width} * height > kMaxPixels)
        return nullptr;
    Com<IWICFormatConverter> converter;
    if (FAILED(factory->CreateFormatConverter(converter.out())) ||
        FAILED(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                     WICBitmapPaletteTypeCustom)))
        return nullptr;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height);  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!section) return nullptr;
    auto picture = std::make_shared<Bitmap>(section, static_cast<int>(width), static_cast<int>(height));
    const UINT stride = width * 4;
    if (FAILED(converter->CopyPixels(nullptr, stride, stride * height, static_cast<BYTE*>(bits)))) return nullptr;
    GdiFlush();
    return picture;
}

std::shared_ptr<Picture> WicPictureLoader::load(const std::filesystem::path& path) {
    const platform::Result<std::string> bytes = platform::readFile(path, platform::kMaxPictureFileBytes);
    if (!bytes) return nullptr;
    return decodePicture(std::as_bytes(std::span(bytes->data(), bytes->size())));
}

}  // namespace pelin::form::win32
