// frmMain as a real (headless) window: its texts and menu from resources, the
// tray record and callback, what the menu's commands reach, Exit and the
// hand-over from a second start. The commands' rules are tested natively.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "asciipic/Win32PageServices.h"
#include "asciipic/frmASCII.h"
#include "asciipic/frmASCIIIds.h"
#include "common/Text.h"
#include "fakes/FakeCommonDialogs.h"
#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32Launcher.h"
#include "shell/HandOver.h"
#include "shell/frmMain.h"
#include "shell/frmMainIds.h"
#include "win/TestWindowIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

using Log = std::vector<std::string>;

struct RecordingHelp : Help {
    std::u16string file;
    bool DisplayTopic(uintptr_t, std::u16string_view f, std::u16string_view) override { return file = f, false; }
};

// frmMain with the popup replaced by a counter (a real popup would block), a
// shell that refuses the first `addFailures` adds of the icon, and its unload logged.
class TestMain : public frmMain {
public:
    using frmMain::frmMain;
    using frmMain::kTrayRetries;
    using frmMain::kTrayRetryTimer;
    int popups = 0, adds = 0, addFailures = 0;
    Log* log = nullptr;

protected:
    void ShowPopupMenu() override { ++popups; }
    bool NotifyIcon(DWORD message) override { return message != NIM_ADD || ++adds > addFailures; }
    void Form_Unload() override {
        if (log) log->push_back("unload main");
        frmMain::Form_Unload();
    }
};

// A tool window that logs its loads and unloads.
struct TestTool : win::DialogForm {
    TestTool(win::Forms& forms, Log& log, std::string name)
        : DialogForm(forms, IDD_TESTWINDOW), log_(log), name_(std::move(name)) {}
    void Form_Load() override { log_.push_back("load " + name_); }
    void Form_Unload() override { log_.push_back("unload " + name_); }
    Log& log_;
    const std::string name_;
};

struct ShellWindow : ::testing::Test {
    win::Forms forms;
    test::FakePrompts prompts;
    test::FakeLauncher launcher;
    RecordingHelp help;
    TestMain main{forms, prompts, launcher, help, u"C:\\apps\\wrenfold.exe", u"command.com /c "};

