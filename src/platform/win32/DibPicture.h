#pragma once
// A picture decoded into a DIB section. Samples are read from the bits
// directly; the section doubles as the preview's bitmap. An opaque picture
// keeps its own pixel format (24 or 32 bits); one with alpha or a palette is
// converted to 32 bits and laid over the background colour, so transparent
// parts take it.
#include <windows.h>

#include <string_view>

#include "common/Colour.h"
#include "common/PictureRaster.h"
#include "platform/win32/Handle.h"

namespace wf::win {

// Where a load spends its time, in seconds per stage; the benchmark reports it.
struct DecodeTimes {
    const char* route = "";  // which decoder and pixel path read the picture
    double open = 0;         // the imaging factory made, or the file read for OLE
    double decode = 0;       // the decoder made and its first frame read
    double section = 0;      // the DIB section made (and filled, for OLE)
    double pixels = 0;       // pixels copied, converted or rendered into it
    double blend = 0;        // laid over the background
    double measure = 0;      // the size in hundredths of a millimetre
};

class DibPicture {
public:
    // Loads a picture file: the Windows Imaging Component (BMP, DIB, JPEG,
    // GIF, PNG and the rest it knows), and OLE picture loading for icons,
    // cursors and what the other refuses. Throws CommandError when nothing
    // reads it; the picture is then empty. `times`, when given, receives the
    // stages' times.
    void Load(std::u16string_view path, Colour background, DecodeTimes* times = nullptr);
    void Clear();

    // The same view for every picture loaded: a page being written reads the latest.
    const PictureRaster& Raster() const { return raster_; }
    int32_t Width() const { return raster_.Width(); }
    int32_t Height() const { return raster_.Height(); }
    // The size as the decoder reports it, in hundredths of a millimetre.
    int32_t HimetricWidth() const { return himetricWidth_; }
    int32_t HimetricHeight() const { return himetricHeight_; }
    HBITMAP Bitmap() const { return static_cast<HBITMAP>(bitmap_.get()); }

private:
    class StageClock;
    // A fresh section of the given size and depth (24 or 32 bits), its
    // contents undefined; returns its top row, and the row stride in `stride`.
    unsigned char* Allocate(int32_t width, int32_t height, int bitsPerPixel, ptrdiff_t& stride);
    bool LoadOle(std::u16string_view path, Colour background, StageClock& clock);
    bool LoadWic(std::u16string_view path, Colour background, StageClock& clock);

    UniqueGdi bitmap_;
    DibRaster raster_;
    int32_t himetricWidth_ = 0, himetricHeight_ = 0;
};

}  // namespace wf::win
