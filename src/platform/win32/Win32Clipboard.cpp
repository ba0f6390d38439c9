#include "platform/win32/Win32Clipboard.h"

#include <windows.h>

#include <cstring>

namespace wf::win {

void Win32Clipboard::SetText(std::u16string_view text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    const size_t bytes = (text.size() + 1) * sizeof(char16_t);
    if (HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, bytes)) {
        auto* p = static_cast<char16_t*>(GlobalLock(mem));
        std::memcpy(p, text.data(), text.size() * sizeof(char16_t));
        p[text.size()] = u'\0';
        GlobalUnlock(mem);
        if (!SetClipboardData(CF_UNICODETEXT, mem)) GlobalFree(mem);  // ownership passes on success only
    }
    CloseClipboard();
}

}  // namespace wf::win
