#include "common/LenientNumber.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "common/Errors.h"
#include "common/Text.h"

namespace wf {
namespace {

void ExpectOverflow(const std::function<void()>& action, const std::string& what) {
    try {
        action();
        ADD_FAILURE() << what << ": no error raised";
    } catch (const CommandError& e) {
        EXPECT_EQ(e.number(), err::Overflow) << what;
    }
}

TEST(LenientNumber, ReadsTheLeadingNumber) {
    const std::u16string zeros(400, u'0');
    const std::pair<std::u16string, double> cases[] = {
        {u"42", 42}, {u"+7", 7}, {u"-3.25", -3.25}, {u".5", 0.5}, {u"007", 7}, {u"1.e2", 100},
        {u"1e3", 1000}, {u"2.5E-1", 0.25}, {u"3d+2", 300},
        // Blanks are skipped anywhere, but a carriage return is not a blank.
        {u" \t\n1 2 3", 123}, {u"- 5", -5}, {u"1 . 5 e - 1", 0.15}, {u"1\r2", 1},
        // The first character that cannot continue ends the number.
        {u"12abc", 12}, {u"1.5.3", 1.5}, {u"1e", 1}, {u"1e+", 1}, {u"1e2.5", 100}, {u"1,000", 1},
        {std::u16string(u"9\0" u"9", 3), 9},
        // No number at all.
        {u"", 0}, {u"  ", 0}, {u"abc", 0}, {u"-", 0}, {u".", 0}, {u"-.", 0}, {u"--5", 0}, {u"e5", 0},
        // Long texts and extreme exponents that still fit, or quietly underflow.
        {u"123456789012345678901234567890", 1.2345678901234567890e29}, {zeros + u"5", 5},
        {u"1" + zeros + u"e-390", 1e10}, {u"0." + zeros + u"1e400", 0.1}, {u"1.7976931348623157e308", DBL_MAX},
        {u"1e-400", 0}, {u"0." + zeros + zeros + u"1e400", 0}, {u"0e999999", 0},
        // Hexadecimal and octal patterns: 16 bits if they fit, else 32.
        {u"&H7FFF", 32767}, {u"&H8000", -32768}, {u"&hffff", -1}, {u"&H0000FFFF", -1}, {u"&H10000", 65536},
        {u"&H7FFFFFFF", 2147483647}, {u"&H80000000", -2147483648.0}, {u"&HFFFFFFFF", -1},
        {u"&O177777", -1}, {u"&o200000", 65536}, {u"&O37777777777", -1}, {u"&H F F", 255}, {u" & h1 0", 16},
        {u"&HFG1", 15}, {u"&O178", 15}, {u"&H", 0}, {u"&O", 0}, {u"&", 0}, {u"&X1", 0}, {u"-&H10", 0}};
    for (const auto& [text, value] : cases) EXPECT_EQ(ReadLenientNumber(text), value) << '"' << ToUtf8(text) << '"';
}

TEST(LenientNumber, ReadingBeyondTheRangeOverflows) {
    const std::u16string texts[] = {u"&H100000000", u"&O40000000000", u"&H FFFF FFFF 0", u"1e400", u"-1.8e308",
                                    u"1e99999999999999999999", u"1" + std::u16string(400, u'0')};
    for (const auto& text : texts)
        ExpectOverflow([&] { ReadLenientNumber(text); }, ToUtf8(text));
}

TEST(LenientNumber, RoundsHalvesToEvenWithinRange) {
    const std::pair<double, int32_t> cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {-3.5, -4}, {-0.5, 0}, {0.5, 0},
                                                {2.4999, 2}, {2.5001, 3}, {-2.6, -3}, {32766.5, 32766}, {-32768.5, -32768}};
    for (const auto& [value, expected] : cases)
        EXPECT_TRUE(RoundToInt16(value) == expected && RoundToInt32(value) == expected) << value;
    EXPECT_EQ(RoundToInt32(2147483646.5), 2147483646);
    EXPECT_EQ(RoundToInt32(-2147483648.4), INT32_MIN);
    for (const double value : {32767.5, -32769.0, std::nan("")})
        ExpectOverflow([&] { RoundToInt16(value); }, std::to_string(value));
    for (const double value : {2147483647.5, -2147483649.0, 1e300, HUGE_VAL, std::nan("")})
        ExpectOverflow([&] { RoundToInt32(value); }, std::to_string(value));
}

TEST(LenientNumber, CheckedArithmeticTrapsOverflow) {
    EXPECT_EQ(std::vector<int32_t>({CheckedAdd16(32000, 767), CheckedAdd16(-32000, -768), CheckedAdd32(INT32_MAX, INT32_MIN),
                                    CheckedMul32(-65536, 32768), CheckedMul32(46341, -46340)}),
              std::vector<int32_t>({32767, -32768, -1, INT32_MIN, -2147441940}));
    const std::pair<const char*, void (*)()> overflows[] = {
        {"add16 up", [] { CheckedAdd16(32767, 1); }}, {"add16 down", [] { CheckedAdd16(-32768, -1); }},
        {"add32 up", [] { CheckedAdd32(INT32_MAX, 1); }}, {"add32 down", [] { CheckedAdd32(INT32_MIN, -1); }},
        {"mul32 up", [] { CheckedMul32(65536, 32768); }}, {"mul32 down", [] { CheckedMul32(-65536, 32769); }},
        {"mul32 sign flip", [] { CheckedMul32(INT32_MIN, -1); }}};
    for (const auto& [what, action] : overflows) ExpectOverflow(action, what);
}

}  // namespace
}  // namespace wf
