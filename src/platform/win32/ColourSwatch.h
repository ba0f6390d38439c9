#pragma once
// A control whose background the program paints itself: a label, a box, or
// a button face. The colour dialog sets it through ColourTarget.
#include <windows.h>

#include "platform/CommonDialogs.h"

namespace wf::win {

// Resolves a colour number, system colours (top bit set) included.
COLORREF ToColorRef(Colour colour);

class ColourSwatch : public ColourTarget {
public:
    ColourSwatch() = default;
    ~ColourSwatch() override;
    ColourSwatch(const ColourSwatch&) = delete;
    ColourSwatch& operator=(const ColourSwatch&) = delete;

    // Takes over the painting of `control`; the swatch must outlive it or be
    // destroyed first.
    void Attach(HWND control, Colour initial);
    Colour BackColor() const override { return colour_; }
    void SetBackColor(Colour colour) override;

private:
    static LRESULT CALLBACK SubclassProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id, DWORD_PTR self);
    void Paint(HWND h);

    HWND control_ = nullptr;
    Colour colour_ = 0;
};

}  // namespace wf::win
