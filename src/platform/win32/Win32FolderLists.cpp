#include "platform/win32/Win32FolderLists.h"

#include <windows.h>

#include <algorithm>

#include "platform/win32/Handle.h"
#include "platform/win32/Win32DirectorySearch.h"
#include "platform/win32/Win32Errors.h"
#include "platform/win32/WideText.h"

namespace wf::win {
namespace {

// Asking an empty floppy or card drive must not bring up the system's own
// "no disk" box: the explorer says so itself.
class QuietErrors {
public:
    QuietErrors() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietErrors() { SetErrorMode(previous_); }
    QuietErrors(const QuietErrors&) = delete;
    QuietErrors& operator=(const QuietErrors&) = delete;

private:
    UINT previous_;
};

CommandError FolderError(DWORD code) {
    if (code == ERROR_NOT_READY) return CommandError(71, u"Disk not ready");
    if (code == ERROR_FILE_NOT_FOUND || code == ERROR_INVALID_NAME || code == ERROR_DIRECTORY)
        return MakeError(err::PathNotFound);
    return ErrorFromWin32(code);
}

}  // namespace

std::vector<DriveEntry> Win32FolderLists::Drives() {
    QuietErrors quiet;
    std::vector<DriveEntry> drives;
    const DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (!(mask & (1u << i))) continue;
        DriveEntry d;
        d.letter = static_cast<char16_t>(u'a' + i);
        const wchar_t root[] = {static_cast<wchar_t>(L'A' + i), L':', L'\\', 0};
        wchar_t label[MAX_PATH + 1] = L"";
        if (GetDriveTypeW(root) == DRIVE_REMOTE) {
            const wchar_t local[] = {root[0], L':', 0};
            DWORD size = MAX_PATH;
            if (WNetGetConnectionW(local, label, &size) != NO_ERROR) label[0] = 0;
        } else if (!GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) {
            label[0] = 0;  // no medium: the drive is still listed
        }
        d.label = U(label);
        drives.push_back(std::move(d));
    }
    return drives;
}

std::u16string Win32FolderLists::FullFolderPath(std::u16string_view folder) {
    QuietErrors quiet;
    std::u16string in(folder);
    if (in.find_first_not_of(u' ') == std::u16string::npos) throw MakeError(err::PathNotFound);
    std::u16string full(MAX_PATH, u'\0');
    for (;;) {
        const DWORD n = GetFullPathNameW(W(in), static_cast<DWORD>(full.size()), reinterpret_cast<wchar_t*>(full.data()),
                                         nullptr);
        if (n == 0) throw FolderError(GetLastError());
        if (n < full.size()) {
            full.resize(n);
            break;
        }
        full.resize(n + 1);
    }
    // No trailing backslash but at a root ("C:\", "\\server\share\").
    while (full.size() > 3 && full.back() == u'\\' && !(full.size() >= 2 && full[full.size() - 2] == u'\\')) {
        const std::u16string shorter = full.substr(0, full.size() - 1);
        if (shorter.size() >= 2 && shorter[0] == u'\\' && shorter[1] == u'\\' &&
            std::count(shorter.begin(), shorter.end(), u'\\') < 4)
            break;  // "\\server\share" keeps its backslash as a root
        full = shorter;
    }
    const DWORD a = GetFileAttributesW(W(full));
    if (a == INVALID_FILE_ATTRIBUTES) throw FolderError(GetLastError());
    if (!(a & FILE_ATTRIBUTE_DIRECTORY)) throw MakeError(err::PathNotFound);
    return full;
}

FolderContents Win32FolderLists::Read(std::u16string_view folder) {
    QuietErrors quiet;
    std::u16string pattern(folder);
    if (pattern.empty() || pattern.back() != u'\\') pattern += u'\\';
    pattern += u'*';
    WIN32_FIND_DATAW data{};
    UniqueFind find(FindFirstFileExW(W(pattern), FindExInfoBasic, &data, FindExSearchNameMatch, nullptr,
                                     FIND_FIRST_EX_LARGE_FETCH));
    FolderContents contents;
    if (!find) {
        const DWORD code = GetLastError();
        if (code == ERROR_FILE_NOT_FOUND || code == ERROR_NO_MORE_FILES) return contents;  // an empty root
        throw FolderError(code);
    }
    do {
        if (data.dwFileAttributes & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) continue;
        std::u16string name = U(data.cFileName);
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (name != u"." && name != u"..") contents.folders.push_back(std::move(name));
        } else {
            contents.files.push_back(std::move(name));
        }
    } while (FindNextFileW(find.get(), &data));
    return contents;
}

}  // namespace wf::win
