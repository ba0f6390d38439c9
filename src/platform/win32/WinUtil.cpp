#include "platform/win32/WinUtil.h"

#include <exception>
#include <string>

#include "common/Errors.h"
#include "common/Text.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"

namespace wf::win {

std::u16string ExePath() {
    std::u16string path(MAX_PATH, u'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, reinterpret_cast<wchar_t*>(path.data()), static_cast<DWORD>(path.size()));
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);  // a long path: try again with room
    }
}

std::u16string ProgramFolder() {
    const std::u16string path = ExePath();
    const size_t slash = path.find_last_of(u"\\/");
    return slash == std::u16string::npos ? std::u16string() : path.substr(0, slash);
}

void ShowEscapedException() {
    std::u16string text = u"Unexpected failure";
    try {
        throw;
    } catch (const CommandError& e) {
        text = e.description() + u" (" + ToU16(std::to_string(e.number())) + u")";
    } catch (const std::exception& e) {
        text = ToU16(e.what());
    } catch (...) {
    }
    MessageBoxW(nullptr, W(text), L"Wrenfold", MB_ICONEXCLAMATION | MB_TASKMODAL);
}

bool FileExists(std::u16string_view path) {
    const std::u16string p(path);
    const DWORD a = GetFileAttributesW(W(p));
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool FileReadable(std::u16string_view path) {
    if (path.empty()) return false;
    const std::u16string p(path);
    UniqueFile file(CreateFileW(W(p), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return static_cast<bool>(file);
}

std::u16string WindowText(HWND h) {
    std::u16string s(static_cast<size_t>(GetWindowTextLengthW(h)) + 1, u'\0');
    s.resize(static_cast<size_t>(GetWindowTextW(h, reinterpret_cast<wchar_t*>(s.data()), static_cast<int>(s.size()))));
    return s;
}

ThreadModal::ThreadModal() {
    EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this));
    for (HWND w : disabled_) EnableWindow(w, FALSE);
}

ThreadModal::~ThreadModal() {
    for (HWND w : disabled_)
        if (IsWindow(w)) EnableWindow(w, TRUE);  // a window unloaded meanwhile is gone
}

BOOL CALLBACK ThreadModal::Collect(HWND wnd, LPARAM self) {
    if (IsWindowEnabled(wnd)) reinterpret_cast<ThreadModal*>(self)->disabled_.push_back(wnd);
    return TRUE;
}

}  // namespace wf::win
