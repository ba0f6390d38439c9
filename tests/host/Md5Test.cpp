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

    int32_t MDFile(const char* path, char* digest) override { return Answer(path, digest); }
    int32_t MDStringFix(const char* text, int32_t length, char* digest) override {
        return Answer(std::string(text, static_cast<size_t>(length)), digest);
    }
    int32_t Answer(std::string input, char* digest) {
        handed = std::move(input);
        writes.copy(digest, writes.size());
        return code;
    }
    bool IsFolder(std::u16string_view path) override { return path.ends_with(u'\\'); }
    uint32_t TryOpen(std::u16string_view) override { return openError; }
    std::u16string ShortName(std::u16string_view) override { return shortName; }
    CommandError Error(uint32_t n) override { return CommandError(int32_t(n), u"in the system's words"); }
};

// The ANSI codec here is Windows-1252, where é is the one byte E9. Each case
// reads: what the library was handed, then the digest.
TEST(ModMD5, TextsGoOverAsTheirAnsiBytesAndTheDigestIsTheBufferAsLeft) {
    const std::tuple<std::u16string, std::string, std::string> cases[] = {
        {std::u16string(u"a\0b", 3), kDigest, std::string("a\0b > ", 6) + kDigest},  // the length ends it
        {u"caf\u00e9", "098f6bcd4621d373", "caf\xE9 > 098f6bcd4621d373" + std::string(16, ' ')}};
    for (const auto& [text, writes, outcome] : cases) {
        Scripted library;
        library.writes = writes;
        const std::string digest = ToUtf8(MD5String(library, text));
        EXPECT_EQ(library.handed + " > " + digest, outcome) << ToUtf8(text);
    }
}

// Only a readable file reaches the library, by a name the code page holds, and
// only 32 hex digits make a digest. A failure reads "number description".
TEST(ModMD5, FilesAreCheckedFirstAndAFailureNeverPassesForADigest) {
    const std::u16string omega = u"C:\\\u03a9.txt";
    const struct { std::u16string path, shortName; uint32_t openError; std::string writes; int32_t code;
                   std::string outcome; } cases[] = {
        {u"C:\\caf\u00e9.txt", u"", 0, kDigest, 0, "C:\\caf\xE9.txt > " + kDigest},
        {u"C:\\a.txt", u"", 0, kDigest, 32, "C:\\a.txt > " + kDigest},  // the buffer decides
        {u"C:\\a.txt", u"", 0, "", 32, "C:\\a.txt > 32 in the system's words"},
        {u"C:\\a.txt", u"", 0, "", 0, "C:\\a.txt > 75 The MD5 library could not read the file."},
        {omega, u"C:\\OM~1.TXT", 0, kDigest, 0, "C:\\OM~1.TXT > " + kDigest},
        {omega, u"", 0, kDigest, 0, " > 75 Its name has characters that the system's ANSI code page cannot hold, "
                                    "and it has no short name that would do instead."},
        {omega, u"", 2, kDigest, 0, " > 2 in the system's words"},  // why it cannot be read comes first
        {u"C:\\d\\", u"", 0, kDigest, 0, " > 75 This is a folder, not a file."},
        {u"", u"", 0, kDigest, 0, " > 53 No file name was given."}};
    for (const auto& c : cases) {
        Scripted s;
        std::tie(s.shortName, s.openError, s.writes, s.code) = std::tie(c.shortName, c.openError, c.writes, c.code);
        std::string outcome;
        try {
            outcome = ToUtf8(MD5File(s, s, c.path));
        } catch (const CommandError& e) {
            outcome = std::to_string(e.number()) + " " + ToUtf8(e.description());
        }
        EXPECT_EQ(s.handed + " > " + outcome, c.outcome) << ToUtf8(c.path);
    }
}

}  // namespace
}  // namespace wf
