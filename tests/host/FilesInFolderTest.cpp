// ListAllFiles over an in-memory tree: order, what is left out, the path as
// typed, failures under each answer, and stopping from inside its events.
#include <gtest/gtest.h>

#include <functional>

#include "common/Text.h"
#include "fakes/FakeFileTools.h"
#include "fakes/FakePrompts.h"
#include "tools/files/FilesInFolder.h"

namespace wf {
namespace {

struct Lines : LineSink {
    std::vector<std::u16string> lines;
    size_t shown = 0;  // lines flushed so far
    void Add(const std::u16string& line) override { lines.emplace_back(line); }
    void Flush() override { shown = lines.size(); }
};

// Runs `during` each time events run.
struct Pump : EventPump {
    std::function<void()> during = [] {};
    int turns = 0;
    void DoEvents() override { ++turns, during(); }
};

struct ListAllFilesTest : ::testing::Test {
    test::FakeTree tree;
    test::FakePrompts prompts;
    Pump pump;
    uint64_t now = 0;
    ListingServices services{tree, prompts, pump, [this] { return now += 4; }};  // 4 ms a look at the clock
    Lines sink;
    bool stop = false;

    void SetUp() override {
        for (const auto& [p, a] : std::vector<std::pair<std::u16string, uint32_t>>{
                 {u"d:\\t\\a.txt", 0}, {u"d:\\t\\sub\\c.txt", 0}, {u"d:\\t\\b.txt", 0}, {u"d:\\t\\sub\\deeper\\e.txt", 0},
                 {u"d:\\t\\sub\\d.txt", 0}, {u"d:\\t\\empty\\", 0}, {u"d:\\t\\z z\\\u00e9t\u00e9.txt", 0},
                 {u"d:\\t\\hidden.txt", attr::Hidden}, {u"d:\\t\\sys\\", attr::System}, {u"d:\\t\\sys\\in.txt", 0},
                 {u"d:\\t\\h\\", attr::Hidden}, {u"d:\\t\\h\\in.txt", 0}})
            tree.Add(p, a);
    }
    bool List(std::u16string_view path) { return ListAllFiles(path, sink, services, stop); }
};

TEST_F(ListAllFilesTest, DepthFirstWithTheFolderOwnFilesFirstAndThePathAsTyped) {
    EXPECT_TRUE(List(u"D:\\T\\"));
    // No hidden or system entry, nothing from inside them, no line for the empty folder.
    EXPECT_EQ(sink.lines, (std::vector<std::u16string>{u"D:\\T\\a.txt", u"D:\\T\\b.txt", u"D:\\T\\sub\\c.txt",
                                                       u"D:\\T\\sub\\d.txt", u"D:\\T\\sub\\deeper\\e.txt",
                                                       u"D:\\T\\z z\\\u00e9t\u00e9.txt"}));
    EXPECT_EQ(sink.shown, sink.lines.size()) << "everything is shown at the end";
    // A missing folder, a pattern that matches nothing, a missing drive: nothing, silently.
    for (const char16_t* path : {u"d:\\nowhere\\", u"d:\\t\\nomatch*.q", u"q:\\"}) EXPECT_TRUE(List(path));
    EXPECT_EQ(sink.lines.size(), 6u);
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(ListAllFilesTest, WithoutItsBackslashTheFolderNameFailsItsAttributeQuery) {
    for (int answer : {answer::Abort, answer::Ignore}) {
        prompts = {};
        tree.queried.clear();
        prompts.answers = {answer::Retry, answer};
        EXPECT_TRUE(List(u"d:\\t"));
        EXPECT_TRUE(sink.lines.empty());
        EXPECT_EQ(tree.queried, (std::vector<std::u16string>{u"d:\\tt", u"d:\\tt"})) << "Retry asks again";
        ASSERT_EQ(prompts.messages.size(), 2u);
        EXPECT_EQ(prompts.messages[0].title, u"Files in Folder error");
        EXPECT_EQ(prompts.messages[0].text, u"An error occured while executing this command:\r\n\r\nFile not found (53)");
    }
}

TEST_F(ListAllFilesTest, AbortLeavesOnlyTheFailingFolderIgnoreOnlyTheEntryRetryRunsItAgain) {
    struct Case {
        int answer;
        std::vector<std::u16string> lines;
    };
    const std::vector<Case> cases{
        {answer::Abort, {u"d:\\t\\a.txt", u"d:\\t\\b.txt", u"d:\\t\\sub\\c.txt", u"d:\\t\\z z\\\u00e9t\u00e9.txt"}},
        {answer::Ignore, {u"d:\\t\\a.txt", u"d:\\t\\b.txt", u"d:\\t\\sub\\c.txt", u"d:\\t\\sub\\deeper\\e.txt",
                          u"d:\\t\\z z\\\u00e9t\u00e9.txt"}},
        {answer::Retry, {u"d:\\t\\a.txt", u"d:\\t\\b.txt", u"d:\\t\\sub\\c.txt", u"d:\\t\\sub\\d.txt",
                         u"d:\\t\\sub\\deeper\\e.txt", u"d:\\t\\z z\\\u00e9t\u00e9.txt"}},
    };
    for (const Case& c : cases) {
        sink = {};
        prompts = {};
        prompts.answers = {c.answer};
        tree.attributeFailures[u"d:\\t\\sub\\d.txt"] = 1;
        EXPECT_TRUE(List(u"d:\\t\\"));
        EXPECT_EQ(sink.lines, c.lines) << "answer " << c.answer;
        EXPECT_EQ(prompts.messages.size(), 1u);
    }
}

TEST_F(ListAllFilesTest, EventsRunOnATimeSliceWithTheLinesShownAndAStopEndsTheListing) {
    std::vector<size_t> shownAtTurns;
    pump.during = [&] { shownAtTurns.push_back(sink.shown); };
    EXPECT_TRUE(List(u"d:\\t\\"));
    // The clock moves 4 ms a look: events run about every fourth entry, not after each.
    EXPECT_GE(pump.turns, 2);
    EXPECT_LT(pump.turns, 6);
    for (size_t i = 0; i < shownAtTurns.size(); ++i)
        EXPECT_GT(shownAtTurns[i], i == 0 ? 0u : shownAtTurns[i - 1]) << "each turn shows new lines first";

    // Closing or a second OK sets the stop from inside those events.
    sink = {};
    pump.during = [&] { stop = true; };
    EXPECT_FALSE(List(u"d:\\t\\"));
    EXPECT_EQ(sink.lines.size(), sink.shown);
    EXPECT_LT(sink.lines.size(), 6u);
    EXPECT_EQ(pump.turns, 1 + static_cast<int>(shownAtTurns.size())) << "no events after the stop";
}

}  // namespace
}  // namespace wf
