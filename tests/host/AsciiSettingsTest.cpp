#include <gtest/gtest.h>
#include <strings.h>

#include <string>
#include <vector>

#include "asciipic/GeneratorSettings.h"
#include "common/Text.h"

namespace wf {
namespace {

TEST(GeneratorCommandLine, ArgumentsFollowTheProgramPathAndOnePairOfQuotesIsRemoved) {
    const std::pair<std::u16string, std::u16string> args[] = {
        {u"\"C:\\Program Files\\Wrenfold\\wrenfold.exe\" \"C:\\pics\\cat.jpg\"", u"\"C:\\pics\\cat.jpg\""},
        {u"wrenfold.exe   C:\\pics\\cat.jpg", u"C:\\pics\\cat.jpg"}, {u"\"C:\\w f\\wrenfold.exe\"", u""},
        {u"wrenfold.exe", u""}, {u"", u""}};
    for (const auto& [line, rest] : args) EXPECT_EQ(CommandLineArguments(line), rest) << ToUtf8(line);
    const std::pair<std::u16string, std::u16string> cases[] = {
        {u"\"C:\\pics\\cat.jpg\"", u"C:\\pics\\cat.jpg"}, {u"C:\\pics\\cat.jpg", u"C:\\pics\\cat.jpg"},
        {u"C:\\my pics\\a cat.jpg", u"C:\\my pics\\a cat.jpg"},  // unquoted spaces stay
        {u"\"C:\\my pics\\a cat.jpg\"", u"C:\\my pics\\a cat.jpg"}, {u"", u""},
        // A lone quote, an unclosed quote and text after the closing quote
        // (a second dropped file, a trailing blank) give the first path whole.
        {u"\"", u""}, {u"\"\"", u""}, {u"\"C:\\a.gif", u"C:\\a.gif"}, {u"\"C:\\a.gif\" \"C:\\b.gif\"", u"C:\\a.gif"},
        {u"\"C:\\a.gif\" ", u"C:\\a.gif"}, {u"C:\\a.gif  ", u"C:\\a.gif"}};
    for (const auto& [given, path] : cases) EXPECT_EQ(InputPathFromCommandLine(given), path) << ToUtf8(given);
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
    const std::pair<std::pair<int32_t, int32_t>, std::pair<int32_t, int32_t>> cases[] = {  // himetric, twips
        {{1000, 800}, {1000, 800}}, {{16933, 800}, {1770, 800}}, {{1000, 12700}, {1000, 1365}},  // small, wide, tall
        {{1770, 1365}, {1770, 1365}}, {{1769, 1364}, {1769, 1364}}, {{0, 0}, {0, 0}}};  // not below: the box; empty
    for (const auto& [himetric, twips] : cases) {
        const auto box = PreviewBoxTwips(himetric.first, himetric.second);
        EXPECT_EQ(std::pair(box.widthTwips, box.heightTwips), twips) << himetric.first << "x" << himetric.second;
    }
    EXPECT_EQ(std::vector<int32_t>({PixelsToHimetric(640, 96), PixelsToHimetric(48, 96), PixelsToHimetric(10, 0),
                                    TwipsToPixels(1770, 96), TwipsToPixels(1365, 96), TwipsToPixels(1365, 144)}),
              std::vector<int32_t>({16933, 1270, 0, 118, 91, 137}));  // 136.5 rounds up
}

TEST(GeneratorStatus, DimensionsInPlainDecimal) {
    EXPECT_EQ(DimensionsText(640, 480) + DimensionsText(0, 0) + DimensionsText(12000, 1),
              u"Dimensions: 640x480Dimensions: 0x0Dimensions: 12000x1");
}

int CaseBlind(const std::u16string& a, const std::u16string& b) {
    return strcasecmp(ToUtf8(a).c_str(), ToUtf8(b).c_str());
}

TEST(FontList, EachNameOnceInTheOrderGivenAndNoVerticalVariants) {
    // A family per character set, vertical variants, and an order where "marlett" comes before "MS".
    EXPECT_EQ(FontListNames({u"Tahoma", u"@MS Gothic", u"MS Gothic", u"Arial", u"Tahoma", u"marlett", u"@"}, CaseBlind),
              (std::vector<std::u16string>{u"Arial", u"marlett", u"MS Gothic", u"Tahoma"}));
    EXPECT_EQ(FontListNames({u"ARIAL", u"Arial", u"arial"}, CaseBlind).size(), 1u);
}

}  // namespace
}  // namespace wf