    void SetUp() override { ASSERT_TRUE(main.Create()); }
    void Command(int id) { SendMessageW(main.hwnd(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
};

// A menu as its captions joined by "|", "-" for a separator, a submenu in brackets.
std::u16string Flat(HMENU menu) {
    std::u16string all;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[256] = L"";
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        const HMENU sub = GetSubMenu(menu, i);
        // A submenu's state holds its count above the flags.
        const UINT state = GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION);
        const bool separator = !sub && (state & MF_SEPARATOR);
        all += separator ? u"-" : reinterpret_cast<const char16_t*>(text);
        if (!separator && (state & (MFS_GRAYED | MFS_CHECKED))) all += u"(greyed or checked)";
        if (sub) all += u"[" + Flat(sub) + u"]";
        all += u"|";
    }
    return all;
}

TEST_F(ShellWindow, StartsHiddenWithItsTextsTrayRecordAndMenuWhichReleasedButtonsOpen) {
    EXPECT_FALSE(IsWindowVisible(main.hwnd()));
    EXPECT_EQ(test::AllTexts(main.hwnd()),
              u"Wrenfold Main Window|\"ALL YOUR BASE ARE BELONG TO US!\"|Hey, why are you looking at this window? It's "
              u"really not that interesting... Now, hide it and do something useful!");
    const NOTIFYICONDATAA& t = main.TrayIcon();
    EXPECT_EQ(std::tie(t.cbSize, t.hWnd, t.uID, t.uFlags, t.uCallbackMessage),
              std::make_tuple(DWORD{NOTIFYICONDATAA_V1_SIZE}, main.hwnd(), 1u, 7u, 512u));
    EXPECT_NE(t.hIcon, nullptr);
    EXPECT_EQ(std::string(t.szTip, 64), std::string("Pellmoor Wrenfold") + '\0' + std::string(46, ' '));
    EXPECT_EQ(main.HelpFile(), u"C:\\apps\\Wrenfold.chm");
    // The callback's mouse message is its X in pixels; which messages open the menu is checked natively.
    for (LPARAM m : {WM_RBUTTONDOWN, WM_RBUTTONUP}) SendMessageW(main.hwnd(), WM_MOUSEMOVE, 1, m);
    EXPECT_EQ(main.popups, 1);

    EXPECT_EQ(Flat(main.PopupMenu()),
              u"Version 2.2.0 (Built on December 16, 2004)|-|Wrenfold 2 - Copyright (C) 2004 Pellmoor Software|"
              u"For updates and more programs, go to:|            www.pellmoor.example|-|&Run a Program...|-|"
              u"&Tools[&New Tools[&MD5 Hashing...|]|-|&Get User Info...|Host to IP lookup...|IP to Host lookup...|"
              u"&Network Computer List...|&Send a Message...|-|&ASCII Picture Generator...|Coder / &Decoder...|"
              u"&Files in Folder...|&Hard Drive Explorer...|&Number Converter...|&SendKeys Tool...|&Text-to-speech...|"
              u"&Window Hide / Show...|Simple Te&rminal...|]|&Run[Microsoft &Word|Microsoft &Excel|&Internet Explorer|"
              u"&Visual Basic 6.0|Windows &Explorer|&Corin's Folder|-|&Start other Program...|O&pen a Folder...|"
              u"&Run DOS Program...|]|&Help[&Help Contents...|&About|]|-|&Exit|");
    // mnuAbout1 and mnuStartProg are control arrays: consecutive ids by index.
    for (UINT i = 0; i < 3; ++i) EXPECT_EQ(GetMenuItemID(main.PopupMenu(), 2 + i), IDM_MNUABOUT1_BASE + i);
    const HMENU run = GetSubMenu(main.PopupMenu(), 9);
    for (UINT i = 0; i < 6; ++i) EXPECT_EQ(GetMenuItemID(run, static_cast<int>(i)), IDM_MNUSTARTPROG_BASE + i);
}

TEST_F(ShellWindow, MenuCommandsReachTheirHandlers) {
    prompts.answers = {answer::Ok};
    prompts.inputs = {u"c:\\temp", u"DIR C:"};
    for (int id : {IDM_MNUSTARTPROG_BASE + 2, IDM_MNUFOLDER, IDM_MNUDOSPROG, IDM_MNUHELPCONTENTS, IDM_MNUTTS})
        Command(id);
    std::u16string started;
    for (const auto& a : launcher.attempts) started += a.commandLine + u"|";
    EXPECT_EQ(started,
              u"c:\\program files\\internet explorer\\iexplore.exe|explorer.exe c:\\temp|command.com /c DIR C:|");
    EXPECT_EQ(help.file + u"|" + prompts.messages.at(0).text, u"C:\\apps\\Wrenfold.chm|Unable to display help!");
    EXPECT_EQ(forms.Loaded().size(), 1u) << "an entry whose window is not built yet does nothing";
}

TEST_F(ShellWindow, ToolWindowsOpenOnceAndAfreshAfterClosingAndExitUnloadsEveryWindowInOrder) {
    Log log;
    main.log = &log;
    main.RegisterTool(IDM_MNUQUILLET, [&](win::Forms& f) { f.Open<TestTool>("a", log, "a"); });
    main.RegisterTool(IDM_MNUTTS, [&](win::Forms& f) { f.Open<TestTool>("b", log, "b"); });
    for (int id : {IDM_MNUTTS, IDM_MNUTTS, IDM_MNUQUILLET}) Command(id);
    ASSERT_EQ(forms.Loaded().size(), 3u);
    HWND tool = forms.Loaded()[1]->hwnd();
    EXPECT_TRUE(IsWindowVisible(tool) && GetParent(tool) == nullptr);
    // The dialog manager made a font from the template: it must go with the window.
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(tool, WM_GETFONT, 0, 0));
    ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    forms.Loaded()[1]->Unload();
    EXPECT_EQ(GetObjectType(font), 0u);
    Command(IDM_MNUTTS);
    Command(IDM_MNUEXIT);
    // In load order, the tray window first.
    EXPECT_EQ(log, (Log{"load b", "load a", "unload b", "load b", "unload main", "unload a", "unload b"}));
    MSG msg;
    EXPECT_TRUE(forms.Loaded().empty() && PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(ShellWindow, ARefusedTrayIconIsAddedAgainOnATimerAndWhenTheTaskbarAppears) {
    TestMain late{forms, prompts, launcher, help, u"C:\\apps\\wrenfold.exe", u"command.com /c "};
    late.addFailures = 1000;
    ASSERT_TRUE(late.Create());
    const auto tick = [&](int n) {
        for (int i = 0; i < n; ++i) SendMessageW(late.hwnd(), WM_TIMER, TestMain::kTrayRetryTimer, 0);
    };
    tick(TestMain::kTrayRetries + 10);
    EXPECT_EQ(late.adds, 1 + TestMain::kTrayRetries) << "gives up after two minutes";
    late.addFailures = late.adds + 3;  // refused three more times, then added
    SendMessageW(late.hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    tick(10);
    EXPECT_EQ(late.adds, 1 + TestMain::kTrayRetries + 4) << "added again, then left alone";
    EXPECT_EQ(main.adds, 1);
}

// A second start's command line, sent the way that start sends it.
LRESULT HandOver(HWND to, const std::u16string& line, uintptr_t tag = kHandOverTag) {
    COPYDATASTRUCT copy{tag, static_cast<DWORD>(line.size() * 2 + 2), const_cast<char16_t*>(line.c_str())};
    const LRESULT accepted = SendMessageW(to, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy));
    test::PumpMessages();
    return accepted;
}

TEST_F(ShellWindow, AHandedOverPictureOpensTheGeneratorOrFillsTheOpenOne) {
    test::FakeCommonDialogs dialogs;
    win::Win32EventPump pump(forms);
    win::Win32OutputFiles files;
    win::Win32ClockLocale clock;
    main.RegisterHandOver([&](win::Forms& f, const std::u16string& line) {
        GeneratorForHandOver(f, line, [&](const std::u16string& l) {
            f.Open<frmASCII>("frmASCII", prompts, dialogs, pump, files, clock, l);
        });
    });
    const auto inputBox = [&] {
        auto* g = forms.Find("frmASCII");
        return g ? test::WindowText(GetDlgItem(g->hwnd(), IDC_TXTINFILE)) : u"(closed)";
    };
    // Another tag is refused; an empty line is taken, and nothing shows.
    EXPECT_EQ(std::pair(HandOver(main.hwnd(), u"wrenfold.exe C:\\b.gif", kHandOverTag + 1), HandOver(main.hwnd(), u"")),
              std::pair(LRESULT{FALSE}, LRESULT{TRUE}));
    EXPECT_EQ(inputBox(), u"(closed)");
    // Opens with the picture; open already, the window takes the next one, and a line without one leaves it be.
    HandOver(main.hwnd(), u"\"C:\\w f\\wrenfold.exe\" \"C:\\my pics\\no.gif\"");
    ASSERT_EQ(inputBox(), u"C:\\my pics\\no.gif");
    HandOver(main.hwnd(), u"wrenfold.exe C:\\b.gif");
    HandOver(main.hwnd(), u"wrenfold.exe");
    EXPECT_EQ(std::pair(inputBox(), prompts.messages.size()), std::pair(std::u16string(u"C:\\b.gif"), size_t{0}));
    forms.Find("frmASCII")->Unload();
}

// A program that starts is the explorer's test; one in a missing folder is "File not found" too.
TEST(RealLauncher, AProgramInAMissingFolderIsError53) {
    win::Win32Launcher launcher;
    EXPECT_EQ(test::Thrown([&] { launcher.Start(u"c:\\no such\\nothing-here.exe", 1); }).number(), 53);
}

}  // namespace
}  // namespace wf
