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
                 {u"a.txt", 0}, {u"sub\\c.txt", 0}, {u"b.txt", 0}, {u"sub\\deeper\\e.txt", 0}, {u"sub\\d.txt", 0},
                 {u"empty\\", 0}, {u"z z\\\u00e9t\u00e9.txt", 0}, {u"hidden.txt", attr::Hidden}, {u"sys\\", attr::System},
                 {u"sys\\in.txt", 0}, {u"h\\", attr::Hidden}, {u"h\\in.txt", 0}})
            tree.Add(u"d:\\t\\" + p, a);
    }
};

// Depth first: a folder's own files, then each subfolder's listing; nothing
// hidden or system, nothing from inside them, no line for an empty folder.
// A failed attribute query: Abort leaves that folder's call only, Ignore that
// entry only, Retry asks again. Without its backslash the path names the
// folder itself, whose query then fails.
TEST_F(ListAllFilesTest, OrderWhatIsLeftOutAndEachAnswerToAFailure) {
    const std::u16string failing = u"d:\\t\\sub\\d.txt";
    const Strings names{u"a.txt", u"b.txt", u"sub\\c.txt", u"sub\\d.txt", u"sub\\deeper\\e.txt", u"z z\\\u00e9t\u00e9.txt"};
    const struct { std::u16string path; std::vector<int> answers; std::vector<size_t> lines; long failingQueries; } cases[] = {
        {u"D:\\T\\", {}, {0, 1, 2, 3, 4, 5}, 0},  // each line as typed
        {u"d:\\t\\", {answer::Abort}, {0, 1, 2, 5}, 1},
        {u"d:\\t\\", {answer::Ignore}, {0, 1, 2, 4, 5}, 1},
        {u"d:\\t\\", {answer::Retry, answer::Ignore}, {0, 1, 2, 4, 5}, 2},
        {u"d:\\t", {answer::Retry, answer::Abort}, {}, 2},  // "d:\\tt" fails
        {u"d:\\nowhere\\", {}, {}, 0},
        {u"d:\\t\\nomatch*.q", {}, {}, 0}};
    for (const auto& c : cases) {
        sink = {};
        prompts = {};
        tree.queried.clear();
        prompts.answers.assign(c.answers.begin(), c.answers.end());
        tree.attributeFailures[failing] = static_cast<int>(c.answers.size());
        EXPECT_TRUE(ListAllFiles(c.path, sink, services, stop));
        Strings lines;
        for (size_t i : c.lines) lines.push_back(c.path + names[i]);
        EXPECT_EQ(sink.lines, lines) << ToUtf8(c.path) << " answers " << c.answers.size();
        EXPECT_EQ(sink.shown, sink.lines.size()) << "everything is shown at the end";
        EXPECT_EQ(std::count_if(tree.queried.begin(), tree.queried.end(),
                                [&](const auto& q) { return q == failing || q == u"d:\\tt"; }), c.failingQueries);
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
