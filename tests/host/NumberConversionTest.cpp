#include "tools/text/NumberConversion.h"

#include <gtest/gtest.h>

#include <deque>
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

constexpr int32_t B = base::Binary, D = base::Decimal, H = base::Hexadecimal, O = base::Octal;

TEST(NumberConversion, EdgeCases) {
    const struct { std::u16string in; int32_t from, to; std::u16string out; } cases[] = {
        {u"255", D, H, u"FF"}, {u"255", D, O, u"377"}, {u"5", D, B, u"0101"}, {u"0", D, B, u"0000"},  // whole nibbles
        // Negative numbers show their two's complement pattern (any number: the number_conversion fuzz target).
        {u"-1", D, H, u"FFFFFFFF"}, {u"-1", D, O, u"37777777777"}, {u"-1", D, B, Repeat(u'1', 32)},
        {u"-2147483648", D, H, u"80000000"}, {u"-2147483648", D, B, u"1" + Repeat(u'0', 31)},
        // Decimal reads leniently and rounds halves to even.
        {u"2.5", D, D, u"2"}, {u"3.5", D, D, u"4"}, {u"-2.5", D, D, u"-2"}, {u"12abc", D, D, u"12"},
        {u" 1 2 3", D, D, u"123"}, {u"1E3", D, H, u"3E8"}, {u"abc", D, D, u"0"}, {u"2147483647", D, D, u"2147483647"},
        // Binary counts every character by its place value.
        {u"1010", B, D, u"10"}, {u"12", B, D, u"4"}, {u"1x1", B, D, u"5"}, {u"90", B, D, u"18"},
        {Repeat(u'1', 30), B, D, u"1073741823"}, {u"1" + Repeat(u'0', 29), B, H, u"20000000"},
        // Hex and octal patterns that fit in 16 bits read as 16-bit numbers.
        {u"FFFF", H, D, u"-1"}, {u"FFFF", H, H, u"FFFFFFFF"}, {u"FFFF0", H, D, u"1048560"}, {u"ff", H, D, u"255"},
        {u"7FFF", H, D, u"32767"}, {u"8000", H, D, u"-32768"}, {u"10000", H, D, u"65536"},
        {u"FFFFFFFF", H, D, u"-1"}, {u"80000000", H, D, u"-2147483648"}, {u"1G", H, D, u"1"},
        {u"777", O, D, u"511"}, {u"177777", O, D, u"-1"}, {u"200000", O, D, u"65536"}, {u"18", O, D, u"1"},
        {u"37777777777", O, D, u"-1"},
        // Unknown base choices read and write nothing.
        {u"123", 0, D, u"0"}, {u"123", D, 5, u""}};
    for (const auto& c : cases) EXPECT_EQ(Convert(c.in, c.from, c.to), c.out) << ToUtf8(c.in) << " " << c.from << c.to;
    for (int32_t from : {B, D, H, O}) {  // empty input converts as zero
        EXPECT_EQ(Convert(u"", from, D) + Convert(u"", from, H) + Convert(u"", from, O), u"000") << from;
        EXPECT_EQ(Convert(u"", from, B), u"0000") << from;
    }
}

TEST(NumberConversion, OverflowAnswersAbortRetryIgnore) {
    const struct { std::u16string in; int32_t from, to; std::deque<int> answers; std::u16string out; } cases[] = {
        {u"2147483648", D, D, {answer::Abort}, u""},
        {u"2147483648", D, H, {answer::Ignore}, u"0"},
        {u"-2147483649", D, D, {answer::Retry, answer::Retry, answer::Abort}, u""},
        {u"1E400", D, D, {answer::Ignore}, u"0"},
        {u"100000000", H, D, {answer::Abort}, u""},
        {u"FFFFFFFFF", H, B, {answer::Retry, answer::Ignore}, u"0000"},
        {u"40000000000", O, D, {answer::Ignore}, u"0"},
        // Binary: the place value overflows after the 31st character, whose sum
        // still fits; Retry repeats the place step alone, Ignore keeps the sum.
        {Repeat(u'0', 31), B, D, {answer::Abort}, u""},
        {Repeat(u'1', 31), B, D, {answer::Ignore}, u"2147483647"},
        {Repeat(u'1', 31), B, D, {answer::Retry, answer::Retry, answer::Ignore}, u"2147483647"},
        {Repeat(u'1', 32), B, D, {answer::Ignore, answer::Ignore, answer::Ignore}, u"2147483647"},  // sum and step fail
        // A sum beyond 32 bits is skipped alone: the place value still doubles.
        {u"9" + Repeat(u'0', 29), B, D, {answer::Ignore}, u"0"},
        {u"19" + Repeat(u'0', 28), B, D, {answer::Ignore}, u"536870912"},
        {u"99" + Repeat(u'0', 28), B, B, {answer::Abort}, u""}};  // Abort ends the reading at once
    for (const auto& c : cases) {
        FakePrompts p;
        p.answers = c.answers;
        EXPECT_EQ(ConvertNumber(p, c.in, c.from, c.to), c.out) << ToUtf8(c.in);
        ASSERT_EQ(p.messages.size(), c.answers.size()) << ToUtf8(c.in);
        for (const auto& m : p.messages)
            EXPECT_EQ(std::tie(m.title, m.text, m.style),
                      std::make_tuple(u"Number Converter error",
                                      u"An error occured while executing this command:\r\n\r\nOverflow (6)", 50));
    }
}

}  // namespace
}  // namespace wf
