#include "common/PictureRaster.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace wf {

namespace {

// The pixels of a row that lie inside [0, width): their count when read from
// x0 in steps of step, after `skip` leading ones that lie left of 0.
struct Span {
    int32_t skip = 0, inside = 0;
};

Span InsideSpan(int32_t width, int32_t x0, int32_t step, int32_t count) {
    Span s;
    int64_t x = x0;
    if (x < 0) {
        s.skip = static_cast<int32_t>(std::min<int64_t>(count, (-x + step - 1) / step));
        x += static_cast<int64_t>(s.skip) * step;
    }
    if (x < width) {
        const int64_t fit = (width - 1 - x) / step + 1;
        s.inside = static_cast<int32_t>(std::min<int64_t>(count - s.skip, fit));
    }
    return s;
}

// The common start of a row read: marks what lies outside the picture and
// returns the span to copy (empty for a row outside it).
Span BeginRow(int32_t width, int32_t height, int32_t y, int32_t x0, int32_t step, int32_t count, Colour* out) {
    Span s;
    if (y >= 0 && y < height) s = InsideSpan(width, x0, step, count);
    for (int32_t i = 0; i < s.skip; ++i) out[i] = kNoPixel;
    for (int32_t i = s.skip + s.inside; i < count; ++i) out[i] = kNoPixel;
    return s;
}

}  // namespace

Colour PixelAt(const PictureRaster& raster, int32_t x, int32_t y) {
    Colour c;
    raster.ReadRow(y, x, 1, 1, &c);
    return c;
}

void DibRaster::Attach(const void* topRow, int32_t width, int32_t height, ptrdiff_t stride, int bitsPerPixel) {
    if (bitsPerPixel != 24 && bitsPerPixel != 32)
        throw std::invalid_argument("DibRaster: only 24 and 32 bits a pixel are read");
    bytesPerPixel_ = bitsPerPixel / 8;
    if (topRow == nullptr || width <= 0 || height <= 0) {
        top_ = nullptr;
        width_ = height_ = 0;
        stride_ = 0;
        return;
    }
    top_ = static_cast<const unsigned char*>(topRow);
    width_ = width;
    height_ = height;
    stride_ = stride;
}

void DibRaster::ReadRow(int32_t y, int32_t x0, int32_t step, int32_t count, Colour* out) const {
    if (count <= 0) return;
    const Span s = BeginRow(width_, height_, y, x0, step, count, out);
    if (s.inside == 0) return;
    const int64_t first = static_cast<int64_t>(x0) + static_cast<int64_t>(s.skip) * step;
    const ptrdiff_t advance = static_cast<ptrdiff_t>(step) * bytesPerPixel_;
    const unsigned char* p = top_ + static_cast<ptrdiff_t>(y) * stride_ + first * bytesPerPixel_;
    Colour* o = out + s.skip;
    if (bytesPerPixel_ == 4) {
        // Memory holds 0xXXRRGGBB per pixel (little-endian B, G, R, X); colour
        // numbers are 0x00BBGGRR, so red and blue swap and the unused byte goes.
        for (int32_t i = 0; i < s.inside; ++i, p += advance) {
            uint32_t v;
            std::memcpy(&v, p, 4);
            o[i] = ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
        }
    } else {
        // Byte by byte: a four-byte read of the last pixel would run past the
        // bits of an unpadded row.
        for (int32_t i = 0; i < s.inside; ++i, p += advance)
            o[i] = (static_cast<Colour>(p[0]) << 16) | (static_cast<Colour>(p[1]) << 8) | p[2];
    }
}

MemoryRaster::MemoryRaster(int32_t width, int32_t height, Colour fill)
    : width_(width < 0 ? 0 : width),
      height_(height < 0 ? 0 : height),
      pixels_(static_cast<size_t>(width_) * static_cast<size_t>(height_), fill) {}

MemoryRaster::MemoryRaster(int32_t width, int32_t height, std::vector<Colour> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {
    if (width < 0 || height < 0 || pixels_.size() != static_cast<size_t>(width) * static_cast<size_t>(height))
        throw std::invalid_argument("MemoryRaster: pixel count does not match the size");
}

void MemoryRaster::ReadRow(int32_t y, int32_t x0, int32_t step, int32_t count, Colour* out) const {
    if (count <= 0) return;
    const Span s = BeginRow(width_, height_, y, x0, step, count, out);
    if (s.inside == 0) return;
    const Colour* row = pixels_.data() + Index(0, y);
    int64_t x = static_cast<int64_t>(x0) + static_cast<int64_t>(s.skip) * step;
    for (int32_t i = 0; i < s.inside; ++i, x += step) out[s.skip + i] = row[x];
}

}  // namespace wf
