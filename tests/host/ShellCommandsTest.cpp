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

using Starts = std::vector<std::pair<std::u16string, int>>;  // command line, window style

struct Rig {
    test::FakePrompts prompts;
    test::FakeCommonDialogs dialogs;
    test::FakeLauncher launcher;
    test::FakeRegistry reg;
    RunProgram run{prompts, dialogs, launcher, 77};
    Starts Started() const {
        Starts out;
        for (const auto& a : launcher.attempts) out.emplace_back(a.commandLine, a.windowStyle);
        return out;
    }
};
// "Run a Program..." and "Start other Program..." must behave alike, so every case runs through both.
constexpr void (RunProgram::*kEntries[])() = {&RunProgram::mnuRunProg_Click, &RunProgram::mnuOtherProg_Click};

TEST(RunProgram, CancelStartsNothingAndAChosenLineStartsUnchanged) {
    const std::u16string browsed = u"C:\\Program Files\\My App\\app.exe";
    const std::u16string typed = u"  c:\\program files\\x y\\tool.exe /a \"b c\"  ";
    for (auto entry : kEntries) {
        Rig r;
        r.prompts.answers = {answer::No, answer::Yes, answer::Yes, answer::No};
        r.prompts.inputs = {u"", typed};
        r.dialogs.files = {u"", browsed};
        for (int i = 0; i < 4; ++i) (r.run.*entry)();
        ASSERT_EQ(r.prompts.messages.size(), 4u);  // the question each time, nothing more
        const auto& q = r.prompts.messages[0];
        EXPECT_EQ(std::tie(q.text, q.title, q.style),
                  std::make_tuple(u"Do you want to use a browse dialog to find the file?", u"Question", 36));
        const auto& in = r.prompts.inputBoxes.at(0);
        EXPECT_EQ(std::tie(in.prompt, in.title), std::make_tuple(u"What program?", u"Program"));
        const auto& c = r.dialogs.fileCalls.at(0);
        EXPECT_EQ(std::tie(c.owner, c.openFlag, c.title, c.initialFile, c.initialDir, c.defaultExt),
                  std::make_tuple(uintptr_t{77}, int16_t{1}, u"Choose file...", u"", u"", u"exe"));
        EXPECT_EQ(c.filter, std::u16string(u"Programs\0*.exe;*.com;*.bat", 26));
        EXPECT_EQ(r.Started(), (Starts{{browsed, 1}, {typed, 1}}));
    }
}

TEST(RunProgram, FailingStartIsReportedRetriedOrEnded) {
    const std::pair<std::deque<int>, size_t> cases[] = {  // answers to the question and reports, starts
        {{answer::No, answer::Retry, answer::Retry, answer::Abort}, 3},
        {{answer::No, answer::Abort}, 1}, {{answer::No, answer::Ignore}, 1}};
    for (auto entry : kEntries)
        for (const auto& [answers, starts] : cases) {
            Rig r;
            r.launcher.failures = -1;
            r.prompts.answers = answers;
            r.prompts.inputs = {u"nothing.exe"};
            (r.run.*entry)();
            EXPECT_EQ(r.launcher.attempts.size(), starts);
            ASSERT_EQ(r.prompts.messages.size(), starts + 1);
            const auto& m = r.prompts.messages[1];
            EXPECT_EQ(std::tie(m.title, m.style), std::make_tuple(u"Run other program error", 50));
        }
}

constexpr uint32_t HKLM = kHKeyLocalMachine;

