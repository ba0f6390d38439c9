#include "platform/win32/Win32FileOperations.h"

#include <windows.h>

#include <string>

#include "platform/win32/Handle.h"
#include "platform/win32/Win32Errors.h"
#include "platform/win32/WideText.h"

namespace wf::win {
namespace {

// The same file under two names (case, short names, links): copying it onto
// itself would empty it before reading it.
bool SameFile(const std::u16string& a, const std::u16string& b) {
    const DWORD share = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    UniqueFile fa(CreateFileW(W(a), 0, share, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    UniqueFile fb(CreateFileW(W(b), 0, share, nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!fa || !fb) return false;
    BY_HANDLE_FILE_INFORMATION ia{}, ib{};
    if (!GetFileInformationByHandle(fa.get(), &ia) || !GetFileInformationByHandle(fb.get(), &ib)) return false;
    return ia.dwVolumeSerialNumber == ib.dwVolumeSerialNumber && ia.nFileIndexHigh == ib.nFileIndexHigh &&
           ia.nFileIndexLow == ib.nFileIndexLow;
}

}  // namespace

void Win32FileOperations::Copy(std::u16string_view from, std::u16string_view to) {
    const std::u16string source(from), target(to);
    if (target.find_first_not_of(u' ') == std::u16string::npos) throw MakeError(err::PathFileAccess);
    const DWORD targetAttributes = GetFileAttributesW(W(target));
    if (targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_DIRECTORY))
        throw MakeError(err::PathFileAccess);  // a folder is no file name
    // Windows refuses to replace a read-only file; Wine's CopyFileW does not,
    // so the program says it for both.
    if (targetAttributes != INVALID_FILE_ATTRIBUTES && (targetAttributes & FILE_ATTRIBUTE_READONLY))
        throw MakeError(err::PermissionDenied);
    if (SameFile(source, target)) throw MakeError(err::PermissionDenied);
    if (!CopyFileW(W(source), W(target), FALSE)) throw ErrorFromWin32(GetLastError());
}

void Win32FileOperations::Delete(std::u16string_view path) {
    const std::u16string p(path);
    if (!DeleteFileW(W(p))) throw ErrorFromWin32(GetLastError());
}

}  // namespace wf::win
