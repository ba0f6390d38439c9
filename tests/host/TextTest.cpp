#include "common/Text.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace wf {
namespace {

TEST(Utf, ConvertsEverySequenceLengthBothWays) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"", u""}, {"A~", u"A~"}, {"\xC3\xA9", u"\u00E9"}, {"\xE2\x82\xAC", u"\u20AC"}, {"\xEF\xBF\xBF", u"\uFFFF"},
        {"\xF4\x8F\xBF\xBF", u"\xDBFF\xDFFF"}, {"a\xC3\xA9\xF0\x9F\x98\x80z", u"a\u00E9\xD83D\xDE00z"},
        // Unpaired surrogates, which Windows file names may hold, come back as they were.
        {"\xED\xA0\x80", u"\xD800"}, {"x\xED\xB0\x80y", u"x\xDC00y"}, {"\xED\xB8\x80\xED\xA0\xBD", u"\xDE00\xD83D"}};
    for (const auto& [utf8, utf16] : cases) {
        EXPECT_EQ(ToU16(utf8), utf16) << testing::PrintToString(utf8);
        EXPECT_EQ(ToUtf8(utf16), utf8) << testing::PrintToString(utf8);
    }
}

TEST(Utf, BrokenSequencesBecomeOneReplacementWithoutEatingWhatFollows) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"\xC3(", u"\uFFFD("}, {"a\xE2\x82", u"a\uFFFD"}, {"\xE2\x82z", u"\uFFFDz"},  // cut short
        {"\x80\xBF", u"\uFFFD\uFFFD"}, {"\xFF!", u"\uFFFD!"},                         // no lead byte
        {"\xC0\xAF/", u"\uFFFD/"}, {"\xE0\x80\x80", u"\uFFFD"},                       // overlong
        {"\xF4\x90\x80\x80.", u"\uFFFD."}};                                           // beyond U+10FFFF
    for (const auto& [utf8, utf16] : cases) EXPECT_EQ(ToU16(utf8), utf16) << testing::PrintToString(utf8);
}

TEST(Ansi, MapsWindows1252AndReplacesTheRest) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    const std::u16string text = FromAnsi(all);
    ASSERT_EQ(text.size(), 256u);
    for (int b = 0; b < 256; ++b) EXPECT_TRUE((b >= 0x80 && b < 0xA0) || text[b] == b) << b;
    EXPECT_EQ(ToAnsi(text), all);
    // The punctuation block; its five holes pass through unchanged.
    const std::pair<std::string, std::u16string> cases[] = {{"\x80\x82\x85\x8A\x91\x96\x97\x99\x9E\x9F", u"€‚…Š‘–—™žŸ"},
        {"\x81\x8D\x8F\x90\x9D", u"\u0081\u008D\u008F\u0090\u009D"}, {"", u""}};
    for (const auto& [ansi, utf16] : cases) EXPECT_TRUE(FromAnsi(ansi) == utf16 && ToAnsi(utf16) == ansi) << ansi;
    EXPECT_EQ(ToAnsi(u"a\u0080b\u0100c\u4E2D\u2019"), "a?b?c?\x92");
}

}  // namespace
}  // namespace wf
