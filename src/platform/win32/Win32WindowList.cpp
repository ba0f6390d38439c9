#include "platform/win32/Win32WindowList.h"

#include <windows.h>

namespace wf::win {
namespace {
HWND Hwnd(WindowHandle h) { return reinterpret_cast<HWND>(h); }
}  // namespace

WindowHandle Win32WindowList::Desktop() { return reinterpret_cast<WindowHandle>(GetDesktopWindow()); }

WindowHandle Win32WindowList::Related(WindowHandle h, int command) {
    return reinterpret_cast<WindowHandle>(GetWindow(Hwnd(h), static_cast<UINT>(command)));
}

bool Win32WindowList::Visible(WindowHandle h) { return IsWindowVisible(Hwnd(h)) != FALSE; }

int Win32WindowList::TitleLength(WindowHandle h) { return GetWindowTextLengthW(Hwnd(h)); }

std::u16string Win32WindowList::Title(WindowHandle h, int length) {
    std::u16string s(static_cast<size_t>(length), u'\0');
    const int n = GetWindowTextW(Hwnd(h), reinterpret_cast<wchar_t*>(s.data()), length + 1);
    // The title may have shortened since its length was asked.
    s.resize(static_cast<size_t>(n < 0 ? 0 : (n < length ? n : length)));
    return s;
}

void Win32WindowList::Show(WindowHandle h, int command) { ShowWindow(Hwnd(h), command); }

}  // namespace wf::win
