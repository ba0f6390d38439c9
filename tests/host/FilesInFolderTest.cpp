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

using Strings = std::vector<std::u16string>;

struct Lines : LineSink {
    Strings lines;
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
};

// Depth first: a folder's own files, then each subfolder's listing; nothing
// hidden or system, nothing from inside them, no line for an empty folder.
// A failed attribute query: Abort leaves that folder's call only, Ignore that
// entry only, Retry asks again. Without its backslash the path names the
// folder itself, whose query then fails.
TEST_F(ListAllFilesTest, OrderWhatIsLeftOutAndEachAnswerToAFailure) {
    const std::u16string e = u"d:\\t\\z z\\\u00e9t\u00e9.txt";
    struct Case {
        std::u16string path;
        std::vector<int> answers;
        Strings lines, queriesOfFailing;
    } const cases[] = {
        {u"D:\\T\\", {}, {u"D:\\T\\a.txt", u"D:\\T\\b.txt", u"D:\\T\\sub\\c.txt", u"D:\\T\\sub\\d.txt",
                          u"D:\\T\\sub\\deeper\\e.txt", u"D:\\T\\z z\\\u00e9t\u00e9.txt"}, {}},
        {u"d:\\t\\", {answer::Abort}, {u"d:\\t\\a.txt", u"d:\\t\\b.txt", u"d:\\t\\sub\\c.txt", e}, {u"d:\\t\\sub\\d.txt"}},
        {u"d:\\t\\", {answer::Ignore}, {u"d:\\t\\a.txt", u"d:\\t\\b.txt", u"d:\\t\\sub\\c.txt",
                                        u"d:\\t\\sub\\deeper\\e.txt", e}, {u"d:\\t\\sub\\d.txt"}},
        {u"d:\\t\\", {answer::Retry, answer::Ignore}, {u"d:\\t\\a.txt", u"d:\\t\\b.txt", u"d:\\t\\sub\\c.txt",
                                                       u"d:\\t\\sub\\deeper\\e.txt", e},
         {u"d:\\t\\sub\\d.txt", u"d:\\t\\sub\\d.txt"}},
        {u"d:\\t", {answer::Retry, answer::Abort}, {}, {u"d:\\tt", u"d:\\tt"}},
        {u"d:\\nowhere\\", {}, {}, {}},
        {u"d:\\t\\nomatch*.q", {}, {}, {}},
    };
    for (const Case& c : cases) {
        sink = {};
        prompts = {};
        tree.queried.clear();
        prompts.answers.assign(c.answers.begin(), c.answers.end());
        tree.attributeFailures[u"d:\\t\\sub\\d.txt"] = static_cast<int>(c.answers.size());
        EXPECT_TRUE(ListAllFiles(c.path, sink, services, stop));
        EXPECT_EQ(sink.lines, c.lines) << ToUtf8(c.path) << " answers " << c.answers.size();
        EXPECT_EQ(sink.shown, sink.lines.size()) << "everything is shown at the end";
        Strings failing;
        for (const auto& q : tree.queried)
            if (q == u"d:\\t\\sub\\d.txt" || q == u"d:\\tt") failing.push_back(q);
        EXPECT_EQ(failing, c.queriesOfFailing);
        EXPECT_EQ(prompts.messages.size(), c.answers.size()) << "no message without a failure";
        for (const auto& m : prompts.messages) EXPECT_EQ(m.title, u"Files in Folder error");
    }
}

TEST_F(ListAllFilesTest, EventsRunOnATimeSliceWithTheLinesShownAndAStopEndsTheListing) {
    std::vector<size_t> shownAtTurns;
    pump.during = [&] { shownAtTurns.push_back(sink.shown); };
    EXPECT_TRUE(ListAllFiles(u"d:\\t\\", sink, services, stop));
    // The clock moves 4 ms a look: events run about every fourth entry, not after each,
    // and each turn shows the lines added since the last.
    EXPECT_EQ(shownAtTurns, (std::vector<size_t>{2, 4}));

    // Closing or a second OK sets the stop from inside those events.
    sink = {};
    pump.during = [&] { stop = true; };
    EXPECT_FALSE(ListAllFiles(u"d:\\t\\", sink, services, stop));
    EXPECT_EQ(sink.lines.size(), 2u);
    EXPECT_EQ(pump.turns, 3) << "no events after the stop";
}

}  // namespace
}  // namespace wf
