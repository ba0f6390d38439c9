// The tray shell apart from its window: the launcher table, the tray callback,
// the menu commands, Run a Program, System Info, the file dialog's record and
// the hand-over from a second start.
#include <gtest/gtest.h>

#include "common/Text.h"
#include "common/modCommDlgs.h"
#include "fakes/FakeCommonDialogs.h"
#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "fakes/FakeRegistry.h"
#include "shell/HandOver.h"
#include "shell/RunProgram.h"
#include "shell/ShellLogic.h"
#include "shell/SysInfo.h"

namespace wf {
namespace {

using Starts = std::vector<std::pair<std::u16string, int>>;  // command line, window style

struct RecordingHelp : Help {
    bool result = false;
    std::u16string file, topic;
    uintptr_t owner = 0;
    bool DisplayTopic(uintptr_t o, std::u16string_view f, std::u16string_view t) override {
        std::tie(owner, file, topic) = std::tuple(o, f, t);
        return result;
    }
};

struct Shell : ::testing::Test {
    test::FakePrompts prompts;
    test::FakeCommonDialogs dialogs;
    test::FakeLauncher launcher;
    test::FakeRegistry reg;
    RecordingHelp help;
    RunProgram run{prompts, dialogs, launcher, 77};
    MenuCommands menu{prompts, launcher, help, u"C:\\w\\Wrenfold.chm", u"command.com /c "};
    void Reset() { prompts = {}, dialogs = {}, launcher = {}, reg = {}; }  // for the next row
    Starts Started() const {
        Starts out;
        for (const auto& a : launcher.attempts) out.emplace_back(a.commandLine, a.windowStyle);
        return out;
    }
};

TEST(TrayCallback, DecodesTheMessageFromXAndOpensTheMenuOnReleasedButtonsOnly) {
    const struct { double x; int scale, twips; int32_t message; } cases[] = {  // a twips window at 15 per pixel
        {7710, 1, 15, 514}, {7755, 1, 15, 517}, {7680, 1, 15, 512}, {7695, 1, 15, 513},
        {514, kScalePixels, 15, 514},  // pixels: no division
        {514.5, kScalePixels, 1, 514}, {515.5, kScalePixels, 1, 516}, {7717.5, 1, 15, 514}};  // halves to even
    for (const auto& c : cases) EXPECT_EQ(TrayMessageFromX(c.x, c.scale, c.twips), c.message) << c.x;
    for (int m = 0x200; m <= 0x20E; ++m) EXPECT_EQ(TrayMessageOpensMenu(m), m == 514 || m == 517) << m;
}

TEST(DosCommand, PrefersCommandComThenComspec) {
    EXPECT_EQ(DosCommandPrefix(true, u"C:\\windows\\system32\\cmd.exe"), u"command.com /c ");
    EXPECT_EQ(DosCommandPrefix(false, u"C:\\windows\\system32\\cmd.exe"), u"C:\\windows\\system32\\cmd.exe /c ");
    EXPECT_EQ(DosCommandPrefix(false, u""), u"cmd.exe /c ");
}

TEST_F(Shell, StartProgStartsTheTableEntryMaximisedThroughTheReport) {
    for (int16_t i = 0; i < 6; ++i) menu.mnuStartProg_Click(i);
    const Starts s = Started();
    ASSERT_EQ(s.size(), 6u);
    // The table's own paths are data; what each kind of entry becomes is checked.
    EXPECT_EQ(s[0].first, u"c:\\program files\\microsoft office\\office\\winword.exe");
    EXPECT_TRUE(s[4].first == u"explorer.exe" && s[5].first.starts_with(u"explorer.exe \\\\")) << ToUtf8(s[5].first);
    for (const auto& [line, style] : s) EXPECT_EQ(style, 3) << ToUtf8(line);
    launcher.failures = 1;
    prompts.answers = {answer::Retry};  // the report's answers are RunStep's (ErrorReportTest)
    menu.mnuStartProg_Click(1);
    EXPECT_EQ(launcher.attempts.size(), 6u + 2u);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].title, u"Start Program error");
    EXPECT_NE(prompts.messages[0].text.find(u"File not found (53)"), std::u16string::npos);
}

