#include "platform/win32/Win32Errors.h"

namespace wf::win {

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
    default:
        return MakeError(err::InvalidCall);
    }
}

}  // namespace wf::win
