// The hard drive explorer's logic: path label rules, patterns and the six
// actions under the error report's answers.
#include <gtest/gtest.h>

#include "common/Text.h"
#include "fakes/FakeFileTools.h"
#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "tools/files/Quillet.h"

namespace wf {
namespace {

using Strings = std::vector<std::u16string>;

TEST(QuilletPaths, LabelTagDriveNamesAndPatterns) {
    // folder, name, label after a click, tag: one backslash at a root and elsewhere
    for (const auto& [folder, name, path, tag] : std::vector<std::array<std::u16string, 4>>{
             {u"C:\\", u"a.txt", u"C:\\a.txt", u"C:\\"},
             {u"C:\\dir one", u"b c.txt", u"C:\\dir one\\b c.txt", u"C:\\dir one\\"},
             {u"\\\\srv\\share\\", u"x", u"\\\\srv\\share\\x", u"\\\\srv\\share\\"}})
        EXPECT_EQ(PathInFolder(folder, name) + u"|" + FolderTag(folder), path + u"|" + tag);
    EXPECT_EQ(DriveDisplayName({u'C', u"SYSTEM"}) + DriveDisplayName({u'a', u""}), u"c: [SYSTEM]a:");

    const std::vector<std::tuple<std::u16string, std::u16string, bool>> patterns{
        {u"", u"README", true},        {u"*.*", u"noext", true},     {u"*.txt", u"A.TXT", true},
        {u"*.txt", u"a.txt.bak", false}, {u"*.txt; *.md", u"x.md", true}, {u"a?c.*", u"abc.d", true},
        {u"a?c.*", u"ac.d", false},    {u"readme.*", u"readme", true}, {u"*a*b", u"xaxxb", true}};
    for (const auto& [pattern, name, match] : patterns)
        EXPECT_EQ(FilePattern(pattern).Matches(name), match) << ToUtf8(pattern) << " " << ToUtf8(name);
}

struct QuilletActions : ::testing::Test {
    test::FakePrompts prompts;
    test::FakeLauncher launcher;
    test::FakeFileOperations files;
    ActionServices services{prompts, launcher, files};
    const ActionTarget target{u"C:\\My Files\\a b.txt", u"a b.txt", u"C:\\My Files\\"};

    void Do(int16_t index, std::optional<ActionTarget> t) { DoQuilletAction(index, t, u"explorer.exe", services); }
};

// Each failing step under each answer: Abort leaves, Retry runs the step
// again, Ignore goes on after it; Move and Rename never delete after a copy
// that did not succeed.
TEST_F(QuilletActions, FailedStepsFollowTheAnswerAndNeverLoseTheOnlyCopy) {
    struct Case {
        int16_t action;
        int copyFailures, deleteFailures, startFailures;
        std::vector<int> answers;
        size_t copies, deletes, starts;
    };
    const std::vector<Case> cases{
        {action::Copy, 1, 0, 0, {answer::Abort}, 0, 0, 0},
        {action::Copy, 2, 0, 0, {answer::Retry, answer::Retry}, 1, 0, 0},
        {action::Move, 1, 0, 0, {answer::Ignore}, 0, 0, 0},
        {action::Rename, 1, 0, 0, {answer::Ignore}, 0, 0, 0},
        {action::Move, 1, 0, 0, {answer::Abort}, 0, 0, 0},
        {action::Rename, 1, 0, 0, {answer::Retry}, 1, 1, 0},
        {action::Move, 0, 1, 0, {answer::Ignore}, 1, 0, 0},
        {action::Move, 0, 2, 0, {answer::Retry, answer::Retry}, 1, 1, 0},
        {action::Delete, 0, 1, 0, {answer::Yes, answer::Abort}, 0, 0, 0},
        {action::Delete, 0, 1, 0, {answer::Yes, answer::Retry}, 0, 1, 0},
        {action::Shell, 0, 0, 1, {answer::Ignore}, 0, 0, 0},
        {action::OpenWith, 0, 0, 1, {answer::Retry}, 0, 0, 1},
    };
    for (int16_t a = 0; a <= 6; ++a) Do(a, std::nullopt);  // no selection: nothing (a box would throw in the fake)
    prompts.answers = {answer::Ok};
    Do(6, target);
    EXPECT_EQ(prompts.messages.at(0).text + ToU16(std::to_string(prompts.messages[0].style)), u"Invalid what-to-cmdDo index!0");
    for (size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        prompts = {};
        files = {};
        launcher = {};
        prompts.inputs = {u"X:\\to.txt"};
        prompts.answers.assign(c.answers.begin(), c.answers.end());
        files.copyFailures = c.copyFailures;
        files.deleteFailures = c.deleteFailures;
        launcher.failures = c.startFailures;
        Do(c.action, target);
        const auto count = [&](std::u16string_view what) {
            return static_cast<size_t>(
                std::count_if(files.done.begin(), files.done.end(), [&](const auto& d) { return d.rfind(what, 0) == 0; }));
        };
        EXPECT_EQ(count(u"copy"), c.copies) << "case " << i;
        EXPECT_EQ(count(u"delete"), c.deletes) << "case " << i;
        EXPECT_EQ(launcher.attempts.size() - static_cast<size_t>(c.startFailures), c.starts) << "case " << i;
        const std::u16string to = (c.action == action::Rename ? target.tag : u"") + u"X:\\to.txt";
        EXPECT_EQ(c.copies ? files.done.at(0) : u"", c.copies ? u"copy " + target.path + u" > " + to : u"") << "case " << i;
        for (const auto& start : launcher.attempts)
            EXPECT_EQ(start.commandLine, (c.action == action::Shell ? u"" : u"explorer.exe ") + target.path);
        EXPECT_TRUE(prompts.answers.empty()) << "case " << i << ": every answer was asked for";
        const auto reports = std::count_if(prompts.messages.begin(), prompts.messages.end(),
                                           [](const auto& m) { return m.title == u"Quillet error" && m.style == 50; });
        EXPECT_EQ(reports, c.copyFailures + c.deleteFailures + c.startFailures) << "case " << i;
    }
}

}  // namespace
}  // namespace wf
