#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AsciiTestFakes.h"
#include "common/Text.h"

namespace wf {
namespace {

using test::Generator;
using test::Lines;
using test::StripMarkup;

std::string A(std::u16string_view s) { return ToAnsi(s); }

const std::string kWriting = "ASCII Picture Generator - Writing file...";

void BlackWhite(Generator& g) {
    g.raster = MemoryRaster(2, 1, std::vector<Colour>{0x000000, 0xFFFFFF});
    g.view.title = u"T";
    g.view.quality = quality::Excellent;
}

TEST(HtmlPage, TwoPixelPictureWithCentreAndBold) {
    Generator g;
    BlackWhite(g);
    const std::string page = g.Run();
    const std::vector<std::string> expected = {
        "<!--- ASCII Picture created by Wrenfold ASCII Picture Generator on 16/12/2004 10:20:30 --->",
        A(kDownloadNoticeLine),
        "<HTML>",
        "<HEAD><TITLE>T</TITLE></HEAD>",
        "<BODY BGCOLOR=000000>",
        "<CENTER>",
        "<B>",
        "<FONT FACE=\"Terminal\" SIZE=\"1\">",
        "<BR>",
        "<FONT COLOR=000000>o</FONT><FONT COLOR=FFFFFF>o<BR></FONT>",
        "<BR>",
        "</CENTER>",
        "</B>",
        "</BODY>",
        "</HTML>",
        "<!--- ASCII Picture created by Wrenfold on 16/12/2004 10:20:31 --->",
        A(kFeedbackNoticeLine)};
    EXPECT_EQ(Lines(page), expected);
    EXPECT_TRUE(g.files.Only().closed);
    EXPECT_EQ(g.files.Only().path, u"C:\\out.htm");
    // The notices are comments of their own.
    for (std::u16string_view notice : {kDownloadNoticeLine, kFeedbackNoticeLine}) {
        EXPECT_EQ(notice.substr(0, 5), u"<!---");
        EXPECT_EQ(notice.substr(notice.size() - 4), u"--->");
    }
}

TEST(HtmlPage, WithoutCentreAndBoldNoSuchLinesAtAll) {
    Generator g;
    BlackWhite(g);
    g.view.center = g.view.bold = false;
    const std::vector<std::string> expected = {
        "<!--- ASCII Picture created by Wrenfold ASCII Picture Generator on 16/12/2004 10:20:30 --->",
        A(kDownloadNoticeLine),
        "<HTML>",
        "<HEAD><TITLE>T</TITLE></HEAD>",
        "<BODY BGCOLOR=000000>",
        "<FONT FACE=\"Terminal\" SIZE=\"1\">",
        "<BR>",
        "<FONT COLOR=000000>o</FONT><FONT COLOR=FFFFFF>o<BR></FONT>",
        "<BR>",
        "</BODY>",
        "</HTML>",
        "<!--- ASCII Picture created by Wrenfold on 16/12/2004 10:20:31 --->",
        A(kFeedbackNoticeLine)};
    EXPECT_EQ(Lines(g.Run()), expected);
}

TEST(HtmlPage, SettingsAsTheyStandInAnsi) {
    Generator g;
    BlackWhite(g);
    g.view.back = MakeColour(0x10, 0x20, 0xFE);
    g.view.title = u"Caf\u00E9 <i>\u4E00</i>";
    g.view.fontName = u"Courier New";
    g.view.fontSize = u"6";
    g.view.center = false;
    const std::vector<std::string> lines = Lines(g.Run());
    EXPECT_EQ(lines[3], "<HEAD><TITLE>Caf\xE9 <i>?</i></TITLE></HEAD>");
    EXPECT_EQ(lines[4], "<BODY BGCOLOR=1020FE>");
    EXPECT_EQ(lines[5], "<B>");
    EXPECT_EQ(lines[6], "<FONT FACE=\"Courier New\" SIZE=\"6\">");
    EXPECT_EQ(lines[8].substr(0, 19), "<FONT COLOR=1020FE>");
}

TEST(HtmlPage, EmptyFontAndSizeBoxesAreFilledAndStaySo) {
    Generator g;
    BlackWhite(g);
    g.view.fontName.clear();
    g.view.fontSize.clear();
    const std::vector<std::string> lines = Lines(g.Run());
    EXPECT_EQ(lines[7], "<FONT FACE=\"Terminal\" SIZE=\"1\">");
    EXPECT_EQ(g.view.fontName, u"Terminal");
    EXPECT_EQ(g.view.fontSize, u"1");
}

TEST(HtmlPage, WindowStatesDuringAndAfterARun) {
    Generator g;
    BlackWhite(g);
    bool sawRunning = false;
    g.pump.onCall = [&](int) {
        if (g.pump.calls == 1) {
            sawRunning = !g.view.exitEnabled && g.view.generateCaption == u"Cancel" && g.writer.Running();
        }
    };
    g.Run();
    EXPECT_TRUE(sawRunning);
    ASSERT_EQ(g.view.captions.size(), 3u);
    EXPECT_EQ(A(g.view.captions[0]), kWriting);
    // After the first row: the figure 0, "%", six blanks, then the suffix.
    EXPECT_EQ(A(g.view.captions[1]), "0%       - " + kWriting);
    EXPECT_TRUE(g.view.Idle());
    EXPECT_FALSE(g.writer.Running());
    EXPECT_TRUE(g.prompts.messages.empty());  // a finished run says nothing
}

// A picture of one row whose body is `samples` characters after the 19 of
// the opening element, so the 5000-character rule can be placed exactly.
std::vector<std::string> BodyWrites(int samples) {
    Generator g(MemoryRaster(samples, 1, 0));
    g.view.quality = quality::Excellent;
    g.Run();
    const auto& w = g.files.Only().writes;
    // Nine lines before the body, seven after it.
    return std::vector<std::string>(w.begin() + 9, w.end() - 7);
}

TEST(HtmlPage, BodyIsWrittenInPiecesOfJustOver5000Characters) {
    // 19 + 4981 = 5000 characters: never more than 5000, so one piece.
    std::vector<std::string> pieces = BodyWrites(4981);
    ASSERT_EQ(pieces.size(), 1u);
    EXPECT_EQ(pieces[0], "<FONT COLOR=000000>" + std::string(4981, 'o') + "<BR></FONT>\r\n");

    // One sample more takes the buffer to 5001: that sample ends a piece with
    // no line end; the rest follows as the last piece with the one line end.
    pieces = BodyWrites(4982);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], "<FONT COLOR=000000>" + std::string(4982, 'o'));
    EXPECT_EQ(pieces[1], "<BR></FONT>\r\n");

