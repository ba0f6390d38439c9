#include "platform/win32/DibPicture.h"

#include <ocidl.h>
#include <olectl.h>
#include <wincodec.h>

#include <chrono>
#include <string>

#include "common/Errors.h"
#include "platform/win32/ColourSwatch.h"
#include "platform/win32/Win32Errors.h"
#include "platform/win32/WideText.h"

namespace wf::win {

namespace {

template <class T>
struct ComPtr {
    T* p = nullptr;
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() {
        if (p) p->Release();
    }
    T** operator&() { return &p; }
    T* operator->() const { return p; }
};

constexpr int32_t kHimetricPerInch = 2540;

bool IsIconFile(std::u16string_view path) {
    const auto dot = path.find_last_of(u'.');
    if (dot == std::u16string_view::npos) return false;
    std::u16string ext(path.substr(dot));
    for (auto& c : ext) c = static_cast<char16_t>(c | 0x20);
    return ext == u".ico" || ext == u".cur";
}

int32_t ScreenDpi() {
    const WindowDC screen(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 0;
    return dpi > 0 ? dpi : 96;
}

// The background as a pixel of a 32-bit section: 0x00RRGGBB.
uint32_t BackgroundPixel(Colour background) {
    const COLORREF c = ToColorRef(background);
    return (static_cast<uint32_t>(GetRValue(c)) << 16) | (static_cast<uint32_t>(GetGValue(c)) << 8) | GetBValue(c);
}

// Pixels of 32-bit BGRA laid over the background where they are not opaque;
// the alpha byte is cleared, as the section's unused byte.
void BlendOver(unsigned char* top, int32_t width, int32_t height, ptrdiff_t stride, uint32_t back) {
    for (int32_t y = 0; y < height; ++y) {
        auto* px = reinterpret_cast<uint32_t*>(top + y * stride);
        for (int32_t x = 0; x < width; ++x) {
            const uint32_t c = px[x];
            const uint32_t a = c >> 24;
            if (a == 255) {
                px[x] = c & 0xFFFFFF;
                continue;
            }
            uint32_t out = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const uint32_t fg = (c >> shift) & 0xFF, bg = (back >> shift) & 0xFF;
                out |= ((fg * a + bg * (255 - a) + 127) / 255) << shift;
            }
            px[x] = out;
        }
    }
}

// How the Imaging Component's pixels reach the section: formats a section
// holds as they are go in as they are, so an opaque JPEG's 24-bit BGR costs one
// copy, where a conversion to 32 bits, a fill before it and a blend after it
// took three passes over a larger section; the rest are converted to 32-bit
// BGRA and blended.
struct PixelPath {
    int bitsPerPixel;
    bool convert, blend;
    const char* route;
};

PixelPath PathFor(const WICPixelFormatGUID& format) {
    if (IsEqualGUID(format, GUID_WICPixelFormat24bppBGR)) return {24, false, false, "WIC, 24-bit BGR as it is"};
    if (IsEqualGUID(format, GUID_WICPixelFormat32bppBGR)) return {32, false, false, "WIC, 32-bit BGR as it is"};
    if (IsEqualGUID(format, GUID_WICPixelFormat32bppBGRA)) return {32, false, true, "WIC, 32-bit BGRA, blended"};
    return {32, true, true, "WIC, converted to 32-bit BGRA, blended"};
}

using Clock = std::chrono::steady_clock;

}  // namespace

// Adds the time since the last mark to a stage, when times are wanted.
class DibPicture::StageClock {
public:
    explicit StageClock(DecodeTimes* times) : times_(times), last_(times ? Clock::now() : Clock::time_point()) {}
    void Mark(double DecodeTimes::*stage) {
        if (!times_) return;
        const auto now = Clock::now();
        times_->*stage += std::chrono::duration<double>(now - last_).count();
        last_ = now;
    }
    void Route(const char* route) {
        if (times_) times_->route = route;
    }

private:
    DecodeTimes* times_;
    Clock::time_point last_;
};

void DibPicture::Clear() {
    raster_.Detach();
    bitmap_.reset();
    himetricWidth_ = himetricHeight_ = 0;
}

unsigned char* DibPicture::Allocate(int32_t width, int32_t height, int bitsPerPixel, ptrdiff_t& stride) {
    Clear();
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down: row 0 first in memory
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = static_cast<WORD>(bitsPerPixel);
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bmp = CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bmp) throw MakeError(err::InvalidCall);
    bitmap_.reset(bmp);
    // Rows of a DIB are padded to whole 32-bit words.
    stride = (static_cast<ptrdiff_t>(width) * bitsPerPixel + 31) / 32 * 4;
    raster_.Attach(bits, width, height, stride, bitsPerPixel);
    return static_cast<unsigned char*>(bits);
}

