#include "tools/text/CodeMethods.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>

#include "common/Text.h"

namespace wf {
namespace {

// Host builds use Windows-1252, so any byte string is a text the code page holds.
std::u16string RandomAnsiText(std::mt19937& rng) {
    std::uniform_int_distribution<int> len(0, 40), byte(0, 255);
    std::string bytes(static_cast<size_t>(len(rng)), '\0');
    for (char& b : bytes) b = static_cast<char>(byte(rng));
    return FromAnsi(bytes);
}

std::u16string RandomUtf16Text(std::mt19937& rng) {
    std::uniform_int_distribution<int> len(0, 41), unit(0, 0xFFFF);
    std::u16string text(static_cast<size_t>(len(rng)), u'\0');
    for (char16_t& c : text) c = static_cast<char16_t>(unit(rng));
    return text;
}

bool IsCapital(char16_t c) { return c >= u'A' && c <= u'Z'; }

TEST(CodeMethods, InitialWindowText) {
    const std::u16string text = u"THIS IS A TEST";
    EXPECT_EQ(code1(text), u"SIHT JR Z SFRU");
    EXPECT_EQ(code3(text), u"HTSII  S AETTS");
    EXPECT_EQ(code2(text, 3), u"WKLV LV D WHVW");
    EXPECT_EQ(code2(text, 15), u"IWXH XH P ITHI");  // T, S, W wrap past Z
    EXPECT_EQ(decode1(code1(text)), text);
    EXPECT_EQ(decode3(code3(text)), text);
    for (int16_t key = 1; key <= 15; ++key) EXPECT_EQ(decode2(code2(text, key), key), text) << key;
}

TEST(CodeMethods, Method1WrapsAtBothEndsAndTouchesOnlyCapitals) {
    EXPECT_EQ(code1(u"AZAZ"), u"ZAZA");
    EXPECT_EQ(decode1(u"AZAZ"), u"BYBY");
    EXPECT_EQ(code1(u"Hello, World"), u"Gello, Xorld");
    EXPECT_EQ(decode1(u"Gello, Xorld"), u"Hello, World");
    EXPECT_EQ(code1(u"abc 123 !?~"), u"abc 123 !?~");
    // Positions count from 1 even after non-capitals.
    EXPECT_EQ(code1(u"xB"), u"xC");
    EXPECT_EQ(code1(u"xxB"), u"xxA");
}

TEST(CodeMethods, Method2ShiftsAndWrapsOnce) {
    EXPECT_EQ(code2(u"XYZ abc", 3), u"ABC abc");
    EXPECT_EQ(code2(u"ABC", -3), u"XYZ");
    EXPECT_EQ(code2(u"HAL", 26), u"HAL");
    EXPECT_EQ(code2(u"HAL", -26), u"HAL");
    EXPECT_EQ(code2(u"Hello, World", 0), u"Hello, World");
    EXPECT_EQ(decode2(u"KDO", 3), u"HAL");
}

TEST(CodeMethods, DecodeWithKeyZeroGivesEmptyText) {
    EXPECT_EQ(decode2(u"THIS IS A TEST", 0), u"");
    EXPECT_EQ(decode2(u"", 0), u"");
}

TEST(CodeMethods, KeysBeyond26PlacesLeaveTheCapitals) {
    // One wrap of 26 cannot bring these back into A..Z.
    EXPECT_EQ(decode2(u"ABCDE", 30), u"=>?@A");
    EXPECT_EQ(code2(u"ZYB", 27), u"[ZC");
    EXPECT_EQ(code2(u"Z", 40), u"h");
    // Punctuation from a big key is not a capital any more: no way back.
    EXPECT_NE(decode2(code2(u"ZZZ", 27), 27), u"ZZZ");
}

TEST(CodeMethods, CodesOutsideOneByteShowAsQuestionMarks) {
    // A+200 wraps down to 239, still a Windows-1252 character; Z+200 gives 264.
    EXPECT_EQ(code2(u"AZ", 200), u"\u00EF?");
    EXPECT_EQ(code2(u"A", INT16_MAX), u"?");
    EXPECT_EQ(code2(u"A", INT16_MIN), u"?");
    EXPECT_EQ(decode2(u"Z", INT16_MIN), u"?");
    EXPECT_EQ(decode2(u"A", INT16_MAX), u"?");
    // The edge of the byte range still names characters: code 0 and code 255.
    EXPECT_EQ(code2(u"A", -91), std::u16string(1, u'\0'));
    EXPECT_EQ(code2(u"Z", 191), u"\u00FF");
    EXPECT_EQ(code2(u"Z", 192), u"?");
}

TEST(CodeMethods, AccentedAndNonAnsiCharacters) {
    // Accented capitals are no A..Z codes and pass through unchanged.
    EXPECT_EQ(code1(u"\u00C9A\u00C0B"), u"\u00C9B\u00C0C");
    EXPECT_EQ(code2(u"\u00C9\u20AC\u0160", 5), u"\u00C9\u20AC\u0160");
    // A character outside the code page comes back as the codec makes it.
    EXPECT_EQ(code1(u"\u03A9A"), u"?B");
    EXPECT_EQ(decode2(u"\u4E2DZ", 1), u"?Y");
    // Method 3 never converts: each UTF-16 unit moves untouched, so even the
    // two halves of a surrogate pair swap places, and swap back.
    EXPECT_EQ(code3(u"\u03A9\u4E2D\u00E9"), u"\u4E2D\u03A9\u00E9");
    EXPECT_EQ(code3(u"\U0001F600"), u"\xDE00\xD83D");
    EXPECT_EQ(code3(code3(u"\U0001F600")), u"\U0001F600");
}

TEST(CodeMethods, Method3SwapsNeighbours) {
    EXPECT_EQ(code3(u"ABCD"), u"BADC");
    EXPECT_EQ(code3(u"ABCDE"), u"BADCE");
    EXPECT_EQ(code3(u"A"), u"A");
    EXPECT_EQ(decode3(u"ABCDE"), u"BADCE");
}

TEST(CodeMethods, EmptyTextGivesEmptyResults) {
    EXPECT_EQ(code1(u""), u"");
    EXPECT_EQ(decode1(u""), u"");
    EXPECT_EQ(code2(u"", 7), u"");
    EXPECT_EQ(decode2(u"", 7), u"");
    EXPECT_EQ(code3(u""), u"");
    EXPECT_EQ(decode3(u""), u"");
}

TEST(CodeMethodsProperty, Method1RoundTripsBothWaysAndMovesCapitalsOneLetter) {
    std::mt19937 rng(2101);
    for (int n = 0; n < 2000; ++n) {
        const std::u16string text = RandomAnsiText(rng);
        const std::u16string coded = code1(text);
        ASSERT_EQ(decode1(coded), text);
        ASSERT_EQ(code1(decode1(text)), text);
        ASSERT_EQ(coded.size(), text.size());
        for (size_t i = 0; i < text.size(); ++i) {
            if (!IsCapital(text[i])) {
                ASSERT_EQ(coded[i], text[i]);
                continue;
            }
            const int step = (i + 1) % 2 == 0 ? 1 : 25;  // forward at even positions, back at odd
            ASSERT_EQ(coded[i], u'A' + (text[i] - u'A' + step) % 26);
        }
    }
}

TEST(CodeMethodsProperty, Method2RoundTripsForEveryKeyWithin26Places) {
    std::mt19937 rng(2102);
    for (int16_t key = -26; key <= 26; ++key) {
        if (key == 0) continue;
        for (int n = 0; n < 100; ++n) {
            const std::u16string text = RandomAnsiText(rng);
            const std::u16string coded = code2(text, key);
            ASSERT_EQ(decode2(coded, key), text) << key;
            ASSERT_EQ(coded.size(), text.size());
            for (size_t i = 0; i < text.size(); ++i) {
                const char16_t want =
                    IsCapital(text[i]) ? static_cast<char16_t>(u'A' + (text[i] - u'A' + key + 26) % 26) : text[i];
                ASSERT_EQ(coded[i], want) << key;
            }
        }
    }
}

TEST(CodeMethodsProperty, Method3UndoesItselfForAnyText) {
    std::mt19937 rng(2103);
    for (int n = 0; n < 2000; ++n) {
        const std::u16string text = RandomUtf16Text(rng);
        const std::u16string coded = code3(text);
        ASSERT_EQ(coded.size(), text.size());
        ASSERT_EQ(code3(coded), text);
        ASSERT_EQ(std::multiset<char16_t>(coded.begin(), coded.end()),
                  std::multiset<char16_t>(text.begin(), text.end()));
    }
}

TEST(CodeMethodsProperty, LargeKeysNeverCrashAndKeepTheLength) {
    std::mt19937 rng(2104);
    std::uniform_int_distribution<int> anyKey(INT16_MIN, INT16_MAX);
    for (int n = 0; n < 2000; ++n) {
        const std::u16string text = RandomUtf16Text(rng);
        const auto key = static_cast<int16_t>(anyKey(rng));
        ASSERT_EQ(code2(text, key).size(), text.size());
        ASSERT_EQ(decode2(text, key).size(), key == 0 ? 0u : text.size());
    }
}

TEST(CoderWindowLogic, KeyIsReadLenientlyInto16Bits) {
    EXPECT_EQ(ReadCoderKey(u"7"), 7);
    EXPECT_EQ(ReadCoderKey(u" 1 2abc"), 12);
    EXPECT_EQ(ReadCoderKey(u"-3"), -3);
    EXPECT_EQ(ReadCoderKey(u"2.5"), 2);
    EXPECT_EQ(ReadCoderKey(u"3.5"), 4);
    EXPECT_EQ(ReadCoderKey(u"&HA"), 10);
    EXPECT_EQ(ReadCoderKey(u"&HFFFF"), -1);
    EXPECT_EQ(ReadCoderKey(u""), 0);
    EXPECT_EQ(ReadCoderKey(u"key"), 0);
    EXPECT_EQ(ReadCoderKey(u"32767"), 32767);
    EXPECT_EQ(ReadCoderKey(u"-32768"), -32768);
    EXPECT_EQ(ReadCoderKey(u"32768"), std::nullopt);
    EXPECT_EQ(ReadCoderKey(u"&H10000"), std::nullopt);
    EXPECT_EQ(ReadCoderKey(u"1E400"), std::nullopt);
}

TEST(CoderWindowLogic, OkFillsTheThreeRowsForTheChosenMode) {
    const auto coded = RunCoder(CoderMode::Code, u"THIS IS A TEST", u"3");
    ASSERT_TRUE(coded);
    EXPECT_EQ(coded->method1, u"SIHT JR Z SFRU");
    EXPECT_EQ(coded->method2, u"WKLV LV D WHVW");
    EXPECT_EQ(coded->method3, u"HTSII  S AETTS");

    const auto decoded = RunCoder(CoderMode::Decode, u"AZAZ", u"1");
    ASSERT_TRUE(decoded);
    EXPECT_EQ(decoded->method1, u"BYBY");
    EXPECT_EQ(decoded->method2, u"ZYZY");
    EXPECT_EQ(decoded->method3, u"ZAZA");

    const auto empty = RunCoder(CoderMode::Code, u"", u"5");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->method1 + empty->method2 + empty->method3, u"");
}

TEST(CoderWindowLogic, DecodingWithoutAKeyEmptiesOnlyMethod2) {
    for (const char16_t* keyText : {u"", u"abc", u"0", u"0.4"}) {
        const auto r = RunCoder(CoderMode::Decode, u"Hello, World", keyText);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->method1, u"Iello, Vorld");
        EXPECT_EQ(r->method2, u"");
        EXPECT_EQ(r->method3, u"eHll,oW rodl");
    }
}

