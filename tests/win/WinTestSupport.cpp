#include "win/WinTestSupport.h"

namespace wf::test {

namespace {
thread_local DialogAnswerer* current = nullptr;
}

DialogAnswerer::DialogAnswerer(std::function<void(HWND)> onDialog)
    : hook_(SetWindowsHookExW(WH_CBT, Hook, nullptr, GetCurrentThreadId())), onDialog_(std::move(onDialog)) {
    current = this;
}

DialogAnswerer::~DialogAnswerer() {
    UnhookWindowsHookEx(hook_);
    current = nullptr;
}

LRESULT CALLBACK DialogAnswerer::Hook(int code, WPARAM wp, LPARAM lp) {
    if (code == HCBT_ACTIVATE && current) {
        HWND h = reinterpret_cast<HWND>(wp);
        if (GetWindowThreadProcessId(h, nullptr) != GetCurrentThreadId()) return CallNextHookEx(nullptr, code, wp, lp);
        wchar_t cls[32] = L"";
        GetClassNameW(h, cls, 32);
        if (lstrcmpW(cls, L"#32770") == 0) {
            ++current->seen;
            current->onDialog_(h);
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void PressButton(HWND dialog, int id) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::u16string WindowText(HWND h) {
    std::u16string s(static_cast<size_t>(GetWindowTextLengthW(h)) + 1, u'\0');
    s.resize(static_cast<size_t>(GetWindowTextW(h, reinterpret_cast<wchar_t*>(s.data()), static_cast<int>(s.size()))));
    return s;
}

std::u16string MessageBoxText(HWND box) { return WindowText(GetDlgItem(box, 0xFFFF)); }

std::u16string ClipboardText() {
    if (!OpenClipboard(nullptr)) return u"<clipboard busy>";
    HANDLE data = GetClipboardData(CF_UNICODETEXT);
    const auto* p = data ? static_cast<const char16_t*>(GlobalLock(data)) : nullptr;
    const std::u16string text = p ? p : u"<no text>";
    if (p) GlobalUnlock(data);
    CloseClipboard();
    return text;
}

void PumpMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

}  // namespace wf::test
