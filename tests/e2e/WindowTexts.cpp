// window_texts.exe TITLE: prints the text of every control of the top-level
// window with that title, one a line, in UTF-8; exit 1 when there is no such
// window. It lets the end-to-end test read what a window shows.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

BOOL CALLBACK PrintText(HWND control, LPARAM) {
    // Asked with WM_GETTEXT: GetWindowText does not reach into another
    // process's edit boxes.
    DWORD_PTR length = 0;
    SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG,
                        2000, &got);
    text.resize(got);
    text += L'\n';
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), n, nullptr, nullptr);
    DWORD written;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    return TRUE;
}

}  // namespace

int main() {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    HWND window = argc == 2 ? FindWindowW(nullptr, argv[1]) : nullptr;
    if (!window) return 1;
    EnumChildWindows(window, PrintText, 0);
    return 0;
}
