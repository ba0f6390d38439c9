#include "platform/win32/Win32Errors.h"

#include <string>

#include "common/Text.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"

namespace wf::win {

std::u16string SystemMessage(DWORD code) {
    wchar_t* text = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                       FORMAT_MESSAGE_IGNORE_INSERTS,
                                   nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    const ScopeExit free([text] { LocalFree(text); });
    std::u16string s = n ? U(text) : std::u16string();
    while (!s.empty() && (s.back() == u'\r' || s.back() == u'\n' || s.back() == u' ')) s.pop_back();
    return s;
}

CommandError ErrorFromWin32(DWORD code) {
    switch (code) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_BAD_EXE_FORMAT:
    case ERROR_INVALID_NAME:
        return MakeError(err::FileNotFound);
    case ERROR_PATH_NOT_FOUND:
    case ERROR_BAD_NETPATH:
    case ERROR_BAD_NET_NAME:
        return MakeError(err::PathNotFound);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
        return MakeError(err::PermissionDenied);
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
        return MakeError(err::FileExists);
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
        return MakeError(err::DiskFull);
    case ERROR_MOD_NOT_FOUND:
    case ERROR_DLL_INIT_FAILED:
        return MakeError(err::DllLoad);
    default: {
        std::u16string text = SystemMessage(code);
        if (text.empty()) text = u"System error " + ToU16(std::to_string(code));
        return CommandError(static_cast<int32_t>(HRESULT_FROM_WIN32(code)), std::move(text));
    }
    }
}

}  // namespace wf::win