// Open a Folder and Run DOS Program: the prompt, what is started (a failing
// start goes to the report, and Retry starts it again), and that an empty
// text (Cancel) starts nothing.
TEST_F(Shell, TypedFolderAndDosCommands) {
    const struct { void (MenuCommands::*click)(); std::u16string title, prompt, typed, started, error; } cases[] = {
        {&MenuCommands::mnuFolder_Click, u"Folder?", u"What folder do you want to open?", u"C:\\Windows",
         u"explorer.exe C:\\Windows", u"Open a Folder error"},
        {&MenuCommands::mnuDOSProg_Click, u"Run DOS prog",
         u"Please type in the name of a dos program that you want to run\r\nFor example, DIR C:", u"DIR C:",
         u"command.com /c DIR C:", u"Run DOS Program error"}};
    for (const auto& c : cases) {
        Reset();
        launcher.failures = 1;
        prompts.inputs = {c.typed, u""};
        prompts.answers = {answer::Retry};
        (menu.*c.click)();
        (menu.*c.click)();
        EXPECT_EQ(Started(), (Starts{{c.started, 3}, {c.started, 3}}));
        const auto& in = prompts.inputBoxes.at(0);
        EXPECT_EQ(std::tie(in.title, in.prompt, in.defaultText), std::make_tuple(c.title, c.prompt, u""));
        EXPECT_EQ(prompts.messages.at(0).title, c.error);
    }
}

TEST_F(Shell, HelpShowsIndexOrSaysItCannot) {
    for (const bool shown : {true, false}) {
        help.result = shown;
        prompts.answers = {answer::Ok};
        menu.mnuHelpContents_Click(42);
        EXPECT_EQ(std::tie(help.file, help.topic, help.owner), std::make_tuple(u"C:\\w\\Wrenfold.chm", u"index.htm", 42u));
        EXPECT_EQ(prompts.messages.size(), shown ? 0u : 1u);
    }
    const auto& m = prompts.messages.at(0);
    EXPECT_EQ(std::tie(m.text, m.title, m.style), std::make_tuple(u"Unable to display help!", u"Wrenfold", 0));
}

// "Run a Program..." and "Start other Program..." must behave alike, so every case runs through both.
constexpr void (RunProgram::*kEntries[])() = {&RunProgram::mnuRunProg_Click, &RunProgram::mnuOtherProg_Click};

// Cancel in either box starts nothing; a chosen line starts unchanged, and a
// failing start goes to the report.
TEST_F(Shell, RunProgramCancelStartsNothingAndAChosenLineStartsUnchanged) {
    const std::u16string browsed = u"C:\\Program Files\\My App\\app.exe";
    const std::u16string typed = u"  c:\\program files\\x y\\tool.exe /a \"b c\"  ";
    for (auto entry : kEntries) {
        Reset();
        launcher.failures = 1;
        prompts.answers = {answer::No, answer::Yes, answer::Yes, answer::Retry, answer::No};
        prompts.inputs = {u"", typed};
        dialogs.files = {u"", browsed};
        for (int i = 0; i < 4; ++i) (run.*entry)();
        ASSERT_EQ(prompts.messages.size(), 5u);  // the question each time, and one report
        const auto& q = prompts.messages[0];
        EXPECT_EQ(std::tie(q.text, q.title, q.style),
                  std::make_tuple(u"Do you want to use a browse dialog to find the file?", u"Question", 36));
        EXPECT_EQ(std::tie(prompts.messages[3].title, prompts.messages[3].style),
                  std::make_tuple(u"Run other program error", 50));
        const auto& in = prompts.inputBoxes.at(0);
        EXPECT_EQ(std::tie(in.prompt, in.title), std::make_tuple(u"What program?", u"Program"));
        const auto& c = dialogs.fileCalls.at(0);
        EXPECT_EQ(std::tie(c.owner, c.openFlag, c.title, c.initialFile, c.initialDir, c.defaultExt, c.filter),
                  std::make_tuple(uintptr_t{77}, int16_t{1}, u"Choose file...", u"", u"", u"exe",
                                  std::u16string(u"Programs\0*.exe;*.com;*.bat", 26)));
        EXPECT_EQ(Started(), (Starts{{browsed, 1}, {browsed, 1}, {typed, 1}}));
    }
}

