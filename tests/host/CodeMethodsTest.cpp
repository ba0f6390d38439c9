#include "tools/text/CodeMethods.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "common/Text.h"

namespace wf {
namespace {

// op 1..3 codes with that method, -1..-3 decodes; only method 2 uses the key.
std::u16string Apply(int op, std::u16string_view text, int16_t key) {
    switch (op) {
        case 1: return code1(text);
        case -1: return decode1(text);
        case 2: return code2(text, key);
        case -2: return decode2(text, key);
        case 3: return code3(text);
        default: return decode3(text);
    }
}

// Capitals within one wrap, in any text the code page holds, follow the
// code_methods fuzz target's rules; here the worked example and the rest.
TEST(CodeMethods, Examples) {
    const struct { int op; std::u16string in; int16_t key; std::u16string out; } cases[] = {
        {1, u"THIS IS A TEST", 0, u"SIHT JR Z SFRU"}, {2, u"THIS IS A TEST", 3, u"WKLV LV D WHVW"},
        {3, u"THIS IS A TEST", 0, u"HTSII  S AETTS"}, {2, u"THIS IS A TEST", 15, u"IWXH XH P ITHI"},  // wraps past Z
        // Beyond 26 places one wrap cannot bring letters back into A..Z.
        {-2, u"ABCDE", 30, u"=>?@A"}, {2, u"ZYB", 27, u"[ZC"}, {2, u"Z", 40, u"h"},
        // Codes outside one byte show as "?"; A+200 wraps down to 239; codes 0 and 255 are characters.
        {2, u"AZ", 200, u"\u00EF?"}, {2, u"A", INT16_MAX, u"?"}, {2, u"A", INT16_MIN, u"?"},
        {-2, u"Z", INT16_MIN, u"?"}, {-2, u"A", INT16_MAX, u"?"}, {2, u"A", -91, std::u16string(1, u'\0')},
        {2, u"Z", 191, u"\u00FF"}, {2, u"Z", 192, u"?"},
        // Characters outside the code page come back as the codec makes them.
        {1, u"\u03A9A", 0, u"?B"}, {-2, u"\u4E2DZ", 1, u"?Y"},
        // Method 3 swaps neighbours and never converts: even surrogate halves swap.
        {3, u"ABCD", 0, u"BADC"}, {3, u"ABCDE", 0, u"BADCE"}, {-3, u"ABCDE", 0, u"BADCE"}, {3, u"A", 0, u"A"},
        {3, u"\u03A9\u4E2D\u00E9", 0, u"\u4E2D\u03A9\u00E9"}, {3, u"\U0001F600", 0, u"\xDE00\xD83D"}};
    for (const auto& c : cases) EXPECT_EQ(Apply(c.op, c.in, c.key), c.out) << c.op << " key " << c.key;
    EXPECT_NE(decode2(code2(u"ZZZ", 27), 27), u"ZZZ");  // punctuation from a big key has no way back
}

TEST(CoderWindowLogic, KeyIsReadLenientlyInto16Bits) {
    const std::pair<std::u16string, std::optional<int16_t>> cases[] = {
        {u"7", 7}, {u" 1 2abc", 12}, {u"-3", -3}, {u"2.5", 2}, {u"3.5", 4}, {u"&HA", 10}, {u"&HFFFF", -1}, {u"", 0},
        {u"key", 0}, {u"32767", 32767}, {u"-32768", -32768}, {u"32768", {}}, {u"&H10000", {}}, {u"1E400", {}}};
    for (const auto& [text, key] : cases) EXPECT_EQ(ReadCoderKey(text), key) << ToUtf8(text);
}

TEST(CoderWindowLogic, DrawnKeysCoverOneTo15) {
    const std::pair<double, std::u16string> cases[] = {
        {0.0, u"1"}, {0.5, u"8"}, {0.95, u"15"}, {0.9999999999999999, u"15"}, {1.0, u"15"}, {-0.5, u"1"}};
    for (const auto& [u, key] : cases) EXPECT_EQ(CoderKeyText(u), key) << u;
    std::set<std::u16string> seen, all;
    for (int n = 0; n < 3000; ++n) seen.insert(CoderKeyText(n / 3000.0));
    for (int k = 1; k <= 15; ++k) all.insert(ToU16(std::to_string(k)));
    EXPECT_EQ(seen, all);
}

}  // namespace
}  // namespace wf
