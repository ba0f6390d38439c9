#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "asciipic/PictureRaster.h"
#include "asciipic/Sampling.h"
#include "asciipic/modColours.h"

namespace wf {
namespace {

TEST(SampleGrid, StepsAndCountsOfTheQualityTable) {
    struct Row {
        int32_t extent;
        int32_t step[4], count[4];
    };
    const Row table[] = {
        {10, {1, 1, 1, 1}, {10, 10, 10, 10}},      {50, {1, 1, 2, 3}, {50, 50, 25, 17}},
        {100, {1, 2, 3, 4}, {100, 50, 34, 25}},    {150, {1, 3, 4, 5}, {150, 50, 38, 30}},
        {160, {1, 3, 4, 6}, {160, 54, 40, 27}},    {480, {1, 6, 11, 15}, {480, 80, 44, 32}},
        {640, {1, 7, 14, 20}, {640, 92, 46, 32}},  {1024, {1, 11, 21, 32}, {1024, 94, 49, 32}}};
    for (const Row& r : table) {
        for (int16_t q = 0; q < 4; ++q) {
            const int32_t step = SampleStep(r.extent, static_cast<int16_t>(100 - q));
            EXPECT_EQ(step, r.step[q]) << r.extent << " quality " << q;
            EXPECT_EQ(SampleCount(r.extent, step), r.count[q]) << r.extent << " quality " << q;
        }
    }
}

TEST(SampleGrid, HalvesGoToTheEvenNeighbour) {
    // 50 at Good: 49.5 -> 50, step 1; at Worst: 48.5 -> 48, step 3.
    EXPECT_EQ(SampleGrid(50, 50, quality::Good).sx, 1);
    EXPECT_EQ(SampleGrid(50, 50, quality::Worst).sy, 3);
    // 25 at Bad: 24.5 -> 24, step 2; 75 at Bad: 73.5 -> 74, step 2; 150 at Good: 148.5 -> 148.
    EXPECT_EQ(SampleGrid(25, 1, quality::Bad).sx, 2);
    EXPECT_EQ(SampleGrid(75, 1, quality::Bad).sx, 2);
    EXPECT_EQ(SampleGrid(150, 1, quality::Good).sx, 3);
}

TEST(SampleGrid, WidthAndHeightAreSteppedSeparately) {
    const SampleSteps s = SampleGrid(640, 480, quality::Good);
    EXPECT_EQ(s.sx, 7);
    EXPECT_EQ(s.sy, 6);
    const std::pair<int, std::pair<int, int>> counts[] = {
        {quality::Excellent, {640, 480}}, {quality::Good, {92, 80}}, {quality::Bad, {46, 44}}, {quality::Worst, {32, 32}}};
    for (auto [q, wh] : counts) {
        const SampleSteps g = SampleGrid(640, 480, static_cast<int16_t>(q));
        EXPECT_EQ(SampleCount(640, g.sx), wh.first) << q;
        EXPECT_EQ(SampleCount(480, g.sy), wh.second) << q;
    }
}

TEST(SampleGrid, SmallAxesAreSampledAtEveryPixel) {
    for (int32_t d = 1; d <= 100; ++d) {
        for (int16_t q = 0; q < 4; ++q) {
            const int32_t step = SampleGrid(d, d, q).sx;
            const int32_t limit[] = {INT32_MAX, 50, 24, 16};
            EXPECT_EQ(step == 1, d <= limit[q]) << d << " quality " << q << " step " << step;
            EXPECT_GE(step, 1);
        }
    }
}

TEST(SampleGrid, NeverStallsTheTraversal) {
    // An empty picture, and a quality list that reads -1 (nothing selected).
    EXPECT_EQ(SampleStep(0, 100), 1);
    EXPECT_EQ(SampleCount(0, 1), 0);
    for (int32_t d : {1, 2, 99, 100, 101, 5000}) EXPECT_GE(SampleGrid(d, d, -1).sx, 1) << d;
    // Large pictures stay in range.
    EXPECT_EQ(SampleStep(100000, 99), 1001);
}

TEST(HTMLColour, RedGreenBlueInUpperCaseHex) {
    EXPECT_EQ(HTMLColour(0x0A0B0C), u"0C0B0A");
    EXPECT_EQ(HTMLColour(0x0000FF), u"FF0000");
    EXPECT_EQ(HTMLColour(0xFF8000), u"0080FF");
    EXPECT_EQ(HTMLColour(0), u"000000");
    EXPECT_EQ(HTMLColour(0xFFFFFF), u"FFFFFF");
    EXPECT_EQ(HTMLColour(MakeColour(0x12, 0xAB, 0x0F)), u"12AB0F");
    char digits[7] = "xxxxxx";
    HTMLColourDigits(0x00C0FFEE, digits);
    EXPECT_STREQ(digits, "EEFFC0");
}

TEST(PictureRaster, ReadsDibBitsAsColourNumbersTopDownAndBottomUp) {
    // Two rows of three pixels, bytes blue, green, red, unused.
    const unsigned char top[] = {0x30, 0x20, 0x10, 0xFF, 0, 0, 0xFF, 0, 0xFF, 0, 0, 0};
    const unsigned char bottom[] = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0};
    std::vector<unsigned char> topDown, bottomUp;
    topDown.insert(topDown.end(), top, top + 12);
    topDown.insert(topDown.end(), bottom, bottom + 12);
    bottomUp.insert(bottomUp.end(), bottom, bottom + 12);
    bottomUp.insert(bottomUp.end(), top, top + 12);

    const Bgrx32Raster a(topDown.data(), 3, 2, 12);
    const Bgrx32Raster b(bottomUp.data() + 12, 3, 2, -12);
    for (const Bgrx32Raster* r : {&a, &b}) {
        EXPECT_EQ(r->Width(), 3);
        EXPECT_EQ(r->Height(), 2);
        EXPECT_EQ(PixelAt(*r, 0, 0), 0x302010u);  // unused byte dropped
        EXPECT_EQ(PixelAt(*r, 1, 0), 0x0000FFu);  // red
        EXPECT_EQ(PixelAt(*r, 2, 0), 0xFF0000u);  // blue
        Colour row[2];
        r->ReadRow(1, 0, 2, 2, row);
        EXPECT_EQ(row[0], 0x010203u);
        EXPECT_EQ(row[1], 0x070809u);
    }
}

TEST(PictureRaster, ReadsOutsideThePictureAsNoPixel) {
    MemoryRaster m(3, 2, std::vector<Colour>{1, 2, 3, 4, 5, 6});
    Colour row[4];
    m.ReadRow(0, -1, 1, 4, row);
    EXPECT_EQ(std::vector<Colour>(row, row + 4), (std::vector<Colour>{kNoPixel, 1, 2, 3}));
    m.ReadRow(1, 1, 2, 2, row);
    EXPECT_EQ(std::vector<Colour>(row, row + 2), (std::vector<Colour>{5, kNoPixel}));
    m.ReadRow(2, 0, 1, 2, row);  // below the picture
    EXPECT_EQ(row[1], kNoPixel);
    EXPECT_EQ(PixelAt(m, -5, 0), kNoPixel);

    Bgrx32Raster empty;
    EXPECT_EQ(empty.Width(), 0);
    EXPECT_EQ(PixelAt(empty, 0, 0), kNoPixel);
    EXPECT_THROW(MemoryRaster(2, 2, std::vector<Colour>{1, 2, 3}), std::invalid_argument);
}

}  // namespace
}  // namespace wf
