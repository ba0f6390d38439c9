#include <gtest/gtest.h>

#include "common/Errors.h"
#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "shell/ShellLogic.h"

namespace wf {
namespace {

TEST(ShellData, VersionLineAndHelpPath) {
    EXPECT_EQ(VersionLine(), u"Version 2.2.0 (Built on December 16, 2004)");
    EXPECT_EQ(ShortVersion(), u"Version 2.2.0");
    EXPECT_EQ(VersionLine(AppInfo{u"T", 10, 0, 7, u"x"}), u"Version 10.0.7 (Built on x)");
    EXPECT_EQ(HelpFilePath(u"C:\\Program Files\\Wrenfold\\wrenfold.exe"), u"C:\\Program Files\\Wrenfold\\Wrenfold.chm");
}

TEST(ShellData, LauncherTableKeepsTheWindowsCommandLines) {
    const Programs p = InitializePrograms();
    EXPECT_EQ(p[0], u"c:\\program files\\microsoft office\\office\\winword.exe");
    EXPECT_EQ(p[1], u"c:\\program files\\microsoft office\\office\\excel.exe");
    EXPECT_EQ(p[2], u"c:\\program files\\internet explorer\\iexplore.exe");
    EXPECT_EQ(p[3].rfind(u"c:\\program files\\microsoft visual studio\\", 0), 0u);
    EXPECT_EQ(p[4], u"explorer.exe");
    EXPECT_EQ(p[5].rfind(u"explorer.exe \\\\", 0), 0u);
}

TEST(TrayCallback, DecodesTheMessageFromX) {
    // A twips window at 15 twips per pixel.
    EXPECT_EQ(TrayMessageFromX(7710, 1, 15), 514);
    EXPECT_EQ(TrayMessageFromX(7755, 1, 15), 517);
    EXPECT_EQ(TrayMessageFromX(7680, 1, 15), 512);
    EXPECT_EQ(TrayMessageFromX(7695, 1, 15), 513);
    EXPECT_EQ(TrayMessageFromX(514, kScalePixels, 15), 514);  // pixels: no division
    // Halves go to the even neighbour.
    EXPECT_EQ(TrayMessageFromX(514.5, kScalePixels, 1), 514);
    EXPECT_EQ(TrayMessageFromX(515.5, kScalePixels, 1), 516);
    EXPECT_EQ(TrayMessageFromX(7717.5, 1, 15), 514);
}

TEST(TrayCallback, OnlyReleasedLeftOrRightButtonsOpenTheMenu) {
    for (int m = 0x200; m <= 0x20E; ++m) EXPECT_EQ(TrayMessageOpensMenu(m), m == 514 || m == 517) << m;
}

TEST(DosCommand, PrefersCommandComThenComspec) {
    EXPECT_EQ(DosCommandPrefix(true, u"C:\\windows\\system32\\cmd.exe"), u"command.com /c ");
    EXPECT_EQ(DosCommandPrefix(false, u"C:\\windows\\system32\\cmd.exe"), u"C:\\windows\\system32\\cmd.exe /c ");
    EXPECT_EQ(DosCommandPrefix(false, u""), u"cmd.exe /c ");
}

class NullHelp : public Help {
public:
    bool result = false;
    std::u16string file, topic;
    uintptr_t owner = 0;
    bool DisplayTopic(uintptr_t o, std::u16string_view f, std::u16string_view t) override {
        owner = o;
        file = f;
        topic = t;
        return result;
    }
};

struct MenuFixture : ::testing::Test {
    test::FakePrompts prompts;
    test::FakeLauncher launcher;
    NullHelp help;
    MenuCommands menu{prompts, launcher, help, u"C:\\w\\Wrenfold.chm", u"command.com /c "};
};

TEST_F(MenuFixture, StartProgStartsTheEntryMaximisedAndFollowsTheAnswer) {
    for (int16_t i = 0; i < 6; ++i) menu.mnuStartProg_Click(i);
    ASSERT_EQ(launcher.attempts.size(), 6u);
    for (size_t i = 0; i < 6; ++i) {
        EXPECT_EQ(launcher.attempts[i].commandLine, menu.programs()[i]);
        EXPECT_EQ(launcher.attempts[i].windowStyle, 3);
    }
    EXPECT_TRUE(prompts.messages.empty());

    launcher.failures = -1;
    prompts.answers = {answer::Retry, answer::Retry, answer::Ignore, answer::Abort};
    menu.mnuStartProg_Click(0);  // Retry twice, then Ignore
    menu.mnuStartProg_Click(1);  // Abort at once
    EXPECT_EQ(launcher.attempts.size(), 6u + 3u + 1u);
    ASSERT_EQ(prompts.messages.size(), 4u);
    EXPECT_EQ(prompts.messages[0].title, u"Start Program error");
    EXPECT_NE(prompts.messages[0].text.find(u"File not found (53)"), std::u16string::npos);
}

// Open a Folder and Run DOS Program: the prompt, what is started, and that
// an empty text (Cancel) starts nothing.
TEST_F(MenuFixture, TypedFolderAndDosCommands) {
    struct Case {
        void (MenuCommands::*click)();
        std::u16string title, prompt, typed, started;
    } const cases[] = {
        {&MenuCommands::mnuFolder_Click, u"Folder?", u"What folder do you want to open?", u"C:\\Windows",
         u"explorer.exe C:\\Windows"},
        {&MenuCommands::mnuDOSProg_Click, u"Run DOS prog",
         u"Please type in the name of a dos program that you want to run\r\nFor example, DIR C:", u"DIR C:",
         u"command.com /c DIR C:"},
    };
    for (const Case& c : cases) {
        launcher.attempts.clear();
        prompts.inputBoxes.clear();
        prompts.inputs = {c.typed, u""};
        (menu.*c.click)();
        (menu.*c.click)();
        ASSERT_EQ(launcher.attempts.size(), 1u);
        EXPECT_EQ(launcher.attempts[0].commandLine, c.started);
        EXPECT_EQ(launcher.attempts[0].windowStyle, 3);
        EXPECT_EQ(prompts.inputBoxes[0].title, c.title);
        EXPECT_EQ(prompts.inputBoxes[0].prompt, c.prompt);
        EXPECT_EQ(prompts.inputBoxes[0].defaultText, u"");
    }
}

TEST_F(MenuFixture, InterpreterThatCannotStartIsReported) {
    launcher.failures = 1;
    prompts.inputs = {u"DIR", u"x"};
    prompts.answers = {answer::Retry, answer::Ignore};
    menu.mnuDOSProg_Click();
    EXPECT_EQ(launcher.attempts.size(), 2u);  // retried once, then started
    EXPECT_EQ(prompts.messages.at(0).title, u"Run DOS Program error");
    launcher.failures = 1;
    menu.mnuFolder_Click();
    EXPECT_EQ(prompts.messages.at(1).title, u"Open a Folder error");
    EXPECT_EQ(launcher.attempts.size(), 3u);  // Ignore: not started again
}

TEST_F(MenuFixture, HelpShowsIndexOrSaysItCannot) {
    help.result = true;
    menu.mnuHelpContents_Click(42);
    EXPECT_EQ(help.file, u"C:\\w\\Wrenfold.chm");
    EXPECT_EQ(help.topic, u"index.htm");
    EXPECT_EQ(help.owner, 42u);
    EXPECT_TRUE(prompts.messages.empty());
    help.result = false;
    prompts.answers = {answer::Ok};
    menu.mnuHelpContents_Click(42);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].text, u"Unable to display help!");
    EXPECT_EQ(prompts.messages[0].title, u"Wrenfold");
    EXPECT_EQ(prompts.messages[0].style, 0);
}

}  // namespace
}  // namespace wf
