// Run a program, the About box's registry look-up, and the file dialog's record.
#include <gtest/gtest.h>

#include "common/modCommDlgs.h"
#include "fakes/FakeCommonDialogs.h"
#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeRegistry.h"
#include "shell/RunProgram.h"
#include "shell/SysInfo.h"

namespace wf {
namespace {

struct RunProgramFixture : ::testing::Test {
    test::FakePrompts prompts;
    test::FakeCommonDialogs dialogs;
    test::FakeLauncher launcher;
    RunProgram run{prompts, dialogs, launcher, 77};
};

TEST_F(RunProgramFixture, AsksWhetherToBrowse) {
    prompts.answers = {answer::No};
    prompts.inputs = {u""};
    run.mnuRunProg_Click();
    ASSERT_EQ(prompts.messages.size(), 1u);  // the question only: Cancel shows nothing more
    EXPECT_EQ(prompts.messages[0].text, u"Do you want to use a browse dialog to find the file?");
    EXPECT_EQ(prompts.messages[0].title, u"Question");
    EXPECT_EQ(prompts.messages[0].style, 36);
    EXPECT_EQ(prompts.inputBoxes.at(0).prompt, u"What program?");
    EXPECT_EQ(prompts.inputBoxes.at(0).title, u"Program");
    EXPECT_TRUE(launcher.attempts.empty());
}

TEST_F(RunProgramFixture, BrowseUsesTheProgramsFilterAndCancelStartsNothing) {
    prompts.answers = {answer::Yes};
    dialogs.files = {u""};
    run.mnuRunProg_Click();
    ASSERT_EQ(dialogs.fileCalls.size(), 1u);
    const auto& c = dialogs.fileCalls[0];
    EXPECT_EQ(c.owner, 77u);
    EXPECT_EQ(c.openFlag, 1);
    EXPECT_EQ(c.title, u"Choose file...");
    EXPECT_EQ(c.initialFile, u"");
    EXPECT_EQ(c.filter, std::u16string(u"Programs\0*.exe;*.com;*.bat", 26));
    EXPECT_EQ(c.initialDir, u"");
    EXPECT_EQ(c.defaultExt, u"exe");
    EXPECT_TRUE(launcher.attempts.empty());
}

TEST_F(RunProgramFixture, StartsTheTextUnchangedWithNormalWindow) {
    prompts.answers = {answer::Yes, answer::No};
    dialogs.files = {u"C:\\Program Files\\My App\\app.exe"};
    prompts.inputs = {u"  c:\\program files\\x y\\tool.exe /a \"b c\"  "};
    run.mnuRunProg_Click();
    run.mnuOtherProg_Click();
    ASSERT_EQ(launcher.attempts.size(), 2u);
    EXPECT_EQ(launcher.attempts[0].commandLine, u"C:\\Program Files\\My App\\app.exe");
    EXPECT_EQ(launcher.attempts[1].commandLine, u"  c:\\program files\\x y\\tool.exe /a \"b c\"  ");
    EXPECT_EQ(launcher.attempts[0].windowStyle, 1);
    EXPECT_EQ(launcher.attempts[1].windowStyle, 1);
}

TEST_F(RunProgramFixture, FailingStartIsReportedAndRetried) {
    launcher.failures = -1;
    prompts.answers = {answer::No, answer::Retry, answer::Retry, answer::Abort};
    prompts.inputs = {u"nothing.exe"};
    run.mnuOtherProg_Click();
    EXPECT_EQ(launcher.attempts.size(), 3u);
    ASSERT_EQ(prompts.messages.size(), 4u);
    EXPECT_EQ(prompts.messages[1].title, u"Run other program error");
    EXPECT_EQ(prompts.messages[1].style, 50);

    prompts.messages.clear();
    prompts.answers = {answer::No, answer::Ignore};
    prompts.inputs = {u"nothing.exe"};
    run.mnuRunProg_Click();
    EXPECT_EQ(launcher.attempts.size(), 4u);
    EXPECT_EQ(prompts.messages.size(), 2u);
}

constexpr uint32_t HKLM = kHKeyLocalMachine;
const std::u16string kLoc1 = u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::u16string kLoc2 = u"SOFTWARE\\Microsoft\\Shared Tools Location";

TEST(GetKeyValue, StringsDwordsAndOtherTypes) {
    test::FakeRegistry reg;
    reg.SetString(HKLM, u"k", u"withNul", u"C:\\a b\\x.exe", true);
    reg.SetString(HKLM, u"k", u"noNul", u"abc", false);
    reg.values[{HKLM, u"k", u"dword"}] = RegistryValue{kRegDword, std::string("\xfe\xff\xff\xff", 4)};
    reg.values[{HKLM, u"k", u"big"}] = RegistryValue{kRegDword, std::string("\x00\x00\x00\x80", 4)};
    reg.values[{HKLM, u"k", u"bin"}] = RegistryValue{kRegBinary, std::string("\x01\x02", 2)};
    std::u16string v = u"untouched";
    EXPECT_TRUE(GetKeyValue(reg, HKLM, u"k", u"withNul", v));
    EXPECT_EQ(v, u"C:\\a b\\x.exe");
    EXPECT_TRUE(GetKeyValue(reg, HKLM, u"k", u"noNul", v));
    EXPECT_EQ(v, u"abc");
    EXPECT_TRUE(GetKeyValue(reg, HKLM, u"k", u"dword", v));
    EXPECT_EQ(v, u"-2");
    EXPECT_TRUE(GetKeyValue(reg, HKLM, u"k", u"big", v));
    EXPECT_EQ(v, u"-2147483648");
    v = u"as passed";
    EXPECT_TRUE(GetKeyValue(reg, HKLM, u"k", u"bin", v));
    EXPECT_EQ(v, u"as passed");
    EXPECT_FALSE(GetKeyValue(reg, HKLM, u"k", u"missing", v));
    EXPECT_EQ(v, u"");
}

struct SysInfoFixture : ::testing::Test {
    test::FakeRegistry reg;
    test::FakeLauncher launcher;
    test::FakePrompts prompts;
    std::vector<std::u16string> checked;
    bool exists = false;
    void Start() {
        StartSysInfo(reg, [&](std::u16string_view p) { checked.emplace_back(p); return exists; }, launcher, prompts);
    }
    void ExpectUnavailable() {
        ASSERT_EQ(prompts.messages.size(), 1u);
        EXPECT_EQ(prompts.messages[0].text, u"System Information Is Unavailable At This Time");
        EXPECT_EQ(prompts.messages[0].title, u"Wrenfold");
        EXPECT_EQ(prompts.messages[0].style, 0);
    }
};

TEST_F(SysInfoFixture, LocationOneIsStartedWithoutAnExistenceCheck) {
    reg.SetString(HKLM, kLoc1, u"PATH", u"C:\\msinfo\\msinfo32.exe", true);
    reg.SetString(HKLM, kLoc2, u"MSINFO", u"C:\\elsewhere", true);
    Start();
    ASSERT_EQ(launcher.attempts.size(), 1u);
    EXPECT_EQ(launcher.attempts[0].commandLine, u"C:\\msinfo\\msinfo32.exe");
    EXPECT_EQ(launcher.attempts[0].windowStyle, 1);
    EXPECT_TRUE(checked.empty());
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SysInfoFixture, LocationTwoNeedsTheProgramInItsFolder) {
    reg.SetString(HKLM, kLoc2, u"MSINFO", u"C:\\tools", true);
    prompts.answers = {answer::Ok};
    Start();
    EXPECT_EQ(checked, std::vector<std::u16string>{u"C:\\tools\\MSINFO32.EXE"});
    EXPECT_TRUE(launcher.attempts.empty());
    ExpectUnavailable();

    exists = true;
    prompts.messages.clear();
    Start();
    ASSERT_EQ(launcher.attempts.size(), 1u);
    EXPECT_EQ(launcher.attempts[0].commandLine, u"C:\\tools\\MSINFO32.EXE");
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(SysInfoFixture, NothingRegisteredOrAFailedStartSaysUnavailable) {
    prompts.answers = {answer::Ok};
    Start();
    ExpectUnavailable();
    EXPECT_TRUE(launcher.attempts.empty());

    reg.SetString(HKLM, kLoc1, u"PATH", u"C:\\gone.exe", false);
    launcher.failures = 1;
    prompts.messages.clear();
    prompts.answers = {answer::Ok};
    Start();
    EXPECT_EQ(launcher.attempts.size(), 1u);
    ExpectUnavailable();
}

TEST(FileDialogRecord, FilterIsClosedByTwoNuls) {
    EXPECT_EQ(DialogFilter(std::u16string_view(u"Programs\0*.exe", 14)), std::u16string(u"Programs\0*.exe\0\0", 16));
    EXPECT_EQ(DialogFilter(std::u16string_view(u"A\0*.a\0B\0*.b\0", 12)), std::u16string(u"A\0*.a\0B\0*.b\0\0", 13));
}

TEST(FileDialogRecord, BufferHoldsTheNameAndNeverOverruns) {
    const std::u16string b = FileNameBuffer(u"C:\\pic.jpg");
    EXPECT_EQ(b.size(), 255u);
    EXPECT_EQ(FileNameFromBuffer(b), u"C:\\pic.jpg");
    EXPECT_EQ(b.find_first_not_of(u'\0', 10), std::u16string::npos);

    const std::u16string fits(254, u'a');
    EXPECT_EQ(FileNameFromBuffer(FileNameBuffer(fits)), fits);
    const std::u16string tooLong(600, u'b');
    const std::u16string cut = FileNameBuffer(tooLong);
    EXPECT_EQ(cut.size(), 255u);
    EXPECT_EQ(cut.back(), u'\0');
    EXPECT_EQ(FileNameFromBuffer(cut), std::u16string(254, u'b'));
    // Not cut through a surrogate pair.
    std::u16string pairs = std::u16string(253, u'c') + u"\U0001F600\U0001F600";
    EXPECT_EQ(FileNameFromBuffer(FileNameBuffer(pairs)), std::u16string(253, u'c'));
    EXPECT_EQ(FileNameFromBuffer(std::u16string(u"abc\0def", 7)), u"abc");
}

}  // namespace
}  // namespace wf