bool DibPicture::LoadOle(std::u16string_view path, Colour background, StageClock& clock) {
    clock.Route("OLE, rendered over the background");
    const std::u16string p(path);
    UniqueFile file(CreateFileW(W(p), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file) throw ErrorFromWin32(GetLastError());
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart > 0x7FFFFFFF) return false;
    UniqueGlobal mem(GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size.QuadPart)));
    if (!mem) throw MakeError(err::InvalidCall);
    void* data = GlobalLock(mem.get());
    if (!data) throw MakeError(err::InvalidCall);
    DWORD read = 0;
    const bool ok = ReadFile(file.get(), data, static_cast<DWORD>(size.QuadPart), &read, nullptr) && read == size.QuadPart;
    GlobalUnlock(mem.get());
    if (!ok) return false;
    ComPtr<IStream> stream;
    if (FAILED(CreateStreamOnHGlobal(mem.get(), TRUE, &stream))) return false;
    mem.release();  // the stream frees it now
    clock.Mark(&DecodeTimes::open);
    ComPtr<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.p, static_cast<LONG>(size.QuadPart), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(&picture))))
        return false;
    OLE_XSIZE_HIMETRIC hmWidth = 0;
    OLE_YSIZE_HIMETRIC hmHeight = 0;
    picture->get_Width(&hmWidth);
    picture->get_Height(&hmHeight);
    // Bitmaps know their pixels; other kinds are measured at the screen's DPI.
    int32_t width = 0, height = 0;
    SHORT type = PICTYPE_NONE;
    picture->get_Type(&type);
    OLE_HANDLE handle = 0;
    BITMAP bm{};
    if (type == PICTYPE_BITMAP && SUCCEEDED(picture->get_Handle(&handle)) &&
        GetObjectW(reinterpret_cast<HGDIOBJ>(static_cast<uintptr_t>(handle)), sizeof bm, &bm)) {
        width = bm.bmWidth;
        height = bm.bmHeight;
    } else {
        const int32_t dpi = ScreenDpi();
        width = MulDiv(hmWidth, dpi, kHimetricPerInch);
        height = MulDiv(hmHeight, dpi, kHimetricPerInch);
    }
    if (width <= 0 || height <= 0) return false;
    clock.Mark(&DecodeTimes::decode);
    // Filled first: what the picture leaves transparent keeps the background.
    ptrdiff_t stride = 0;
    unsigned char* top = Allocate(width, height, 32, stride);
    const uint32_t fill = BackgroundPixel(background);
    for (int32_t y = 0; y < height; ++y) {
        auto* px = reinterpret_cast<uint32_t*>(top + y * stride);
        for (int32_t x = 0; x < width; ++x) px[x] = fill;
    }
    clock.Mark(&DecodeTimes::section);
    HRESULT hr = E_FAIL;
    {
        const UniqueDC dc(CreateCompatibleDC(nullptr));
        if (dc) {
            const Selected section(dc.get(), bitmap_.get());
            hr = picture->Render(dc.get(), 0, 0, width, height, 0, hmHeight, hmWidth, -hmHeight, nullptr);
        }
    }
    if (FAILED(hr)) {
        Clear();
        return false;
    }
    GdiFlush();
    clock.Mark(&DecodeTimes::pixels);
    himetricWidth_ = hmWidth;
    himetricHeight_ = hmHeight;
    return true;
}