    pieces = BodyWrites(12000);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0].size(), 5001u);
    EXPECT_EQ(pieces[1], std::string(5001, 'o'));
    EXPECT_EQ(pieces[2], std::string(12000 - 4982 - 5001, 'o') + "<BR></FONT>\r\n");
}

// A picture whose every sample changes colour (27 characters each), and a run
// cancelled from the window at the first event pumping inside the body.
struct CancelledRun {
    Generator g;
    CancelledRun() {
        MemoryRaster r(300, 100);
        for (int y = 0; y < 100; ++y)
            for (int x = 0; x < 300; ++x) r.Set(x, y, ((x + y) % 2) ? 0xFFFFFF : 0x0000FF);
        g.raster = std::move(r);
        g.view.quality = quality::Excellent;
        g.clock.step = 16;  // every look at the clock finds a time slice gone
        g.pump.onCall = [this](int call) {
            if (call == 2) {
                g.writer.cmdGenerate_Click();  // the user presses "Cancel"
                g.writer.cmdGenerate_Click();  // and, impatient, once more
            }
        };
    }
};

TEST(HtmlPage, CancelledRunKeepsWrittenPiecesAndTheClosingLines) {
    CancelledRun c;
    const std::string page = c.g.Run();
    ASSERT_EQ(c.g.files.files.size(), 1u);  // the second click did not start a run
    const std::vector<std::string> lines = Lines(page);
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[8], "<BR>");
    const std::string& body = lines[9];
    EXPECT_EQ(lines[10], "<BR>");
    EXPECT_EQ(lines[11], "</CENTER>");
    EXPECT_EQ(lines[16], A(kFeedbackNoticeLine));

    // The body so far is what a full run writes, cut after a whole piece: the
    // first pumping came after sample 1024, so 27 * 1024 characters were
    // made, and everything beyond the last piece was dropped.
    Generator full;
    full.raster = c.g.raster;
    full.view.quality = quality::Excellent;
    const std::string whole = Lines(full.Run()).at(9);
    ASSERT_GT(body.size(), 5000u);
    EXPECT_EQ(whole.compare(0, body.size(), body), 0);
    const size_t madeBy1024 = 19u + 27u * 1024u + 3u * 4u;  // three rows ended by then
    EXPECT_LE(body.size(), madeBy1024);
    EXPECT_GT(body.size(), madeBy1024 - 5027u);
    EXPECT_EQ(body.find("</FONT>", body.size() - 7), std::string::npos);  // no closing element
    for (size_t i = 9; i + 7 < c.g.files.Only().writes.size(); ++i) {
        const std::string& piece = c.g.files.Only().writes[i];
        if (piece == "\r\n") break;
        EXPECT_GT(piece.size(), 5000u);
        EXPECT_LE(piece.size(), 5000u + 27u);
    }
    EXPECT_TRUE(c.g.view.Idle());
    EXPECT_FALSE(c.g.writer.Running());
    EXPECT_TRUE(c.g.files.Only().closed);
}

