#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "AsciiTestFakes.h"
#include "asciipic/BodyEncoder.h"
#include "common/Errors.h"
#include "common/Text.h"

namespace wf {
namespace {

using test::FakeSink;
using test::FileRecord;
using test::Generator;

// The body line (line 10) that WriteASCIIPicture writes for a picture.
std::string Body(Generator& g) {
    FileRecord rec;
    FakeSink sink(rec);
    EXPECT_EQ(g.writer.WriteASCIIPicture(sink), AsciiPictureWriter::BodyOutcome::Finished);
    return rec.Content();
}

TEST(CharacterCycle, HandsOutCharactersInReadingOrderAndWraps) {
    CharacterCycle c;
    c.Begin(u"abc");
    std::u16string got;
    for (int i = 0; i < 7; ++i) got += c.GetASCIICHAR();
    EXPECT_EQ(got, u"abcabca");
    EXPECT_EQ(c.CharPos(), 2);
    c.Begin(u"xy");  // a new run starts at 1 again
    EXPECT_EQ(c.GetASCIICHAR(), u"x");
}

TEST(CharacterCycle, EmptyAndSingleCharacterSets) {
    CharacterCycle c;
    c.Begin(u"");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(c.GetASCIICHAR(), u"");
    EXPECT_EQ(c.CharPos(), 1);
    c.Begin(u"#");
    for (int i = 0; i < 3; ++i) EXPECT_EQ(c.GetASCIICHAR(), u"#");
    EXPECT_EQ(c.CharPos(), 1);  // a single character never moves the counter
}

TEST(CharacterCycle, CounterOverflowsPast32767AndLeavesItsPosition) {
    CharacterCycle c;
    c.Begin(std::u16string(32767, u'z'));
    for (int i = 1; i <= 32766; ++i) ASSERT_EQ(c.GetASCIICHAR(), u"z") << i;
    EXPECT_EQ(c.CharPos(), 32767);
    try {
        c.GetASCIICHAR();
        FAIL() << "no overflow";
    } catch (const CommandError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
    EXPECT_EQ(c.CharPos(), 32767);
    EXPECT_THROW(c.GetASCIICHAR(), CommandError);  // fails again, as Retry would meet it
    c.Restart();
    EXPECT_EQ(c.GetASCIICHAR(), u"z");

    // One character fewer wraps back to 1 without ever overflowing.
    c.Begin(std::u16string(32766, u'y'));
    for (int i = 1; i <= 70000; ++i) ASSERT_EQ(c.GetASCIICHAR(), u"y") << i;
}

TEST(BodyEncoding, TheCharacterCycleRunsOnAcrossRows) {
    Generator g(MemoryRaster(3, 2, 0));
    g.view.quality = quality::Excellent;
    g.view.chars = u"ab";
    EXPECT_EQ(Body(g), "<FONT COLOR=000000>aba<BR>bab<BR></FONT>\r\n");
}

TEST(BodyEncoding, ColourElementsOnlyWhereTheColourChanges) {
    // Row 0: red red white; row 1: white blue-byte-only black. The second row
    // starts in the colour the first ended in, so it opens no element.
    Generator g(MemoryRaster(3, 2, std::vector<Colour>{0xFF, 0xFF, 0xFFFFFF, 0xFFFFFF, 0x010000, 0}));
    g.view.quality = quality::Excellent;
    g.view.chars = u"o";
    EXPECT_EQ(Body(g),
              "<FONT COLOR=000000></FONT><FONT COLOR=FF0000>oo</FONT><FONT COLOR=FFFFFF>o<BR>o"
              "</FONT><FONT COLOR=000001>o</FONT><FONT COLOR=000000>o<BR></FONT>\r\n");
}

TEST(BodyEncoding, EmptyCharacterSetGivesOnlyMarkup) {
    Generator g(MemoryRaster(2, 2, std::vector<Colour>{0, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF}));
    g.view.quality = quality::Excellent;
    g.view.chars = u"";
    EXPECT_EQ(Body(g), "<FONT COLOR=000000></FONT><FONT COLOR=FFFFFF><BR><BR></FONT>\r\n");
}

TEST(BodyEncoding, BackgroundOnlyPictureHasOneColourElement) {
    Generator g(MemoryRaster(4, 3, 0x123456));
    g.view.back = 0x123456;
    g.view.quality = quality::Excellent;
    g.view.chars = u"#";
    EXPECT_EQ(Body(g), "<FONT COLOR=563412>####<BR>####<BR>####<BR></FONT>\r\n");
}

TEST(BodyEncoding, CharactersAreWrittenAsTheyStandInAnsi) {
    Generator g(MemoryRaster(5, 1, 0));
    g.view.quality = quality::Excellent;
    g.view.chars = u" <&\u00E9\u20AC";  // space, <, &, e acute, euro sign
    EXPECT_EQ(Body(g), "<FONT COLOR=000000> <&\xE9\x80<BR></FONT>\r\n");
    g.view.chars = u"\u4E00";  // not in the code page
    EXPECT_EQ(Body(g), "<FONT COLOR=000000>" + std::string(5, '?') + "<BR></FONT>\r\n");
}

TEST(BodyEncoding, SamplesAreSinglePixelsOnTheGrid) {
    // 100 x 100 at Good: steps of 2, so only even columns and rows are read,
    // with no averaging over the skipped pixels.
    MemoryRaster r(100, 100, 0xFFFFFF);
    for (int y = 0; y < 100; y += 2)
        for (int x = 0; x < 100; x += 2) r.Set(x, y, 0x0000FF);
    Generator g(std::move(r));
    g.view.back = 0x0000FF;
    g.view.quality = quality::Good;
    std::string row(50, 'o');
    std::string expected = "<FONT COLOR=FF0000>";
    for (int i = 0; i < 50; ++i) expected += row + "<BR>";
    expected += "</FONT>\r\n";
    FileRecord rec;
    FakeSink sink(rec);
    g.writer.WriteASCIIPicture(sink);
    EXPECT_EQ(rec.Content(), expected);
}

TEST(BodyEncoding, EmptyPictureGivesTheBareColourElement) {
    Generator g{MemoryRaster()};
    EXPECT_EQ(Body(g), "<FONT COLOR=000000></FONT>\r\n");
}

TEST(BodyEncoding, BatchedSamplesGiveTheSameTextAsOneByOne) {
    // The writer adds samples in batches through a separate fast loop; it must
    // agree with the one-sample steps for every kind of character set.
    std::mt19937 rng(7);
    const std::u16string sets[] = {u"", u"o", u"ab", u"x\u00E9y", u"\u20AC", u"abcdefg"};
    const Colour palette[] = {0, 0xFFFFFF, 0x0000FF, 0x010000};
    for (const std::u16string& chars : sets) {
        std::vector<Colour> samples(3000);
        for (Colour& c : samples) c = palette[rng() % 4];
        BodyEncoder one, batched;
        one.Begin(0, chars);
        batched.Begin(0, chars);
        for (Colour c : samples) one.AddSample(c);
        size_t i = 0;
        while (i < samples.size()) {
            const size_t want = std::min<size_t>(1 + rng() % 50, samples.size() - i);
            const size_t before = batched.Chars();
            const size_t done = batched.AddSamples(samples.data() + i, want, 1000000);
            ASSERT_EQ(done, want);
            ASSERT_GE(batched.Chars(), before);
            i += done;
        }
        EXPECT_EQ(batched.Bytes(), one.Bytes()) << testing::PrintToString(ToUtf8(chars));
        EXPECT_EQ(batched.Chars(), one.Chars());
        EXPECT_EQ(batched.Cycle().CharPos(), one.Cycle().CharPos());
        EXPECT_EQ(batched.PreviousColour(), one.PreviousColour());
    }
}

TEST(BodyEncoding, BatchesStopPastTheCharacterLimitAndBeforeAnOverflow) {
    BodyEncoder e;
    e.Begin(0, u"o");  // 19 characters of opening element
    const std::vector<Colour> black(100, 0);
    EXPECT_EQ(e.AddSamples(black.data(), 100, 30), 12u);  // 19 + 12 = 31 > 30
    EXPECT_EQ(e.Chars(), 31u);
    EXPECT_EQ(e.AddSamples(black.data(), 100, 30), 1u);   // already beyond: one sample

    e.Begin(0, std::u16string(32767, u'z'));
    std::vector<Colour> many(40000, 0);
    EXPECT_EQ(e.AddSamples(many.data(), many.size(), SIZE_MAX), 32766u);
    EXPECT_EQ(e.AddSamples(many.data(), many.size(), SIZE_MAX), 0u);  // the next one overflows
    EXPECT_EQ(e.Cycle().CharPos(), 32767);
    EXPECT_FALSE(e.TryAddChar());
}

}  // namespace
}  // namespace wf
