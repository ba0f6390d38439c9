#include "tools/text/modMD5.h"

#include <windows.h>

#include <array>
#include <limits>

#include "aamd532/aamd532.h"
#include "common/Errors.h"
#include "common/Text.h"
#include "platform/win32/Win32Errors.h"
#include "platform/win32/WinUtil.h"
#include "platform/win32/WideText.h"

namespace wf {

namespace {

constexpr size_t kDigestLength = 32;
using namespace win;

// A digest buffer as the library expects it: 32 spaces and a NUL.
std::array<char, kDigestLength + 1> BlankDigest() {
    std::array<char, kDigestLength + 1> b;
    b.fill(' ');
    b[kDigestLength] = '\0';
    return b;
}

// The classic number for the Win32 failure, with the system's own words for it.
CommandError FileError(DWORD code) {
    const CommandError classic = ErrorFromWin32(code);
    std::u16string reason = SystemMessage(code);
    return CommandError(classic.number(), reason.empty() ? classic.description() : reason);
}

// Opening it ourselves first gives the precise reason for any failure, with
// the W call that takes every name, and does not depend on what a library
// writes, or returns, for a file it could not read.
void CheckReadable(const std::u16string& path) {
    const DWORD attrs = GetFileAttributesW(W(path));
    if (attrs != INVALID_FILE_ATTRIBUTES && (attrs & FILE_ATTRIBUTE_DIRECTORY))
        throw CommandError(err::PathFileAccess, u"This is a folder, not a file.");
    UniqueFile file(CreateFileW(W(path), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) throw FileError(GetLastError());
}

// The library takes the name in ANSI. A name the code page cannot hold would
// reach it mangled ('?' or a best-fit look-alike), so use its 8.3 alias then,
// which is plain ASCII where the volume keeps one.
std::string AnsiPath(const std::u16string& path) {
    std::string ansi = ToAnsi(path);
    if (FromAnsi(ansi) == path) return ansi;
    const DWORD need = GetShortPathNameW(W(path), nullptr, 0);
    if (need) {
        std::u16string shortPath(need, u'\0');
        const DWORD n = GetShortPathNameW(W(path), reinterpret_cast<wchar_t*>(shortPath.data()), need);
        shortPath.resize(n < need ? n : 0);
        ansi = ToAnsi(shortPath);
        if (!shortPath.empty() && FromAnsi(ansi) == shortPath) return ansi;
    }
    throw CommandError(err::PathFileAccess,
                       u"Its name has characters that the system's ANSI code page cannot hold, and it has no short "
                       u"name that would do instead.");
}

}  // namespace

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

bool IsDigest(std::u16string_view text) {
    if (text.size() != kDigestLength) return false;
    for (char16_t c : text)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'))) return false;
    return true;
}

std::u16string MD5String(Md5Library& library, std::u16string_view text) {
    const std::string ansi = ToAnsi(text);
    // The length handed over counts the ANSI bytes: in a double-byte code
    // page a character may take two, and all of them belong to the digest.
    if (ansi.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) throw MakeError(err::Overflow);
    auto buffer = BlankDigest();
    library.MDStringFix(ansi.c_str(), static_cast<int32_t>(ansi.size()), buffer.data());
    return FromAnsi(std::string_view(buffer.data(), kDigestLength));
}

std::u16string MD5File(Md5Library& library, std::u16string_view path) {
    const std::u16string name(path);
    if (name.empty()) throw CommandError(err::FileNotFound, u"No file name was given.");
    CheckReadable(name);
    const std::string ansi = AnsiPath(name);
    auto buffer = BlankDigest();
    const int32_t code = library.MDFile(ansi.c_str(), buffer.data());
    std::u16string digest = FromAnsi(std::string_view(buffer.data(), kDigestLength));
    // The buffer decides, as it always has; our library writes it only on
    // success. The file was readable a moment ago, so a failure now is a read
    // error or a lock taken since: the returned code says which, if given.
    if (IsDigest(digest)) return digest;
    if (code != 0) throw FileError(static_cast<DWORD>(code));
    throw CommandError(err::PathFileAccess, u"The MD5 library could not read the file.");
}

}  // namespace wf
