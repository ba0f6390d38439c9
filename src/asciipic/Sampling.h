#pragma once
// How far apart the sampled pixels lie for each quality level, and how many
// samples an axis then gives.
#include <cstdint>

namespace wf {

// The entries of the quality list, in order; the percentage is 100 - index.
namespace quality {
inline constexpr int16_t Excellent = 0, Good = 1, Bad = 2, Worst = 3;
}  // namespace quality

struct SampleSteps {
    int32_t sx = 1;  // column step
    int32_t sy = 1;  // row step
};

// The step along one axis of `extent` pixels for the quality percentage q:
// extent - round(q * (extent / 100)) + 1, with the product formed in single
// precision and halves rounded to even. Never less than 1, so that a
// percentage above 100 (an unselected quality list reads -1) cannot stall the
// traversal.
int32_t SampleStep(int32_t extent, int16_t percentage);

// Column and row steps of a width x height picture at the given quality index.
SampleSteps SampleGrid(int32_t width, int32_t height, int16_t qualityIndex);

// Samples along an axis: positions 0, step, 2*step, ... up to extent - 1.
constexpr int32_t SampleCount(int32_t extent, int32_t step) {
    return extent <= 0 ? 0 : (extent - 1) / step + 1;
}

}  // namespace wf
