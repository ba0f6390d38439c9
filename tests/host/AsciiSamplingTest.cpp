#include <gtest/gtest.h>

#include <cstring>
#include <utility>
#include <vector>

#include "common/PictureRaster.h"
#include "asciipic/Sampling.h"
#include "asciipic/modColours.h"

namespace wf {
namespace {

TEST(SampleGrid, StepsAndCountsOfTheQualityTable) {
    // Halves go to the even neighbour: 50 at Good 49.5 -> 50, at Worst 48.5 -> 48;
    // 25 at Bad 24.5 -> 24; 75 at Bad 73.5 -> 74; 150 at Good 148.5 -> 148.
    const struct { int32_t extent, step[4], count[4]; } table[] = {
        {10, {1, 1, 1, 1}, {10, 10, 10, 10}},      {25, {1, 1, 2, 2}, {25, 25, 13, 13}},
        {50, {1, 1, 2, 3}, {50, 50, 25, 17}},      {75, {1, 2, 2, 3}, {75, 38, 38, 25}},
        {100, {1, 2, 3, 4}, {100, 50, 34, 25}},    {150, {1, 3, 4, 5}, {150, 50, 38, 30}},
        {160, {1, 3, 4, 6}, {160, 54, 40, 27}},    {480, {1, 6, 11, 15}, {480, 80, 44, 32}},
        {640, {1, 7, 14, 20}, {640, 92, 46, 32}},  {1024, {1, 11, 21, 32}, {1024, 94, 49, 32}}};
    for (const auto& r : table) {
        for (int16_t q = 0; q < 4; ++q) {
            const int32_t step = SampleGrid(r.extent, r.extent, q).sx;
            EXPECT_EQ(step, r.step[q]) << r.extent << " quality " << q;
            EXPECT_EQ(SampleStep(r.extent, static_cast<int16_t>(100 - q)), step);
            EXPECT_EQ(SampleCount(r.extent, step), r.count[q]) << r.extent << " quality " << q;
        }
    }
    const SampleSteps s = SampleGrid(640, 480, quality::Good);  // each axis stepped on its own
    EXPECT_EQ(std::pair(s.sx, s.sy), std::pair(7, 6));
}

TEST(SampleGrid, SmallAxesAtEveryPixelAndTheTraversalNeverStalls) {
    const int32_t limit[] = {INT32_MAX, 50, 24, 16};
    for (int32_t d = 1; d <= 100; ++d)
        for (int16_t q = 0; q < 4; ++q) EXPECT_EQ(SampleGrid(d, d, q).sx == 1, d <= limit[q]) << d << " q " << q;
    // An empty picture, and a quality list that reads -1 (nothing selected).
    EXPECT_EQ(SampleStep(0, 100), 1);
    EXPECT_EQ(SampleCount(0, 1), 0);
    for (int32_t d : {1, 2, 99, 100, 101, 5000}) EXPECT_GE(SampleGrid(d, d, -1).sx, 1) << d;
    EXPECT_EQ(SampleStep(100000, 99), 1001);  // large pictures stay in range
}

TEST(HTMLColour, RedGreenBlueInUpperCaseHex) {
    EXPECT_EQ(HTMLColour(0x0A0B0C), u"0C0B0A");
    EXPECT_EQ(HTMLColour(0xFF8000), u"0080FF");
    EXPECT_EQ(HTMLColour(MakeColour(0x12, 0xAB, 0x0F)), u"12AB0F");
    char digits[7] = "xxxxxx";
    HTMLColourDigits(0x00C0FFEE, digits);
    EXPECT_STREQ(digits, "EEFFC0");
}

TEST(PictureRaster, ReadsDibBitsTopDownAndBottomUpAndOutsideAsNoPixel) {
    // Two rows of three pixels, bytes blue, green, red, unused.
    const unsigned char topDown[] = {0x30, 0x20, 0x10, 0xFF, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0,
                                     1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0};
    unsigned char bottomUp[24];
    std::memcpy(bottomUp, topDown + 12, 12);
    std::memcpy(bottomUp + 12, topDown, 12);
    const Bgrx32Raster a(topDown, 3, 2, 12), b(bottomUp + 12, 3, 2, -12);
    for (const Bgrx32Raster* r : {&a, &b}) {
        EXPECT_EQ(std::pair(r->Width(), r->Height()), std::pair(3, 2));
        Colour row[4];
        r->ReadRow(0, 0, 1, 3, row);
        EXPECT_EQ(std::vector<Colour>(row, row + 3), (std::vector<Colour>{0x302010, 0x0000FF, 0xFF0000}));
        r->ReadRow(1, 0, 2, 2, row);
        EXPECT_EQ(std::vector<Colour>(row, row + 2), (std::vector<Colour>{0x010203, 0x070809}));
    }
    const MemoryRaster m(3, 2, std::vector<Colour>{1, 2, 3, 4, 5, 6});
    Colour row[4];
    m.ReadRow(0, -1, 1, 4, row);
    EXPECT_EQ(std::vector<Colour>(row, row + 4), (std::vector<Colour>{kNoPixel, 1, 2, 3}));
    m.ReadRow(1, 1, 2, 2, row);
    EXPECT_EQ(std::vector<Colour>(row, row + 2), (std::vector<Colour>{5, kNoPixel}));
    m.ReadRow(2, 0, 1, 2, row);  // below the picture
    EXPECT_EQ(row[1], kNoPixel);
    EXPECT_EQ(PixelAt(m, -5, 0), kNoPixel);
    EXPECT_EQ(PixelAt(Bgrx32Raster(), 0, 0), kNoPixel);
    EXPECT_THROW(MemoryRaster(2, 2, std::vector<Colour>{1, 2, 3}), std::invalid_argument);
}

}  // namespace
}  // namespace wf
