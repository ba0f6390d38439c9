#include "tools/text/Win32Md5.h"

#include <windows.h>

#include "aamd532/aamd532.h"
#include "common/Errors.h"
#include "platform/win32/Win32Errors.h"
#include "platform/win32/WinUtil.h"
#include "platform/win32/WideText.h"

namespace wf {

using namespace win;

Aamd532Library::Aamd532Library(std::u16string folder) : folder_(std::move(folder)) {}

void Aamd532Library::Load() {
    if (module_) return;
    std::u16string path = folder_.empty() ? ProgramFolder() : folder_;
    if (!path.empty() && path.back() != u'\\' && path.back() != u'/') path += u'\\';
    path += u"aamd532.dll";
    // Altered search path: whatever the library itself loads comes from its
    // own folder first, not from ours.
    UniqueLibrary lib(LoadLibraryExW(W(path), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!lib) {
        const std::u16string reason = SystemMessage(GetLastError());
        throw CommandError(err::DllLoad, StandardDescription(err::DllLoad) + u": " + path +
                                             (reason.empty() ? u"" : u" (" + reason + u")"));
    }
    void* file = reinterpret_cast<void*>(GetProcAddress(lib.get(), "MDFile"));
    void* text = reinterpret_cast<void*>(GetProcAddress(lib.get(), "MDStringFix"));
    // A library without both functions is not kept: after a Retry the file
    // may have been replaced.
    if (!file || !text)
        throw CommandError(kDllEntryNotFound, std::u16string(u"Specified DLL function not found: ") +
                                                  (file ? u"MDStringFix" : u"MDFile") + u" in " + path);
    mdFile_ = file;
    mdStringFix_ = text;
    module_ = std::move(lib);
}

int32_t Aamd532Library::MDFile(const char* path, char* digest) {
    Load();
    return reinterpret_cast<MDFileProc>(mdFile_)(path, digest);
}

int32_t Aamd532Library::MDStringFix(const char* text, int32_t length, char* digest) {
    Load();
    return reinterpret_cast<MDStringFixProc>(mdStringFix_)(text, length, digest);
}

bool Win32Md5Files::IsFolder(std::u16string_view path) {
    const DWORD attrs = GetFileAttributesW(W(std::u16string(path)));
    return attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY);
}

uint32_t Win32Md5Files::TryOpen(std::u16string_view path) {
    const UniqueFile file(CreateFileW(W(std::u16string(path)), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    return file ? 0 : GetLastError();
}

std::u16string Win32Md5Files::ShortName(std::u16string_view path) {
    const std::u16string name(path);
    const DWORD need = GetShortPathNameW(W(name), nullptr, 0);
    if (!need) return {};
    std::u16string shortName(need, u'\0');
    const DWORD n = GetShortPathNameW(W(name), reinterpret_cast<wchar_t*>(shortName.data()), need);
    shortName.resize(n < need ? n : 0);
    return shortName;
}

// The classic number for the Win32 failure, with the system's own words for it.
CommandError Win32Md5Files::Error(uint32_t code) {
    const CommandError classic = ErrorFromWin32(code);
    std::u16string reason = SystemMessage(code);
    return CommandError(classic.number(), reason.empty() ? classic.description() : reason);
}

}  // namespace wf
