#include "platform/win32/Win32Help.h"

#include <windows.h>

#include <string>

#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"

namespace wf::win {

bool Win32Help::DisplayTopic(uintptr_t ownerWindow, std::u16string_view helpFile, std::u16string_view topic) {
    // hhctrl.ocx is loaded on demand and stays loaded: its help window lives on
    // after this call returns.
    static HMODULE hhctrl = LoadLibraryW(L"hhctrl.ocx");
    if (!hhctrl) return false;
    using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    auto fn = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(hhctrl, "HtmlHelpW")));
    if (!fn) return false;
    // HH_DISPLAY_TOPIC (0) takes the page inside the compiled file as its data.
    const std::u16string file(helpFile), page(topic);
    if (GetFileAttributesW(W(file)) == INVALID_FILE_ATTRIBUTES) return false;
    return fn(reinterpret_cast<HWND>(ownerWindow), W(file), 0, reinterpret_cast<DWORD_PTR>(W(page))) != nullptr;
}

}  // namespace wf::win
