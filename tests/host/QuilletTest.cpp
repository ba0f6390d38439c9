// The hard drive explorer's logic: path label rules, patterns, the coupled
// lists and the six actions under the error report's answers.
#include <gtest/gtest.h>

#include "common/Text.h"
#include "fakes/FakeFileTools.h"
#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "tools/files/Quillet.h"

namespace wf {
namespace {

TEST(QuilletPaths, LabelAndTagHaveOneBackslashAtRootsAndElsewhere) {
    struct Case {
        std::u16string folder, name, path, tag;
    };
    for (const Case& c : std::vector<Case>{{u"C:\\", u"a.txt", u"C:\\a.txt", u"C:\\"},
                                           {u"C:\\dir one", u"b c.txt", u"C:\\dir one\\b c.txt", u"C:\\dir one\\"},
                                           {u"\\\\srv\\share\\", u"x", u"\\\\srv\\share\\x", u"\\\\srv\\share\\"}}) {
        EXPECT_EQ(PathInFolder(c.folder, c.name), c.path);
        EXPECT_EQ(FolderTag(c.folder), c.tag);
    }
    EXPECT_EQ(DriveDisplayName({u'C', u"SYSTEM"}), u"c: [SYSTEM]");
    EXPECT_EQ(DriveDisplayName({u'z', u"\\\\srv\\share"}), u"z: [\\\\srv\\share]");
    EXPECT_EQ(DriveDisplayName({u'a', u""}), u"a:");
}

TEST(QuilletPaths, PatternsTakeWildcardsSeveralPartsAndAnyCase) {
    struct Case {
        std::u16string pattern, name;
        bool match;
    };
    for (const Case& c : std::vector<Case>{{u"", u"README", true},
                                           {u"*.*", u"noext", true},
                                           {u"*.txt", u"A.TXT", true},
                                           {u"*.txt", u"a.txt.bak", false},
                                           {u"*.txt; *.md", u"x.md", true},
                                           {u"a?c.*", u"abc.d", true},
                                           {u"a?c.*", u"ac.d", false},
                                           {u"readme.*", u"readme", true},
                                           {u"*a*b", u"xaxxb", true},
                                           {u";", u"any", true}})
        EXPECT_EQ(FilePattern(c.pattern).Matches(c.name), c.match) << ToUtf8(c.pattern) << " " << ToUtf8(c.name);
}

struct QuilletListsTest : ::testing::Test {
    test::FakeTree tree;
    QuilletLists lists{tree};
    void SetUp() override {
        tree.Add(u"c:\\Program Files\\Wrenfold\\wrenfold.exe");
        tree.Add(u"c:\\Program Files\\Wrenfold\\Help.chm");
        tree.Add(u"c:\\Program Files\\Wrenfold\\secret.txt", attr::Hidden);
        tree.Add(u"c:\\Program Files\\Wrenfold\\zeta\\");
        tree.Add(u"c:\\Program Files\\Wrenfold\\Alpha\\");
        tree.Add(u"c:\\boot.ini");
        tree.Add(u"z:\\tmp\\");
        lists.Load(u"c:\\Program Files\\Wrenfold");
    }
    std::vector<std::u16string> Lines() const {
        std::vector<std::u16string> out;
        for (const auto& l : lists.FolderLines()) out.push_back(ToU16(std::to_string(l.level)) + u" " + l.text);
        return out;
    }
};

TEST_F(QuilletListsTest, LoadShowsAncestorsSubfoldersAndSortedVisibleFiles) {
    EXPECT_EQ(Lines(), (std::vector<std::u16string>{u"0 c:\\", u"1 Program Files", u"2 Wrenfold", u"3 Alpha",
                                                    u"3 zeta"}));
    EXPECT_EQ(lists.CurrentFolderLine(), 2u);
    EXPECT_EQ(lists.FolderLines()[3].path, u"c:\\Program Files\\Wrenfold\\Alpha");
    EXPECT_EQ(lists.Files(), (std::vector<std::u16string>{u"Help.chm", u"wrenfold.exe"}));
    EXPECT_EQ(lists.Caption(), u"c:\\Program Files\\Wrenfold");
    EXPECT_EQ(lists.Tag(), u"c:\\Program Files\\Wrenfold\\");
    EXPECT_EQ(lists.DriveIndex(), 0u);
    EXPECT_FALSE(lists.SelectedFile());
}

TEST_F(QuilletListsTest, ClicksFiltersAndChangesKeepTheListsCoupled) {
    lists.ClickFile(1);
    EXPECT_EQ(lists.Caption(), u"c:\\Program Files\\Wrenfold\\wrenfold.exe");
    lists.SetFilter(u"*.CHM");
    EXPECT_EQ(lists.Files(), std::vector<std::u16string>{u"Help.chm"});
    EXPECT_FALSE(lists.SelectedFile()) << "a new pattern refills the list";
    EXPECT_EQ(lists.Caption(), u"c:\\Program Files\\Wrenfold\\wrenfold.exe") << "the label keeps the old file";
    lists.SetFilter(u"");
    EXPECT_EQ(lists.Files().size(), 2u);
    tree.Add(u"c:\\Program Files\\Wrenfold\\new.chm");
    lists.SetFilter(u"*.chm");
    EXPECT_EQ(lists.Files(), (std::vector<std::u16string>{u"Help.chm", u"new.chm"})) << "a new pattern reads again";
    lists.SetFilter(u"");

    lists.ChangeFolder(u"c:\\");
    EXPECT_EQ(lists.Tag(), u"c:\\");
    lists.ClickFile(0);
    EXPECT_EQ(lists.Caption(), u"c:\\boot.ini");

    lists.ChangeDrive(u'z');
    EXPECT_EQ(lists.Caption(), u"z:");
    EXPECT_EQ(lists.Folder(), u"z:\\");
    EXPECT_EQ(lists.DriveIndex(), 1u);
}

TEST_F(QuilletListsTest, AFolderOrDriveThatCannotBeReadChangesNothing) {
    tree.unreadable.push_back(u"z:\\");
    for (auto change : {+[](QuilletLists& l) { l.ChangeDrive(u'z'); },
                        +[](QuilletLists& l) { l.ChangeFolder(u"c:\\nowhere"); }}) {
        lists.ClickFile(0);
        EXPECT_THROW(change(lists), CommandError);
        EXPECT_EQ(lists.Folder(), u"c:\\Program Files\\Wrenfold");
        EXPECT_EQ(lists.Caption(), u"c:\\Program Files\\Wrenfold\\Help.chm");
        EXPECT_EQ(lists.SelectedFile(), 0u);
        EXPECT_EQ(lists.DriveIndex(), 0u);
    }
}

struct QuilletActions : ::testing::Test {
    test::FakePrompts prompts;
    test::FakeLauncher launcher;
    test::FakeFileOperations files;
    ActionServices services{prompts, launcher, files};
    ActionTarget target{u"C:\\My Files\\a b.txt", u"a b.txt", u"C:\\My Files\\"};