TEST(CoderWindowLogic, KeyThatCannotBeHeldEmptiesMethod2InEitherMode) {
    for (CoderMode mode : {CoderMode::Code, CoderMode::Decode}) {
        const auto r = RunCoder(mode, u"AB", u"40000");
        ASSERT_TRUE(r);
        EXPECT_EQ(r->method2, u"");
        EXPECT_EQ(r->method3, u"BA");
    }
}

TEST(CoderWindowLogic, NoModeChosenIsRefusedWithTheGuardMessage) {
    EXPECT_EQ(RunCoder(CoderMode::None, u"THIS IS A TEST", u"3"), std::nullopt);
    EXPECT_EQ(kCoderModeGuardMessage, u"Please choose to optcode or optDecode!");
}

TEST(CoderWindowLogic, DrawnKeysCoverOneTo15) {
    EXPECT_EQ(CoderKeyText(0.0), u"1");
    EXPECT_EQ(CoderKeyText(0.5), u"8");
    EXPECT_EQ(CoderKeyText(0.95), u"15");
    EXPECT_EQ(CoderKeyText(0.9999999999999999), u"15");
    EXPECT_EQ(CoderKeyText(1.0), u"15");
    EXPECT_EQ(CoderKeyText(-0.5), u"1");
    std::mt19937 rng(2105);
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    std::set<std::u16string> seen;
    for (int n = 0; n < 3000; ++n) seen.insert(CoderKeyText(uniform(rng)));
    std::set<std::u16string> all;
    for (int k = 1; k <= 15; ++k) all.insert(ToU16(std::to_string(k)));
    EXPECT_EQ(seen, all);
}

TEST(CoderWindowLogic, KeyBoxLooksDisabledWhileCodingAndWhiteWhileDecoding) {
    EXPECT_FALSE(kKeyBoxCoding.enabled);
    EXPECT_EQ(kKeyBoxCoding.back, 0xE0FFFFu);
    EXPECT_EQ(kKeyBoxCoding.text, 0x808080u);
    EXPECT_TRUE(kKeyBoxDecoding.enabled);
    EXPECT_EQ(kKeyBoxDecoding.back, 0xFFFFFFu);
    EXPECT_EQ(kKeyBoxDecoding.text, 0u);
}

}  // namespace
}  // namespace wf
