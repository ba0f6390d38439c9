// The hard drive explorer's logic: path label rules, patterns and the six
// actions under the error report's answers.
#include <gtest/gtest.h>

#include <map>

#include "common/Text.h"
#include "fakes/FakeFileTools.h"
#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "tools/files/Quillet.h"

namespace wf {
namespace {

TEST(QuilletPaths, LabelTagDriveNamesAndPatterns) {
    // folder, name, label after a click, tag: one backslash at a root and elsewhere
    for (const auto& [folder, name, path, tag] : std::vector<std::array<std::u16string, 4>>{
             {u"C:\\", u"a.txt", u"C:\\a.txt", u"C:\\"},
             {u"C:\\dir one", u"b c.txt", u"C:\\dir one\\b c.txt", u"C:\\dir one\\"},
             {u"\\\\srv\\share\\", u"x", u"\\\\srv\\share\\x", u"\\\\srv\\share\\"}})
        EXPECT_EQ(PathInFolder(folder, name) + u"|" + FolderTag(folder), path + u"|" + tag);
    EXPECT_EQ(DriveDisplayName({u'C', u"SYSTEM"}) + DriveDisplayName({u'a', u""}), u"c: [SYSTEM]a:");

    const std::vector<std::tuple<std::u16string, std::u16string, bool>> patterns{
        {u"", u"README", true},          {u"*.txt", u"A.TXT", true},       {u"*.txt", u"a.txt.bak", false},
        {u"*.txt; *.md", u"x.md", true}, {u"a?c.*", u"abc.d", true},       {u"a?c.*", u"ac.d", false},
        {u"readme.*", u"readme", true},  {u"*a*b", u"xaxxb", true}};
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

// Each action's failing steps go to the report (whose answers are RunStep's);
// Move and Rename never delete after a copy that did not succeed, Ignored
// included. In what was done, "P" is the chosen file's path.
TEST_F(QuilletActions, FailedStepsFollowTheAnswerAndNeverLoseTheOnlyCopy) {
    const std::u16string copy = u"copy P > new.txt|", del = u"delete P|";
    const std::map<int16_t, std::u16string> asked{  // what each action asks first: title|text
        {action::Copy, u"Copy to?|Please enter a path and filename to copy P to:"},
        {action::Move, u"Move to?|Please enter a path and filename to move P to:"},
        {action::Rename, u"Filename|Please type in the new FILENAME for a b.txt:"},
        {action::Delete, u"DELETE|Are you sure you want to delete P? YOU WILL NOT BE ABLE TO RETRIEVE IT AFTER IT IS "
                         u"DELETED!|52"}};
    const struct { int16_t action; int copyFails, deleteFails, startFails; std::vector<int> answers; std::u16string done; } cases[] = {
        {action::Copy, 2, 0, 0, {answer::Retry, answer::Retry}, copy},
        {action::Move, 1, 0, 0, {answer::Ignore}, u""},
        {action::Move, 1, 0, 0, {answer::Abort}, u""},
        {action::Rename, 1, 0, 0, {answer::Ignore}, u""},
        {action::Rename, 1, 0, 0, {answer::Retry}, u"copy P > C:\\My Files\\new.txt|" + del},
        {action::Move, 0, 2, 0, {answer::Retry, answer::Retry}, copy + del},
        {action::Delete, 0, 1, 0, {answer::Yes, answer::Retry}, del},
        {action::Shell, 0, 0, 1, {answer::Ignore}, u"start P|"},
        {action::OpenWith, 0, 0, 1, {answer::Retry}, u"start explorer.exe P|start explorer.exe P|"}};
    for (int16_t a = 0; a <= 6; ++a) Do(a, std::nullopt);  // no selection: nothing (a box would throw in the fake)
    prompts.answers = {answer::Ok};
    Do(6, target);
    EXPECT_EQ(prompts.messages.at(0).text + ToU16(std::to_string(prompts.messages[0].style)), u"Invalid what-to-cmdDo index!0");
    for (const auto& c : cases) {
        prompts = {};
        files = {};
        launcher = {};
        prompts.inputs = {u"new.txt"};
        prompts.answers.assign(c.answers.begin(), c.answers.end());
        std::tie(files.copyFailures, files.deleteFailures, launcher.failures) = std::tie(c.copyFails, c.deleteFails, c.startFails);
        Do(c.action, target);
        std::u16string done, first;
        for (const auto& d : files.done) done += d + u"|";
        for (const auto& a : launcher.attempts) done += u"start " + a.commandLine + u"|";
        if (!prompts.inputBoxes.empty()) first = prompts.inputBoxes[0].title + u"|" + prompts.inputBoxes[0].prompt;
        if (c.action == action::Delete)
            first = prompts.messages.at(0).title + u"|" + prompts.messages[0].text + u"|" + ToU16(std::to_string(prompts.messages[0].style));
        for (auto* s : {&done, &first})
            for (size_t at; (at = s->find(target.path)) != std::u16string::npos;) s->replace(at, target.path.size(), u"P");
        EXPECT_EQ(done, c.done) << "case " << &c - cases;
        EXPECT_EQ(first, asked.count(c.action) ? asked.at(c.action) : u"") << "case " << &c - cases;
        EXPECT_TRUE(prompts.answers.empty()) << "case " << &c - cases << ": every answer was asked for";
        const auto reports = std::count_if(prompts.messages.begin(), prompts.messages.end(),
                                           [](const auto& m) { return m.title == u"Quillet error" && m.style == 50; });
        EXPECT_EQ(reports, c.copyFails + c.deleteFails + c.startFails) << "case " << &c - cases;
    }
}

}  // namespace
}  // namespace wf