TEST(GetKeyValue, StringsDwordsOtherTypesAndMissingValues) {
    test::FakeRegistry reg;
    reg.SetString(HKLM, u"k", u"withNul", u"C:\\a b\\x.exe", true);
    reg.SetString(HKLM, u"k", u"noNul", u"abc", false);
    reg.values[{HKLM, u"k", u"dword"}] = RegistryValue{kRegDword, std::string("\xfe\xff\xff\xff", 4)};
    reg.values[{HKLM, u"k", u"bin"}] = RegistryValue{kRegBinary, std::string("\x01\x02", 2)};
    const std::tuple<std::u16string, bool, std::u16string> cases[] = {  // name, read, value after
        {u"withNul", true, u"C:\\a b\\x.exe"}, {u"noNul", true, u"abc"}, {u"dword", true, u"-2"},
        {u"bin", true, u"as passed"}, {u"missing", false, u""}};
    for (const auto& [name, read, after] : cases) {
        std::u16string v = u"as passed";
        EXPECT_EQ(GetKeyValue(reg, HKLM, u"k", name, v), read);
        EXPECT_EQ(v, after);
    }
}

TEST(StartSysInfo, StartsWhatTheRegistryNamesOrSaysUnavailable) {
    const std::u16string inFolder = u"C:\\tools\\MSINFO32.EXE";
    struct Case {
        const char16_t *loc1, *loc2;  // MSINFO's PATH, Shared Tools Location's MSINFO folder
        bool exists, unavailable;
        int failures;
        std::vector<std::u16string> checked;
        Starts started;
    } const cases[] = {
        {u"C:\\msinfo\\msinfo32.exe", u"C:\\tools", false, false, 0, {}, {{u"C:\\msinfo\\msinfo32.exe", 1}}},
        {nullptr, u"C:\\tools", false, true, 0, {inFolder}, {}},
        {nullptr, u"C:\\tools", true, false, 0, {inFolder}, {{inFolder, 1}}},
        {nullptr, nullptr, false, true, 0, {}, {}},
        {u"C:\\gone.exe", nullptr, false, true, 1, {}, {{u"C:\\gone.exe", 1}}}};  // the start fails
    for (const auto& c : cases) {
        Rig r;
        if (c.loc1) r.reg.SetString(HKLM, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", u"PATH", c.loc1, true);
        if (c.loc2) r.reg.SetString(HKLM, u"SOFTWARE\\Microsoft\\Shared Tools Location", u"MSINFO", c.loc2, true);
        r.launcher.failures = c.failures;
        r.prompts.answers = {answer::Ok};
        std::vector<std::u16string> checked;
        StartSysInfo(r.reg, [&](std::u16string_view p) { checked.emplace_back(p); return c.exists; }, r.launcher,
                     r.prompts);
        EXPECT_EQ(checked, c.checked);
        EXPECT_EQ(r.Started(), c.started);
        ASSERT_EQ(r.prompts.messages.size(), c.unavailable ? 1u : 0u);
        for (const auto& m : r.prompts.messages)
            EXPECT_EQ(std::tie(m.text, m.title, m.style),
                      std::make_tuple(u"System Information Is Unavailable At This Time", u"Wrenfold", 0));
    }
}

TEST(FileDialogRecord, FilterAndBuffer) {
    EXPECT_EQ(DialogFilter(std::u16string_view(u"Programs\0*.exe", 14)), std::u16string(u"Programs\0*.exe\0\0", 16));
    EXPECT_EQ(DialogFilter(std::u16string_view(u"A\0*.a\0B\0*.b\0", 12)), std::u16string(u"A\0*.a\0B\0*.b\0\0", 13));
    EXPECT_EQ(FileNameBuffer(u"C:\\pic.jpg"), u"C:\\pic.jpg" + std::u16string(245, u'\0'));
    EXPECT_EQ(FileNameFromBuffer(std::u16string(u"abc\0def", 7)), u"abc");
    EXPECT_EQ(FileNameFromBuffer(FileNameBuffer(std::u16string(254, u'a'))), std::u16string(254, u'a'));
    EXPECT_EQ(FileNameBuffer(std::u16string(600, u'b')), std::u16string(254, u'b') + u'\0');
    // Not cut through a surrogate pair.
    EXPECT_EQ(FileNameFromBuffer(FileNameBuffer(std::u16string(253, u'c') + u"\U0001F600\U0001F600")),
              std::u16string(253, u'c'));
}

}  // namespace
}  // namespace wf