TEST(HtmlPage, EventsRunOnATimeSliceNotPerSample) {
    // 30000 samples with a frozen clock: only the two pumpings around the run.
    Generator g(MemoryRaster(300, 100, 0));
    g.view.quality = quality::Excellent;
    g.Run();
    EXPECT_EQ(g.pump.calls, 2);
    EXPECT_EQ(g.view.captions.size(), 3u);  // progress shown after the first row only

    // With time passing, events run every 1024 samples or so and the caption
    // follows every row.
    Generator t(MemoryRaster(300, 100, 0));
    t.view.quality = quality::Excellent;
    t.clock.step = 16;
    t.Run();
    EXPECT_EQ(t.pump.calls, 2 + 30000 / 1024);
    ASSERT_EQ(t.view.captions.size(), 102u);
    EXPECT_EQ(A(t.view.captions[2]), "1%       - " + kWriting);
    EXPECT_EQ(A(t.view.captions[100]), "99%      - " + kWriting);
}

TEST(HtmlPage, ClosingLinesMatchTheOpeningOnesWhenBoxesChangeDuringARun) {
    Generator g(MemoryRaster(300, 100, 0));
    g.view.quality = quality::Excellent;
    g.clock.step = 16;
    g.pump.onCall = [&](int call) {
        if (call == 2) g.view.center = g.view.bold = false;
    };
    const std::vector<std::string> lines = Lines(g.Run());
    ASSERT_EQ(lines.size(), 17u);
    EXPECT_EQ(lines[5], "<CENTER>");
    EXPECT_EQ(lines[11], "</CENTER>");
    EXPECT_EQ(lines[12], "</B>");
}

TEST(HtmlPage, OutputPathThatCannotBeCreatedGivesTheTaskMessage) {
    Generator g;
    BlackWhite(g);
    g.files.failOpen = true;
    g.prompts.answers = {answer::Ok};
    g.Run();
    ASSERT_EQ(g.prompts.messages.size(), 1u);
    EXPECT_EQ(g.prompts.messages[0].text, u"An error has occured while performing the task.\r\nPath not found");
    EXPECT_EQ(g.prompts.messages[0].title, u"ASCII Picture Generator");
    EXPECT_EQ(g.prompts.messages[0].style, 48);
    EXPECT_TRUE(g.view.Idle());
    EXPECT_FALSE(g.writer.Running());
}

