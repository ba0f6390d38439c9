#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "AsciiTestFakes.h"
#include "asciipic/BodyEncoder.h"
#include "common/Text.h"

namespace wf {
namespace {

std::u16string Take(CharacterCycle& c, int n) {
    std::u16string got;
    for (int i = 0; i < n; ++i) got += c.GetASCIICHAR();
    return got;
}

TEST(CharacterCycle, ReadingOrderWrapsAndSingleSetsNeverMove) {
    CharacterCycle c;
    const std::tuple<std::u16string, std::u16string, int16_t> runs[] = {  // set, seven taken, position after
        {u"abc", u"abcabca", 2}, {u"", u"", 1}, {u"#", u"#######", 1}};  // a new run starts at 1 again
    for (const auto& [set, taken, pos] : runs) {
        c.Begin(set);
        EXPECT_EQ(Take(c, 7), taken);
        EXPECT_EQ(c.CharPos(), pos) << ToUtf8(set);
    }
    c.Begin(std::u16string(32766, u'y'));  // wraps to 1 before CharPos could overflow
    EXPECT_EQ(Take(c, 70000), std::u16string(70000, u'y'));
}

TEST(BodyEncoding, LineTenForEachKindOfPicture) {
    MemoryRaster grid(100, 100, 0xFFFFFF);  // at Good only even columns and rows are read, unaveraged
    for (int y = 0; y < 100; y += 2)
        for (int x = 0; x < 100; x += 2) grid.Set(x, y, 0x0000FF);
    std::string gridBody = "<FONT COLOR=FF0000>";
    for (int i = 0; i < 50; ++i) gridBody += std::string(50, 'o') + "<BR>";
    const struct { MemoryRaster raster; Colour back; std::u16string chars; std::string body;
                   int16_t q = quality::Excellent; } cases[] = {
        // The cycle runs on across rows.
        {MemoryRaster(3, 2, 0), 0, u"ab", "<FONT COLOR=000000>aba<BR>bab<BR></FONT>"},
        // Elements only where the colour changes, the blue byte alone too; row 2 starts in row 1's colour,
        // and a background-only picture has the one element.
        {MemoryRaster(3, 2, std::vector<Colour>{0xFF, 0xFF, 0xFFFFFF, 0xFFFFFF, 0x010000, 0}), 0, u"o",
         "<FONT COLOR=000000></FONT><FONT COLOR=FF0000>oo</FONT><FONT COLOR=FFFFFF>o<BR>o"
         "</FONT><FONT COLOR=000001>o</FONT><FONT COLOR=000000>o<BR></FONT>"},
        {MemoryRaster(2, 2, std::vector<Colour>{0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}), 0, u"",
         "<FONT COLOR=000000></FONT><FONT COLOR=FFFFFF><BR><BR></FONT>"},
        {MemoryRaster(6, 1, 0), 0, u" <&\u00E9\u20AC\u4E00", "<FONT COLOR=000000> <&\xE9\x80?<BR></FONT>"},  // in ANSI
        {MemoryRaster(), 0, u"o", "<FONT COLOR=000000></FONT>"},
        {grid, 0x0000FF, u"o", gridBody + "</FONT>", quality::Good}};
    for (const auto& c : cases) {
        test::Generator g(c.raster);
        std::tie(g.view.back, g.view.chars, g.view.quality) = std::tie(c.back, c.chars, c.q);
        test::FileRecord rec;
        test::FakeSink sink(rec);
        EXPECT_EQ(g.writer.WriteASCIIPicture(sink), AsciiPictureWriter::BodyOutcome::Finished);
        EXPECT_EQ(rec.Content(), c.body + "\r\n");
    }
}

TEST(BodyEncoding, BatchesStopPastTheCharacterLimitAndBeforeAnOverflow) {
    BodyEncoder e;
    e.Begin(0, u"o");  // 19 characters of opening element
    const std::vector<Colour> black(40000, 0);
    EXPECT_EQ(e.AddSamples(black.data(), 100, 30), 12u);  // 19 + 12 = 31 > 30
    EXPECT_EQ(e.Chars(), 31u);
    EXPECT_EQ(e.AddSamples(black.data(), 100, 30), 1u);   // already beyond: one sample
    e.Begin(0, std::u16string(32767, u'z'));
    EXPECT_EQ(e.AddSamples(black.data(), black.size(), SIZE_MAX), 32766u);
    EXPECT_EQ(e.AddSamples(black.data(), black.size(), SIZE_MAX), 0u);  // the next one overflows
    EXPECT_TRUE(e.Cycle().CharPos() == 32767 && !e.TryAddChar());
}

}  // namespace
}  // namespace wf
