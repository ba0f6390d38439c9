#include "platform/win32/Win32Clipboard.h"

#include <windows.h>

#include <cstring>

#include "platform/win32/Handle.h"

namespace wf::win {

namespace {

// Another program holds the clipboard only for the moment of its own copy:
// a few short tries get past that, without keeping a copy button waiting.
bool OpenClipboardSoon() {
    for (int attempt = 0; attempt < 10; ++attempt) {
        if (OpenClipboard(nullptr)) return true;
        Sleep(20);
    }
    return false;
}

}  // namespace

bool Win32Clipboard::SetText(std::u16string_view text) {
    const size_t bytes = (text.size() + 1) * sizeof(char16_t);
    UniqueGlobal mem(GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!mem) return false;
    auto* p = static_cast<char16_t*>(GlobalLock(mem.get()));
    if (!p) return false;
    std::memcpy(p, text.data(), text.size() * sizeof(char16_t));
    p[text.size()] = u'\0';
    GlobalUnlock(mem.get());
    if (!OpenClipboardSoon()) return false;
    const ScopeExit close([] { CloseClipboard(); });
    if (!EmptyClipboard() || !SetClipboardData(CF_UNICODETEXT, mem.get())) return false;
    mem.release();  // the clipboard owns it now
    return true;
}

}  // namespace wf::win