constexpr uint32_t HKLM = kHKeyLocalMachine;

// GetKeyValue's own cases run against the real registry in the Windows tests.
TEST_F(Shell, StartSysInfoStartsWhatTheRegistryNamesOrSaysUnavailable) {
    const std::u16string inFolder = u"C:\\tools\\MSINFO32.EXE";
    const struct {
        const char16_t *loc1, *loc2;  // MSINFO's PATH, Shared Tools Location's MSINFO folder
        bool exists, unavailable;
        int failures;
        std::vector<std::u16string> checked;
        Starts started;
    } cases[] = {
        {u"C:\\msinfo\\msinfo32.exe", u"C:\\tools", false, false, 0, {}, {{u"C:\\msinfo\\msinfo32.exe", 1}}},
        {nullptr, u"C:\\tools", false, true, 0, {inFolder}, {}},
        {nullptr, u"C:\\tools", true, false, 0, {inFolder}, {{inFolder, 1}}},
        {nullptr, nullptr, false, true, 0, {}, {}},
        {u"C:\\gone.exe", nullptr, false, true, 1, {}, {{u"C:\\gone.exe", 1}}}};  // the start fails
    for (const auto& c : cases) {
        Reset();
        if (c.loc1) reg.SetString(HKLM, u"SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", u"PATH", c.loc1, true);
        if (c.loc2) reg.SetString(HKLM, u"SOFTWARE\\Microsoft\\Shared Tools Location", u"MSINFO", c.loc2, true);
        launcher.failures = c.failures;
        prompts.answers = {answer::Ok};
        std::vector<std::u16string> checked;
        StartSysInfo(reg, [&](std::u16string_view p) { checked.emplace_back(p); return c.exists; }, launcher, prompts);
        EXPECT_EQ(checked, c.checked);
        EXPECT_EQ(Started(), c.started);
        ASSERT_EQ(prompts.messages.size(), c.unavailable ? 1u : 0u);
        for (const auto& m : prompts.messages)
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

TEST(HandOver, PayloadGivesTheCommandLineOrNothing) {
    const std::u16string line = u"wrenfold.exe C:\\a.gif", inner(u"wrenfold.exe\0C:\\a.gif", 21),
                         huge(kHandOverMaxChars + 1, u'x');
    const struct { uintptr_t tag; const void* data; size_t bytes; std::optional<std::u16string> got; } cases[] = {
        {kHandOverTag, line.c_str(), 42, line}, {kHandOverTag, line.c_str(), 44, line},  // without, with NUL
        {kHandOverTag, u"", 2, u""}, {kHandOverTag, huge.c_str(), kHandOverMaxChars * 2, huge.substr(1)},
        {kHandOverTag + 1, line.c_str(), 42, {}}, {kHandOverTag, nullptr, 8, {}}, {kHandOverTag, line.c_str(), 41, {}},
        {kHandOverTag, huge.c_str(), huge.size() * 2, {}}, {kHandOverTag, inner.c_str(), 42, {}}};  // five refused
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(HandedOverCommandLine(cases[i].tag, cases[i].data, cases[i].bytes), cases[i].got) << "case " << i;
}

TEST(HandOver, APictureOpensOrFillsTheGeneratorAndNothingElseShows) {
    const HandOverAction a = ActionForHandOver(u"x.exe \"C:\\a b.jpg\" c", false),
                         b = ActionForHandOver(u"x.exe C:\\a b.jpg ", true), c = ActionForHandOver(u"x.exe \"\"", true);
    EXPECT_EQ(std::tuple(a.kind, b.kind, c.kind, a.picture + u"|" + b.picture + u"|" + c.picture),
              std::tuple(HandOverAction::OpenGenerator, HandOverAction::FillGenerator, HandOverAction::Nothing,
                         std::u16string(u"C:\\a b.jpg|C:\\a b.jpg|")));
}

}  // namespace
}  // namespace wf
