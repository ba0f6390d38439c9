#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "asciipic/GeneratorSettings.h"

namespace wf {
namespace {

TEST(GeneratorCommandLine, ArgumentsFollowTheProgramPath) {
    EXPECT_EQ(CommandLineArguments(u"\"C:\\Program Files\\Wrenfold\\wrenfold.exe\" \"C:\\pics\\cat.jpg\""),
              u"\"C:\\pics\\cat.jpg\"");
    EXPECT_EQ(CommandLineArguments(u"wrenfold.exe   C:\\pics\\cat.jpg"), u"C:\\pics\\cat.jpg");
    EXPECT_EQ(CommandLineArguments(u"\"C:\\w f\\wrenfold.exe\""), u"");
    EXPECT_EQ(CommandLineArguments(u"wrenfold.exe"), u"");
    EXPECT_EQ(CommandLineArguments(u""), u"");
}

TEST(GeneratorCommandLine, OnePairOfSurroundingQuotesIsRemoved) {
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"\"C:\\pics\\cat.jpg\"", u"C:\\pics\\cat.jpg"},
        {u"C:\\pics\\cat.jpg", u"C:\\pics\\cat.jpg"},
        {u"C:\\my pics\\a cat.jpg", u"C:\\my pics\\a cat.jpg"},  // unquoted spaces stay
        {u"\"C:\\my pics\\a cat.jpg\"", u"C:\\my pics\\a cat.jpg"},
        {u"", u""},
        // A lone quote, an unclosed quote and text after the closing quote
        // (a second dropped file, a trailing blank) give the first path whole.
        {u"\"", u""},
        {u"\"\"", u""},
        {u"\"C:\\a.gif", u"C:\\a.gif"},
        {u"\"C:\\a.gif\" \"C:\\b.gif\"", u"C:\\a.gif"},
        {u"\"C:\\a.gif\" ", u"C:\\a.gif"},
        {u"C:\\a.gif  ", u"C:\\a.gif"},
    };
    for (const auto& [given, path] : cases) EXPECT_EQ(InputPathFromCommandLine(given), path);
}

TEST(OutputGuess, ProposesTheInputPathWithSuffixWhenTheInputExists) {
    std::vector<std::u16string> asked;
    auto exists = [&](std::u16string_view p) {
        asked.emplace_back(p);
        return p == u"C:\\a\\b.gif" || p == u"C:\\pics\\cat.jpg";
    };
    EXPECT_EQ(OutputGuess(u"C:\\a\\b.gif", u"A HTML File", exists), u"C:\\a\\b.gif_ascii.htm");
    EXPECT_EQ(OutputGuess(u"C:\\pics\\cat.jpg", u"x.htm", exists), u"C:\\pics\\cat.jpg_ascii.htm");
    EXPECT_EQ(OutputGuess(u"C:\\pics\\cat.jp", u"x.htm", exists), u"x.htm");
    EXPECT_EQ(OutputGuess(u"", u"A HTML File", exists), u"A HTML File");
    EXPECT_EQ(asked, (std::vector<std::u16string>{u"C:\\a\\b.gif", u"C:\\pics\\cat.jpg", u"C:\\pics\\cat.jp", u""}));
}

TEST(PreviewBox, HimetricSizesBelowTheBoxBecomeItsTwips) {
    auto box = PreviewBoxTwips(1000, 800);  // smaller both ways
    EXPECT_EQ(box.widthTwips, 1000);
    EXPECT_EQ(box.heightTwips, 800);
    box = PreviewBoxTwips(16933, 800);  // wide and low
    EXPECT_EQ(box.widthTwips, 1770);
    EXPECT_EQ(box.heightTwips, 800);
    box = PreviewBoxTwips(1000, 12700);
    EXPECT_EQ(box.widthTwips, 1000);
    EXPECT_EQ(box.heightTwips, 1365);
    box = PreviewBoxTwips(1770, 1365);  // not below: the full box
    EXPECT_EQ(box.widthTwips, 1770);
    EXPECT_EQ(box.heightTwips, 1365);
    box = PreviewBoxTwips(1769, 1364);
    EXPECT_EQ(box.widthTwips, 1769);
    EXPECT_EQ(box.heightTwips, 1364);
    box = PreviewBoxTwips(0, 0);  // the empty raster
    EXPECT_EQ(box.widthTwips, 0);
    EXPECT_EQ(box.heightTwips, 0);
}

TEST(PreviewBox, UnitConversions) {
    EXPECT_EQ(PixelsToHimetric(640, 96), 16933);
    EXPECT_EQ(PixelsToHimetric(48, 96), 1270);
    EXPECT_EQ(PixelsToHimetric(10, 0), 0);
    EXPECT_EQ(TwipsToPixels(1770, 96), 118);
    EXPECT_EQ(TwipsToPixels(1365, 96), 91);
    EXPECT_EQ(TwipsToPixels(1365, 144), 137);  // 136.5 rounds up
}

TEST(GeneratorStatus, DimensionsInPlainDecimal) {
    EXPECT_EQ(DimensionsText(640, 480), u"Dimensions: 640x480");
    EXPECT_EQ(DimensionsText(0, 0), u"Dimensions: 0x0");
    EXPECT_EQ(DimensionsText(12000, 1), u"Dimensions: 12000x1");
}

}  // namespace
}  // namespace wf
