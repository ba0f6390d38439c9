#include "tools/text/modMD5.h"

#include <gtest/gtest.h>

#include "common/Text.h"

namespace wf {
namespace {

const std::string kDigest = "0123456789abcdef0123456789ABCDEF";

// The library and the file system as a script. The library notes the bytes it
// is handed and writes `writes` over the start of its buffer of spaces; names
// ending in a backslash are folders; a system error is told "in the system's words".
struct Scripted : Md5Library, Md5Files {
    std::string writes = kDigest, handed;
    int32_t code = 0;
    uint32_t openError = 0;
    std::u16string shortName;

    int32_t MDFile(const char* path, char* digest) override {
        return MDStringFix(path, static_cast<int32_t>(std::string_view(path).size()), digest);
    }
    int32_t MDStringFix(const char* text, int32_t length, char* digest) override {
        handed.assign(text, static_cast<size_t>(length));
        writes.copy(digest, writes.size());
        return code;
    }
    bool IsFolder(std::u16string_view path) override { return path.ends_with(u'\\'); }
    uint32_t TryOpen(std::u16string_view) override { return openError; }
    std::u16string ShortName(std::u16string_view) override { return shortName; }
    CommandError Error(uint32_t n) override { return CommandError(int32_t(n), u"in the system's words"); }
};

// A text goes over as its ANSI bytes (Windows-1252 here: é is the one byte
// E9), and the digest is the buffer as left. Only a readable file reaches the
// library, by a name the code page holds, and only 32 hex digits make its
// digest. Each case reads: what the library was handed, then the digest or
// "number description".
TEST(ModMD5, TheLibraryGetsAnsiBytesAndAFailureNeverPassesForADigest) {
    const std::u16string omega = u"C:\\\u03a9.txt";
    const std::string noAnsi = " > 75 Its name has characters that the system's ANSI code page cannot hold, and it "
                               "has no short name that would do instead.";
    const struct { bool file; std::u16string input, shortName; uint32_t openError; std::string writes; int32_t code;
                   std::string outcome; } cases[] = {
        {false, std::u16string(u"a\0b", 3), u"", 0, kDigest, 0, std::string("a\0b > ", 6) + kDigest},
        {false, u"caf\u00e9", u"", 0, "098f6bcd4621d373", 0, "caf\xE9 > 098f6bcd4621d373" + std::string(16, ' ')},
        {true, u"C:\\caf\u00e9.txt", u"", 0, kDigest, 0, "C:\\caf\xE9.txt > " + kDigest},
        {true, u"C:\\a.txt", u"", 0, kDigest, 32, "C:\\a.txt > " + kDigest},  // the buffer decides
        {true, u"C:\\a.txt", u"", 0, "", 32, "C:\\a.txt > 32 in the system's words"},
        {true, u"C:\\a.txt", u"", 0, "", 0, "C:\\a.txt > 75 The MD5 library could not read the file."},
        {true, u"C:\\a.txt", u"", 0, "098f6bcd4621d373", 0, "C:\\a.txt > 75 The MD5 library could not read the file."},
        {true, omega, u"C:\\OM~1.TXT", 0, kDigest, 0, "C:\\OM~1.TXT > " + kDigest},
        {true, omega, u"", 0, kDigest, 0, noAnsi}, {true, omega, omega, 0, kDigest, 0, noAnsi},
        {true, omega, u"", 2, kDigest, 0, " > 2 in the system's words"},  // why it cannot be read comes first
        {true, u"C:\\d\\", u"", 0, kDigest, 0, " > 75 This is a folder, not a file."},
        {true, u"", u"", 0, kDigest, 0, " > 53 No file name was given."}};
    for (const auto& c : cases) {
        Scripted s;
        std::tie(s.shortName, s.openError, s.writes, s.code) = std::tie(c.shortName, c.openError, c.writes, c.code);
        std::string outcome;
        try {
            outcome = ToUtf8(c.file ? MD5File(s, s, c.input) : MD5String(s, c.input));
        } catch (const CommandError& e) {
            outcome = std::to_string(e.number()) + " " + ToUtf8(e.description());
        }
        EXPECT_EQ(s.handed + " > " + outcome, c.outcome) << ToUtf8(c.input);
    }
}

}  // namespace
}  // namespace wf
