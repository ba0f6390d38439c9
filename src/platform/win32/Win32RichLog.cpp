#include "platform/win32/Win32RichLog.h"

#include <richedit.h>

#include <algorithm>
#include <string>

#include "platform/win32/WideText.h"

namespace wf::win {
namespace {

LONG Position(size_t p) { return static_cast<LONG>(std::min<size_t>(p, 0x7FFFFFFF)); }

}  // namespace

size_t Win32RichLog::TextLength() {
    // Characters as stored (no GTL_USECRLF): a line break counts one, as in
    // the selection positions; WM_GETTEXTLENGTH would count it twice.
    GETTEXTLENGTHEX how{GTL_NUMCHARS | GTL_PRECISE, 1200};
    const LRESULT n = SendMessageW(edit_, EM_GETTEXTLENGTHEX, reinterpret_cast<WPARAM>(&how), 0);
    return n > 0 ? static_cast<size_t>(n) : 0;
}

void Win32RichLog::Select(size_t start, size_t length) {
    // The control clamps both ends to its text.
    CHARRANGE range{Position(start), Position(start + length)};
    SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
    if (length == 0) SendMessageW(edit_, EM_SCROLLCARET, 0, 0);
}

void Win32RichLog::ReplaceSelection(std::u16string_view text) {
    const std::u16string s(text);
    SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(W(s)));
}

void Win32RichLog::ColourSelection(Colour colour) {
    CHARFORMAT2W format{};
    format.cbSize = sizeof format;
    // Recolouring a long selection costs the control as much as inserting
    // it: text that already wears the colour throughout is left alone.
    SendMessageW(edit_, EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
    if ((format.dwMask & CFM_COLOR) && !(format.dwEffects & CFE_AUTOCOLOR) && format.crTextColor == colour) {
        CHARRANGE range{};
        SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
        if (range.cpMax > range.cpMin) return;
    }
    format = CHARFORMAT2W{};
    format.cbSize = sizeof format;
    format.dwMask = CFM_COLOR;
    format.crTextColor = colour;
    SendMessageW(edit_, EM_SETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&format));
}

void Win32RichLog::SetText(std::u16string_view text) {
    const std::u16string s(text);
    SetWindowTextW(edit_, W(s));
}

}  // namespace wf::win
