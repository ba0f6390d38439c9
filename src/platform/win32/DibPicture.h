#pragma once
// A picture decoded into a 32-bit DIB section cleared to a background colour
// first, so transparent parts take it. Samples are read from the bits
// directly; the section doubles as the preview's bitmap.
#include <windows.h>

#include <string_view>

#include "common/PictureRaster.h"
#include "common/Colour.h"
#include "platform/win32/Handle.h"

namespace wf::win {

class DibPicture {
public:
    // Loads a picture file: OLE picture loading (BMP, DIB, JPEG, GIF, ICO,
    // CUR) and, where that refuses a file, the Windows Imaging Component (PNG
    // and the rest it knows). Throws CommandError when nothing reads it; the
    // picture is then empty.
    void Load(std::u16string_view path, Colour background);
    void Clear();

    const PictureRaster& Raster() const { return raster_; }
    int32_t Width() const { return raster_.Width(); }
    int32_t Height() const { return raster_.Height(); }
    // The size as the decoder reports it, in hundredths of a millimetre.
    int32_t HimetricWidth() const { return himetricWidth_; }
    int32_t HimetricHeight() const { return himetricHeight_; }
    HBITMAP Bitmap() const { return static_cast<HBITMAP>(bitmap_.get()); }

private:
    // A fresh section of the given size filled with the background colour.
    uint32_t* Allocate(int32_t width, int32_t height, Colour background);
    bool LoadOle(std::u16string_view path, Colour background);
    bool LoadWic(std::u16string_view path, Colour background);

    UniqueGdi bitmap_;
    Bgrx32Raster raster_;
    int32_t himetricWidth_ = 0, himetricHeight_ = 0;
};

}  // namespace wf::win