TEST(HtmlPage, FailureOutsideTheBodyClosesTheFileAndKeepsWhatWasWritten) {
    Generator g;
    BlackWhite(g);
    g.files.failWrites = {11};  // line 11, just after the body
    g.prompts.answers = {answer::Ok};
    g.Run();
    ASSERT_EQ(g.prompts.messages.size(), 1u);  // no Abort/Retry/Ignore outside the body
    EXPECT_EQ(g.prompts.messages[0].text, u"An error has occured while performing the task.\r\nDisk full");
    const auto& f = g.files.Only();
    EXPECT_TRUE(f.closed);
    EXPECT_EQ(Lines(f.Content()).size(), 10u);
    EXPECT_TRUE(g.view.Idle());
}

// Body pieces of a 12000-sample row: writes 10, 11 and 12 of the file.
void ThreePieces(Generator& g) {
    g.raster = MemoryRaster(12000, 1, 0);
    g.view.quality = quality::Excellent;
}

TEST(HtmlPage, FailedBodyWriteFollowsAbortRetryIgnore) {
    Generator first;
    ThreePieces(first);
    const std::string complete = first.Run();
    {
        Generator g;
        ThreePieces(g);
        g.files.failWrites = {11, 12};  // the second piece fails twice
        g.prompts.answers = {answer::Retry, answer::Retry};
        EXPECT_EQ(g.Run(), complete);  // nothing lost, nothing doubled
        ASSERT_EQ(g.prompts.messages.size(), 2u);
        EXPECT_EQ(g.prompts.messages[0].title, u"ASCII Picture Generator error");
        EXPECT_EQ(g.prompts.messages[0].text,
                  u"An error occured while executing this command:\r\n\r\nDisk full (61)");
    }
    {
        Generator g;
        ThreePieces(g);
        g.files.failWrites = {11};
        g.prompts.answers = {answer::Ignore};
        const std::vector<std::string> lines = Lines(g.Run());
        ASSERT_EQ(lines.size(), 17u);
        EXPECT_EQ(lines[9], "<FONT COLOR=000000>" + std::string(4982, 'o') + std::string(12000 - 4982 - 5001, 'o') +
                                "<BR></FONT>");  // the ignored piece is missing
    }
    {
        Generator g;
        ThreePieces(g);
        g.files.failWrites = {11};
        g.prompts.answers = {answer::Abort};
        const std::vector<std::string> lines = Lines(g.Run());
        ASSERT_EQ(lines.size(), 17u);
        EXPECT_EQ(lines[9], "<FONT COLOR=000000>" + std::string(4982, 'o'));  // ended, no closing element
        EXPECT_EQ(lines[10], "<BR>");
        EXPECT_EQ(g.prompts.messages.size(), 1u);
        EXPECT_TRUE(g.view.Idle());
    }
    {
        // The last piece, with the body's line end, fails and is ignored.
        Generator g;
        ThreePieces(g);
        g.files.failWrites = {12};
        g.prompts.answers = {answer::Ignore};
        const std::vector<std::string> lines = Lines(g.Run());
        ASSERT_EQ(lines.size(), 17u);
        EXPECT_EQ(lines[9], "<FONT COLOR=000000>" + std::string(4982 + 5001, 'o'));
    }
}

// 200 x 200 samples with 32767 characters: the 32767th sample overflows CharPos.
void LongCharacterSet(Generator& g) {
    g.raster = MemoryRaster(200, 200, 0);
    g.view.quality = quality::Excellent;
    g.view.chars.clear();
    for (int i = 0; i < 32767; ++i) g.view.chars += static_cast<char16_t>(u'A' + i % 26);
}

