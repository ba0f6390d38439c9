#include "tools/text/NumberConversion.h"

#include <gtest/gtest.h>

#include <bitset>
#include <cstdio>
#include <iterator>
#include <random>
#include <string>

#include "common/ErrorReport.h"
#include "common/Text.h"
#include "fakes/FakePrompts.h"

namespace wf {
namespace {

using test::FakePrompts;

// Conversions that must not raise the error report: the fake throws on any
// message box it was not told to answer.
std::u16string Convert(std::u16string_view input, int32_t from, int32_t to) {
    FakePrompts prompts;
    return ConvertNumber(prompts, input, from, to);
}

std::u16string Repeat(char16_t c, size_t n) { return std::u16string(n, c); }

void ExpectOverflowReports(const FakePrompts& prompts, size_t count) {
    ASSERT_EQ(prompts.messages.size(), count);
    for (const auto& m : prompts.messages) {
        EXPECT_EQ(m.title, u"Number Converter error");
        EXPECT_EQ(m.text, u"An error occured while executing this command:\r\n\r\nOverflow (6)");
        EXPECT_EQ(m.style, mb::Exclamation + mb::AbortRetryIgnore);
    }
}

TEST(NumberConversion, DecimalToEachBase) {
    EXPECT_EQ(Convert(u"255", base::Decimal, base::Hexadecimal), u"FF");
    EXPECT_EQ(Convert(u"255", base::Decimal, base::Octal), u"377");
    EXPECT_EQ(Convert(u"255", base::Decimal, base::Binary), u"11111111");
    EXPECT_EQ(Convert(u"255", base::Decimal, base::Decimal), u"255");
    EXPECT_EQ(Convert(u"5", base::Decimal, base::Binary), u"0101");
    EXPECT_EQ(Convert(u"16", base::Decimal, base::Binary), u"00010000");
    EXPECT_EQ(Convert(u"0", base::Decimal, base::Binary), u"0000");
}

TEST(NumberConversion, NegativeNumbersShowTheirTwosComplementPattern) {
    EXPECT_EQ(Convert(u"-1", base::Decimal, base::Hexadecimal), u"FFFFFFFF");
    EXPECT_EQ(Convert(u"-1", base::Decimal, base::Octal), u"37777777777");
    EXPECT_EQ(Convert(u"-1", base::Decimal, base::Binary), Repeat(u'1', 32));
    EXPECT_EQ(Convert(u"-1", base::Decimal, base::Decimal), u"-1");
    EXPECT_EQ(Convert(u"-2147483648", base::Decimal, base::Hexadecimal), u"80000000");
    EXPECT_EQ(Convert(u"-2147483648", base::Decimal, base::Octal), u"20000000000");
    EXPECT_EQ(Convert(u"-2147483648", base::Decimal, base::Binary), u"1" + Repeat(u'0', 31));
}

TEST(NumberConversion, DecimalReadsLenientlyAndRoundsHalvesToEven) {
    EXPECT_EQ(Convert(u"2.5", base::Decimal, base::Decimal), u"2");
    EXPECT_EQ(Convert(u"3.5", base::Decimal, base::Decimal), u"4");
    EXPECT_EQ(Convert(u"-2.5", base::Decimal, base::Decimal), u"-2");
    EXPECT_EQ(Convert(u"12abc", base::Decimal, base::Decimal), u"12");
    EXPECT_EQ(Convert(u" 1 2 3", base::Decimal, base::Decimal), u"123");
    EXPECT_EQ(Convert(u"1E3", base::Decimal, base::Hexadecimal), u"3E8");
    EXPECT_EQ(Convert(u"abc", base::Decimal, base::Decimal), u"0");
    EXPECT_EQ(Convert(u"2147483647", base::Decimal, base::Decimal), u"2147483647");
}

TEST(NumberConversion, BinaryCountsEveryCharacterByItsPlace) {
    EXPECT_EQ(Convert(u"1010", base::Binary, base::Decimal), u"10");
    EXPECT_EQ(Convert(u"12", base::Binary, base::Decimal), u"4");
    EXPECT_EQ(Convert(u"1x1", base::Binary, base::Decimal), u"5");
    EXPECT_EQ(Convert(u"90", base::Binary, base::Decimal), u"18");
    EXPECT_EQ(Convert(Repeat(u'1', 30), base::Binary, base::Decimal), u"1073741823");
    EXPECT_EQ(Convert(u"1" + Repeat(u'0', 29), base::Binary, base::Hexadecimal), u"20000000");
}

TEST(NumberConversion, HexAndOctalFollowThe16BitRule) {
    EXPECT_EQ(Convert(u"FFFF", base::Hexadecimal, base::Decimal), u"-1");
    EXPECT_EQ(Convert(u"FFFF", base::Hexadecimal, base::Hexadecimal), u"FFFFFFFF");
    EXPECT_EQ(Convert(u"FFFF0", base::Hexadecimal, base::Decimal), u"1048560");
    EXPECT_EQ(Convert(u"ff", base::Hexadecimal, base::Decimal), u"255");
    EXPECT_EQ(Convert(u"7FFF", base::Hexadecimal, base::Decimal), u"32767");
    EXPECT_EQ(Convert(u"8000", base::Hexadecimal, base::Decimal), u"-32768");
    EXPECT_EQ(Convert(u"10000", base::Hexadecimal, base::Decimal), u"65536");
    EXPECT_EQ(Convert(u"FFFFFFFF", base::Hexadecimal, base::Decimal), u"-1");
    EXPECT_EQ(Convert(u"80000000", base::Hexadecimal, base::Decimal), u"-2147483648");
    EXPECT_EQ(Convert(u"1G", base::Hexadecimal, base::Decimal), u"1");
    EXPECT_EQ(Convert(u"777", base::Octal, base::Decimal), u"511");
    EXPECT_EQ(Convert(u"177777", base::Octal, base::Decimal), u"-1");
    EXPECT_EQ(Convert(u"200000", base::Octal, base::Decimal), u"65536");
    EXPECT_EQ(Convert(u"18", base::Octal, base::Decimal), u"1");
    EXPECT_EQ(Convert(u"37777777777", base::Octal, base::Decimal), u"-1");
}

TEST(NumberConversion, EmptyInputConvertsAsZero) {
    for (int32_t from : {base::Binary, base::Decimal, base::Hexadecimal, base::Octal}) {
        EXPECT_EQ(Convert(u"", from, base::Decimal), u"0") << from;
        EXPECT_EQ(Convert(u"", from, base::Hexadecimal), u"0") << from;
        EXPECT_EQ(Convert(u"", from, base::Octal), u"0") << from;
        EXPECT_EQ(Convert(u"", from, base::Binary), u"0000") << from;
    }
}

TEST(NumberConversion, UnknownBaseChoicesReadAndWriteNothing) {
    EXPECT_EQ(Convert(u"123", 0, base::Decimal), u"0");
    EXPECT_EQ(Convert(u"123", base::Decimal, 5), u"");
}

TEST(NumberConversionOverflow, DecimalBeyond32BitsAnswersAbortRetryIgnore) {
    {
        FakePrompts p;
        p.answers = {answer::Abort};
        EXPECT_EQ(ConvertNumber(p, u"2147483648", base::Decimal, base::Decimal), u"");
        ExpectOverflowReports(p, 1);
    }
    {
        FakePrompts p;
        p.answers = {answer::Ignore};
        EXPECT_EQ(ConvertNumber(p, u"2147483648", base::Decimal, base::Hexadecimal), u"0");
        ExpectOverflowReports(p, 1);
    }
    {
        FakePrompts p;
        p.answers = {answer::Retry, answer::Retry, answer::Abort};
        EXPECT_EQ(ConvertNumber(p, u"-2147483649", base::Decimal, base::Decimal), u"");
        ExpectOverflowReports(p, 3);
    }
    {
        FakePrompts p;
        p.answers = {answer::Ignore};
        EXPECT_EQ(ConvertNumber(p, u"1E400", base::Decimal, base::Decimal), u"0");
        ExpectOverflowReports(p, 1);
    }
}

TEST(NumberConversionOverflow, HexAndOctalWiderThan32Bits) {
    {
        FakePrompts p;
        p.answers = {answer::Abort};
        EXPECT_EQ(ConvertNumber(p, u"100000000", base::Hexadecimal, base::Decimal), u"");
        ExpectOverflowReports(p, 1);
    }
    {
        FakePrompts p;
        p.answers = {answer::Retry, answer::Ignore};
        EXPECT_EQ(ConvertNumber(p, u"FFFFFFFFF", base::Hexadecimal, base::Binary), u"0000");
        ExpectOverflowReports(p, 2);
    }
    {
        FakePrompts p;
        p.answers = {answer::Ignore};
        EXPECT_EQ(ConvertNumber(p, u"40000000000", base::Octal, base::Decimal), u"0");
        ExpectOverflowReports(p, 1);
    }
}

TEST(NumberConversionOverflow, BinaryPlaceValueOverflowsAfterThe31stCharacter) {
    {
        FakePrompts p;
        p.answers = {answer::Abort};
        EXPECT_EQ(ConvertNumber(p, Repeat(u'0', 31), base::Binary, base::Decimal), u"");
        ExpectOverflowReports(p, 1);
    }
    {
        // The sum of the 31st character still fits; only its place step fails,
        // and Ignore goes on to the end with the sum kept.
        FakePrompts p;
        p.answers = {answer::Ignore};
        EXPECT_EQ(ConvertNumber(p, Repeat(u'1', 31), base::Binary, base::Decimal), u"2147483647");
        ExpectOverflowReports(p, 1);
    }
    {
        // Retry repeats the place step alone; repeating the sum would overflow
        // it and ask for one answer more than given.
        FakePrompts p;
        p.answers = {answer::Retry, answer::Retry, answer::Ignore};
        EXPECT_EQ(ConvertNumber(p, Repeat(u'1', 31), base::Binary, base::Decimal), u"2147483647");
        ExpectOverflowReports(p, 3);
    }
    {
        // 32nd character: its sum and its place step both fail.
        FakePrompts p;
        p.answers = {answer::Ignore, answer::Ignore, answer::Ignore};
        EXPECT_EQ(ConvertNumber(p, Repeat(u'1', 32), base::Binary, base::Decimal), u"2147483647");
        ExpectOverflowReports(p, 3);
    }
}

TEST(NumberConversionOverflow, BinarySumBeyond32BitsSkipsOnlyThatSum) {
    {
        // "9" at place 2^29 is beyond 2147483647; the sum stays 0.
        FakePrompts p;
        p.answers = {answer::Ignore};
        EXPECT_EQ(ConvertNumber(p, u"9" + Repeat(u'0', 29), base::Binary, base::Decimal), u"0");
        ExpectOverflowReports(p, 1);
    }
    {
        // After the ignored sum the place value still doubles, so the leading
        // "1" counts 2^29.
        FakePrompts p;
        p.answers = {answer::Ignore};
        EXPECT_EQ(ConvertNumber(p, u"19" + Repeat(u'0', 28), base::Binary, base::Decimal), u"536870912");
        ExpectOverflowReports(p, 1);
    }
    {
        // Abort ends the reading at once: no later character is looked at.
        FakePrompts p;
        p.answers = {answer::Abort};
        EXPECT_EQ(ConvertNumber(p, u"99" + Repeat(u'0', 28), base::Binary, base::Binary), u"");
        ExpectOverflowReports(p, 1);
    }
}

TEST(NumberConversionProperty, DecimalToEachBaseAndBack) {
    std::mt19937 rng(2201);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    constexpr int32_t kEdges[] = {0, -1, INT32_MIN, INT32_MAX, 0x8000, 0xFFFF, 0x10000};
    for (size_t n = 0; n < 3000; ++n) {
        const int32_t v = n < std::size(kEdges) ? kEdges[n] : any(rng);
        const std::u16string dec = ToU16(std::to_string(v));
        const auto bits = static_cast<uint32_t>(v);

        char buf[16];
        std::snprintf(buf, sizeof buf, "%X", bits);
        const std::u16string hex = Convert(dec, base::Decimal, base::Hexadecimal);
        ASSERT_EQ(hex, ToU16(buf));
        std::snprintf(buf, sizeof buf, "%o", bits);
        const std::u16string oct = Convert(dec, base::Decimal, base::Octal);
        ASSERT_EQ(oct, ToU16(buf));
        ASSERT_EQ(Convert(dec, base::Decimal, base::Decimal), dec);

        std::string bin = std::bitset<32>(bits).to_string();
        bin.erase(0, std::min(bin.find('1'), size_t{31}) / 4 * 4);  // whole nibbles of leading zeros
        ASSERT_EQ(Convert(dec, base::Decimal, base::Binary), ToU16(bin));

        // Patterns that fit in 16 bits read back as 16-bit numbers.
        const int32_t back = (v >= 0x8000 && v <= 0xFFFF) ? v - 0x10000 : v;
        const std::u16string backText = ToU16(std::to_string(back));
        ASSERT_EQ(Convert(hex, base::Hexadecimal, base::Decimal), backText);
        ASSERT_EQ(Convert(oct, base::Octal, base::Decimal), backText);
    }
}

TEST(NumberConversionProperty, BinaryRoundTripBelow2To28) {
    // Up to seven hex digits give at most 28 binary ones, short of the
    // place-value overflow at the 31st character.
    std::mt19937 rng(2202);
    std::uniform_int_distribution<int32_t> small(0, (1 << 28) - 1);
    for (int n = 0; n < 3000; ++n) {
        const int32_t v = small(rng);
        const std::u16string dec = ToU16(std::to_string(v));
        const std::u16string bin = Convert(dec, base::Decimal, base::Binary);
        ASSERT_EQ(bin.size() % 4, 0u);
        ASSERT_EQ(Convert(bin, base::Binary, base::Decimal), dec);
    }
}

}  // namespace
}  // namespace wf
