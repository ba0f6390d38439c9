#include "platform/win32/ColourSwatch.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"

namespace wf::win {

COLORREF ToColorRef(Colour colour) {
    return IsSystemColour(colour) ? GetSysColor(static_cast<int>(SystemColourIndex(colour))) : colour & 0xFFFFFF;
}

ColourSwatch::~ColourSwatch() {
    if (control_ && IsWindow(control_)) RemoveWindowSubclass(control_, SubclassProc, 1);
}

void ColourSwatch::Attach(HWND control, Colour initial) {
    control_ = control;
    colour_ = initial;
    SetWindowSubclass(control, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    InvalidateRect(control, nullptr, TRUE);
}

void ColourSwatch::SetBackColor(Colour colour) {
    colour_ = colour;
    if (control_) InvalidateRect(control_, nullptr, TRUE);
}

void ColourSwatch::Paint(HWND h) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(h, &ps);
    RECT rc;
    GetClientRect(h, &rc);
    const COLORREF back = ToColorRef(colour_);
    UniqueGdi brush(CreateSolidBrush(back));
    FillRect(dc, &rc, static_cast<HBRUSH>(brush.get()));

    wchar_t cls[16] = L"";
    GetClassNameW(h, cls, 16);
    const bool button = lstrcmpiW(cls, L"Button") == 0;
    if (button) {
        const bool pushed = (SendMessageW(h, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
        DrawEdge(dc, &rc, pushed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
    }
    std::u16string text(static_cast<size_t>(GetWindowTextLengthW(h)) + 1, u'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(h, reinterpret_cast<wchar_t*>(text.data()), static_cast<int>(text.size()))));
    if (!text.empty()) {
        // Text stays readable on any face: black on light, white on dark.
        const int lum = (GetRValue(back) * 299 + GetGValue(back) * 587 + GetBValue(back) * 114) / 1000;
        SetTextColor(dc, lum < 128 ? RGB(255, 255, 255) : RGB(0, 0, 0));
        SetBkMode(dc, TRANSPARENT);
        const Selected font(dc, reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
        DrawTextW(dc, W(text), -1, &rc, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    if (button && GetFocus() == h) {
        RECT focus = rc;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
    EndPaint(h, &ps);
}

LRESULT CALLBACK ColourSwatch::SubclassProc(HWND h, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    auto* swatch = reinterpret_cast<ColourSwatch*>(self);
    switch (msg) {
    case WM_PAINT:
        swatch->Paint(h);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCDESTROY:
        RemoveWindowSubclass(h, SubclassProc, 1);
        swatch->control_ = nullptr;
        break;
    case BM_SETSTATE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT r = DefSubclassProc(h, msg, wp, lp);
        InvalidateRect(h, nullptr, TRUE);
        return r;
    }
    }
    return DefSubclassProc(h, msg, wp, lp);
}

}  // namespace wf::win