bool DibPicture::LoadWic(std::u16string_view path, Colour background, StageClock& clock) {
    ComPtr<IWICImagingFactory> factory;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                                reinterpret_cast<void**>(&factory))))
        return false;
    clock.Mark(&DecodeTimes::open);
    const std::u16string p(path);
    ComPtr<IWICBitmapDecoder> decoder;
    if (FAILED(factory->CreateDecoderFromFilename(W(p), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand, &decoder)))
        return false;
    ComPtr<IWICBitmapFrameDecode> frame;
    WICPixelFormatGUID format{};
    UINT w = 0, h = 0;
    if (FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetPixelFormat(&format)) ||
        FAILED(frame->GetSize(&w, &h)))
        return false;
    // Wine's JPEG decoder has decoded the whole picture by now, in its own
    // memory; the rest is ours.
    clock.Mark(&DecodeTimes::decode);
    const PixelPath pixelPath = PathFor(format);
    clock.Route(pixelPath.route);
    IWICBitmapSource* source = frame.p;
    ComPtr<IWICFormatConverter> converter;
    if (pixelPath.convert) {
        if (FAILED(factory->CreateFormatConverter(&converter)) ||
            FAILED(converter->Initialize(frame.p, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr, 0,
                                         WICBitmapPaletteTypeCustom)))
            return false;
        source = converter.p;
    }
    // The whole section must fit the 32-bit sizes GDI and CopyPixels take.
    const uint64_t rowBytes = (static_cast<uint64_t>(w) * static_cast<uint64_t>(pixelPath.bitsPerPixel) + 31) / 32 * 4;
    if (w == 0 || h == 0 || w > 0x7FFF'FFFF || rowBytes * h > 0x7FFF'FFFF) return false;
    ptrdiff_t stride = 0;
    unsigned char* top = Allocate(static_cast<int32_t>(w), static_cast<int32_t>(h), pixelPath.bitsPerPixel, stride);
    clock.Mark(&DecodeTimes::section);
    // Every pixel of the section is written here, so it needs no fill first.
    if (FAILED(source->CopyPixels(nullptr, static_cast<UINT>(stride), static_cast<UINT>(stride * h), top))) {
        Clear();
        return false;
    }
    clock.Mark(&DecodeTimes::pixels);
    if (pixelPath.blend)
        BlendOver(top, static_cast<int32_t>(w), static_cast<int32_t>(h), stride, BackgroundPixel(background));
    clock.Mark(&DecodeTimes::blend);
    // Measured at the screen's resolution, as OLE measures bitmaps, so a
    // picture's preview does not depend on which decoder read it.
    const int32_t dpi = ScreenDpi();
    himetricWidth_ = MulDiv(static_cast<int>(w), kHimetricPerInch, dpi);
    himetricHeight_ = MulDiv(static_cast<int>(h), kHimetricPerInch, dpi);
    clock.Mark(&DecodeTimes::measure);
    return true;
}

void DibPicture::Load(std::u16string_view path, Colour background, DecodeTimes* times) {
    Clear();
    if (times) *times = DecodeTimes{};
    if (path.empty()) return;  // an empty name leaves the picture empty, no error
    StageClock clock(times);
    // The Imaging Component decodes straight into the section, about four
    // times faster than OLE picture loading under Wine for a large JPEG; OLE
    // keeps icons and cursors (it picks their images as Windows always has)
    // and anything the Imaging Component refuses.
    if (IsIconFile(path) ? (LoadOle(path, background, clock) || LoadWic(path, background, clock))
                         : (LoadWic(path, background, clock) || LoadOle(path, background, clock)))
        return;
    Clear();
    throw CommandError(481, u"Invalid picture");
}

}  // namespace wf::win
