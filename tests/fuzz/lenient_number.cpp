// Lenient reading fails only by overflow and gives a real number; a blank
// inserted anywhere does not change it; rounding stays within a half and
// fails only out of range; the checked sums agree with wide arithmetic.
#include <cmath>

#include "FuzzSupport.h"
#include "common/Errors.h"
#include "common/LenientNumber.h"

using namespace wf;

template <class F>
static bool Try(F f) {
    try {
        f();
        return true;
    } catch (const CommandError& e) {
        FUZZ_CHECK(e.number() == err::Overflow);
        return false;
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::Input in{data, size};
    const auto a = static_cast<int16_t>(in.Word()), b = static_cast<int16_t>(in.Word());
    const int32_t wideA = static_cast<int32_t>(in.Word() << 16 | in.Word()), wideB = b;
    const size_t at = in.Byte();
    const std::u16string text = in.Text();
    double v = 0, w = 0;
    const bool ok = Try([&] { v = ReadLenientNumber(text); });
    FUZZ_CHECK(!ok || std::isfinite(v));
    std::u16string spaced = text;
    spaced.insert(std::min(at, text.size()), 1, u' ');
    FUZZ_CHECK(Try([&] { w = ReadLenientNumber(spaced); }) == ok && (!ok || w == v));
    int32_t r32 = 0;
    int16_t r16 = 0;
    FUZZ_CHECK(!ok || Try([&] { r32 = RoundToInt32(v); }) == (v > -2147483648.5 && v < 2147483647.5));
    FUZZ_CHECK(!ok || std::fabs(r32 - v) <= 0.5 || r32 == 0);
    FUZZ_CHECK(!ok || Try([&] { r16 = RoundToInt16(v); }) == (v > -32768.5 && v < 32767.5));
    FUZZ_CHECK(!ok || std::fabs(r16 - v) <= 0.5 || r16 == 0);
    const int32_t sum = a + b;
    FUZZ_CHECK(Try([&] { r16 = CheckedAdd16(a, b); }) == (sum >= INT16_MIN && sum <= INT16_MAX));
    const int64_t product = int64_t{wideA} * wideB;
    FUZZ_CHECK(Try([&] { r32 = CheckedMul32(wideA, wideB); }) == (product >= INT32_MIN && product <= INT32_MAX));
    FUZZ_CHECK(r32 == 0 || product > INT32_MAX || product < INT32_MIN || r32 == product);
    return 0;
}
