#include "asciipic/Sampling.h"

#include <cmath>

namespace wf {

namespace {

// Round half to even without depending on the FPU's rounding mode.
int64_t RoundHalfEven(float value) {
    const double v = value;  // exact: every float is a double
    const double down = std::floor(v);
    const double frac = v - down;
    int64_t r = static_cast<int64_t>(down);
    if (frac > 0.5 || (frac == 0.5 && (r % 2) != 0)) ++r;
    return r;
}

}  // namespace

int32_t SampleStep(int32_t extent, int16_t percentage) {
    // The steps were defined with single-precision arithmetic; the volatile
    // stores force each intermediate to be rounded to float even where the
    // compiler would keep it in an x87 register (i686 builds).
    volatile float e = static_cast<float>(extent) / 100.0f;
    volatile float p = static_cast<float>(percentage) * e;
    const int64_t step = static_cast<int64_t>(extent) - RoundHalfEven(p) + 1;
    if (step < 1) return 1;
    return step > INT32_MAX ? INT32_MAX : static_cast<int32_t>(step);
}

SampleSteps SampleGrid(int32_t width, int32_t height, int16_t qualityIndex) {
    const int16_t q = static_cast<int16_t>(100 - qualityIndex);
    return {SampleStep(width, q), SampleStep(height, q)};
}

}  // namespace wf
