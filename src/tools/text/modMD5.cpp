#include "tools/text/modMD5.h"

#include <array>
#include <limits>

#include "common/Text.h"

namespace wf {

namespace {

constexpr size_t kDigestLength = 32;

// A digest buffer as the library expects it: 32 spaces and a NUL.
std::array<char, kDigestLength + 1> BlankDigest() {
    std::array<char, kDigestLength + 1> b;
    b.fill(' ');
    b[kDigestLength] = '\0';
    return b;
}

// Opening it ourselves first gives the precise reason for any failure, with
// the call that takes every name, and does not depend on what a library
// writes, or returns, for a file it could not read.
void CheckReadable(Md5Files& files, const std::u16string& path) {
    if (files.IsFolder(path)) throw CommandError(err::PathFileAccess, u"This is a folder, not a file.");
    if (const uint32_t code = files.TryOpen(path)) throw files.Error(code);
}

// The library takes the name in ANSI. A name the code page cannot hold would
// reach it mangled ('?' or a best-fit look-alike), so use its 8.3 alias then,
// which is plain ASCII where the volume keeps one.
std::string AnsiPath(Md5Files& files, const std::u16string& path) {
    std::string ansi = ToAnsi(path);
    if (FromAnsi(ansi) == path) return ansi;
    const std::u16string shortPath = files.ShortName(path);
    ansi = ToAnsi(shortPath);
    if (!shortPath.empty() && FromAnsi(ansi) == shortPath) return ansi;
    throw CommandError(err::PathFileAccess,
                       u"Its name has characters that the system's ANSI code page cannot hold, and it has no short "
                       u"name that would do instead.");
}

}  // namespace

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

std::u16string MD5File(Md5Library& library, Md5Files& files, std::u16string_view path) {
    const std::u16string name(path);
    if (name.empty()) throw CommandError(err::FileNotFound, u"No file name was given.");
    CheckReadable(files, name);
    const std::string ansi = AnsiPath(files, name);
    auto buffer = BlankDigest();
    const int32_t code = library.MDFile(ansi.c_str(), buffer.data());
    std::u16string digest = FromAnsi(std::string_view(buffer.data(), kDigestLength));
    // The buffer decides, as it always has; our library writes it only on
    // success. The file was readable a moment ago, so a failure now is a read
    // error or a lock taken since: the returned code says which, if given.
    if (IsDigest(digest)) return digest;
    if (code != 0) throw files.Error(static_cast<uint32_t>(code));
    throw CommandError(err::PathFileAccess, u"The MD5 library could not read the file.");
}

}  // namespace wf
