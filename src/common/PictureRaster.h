#pragma once
// The picture the generator samples: its size and the colours of its pixels.
// Rows are read in bulk so that sampling costs a memory read per pixel, not a
// call per pixel.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "common/Colour.h"

namespace wf {

// What a read outside the picture gives, as GetPixel answers CLR_INVALID. A
// picture reloaded smaller in the middle of a run can be read out of range.
inline constexpr Colour kNoPixel = 0xFFFFFFFFu;

class PictureRaster {
public:
    virtual ~PictureRaster() = default;
    virtual int32_t Width() const = 0;
    virtual int32_t Height() const = 0;
    // Colour numbers (0x00BBGGRR) of the `count` pixels (x0, y), (x0 + step, y),
    // (x0 + 2 * step, y), ... written to out[0..count). Pixels outside the
    // picture read as kNoPixel. step >= 1.
    virtual void ReadRow(int32_t y, int32_t x0, int32_t step, int32_t count, Colour* out) const = 0;
};

// One pixel, through the bulk read.
Colour PixelAt(const PictureRaster& raster, int32_t x, int32_t y);

// A view on device-independent bits as GDI lays them out, 32 bits a pixel
// (bytes blue, green, red, unused) or 24 (blue, green, red, rows padded to
// whole 32-bit words): an opaque photo is decoded at 24 bits, with no
// conversion between the decoder and the page. `topRow` points at the top row
// of the picture and `stride` is the byte distance from one row to the next
// one down (negative for a bottom-up DIB, whose top row is the last in
// memory). The view owns nothing; Attach again after the bits move or are
// freed. One view serves every picture a window loads, whatever its depth, so
// a page being written goes on reading the picture loaded last.
class DibRaster : public PictureRaster {
public:
    DibRaster() = default;
    DibRaster(const void* topRow, int32_t width, int32_t height, ptrdiff_t stride, int bitsPerPixel = 32) {
        Attach(topRow, width, height, stride, bitsPerPixel);
    }
    // bitsPerPixel is 24 or 32 (std::invalid_argument otherwise).
    void Attach(const void* topRow, int32_t width, int32_t height, ptrdiff_t stride, int bitsPerPixel = 32);
    void Detach() { Attach(nullptr, 0, 0, 0); }

    int32_t Width() const override { return width_; }
    int32_t Height() const override { return height_; }
    void ReadRow(int32_t y, int32_t x0, int32_t step, int32_t count, Colour* out) const override;

private:
    const unsigned char* top_ = nullptr;
    int32_t width_ = 0, height_ = 0;
    ptrdiff_t stride_ = 0;
    int bytesPerPixel_ = 4;
};

// A picture held as colour numbers, row by row from the top; tests and an
// empty raster use it.
class MemoryRaster : public PictureRaster {
public:
    MemoryRaster() = default;
    MemoryRaster(int32_t width, int32_t height, Colour fill = 0);
    MemoryRaster(int32_t width, int32_t height, std::vector<Colour> pixels);

    void Set(int32_t x, int32_t y, Colour c) { pixels_[Index(x, y)] = c; }
    int32_t Width() const override { return width_; }
    int32_t Height() const override { return height_; }
    void ReadRow(int32_t y, int32_t x0, int32_t step, int32_t count, Colour* out) const override;

private:
    size_t Index(int32_t x, int32_t y) const {
        return static_cast<size_t>(y) * static_cast<size_t>(width_) + static_cast<size_t>(x);
    }
    int32_t width_ = 0, height_ = 0;
    std::vector<Colour> pixels_;
};

}  // namespace wf