std::string Expected(const std::u16string& chars, int from, int count) {
    std::string s;
    for (int i = 0; i < count; ++i) s += static_cast<char>(chars[static_cast<size_t>(from + i)]);
    return s;
}

TEST(HtmlPage, CharPosOverflowGoesToTheErrorReport) {
    {
        Generator g;
        LongCharacterSet(g);
        g.prompts.answers = {answer::Abort};
        const std::vector<std::string> lines = Lines(g.Run());
        ASSERT_EQ(g.prompts.messages.size(), 1u);
        EXPECT_EQ(g.prompts.messages[0].text, u"An error occured while executing this command:\r\n\r\nOverflow (6)");
        EXPECT_EQ(g.prompts.messages[0].title, u"ASCII Picture Generator error");
        EXPECT_EQ(g.prompts.messages[0].style, 50);
        ASSERT_EQ(lines.size(), 17u);
        // Only whole pieces reach the file: each ended past 5000 characters.
        const std::string text = StripMarkup(lines[9]);
        EXPECT_EQ(text, Expected(g.view.chars, 0, static_cast<int>(text.size())));
        EXPECT_GT(text.size(), 32766u - 5100u);
        EXPECT_LE(text.size(), 32766u);
        EXPECT_EQ(lines[9].find("</FONT>"), std::string::npos);
        EXPECT_TRUE(g.view.Idle());
    }
    {
        Generator g;
        LongCharacterSet(g);
        g.prompts.answers = {answer::Retry, answer::Retry, answer::Abort};
        g.Run();
        EXPECT_EQ(g.prompts.messages.size(), 3u);  // the same step, failing each time
    }
    {
        // Ignore: that sample goes without its character, the cycle starts
        // again at 1, and the run completes without asking again.
        Generator g;
        LongCharacterSet(g);
        g.prompts.answers = {answer::Ignore};
        const std::vector<std::string> lines = Lines(g.Run());
        EXPECT_EQ(g.prompts.messages.size(), 1u);
        ASSERT_EQ(lines.size(), 17u);
        const std::string text = StripMarkup(lines[9]);
        EXPECT_EQ(text, Expected(g.view.chars, 0, 32766) + Expected(g.view.chars, 0, 40000 - 32767));
        EXPECT_EQ(lines[9].substr(lines[9].size() - 11), "<BR></FONT>");
    }
}

TEST(ProgressCaption, FigureRoundsToTwoDecimalsHalvesToEven) {
    const std::pair<std::pair<int, int>, std::u16string> cases[] = {
        {{0, 480}, u"0"},          {{1, 8}, u"12.5"},       {{1, 32}, u"3.12"},      {{3, 32}, u"9.38"},
        {{1, 3}, u"33.33"},        {{2, 3}, u"66.67"},      {{1, 10}, u"10"},        {{99, 100}, u"99"},
        {{1, 20000}, u"0"},        {{3, 20000}, u"0.02"},   {{1, 400}, u"0.25"},     {{474, 480}, u"98.75"},
        {{1, 1000}, u"0.1"},       {{1, 1}, u"100"}};
    for (const auto& [yh, figure] : cases)
        EXPECT_EQ(ProgressFigure(yh.first, yh.second, u"."), figure) << yh.first << "/" << yh.second;
    EXPECT_EQ(ProgressFigure(1, 8, u","), u"12,5");
    EXPECT_EQ(ProgressFigure(5, 0, u"."), u"0");
}

TEST(ProgressCaption, PaddedToEightCharacters) {
    EXPECT_EQ(A(ProgressCaption(0, 480, u".")), "0%       - " + kWriting);
    EXPECT_EQ(A(ProgressCaption(1, 8, u",")), "12,5%    - " + kWriting);
    EXPECT_EQ(A(ProgressCaption(1, 3, u".")), "33.33%   - " + kWriting);
    EXPECT_EQ(A(ProgressCaption(1, 3, u"<sep>")), "33<sep>33% - " + kWriting);  // longer: no padding
}

}  // namespace
}  // namespace wf