    void Do(int16_t index, std::optional<ActionTarget> t) { DoQuilletAction(index, t, u"explorer.exe", services); }
    int Reports() const {
        return static_cast<int>(std::count_if(prompts.messages.begin(), prompts.messages.end(), [](const auto& m) {
            return m.title == u"Quillet error" && m.style == 50;
        }));
    }
};

TEST_F(QuilletActions, EachActionShowsItsPromptAndDoesItsSteps) {
    Do(action::Shell, target);
    Do(action::OpenWith, target);
    ASSERT_EQ(launcher.attempts.size(), 2u);
    EXPECT_EQ(launcher.attempts[0].commandLine, u"C:\\My Files\\a b.txt");
    EXPECT_EQ(launcher.attempts[1].commandLine, u"explorer.exe C:\\My Files\\a b.txt");
    EXPECT_EQ(launcher.attempts[1].windowStyle, sw::ShowNormal);

    prompts.inputs = {u"D:\\copy.txt", u"new.txt", u"E:\\moved.txt"};
    prompts.answers = {answer::Yes, answer::No};
    for (int16_t a : {action::Copy, action::Rename, action::Move, action::Delete, action::Delete}) Do(a, target);
    EXPECT_EQ(files.done, (std::vector<std::u16string>{
                              u"copy C:\\My Files\\a b.txt > D:\\copy.txt",
                              u"copy C:\\My Files\\a b.txt > C:\\My Files\\new.txt", u"delete C:\\My Files\\a b.txt",
                              u"copy C:\\My Files\\a b.txt > E:\\moved.txt", u"delete C:\\My Files\\a b.txt",
                              u"delete C:\\My Files\\a b.txt"}));
    ASSERT_EQ(prompts.inputBoxes.size(), 3u);
    EXPECT_EQ(prompts.inputBoxes[0].prompt, u"Please enter a path and filename to copy C:\\My Files\\a b.txt to:");
    EXPECT_EQ(prompts.inputBoxes[0].title, u"Copy to?");
    EXPECT_EQ(prompts.inputBoxes[1].prompt, u"Please type in the new FILENAME for a b.txt:");
    EXPECT_EQ(prompts.inputBoxes[1].title, u"Filename");
    EXPECT_EQ(prompts.inputBoxes[2].prompt, u"Please enter a path and filename to move C:\\My Files\\a b.txt to:");
    EXPECT_EQ(prompts.inputBoxes[2].title, u"Move to?");
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].text, u"Are you sure you want to delete C:\\My Files\\a b.txt? YOU WILL NOT BE ABLE "
                                        u"TO RETRIEVE IT AFTER IT IS DELETED!");
    EXPECT_EQ(prompts.messages[0].title, u"DELETE");
    EXPECT_EQ(prompts.messages[0].style, mb::Exclamation + mb::YesNo);
}

TEST_F(QuilletActions, NoSelectionDoesNothingAndABadIndexSaysSo) {
    for (int16_t a = 0; a <= 6; ++a) Do(a, std::nullopt);  // any box would throw in the fake
    EXPECT_TRUE(launcher.attempts.empty() && files.done.empty());
    prompts.answers = {answer::Ok};
    Do(6, target);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, u"Invalid what-to-cmdDo index!");
    EXPECT_EQ(prompts.messages[0].style, mb::OkOnly);
}

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
            return static_cast<size_t>(std::count_if(files.done.begin(), files.done.end(), [&](const auto& d) {
                return d.rfind(what, 0) == 0;
            }));
        };
        EXPECT_EQ(count(u"copy"), c.copies) << "case " << i;
        EXPECT_EQ(count(u"delete"), c.deletes) << "case " << i;
        EXPECT_EQ(launcher.attempts.size() - static_cast<size_t>(c.startFailures), c.starts) << "case " << i;
        EXPECT_TRUE(prompts.answers.empty()) << "case " << i << ": every answer was asked for";
        EXPECT_EQ(Reports(), c.copyFailures + c.deleteFailures + c.startFailures) << "case " << i;
    }
}

}  // namespace
}  // namespace wf
