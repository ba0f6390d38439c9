#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <regex>
#include <string>
#include <vector>

#include "AsciiTestFakes.h"
#include "common/Text.h"

namespace wf {
namespace {

using test::Generator;
using test::Lines;

std::string A(std::u16string_view s) { return ToAnsi(s); }
const std::string kWriting = "ASCII Picture Generator - Writing file...";
MemoryRaster BlackWhite() { return MemoryRaster(2, 1, std::vector<Colour>{0x000000, 0xFFFFFF}); }

TEST(HtmlPage, TwoPixelPagesAndTheWindowDuringTheRun) {
    const struct PageCase {
        bool center = true, bold = true;
        std::u16string title = u"T", font = u"Terminal", size = u"1";
        Colour back = 0;
        std::string titleLine = "T", bodyTag = "000000", fontLine = "Terminal\" SIZE=\"1", bodyPrefix = "";
    } cases[] = {
        {}, {.bold = false}, {.center = false}, {.center = false, .bold = false},
        {.center = false, .title = u"Caf\u00E9 <i>\u4E00</i>", .font = u"Courier New", .size = u"6",
         .back = MakeColour(0x10, 0x20, 0xFE), .titleLine = "Caf\xE9 <i>?</i>", .bodyTag = "1020FE",
         .fontLine = "Courier New\" SIZE=\"6", .bodyPrefix = "<FONT COLOR=1020FE></FONT>"},  // as they stand in ANSI
        {.font = u"", .size = u""}};  // empty boxes are filled, and stay so
    for (const PageCase& c : cases) {
        Generator g(BlackWhite());
        std::tie(g.view.center, g.view.bold, g.view.title, g.view.fontName, g.view.fontSize, g.view.back) =
            std::tie(c.center, c.bold, c.title, c.font, c.size, c.back);
        bool sawRunning = false;
        g.pump.onCall = [&](int call) {
            if (call == 1)
                sawRunning = g.writer.Running() && !g.view.exitEnabled && g.view.generateCaption == u"Cancel";
        };
        std::vector<std::string> expected = {
            "<!--- ASCII Picture created by Wrenfold ASCII Picture Generator on 16/12/2004 10:20:30 --->",
            A(kDownloadNoticeLine), "<HTML>", "<HEAD><TITLE>" + c.titleLine + "</TITLE></HEAD>",
            "<BODY BGCOLOR=" + c.bodyTag + ">", "<CENTER>", "<B>", "<FONT FACE=\"" + c.fontLine + "\">", "<BR>",
            c.bodyPrefix + "<FONT COLOR=000000>o</FONT><FONT COLOR=FFFFFF>o<BR></FONT>", "<BR>", "</CENTER>", "</B>",
            "</BODY>", "</HTML>", "<!--- ASCII Picture created by Wrenfold on 16/12/2004 10:20:31 --->",
            A(kFeedbackNoticeLine)};
        std::erase_if(expected, [&](const std::string& l) {
            return (!c.center && (l == "<CENTER>" || l == "</CENTER>")) || (!c.bold && (l == "<B>" || l == "</B>"));
        });
        EXPECT_EQ(Lines(g.Run()), expected);
        EXPECT_EQ(A(g.view.fontName) + "\" SIZE=\"" + A(g.view.fontSize), c.fontLine);
        EXPECT_TRUE(g.files.Only().path == u"C:\\out.htm" && g.files.Only().closed && sawRunning);
        ASSERT_EQ(g.view.captions.size(), 3u);  // after the first row: "0%", six blanks
        EXPECT_EQ(A(g.view.captions[0]) + "|" + A(g.view.captions[1]), kWriting + "|0%       - " + kWriting);
        EXPECT_TRUE(g.view.Idle() && g.prompts.messages.empty());  // a finished run says nothing
    }
}

TEST(HtmlPage, BodyIsWrittenInPiecesOfJustOver5000Characters) {
    // One row of `samples` characters after the 19 of the opening element;
    // a piece ends once the buffer holds more than 5000, without a line end.
    const std::string head = "<FONT COLOR=000000>", tail = "<BR></FONT>\r\n";
    const auto o = [](size_t n) { return std::string(n, 'o'); };
    const struct { int samples; std::vector<std::string> pieces; } cases[] = {
        {4981, {head + o(4981) + tail}},
        {4982, {head + o(4982), tail}},
        {12000, {head + o(4982), o(5001), o(12000 - 4982 - 5001) + tail}}};
    for (const auto& c : cases) {
        Generator g(MemoryRaster(c.samples, 1, 0));
        g.Run();
        const auto& w = g.files.Only().writes;  // nine lines before the body, seven after
        EXPECT_EQ(std::vector<std::string>(w.begin() + 9, w.end() - 7), c.pieces) << c.samples;
    }
}

MemoryRaster Checkered() {  // every sample changes colour: 27 characters each
    MemoryRaster r(300, 100);
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 300; ++x) r.Set(x, y, ((x + y) % 2) ? 0xFFFFFF : 0x0000FF);
    return r;
}

TEST(HtmlPage, EventsRunOnATimeSliceAndACancelledRunKeepsWholePieces) {
    Generator frozen(Checkered()), timed(Checkered()), g(Checkered());
    const std::vector<std::string> whole = Lines(frozen.Run());
    // 30000 samples, a frozen clock: only the pumpings around the run, and progress after the first row only.
    EXPECT_TRUE(frozen.pump.calls == 2 && frozen.view.captions.size() == 3u);
    timed.clock.step = g.clock.step = 16;  // every look at the clock finds a time slice gone
    EXPECT_EQ(Lines(timed.Run()), whole);
    EXPECT_EQ(timed.pump.calls, 2 + 30000 / 1024);
    ASSERT_EQ(timed.view.captions.size(), 102u);  // progress after every row
    EXPECT_EQ(A(timed.view.captions[2] + u"|" + timed.view.captions[100]),
              "1%       - " + kWriting + "|99%      - " + kWriting);

    // At the first pumping inside the body the user unticks both boxes (the
    // page must stay balanced) and presses "Cancel", impatiently twice.
    g.pump.onCall = [&](int call) {
        if (call != 2) return;
        g.view.center = g.view.bold = false;
        g.writer.cmdGenerate_Click();
        g.writer.cmdGenerate_Click();
    };
    const std::vector<std::string> lines = Lines(g.Run());
    ASSERT_EQ(g.files.files.size(), 1u);  // the second click started no run
    ASSERT_EQ(lines.size(), 17u);
    std::vector<std::string> frame = whole;
    frame[9] = lines[9];  // all lines but the body are the full run's
    EXPECT_EQ(lines, frame);
    // The body is the full one cut after a whole piece: the first pumping came
    // after sample 1024 (three rows ended), and what followed the last piece
    // was dropped.
    const std::string& body = lines[9];
    const size_t madeBy1024 = 19u + 27u * 1024u + 3u * 4u;
    EXPECT_EQ(whole[9].compare(0, body.size(), body), 0);
    EXPECT_LE(body.size(), madeBy1024);
    EXPECT_GT(body.size(), madeBy1024 - 5027u);
    EXPECT_EQ(body.find("</FONT>", body.size() - 7), std::string::npos);
    EXPECT_TRUE(g.view.Idle() && !g.writer.Running() && g.files.Only().closed);
}

TEST(HtmlPage, CharPosOverflowGoesToTheErrorReport) {
    // 200 x 200 samples with 32767 characters: the 32767th sample overflows.
    std::string cycle;
    for (int i = 0; i < 32767; ++i) cycle += static_cast<char>('A' + i % 26);
    for (const std::deque<int>& answers : {std::deque<int>{answer::Abort},
                                           std::deque<int>{answer::Retry, answer::Retry, answer::Abort},
                                           std::deque<int>{answer::Ignore}}) {
        Generator g(MemoryRaster(200, 200, 0));
        g.view.chars = FromAnsi(cycle);
        g.prompts.answers = answers;
        const std::vector<std::string> lines = Lines(g.Run());
        ASSERT_EQ(g.prompts.messages.size(), answers.size());  // Retry meets the same overflow
        for (const auto& m : g.prompts.messages)
            EXPECT_EQ(std::tie(m.text, m.title, m.style),
                      std::make_tuple(u"An error occured while executing this command:\r\n\r\nOverflow (6)",
                                      u"ASCII Picture Generator error", 50));
        ASSERT_EQ(lines.size(), 17u);
        const std::string text = std::regex_replace(lines[9], std::regex("<[^>]*>"), "");
        if (answers.back() == answer::Abort) {  // only whole pieces, each past 5000 characters
            EXPECT_EQ(text, cycle.substr(0, text.size()));
            EXPECT_TRUE(text.size() > 32766u - 5100u && text.size() <= 32766u) << text.size();
            EXPECT_EQ(lines[9].find("</FONT>"), std::string::npos);
        } else {  // that sample goes without its character, the cycle restarts and the run completes
            EXPECT_EQ(text, cycle.substr(0, 32766) + cycle.substr(0, 40000 - 32767));
            EXPECT_EQ(lines[9].substr(lines[9].size() - 11), "<BR></FONT>");
        }
        EXPECT_TRUE(g.view.Idle());
    }
}

TEST(ProgressCaption, FigureRoundsToTwoDecimalsHalvesToEvenAndIsPaddedToEight) {
    const std::pair<std::pair<int, int>, std::u16string> cases[] = {
        {{0, 480}, u"0"},   {{1, 8}, u"12.5"},   {{1, 32}, u"3.12"}, {{3, 32}, u"9.38"},   {{2, 3}, u"66.67"},
        {{1, 20000}, u"0"}, {{3, 20000}, u"0.02"}, {{1, 1000}, u"0.1"}, {{1, 1}, u"100"}, {{5, 0}, u"0"}};
    for (const auto& [yh, figure] : cases)
        EXPECT_EQ(ProgressFigure(yh.first, yh.second, u"."), figure) << yh.first << "/" << yh.second;
    EXPECT_EQ(A(ProgressCaption(1, 8, u",") + u"|" + ProgressCaption(1, 3, u".") + u"|" + ProgressCaption(1, 3, u"<sep>")),
              "12,5%    - " + kWriting + "|33.33%   - " + kWriting + "|33<sep>33% - " + kWriting);  // longer: no padding
}

}  // namespace
}  // namespace wf
