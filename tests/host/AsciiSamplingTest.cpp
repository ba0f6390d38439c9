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
    EXPECT_EQ(HTMLColour(0x0A0B0C) + u"|" + HTMLColour(0xFF8000) + u"|" + HTMLColour(MakeColour(0x12, 0xAB, 0x0F)),
              u"0C0B0A|0080FF|12AB0F");
    char digits[7] = "xxxxxx";
    HTMLColourDigits(0x00C0FFEE, digits);
    EXPECT_STREQ(digits, "EEFFC0");
}

// DIB bits of colour numbers laid out as GDI does: blue, green, red (and an
// unused byte at 32 bits), each row followed by `pad` bytes, top row first or
// last, in a buffer of their exact size.
std::vector<unsigned char> DibBits(const std::vector<Colour>& pixels, int width, int bytes, int pad, bool bottomUp) {
    std::vector<unsigned char> bits;
    const int height = static_cast<int>(pixels.size()) / width;
    for (int r = 0; r < height; ++r) {
        const int y = bottomUp ? height - 1 - r : r;
        for (int x = 0; x < width; ++x) {
            const Colour c = pixels[static_cast<size_t>(y * width + x)];
            bits.insert(bits.end(), {BlueOf(c), GreenOf(c), RedOf(c)});
            if (bytes == 4) bits.push_back(0xEE);
        }
        if (r + 1 < height) bits.insert(bits.end(), static_cast<size_t>(pad), 0xDD);
    }
    return bits;
}

TEST(PictureRaster, ReadsDibBitsOfBothDepthsTopDownAndBottomUpAsTheColoursInMemory) {
    const std::vector<Colour> colours = {0x102030, 0x0000FF, 0xFF0000, 0x010203, 0x040506, 0x070809};
    const MemoryRaster want(3, 2, colours);
    // y, x0, step, count: whole rows, steps, and reads that run off every side.
    const int reads[][4] = {{0, 0, 1, 3}, {1, 0, 2, 2}, {1, 2, 1, 1}, {0, -1, 1, 5}, {1, -3, 2, 4}, {-1, 0, 1, 2},
                            {2, 0, 1, 3}, {0, 3, 1, 2}};
    const struct { const char* name; int bytes, pad; bool bottomUp; } layouts[] = {
        {"32-bit top-down", 4, 0, false}, {"32-bit bottom-up", 4, 0, true},
        {"24-bit top-down, padded", 3, 3, false}, {"24-bit bottom-up, padded", 3, 3, true},
        {"24-bit, unpadded", 3, 0, false}};
    for (const auto& l : layouts) {
        SCOPED_TRACE(l.name);
        const std::vector<unsigned char> bits = DibBits(colours, 3, l.bytes, l.pad, l.bottomUp);
        const ptrdiff_t stride = 3 * l.bytes + l.pad;
        const unsigned char* top = l.bottomUp ? bits.data() + stride : bits.data();
        const DibRaster r(top, 3, 2, l.bottomUp ? -stride : stride, l.bytes * 8);
        EXPECT_EQ(std::pair(r.Width(), r.Height()), std::pair(3, 2));
        for (const auto& [y, x0, step, count] : reads) {
            std::vector<Colour> got(static_cast<size_t>(count)), expected(static_cast<size_t>(count));
            r.ReadRow(y, x0, step, count, got.data());
            want.ReadRow(y, x0, step, count, expected.data());
            EXPECT_EQ(got, expected) << "row " << y << " from " << x0 << " by " << step;
        }
    }
    // The bytes blue 0x30, green 0x20, red 0x10 are the colour number 0x302010.
    const unsigned char pixel[] = {0x30, 0x20, 0x10, 0x00};
    DibRaster dib(pixel, 1, 1, 4, 32);
    EXPECT_EQ(PixelAt(dib, 0, 0), 0x302010u);
    // The same view reads the next picture at its own depth, and none after Detach.
    dib.Attach(pixel + 1, 1, 1, 4, 24);
    EXPECT_EQ(PixelAt(dib, 0, 0), 0x201000u);
    dib.Detach();
    EXPECT_EQ(std::pair(PixelAt(dib, 0, 0), dib.Width()), std::pair(kNoPixel, 0));
    EXPECT_THROW(DibRaster(pixel, 1, 1, 4, 16), std::invalid_argument);
    // The reference raster itself: outside the picture there is no pixel.
    Colour row[4];
    want.ReadRow(0, -1, 1, 4, row);
    EXPECT_EQ(std::vector<Colour>(row, row + 4), (std::vector<Colour>{kNoPixel, 0x102030, 0x0000FF, 0xFF0000}));
}

}  // namespace
}  // namespace wf
