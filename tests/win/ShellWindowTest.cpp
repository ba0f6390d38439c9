// frmMain as a real (headless) window: its menu from resources, the tray
// callback, the menu handlers and Exit.
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

struct RecordingHelp : Help {
    std::u16string file;
    bool DisplayTopic(uintptr_t, std::u16string_view f, std::u16string_view) override { return file = f, false; }
};

// frmMain with the popup replaced by a counter (a real popup would block) and
// a shell that refuses the first `addFailures` adds of the icon.
class TestMain : public frmMain {
public:
    using frmMain::frmMain;
    using frmMain::kTrayRetries;
    using frmMain::kTrayRetryTimer;
    int popups = 0, adds = 0, addFailures = 0;
    std::vector<std::string>* unloads = nullptr;

protected:
    void ShowPopupMenu() override { ++popups; }
    bool NotifyIcon(DWORD message) override { return message != NIM_ADD || ++adds > addFailures; }
    void Form_Unload() override {
        if (unloads) unloads->push_back("main");
        frmMain::Form_Unload();
    }
};

class TestTool : public win::DialogForm {
public:
    TestTool(win::Forms& forms, int& loads, std::vector<std::string>* unloads = nullptr, std::string name = "")
        : DialogForm(forms, IDD_TESTWINDOW), loads_(loads), unloads_(unloads), name_(std::move(name)) {}

protected:
    void Form_Load() override { ++loads_; }
    void Form_Unload() override {
        if (unloads_) unloads_->push_back(name_);
    }
    bool OnCommand(int id, int) override {
        if (id == IDOK || id == IDCANCEL) Unload();
        return true;
    }

private:
    int& loads_;
    std::vector<std::string>* unloads_;
    std::string name_;
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

struct Item {
    std::u16string caption;  // "-" for a separator
    UINT id;
    std::vector<Item> sub;
};

std::vector<Item> ReadMenu(HMENU menu) {
    std::vector<Item> items;
    for (int i = 0, n = GetMenuItemCount(menu); i < n; ++i) {
        wchar_t text[256] = L"";
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU | MIIM_STATE;
        mii.dwTypeData = text;
        mii.cch = 256;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &mii);
        if (!(mii.fType & MFT_SEPARATOR)) {
            EXPECT_EQ(mii.fState & (MFS_GRAYED | MFS_CHECKED), 0u) << i;
        }
        Item it{(mii.fType & MFT_SEPARATOR) ? u"-" : std::u16string(reinterpret_cast<char16_t*>(text)), mii.wID, {}};
        if (mii.hSubMenu) it.sub = ReadMenu(mii.hSubMenu);
        items.push_back(std::move(it));
    }
    return items;
}

TEST_F(ShellWindow, StartsHiddenWithItsLabelsAndTrayRecord) {
    EXPECT_FALSE(IsWindowVisible(main.hwnd()));
    EXPECT_EQ(std::make_tuple(test::WindowText(main.hwnd()), test::WindowText(GetDlgItem(main.hwnd(), IDC_LBLBASE)),
                       test::WindowText(GetDlgItem(main.hwnd(), IDC_LBLHEY))),
              std::make_tuple(u"Wrenfold Main Window", u"\"ALL YOUR BASE ARE BELONG TO US!\"",
                              u"Hey, why are you looking at this window? It's really not that interesting... Now, "
                              u"hide it and do something useful!"));
    const NOTIFYICONDATAA& t = main.TrayIcon();
    EXPECT_EQ(std::tie(t.cbSize, t.hWnd, t.uID, t.uFlags, t.uCallbackMessage),
              std::make_tuple(DWORD{NOTIFYICONDATAA_V1_SIZE}, main.hwnd(), 1u, 7u, 512u));
    EXPECT_NE(t.hIcon, nullptr);
    EXPECT_EQ(std::string(t.szTip, 64), std::string("Pellmoor Wrenfold") + '\0' + std::string(46, ' '));
    EXPECT_EQ(main.HelpFile(), u"C:\\apps\\Wrenfold.chm");
}

TEST_F(ShellWindow, MenuTreeAsBuiltFromResources) {
    const std::vector<Item> top = ReadMenu(main.PopupMenu());
    std::vector<std::u16string> captions;
    for (const Item& i : top) captions.push_back(i.caption);
    const std::vector<std::u16string> expectedTop = {
        u"Version 2.2.0 (Built on December 16, 2004)", u"-", top[2].caption,
        u"For updates and more programs, go to:", top[4].caption, u"-", u"&Run a Program...", u"-", u"&Tools",
        u"&Run", u"&Help", u"-", u"&Exit"};
    EXPECT_EQ(captions, expectedTop);
    EXPECT_EQ(top[2].caption.rfind(u"Wrenfold 2", 0), 0u);
    EXPECT_EQ(top[4].caption.rfind(std::u16string(12, u' '), 0), 0u);
    EXPECT_GT(top[4].caption.size(), 12u);
    EXPECT_NE(top[4].caption[12], u' ');
    // mnuAbout1 is a control array: consecutive ids by index.
    EXPECT_EQ(top[2].id, static_cast<UINT>(IDM_MNUABOUT1_BASE));
    EXPECT_EQ(top[3].id, static_cast<UINT>(IDM_MNUABOUT1_BASE + 1));
    EXPECT_EQ(top[4].id, static_cast<UINT>(IDM_MNUABOUT1_BASE + 2));

    const Item& tools = top[8];
    ASSERT_EQ(tools.sub.size(), 17u);
    EXPECT_EQ(tools.sub[0].caption, u"&New Tools");
    ASSERT_EQ(tools.sub[0].sub.size(), 1u);
    EXPECT_EQ(tools.sub[0].sub[0].caption, u"&MD5 Hashing...");
    const char16_t* toolCaptions[] = {u"-", u"&Get User Info...", u"Host to IP lookup...", u"IP to Host lookup...",
                                      u"&Network Computer List...", u"&Send a Message...", u"-",
                                      u"&ASCII Picture Generator...", u"Coder / &Decoder...", u"&Files in Folder...",
                                      u"&Hard Drive Explorer...", u"&Number Converter...", u"&SendKeys Tool...",
                                      u"&Text-to-speech...", u"&Window Hide / Show...", u"Simple Te&rminal..."};
    for (size_t i = 0; i < 16; ++i) EXPECT_EQ(tools.sub[i + 1].caption, toolCaptions[i]) << i;

    const Item& run = top[9];
    const char16_t* runCaptions[] = {u"Microsoft &Word", u"Microsoft &Excel", u"&Internet Explorer", nullptr,
                                     u"Windows &Explorer", u"&Corin's Folder", u"-", u"&Start other Program...",
                                     u"O&pen a Folder...", u"&Run DOS Program..."};
    ASSERT_EQ(run.sub.size(), 10u);
    for (size_t i = 0; i < 10; ++i) {
        if (runCaptions[i]) {
            EXPECT_EQ(run.sub[i].caption, runCaptions[i]) << i;
        }
    }
    EXPECT_EQ(run.sub[3].caption[0], u'&');  // access key on the first letter
    for (UINT i = 0; i < 6; ++i) EXPECT_EQ(run.sub[i].id, IDM_MNUSTARTPROG_BASE + i);

    const Item& help = top[10];
    ASSERT_EQ(help.sub.size(), 2u);
    EXPECT_EQ(help.sub[0].caption, u"&Help Contents...");
    EXPECT_EQ(help.sub[1].caption, u"&About");
}

TEST_F(ShellWindow, TrayCallbackOpensTheMenuOnReleasedButtonsOnly) {
    for (LPARAM m = WM_MOUSEMOVE; m <= WM_MBUTTONDBLCLK; ++m) {
        const int before = main.popups;
        SendMessageW(main.hwnd(), WM_MOUSEMOVE, 1, m);
        EXPECT_EQ(main.popups - before, m == WM_LBUTTONUP || m == WM_RBUTTONUP) << m;
    }
}

// The menu's commands reach their handlers (whose rules the host tests cover);
// an entry whose window is not built yet does nothing.
TEST_F(ShellWindow, MenuCommandsReachTheirHandlers) {
    launcher.failures = 1;
    prompts.answers = {answer::Retry, answer::Ok};
    prompts.inputs = {u"c:\\temp", u"DIR C:"};
    Command(IDM_MNUSTARTPROG_BASE + 2);
    Command(IDM_MNUFOLDER);
    Command(IDM_MNUDOSPROG);
    Command(IDM_MNUHELPCONTENTS);
    Command(IDM_MNUTTS);
    std::vector<std::u16string> started;
    for (const auto& a : launcher.attempts) started.push_back(a.commandLine);
    EXPECT_EQ(started, (std::vector<std::u16string>{u"c:\\program files\\internet explorer\\iexplore.exe",
                                                    u"c:\\program files\\internet explorer\\iexplore.exe",
                                                    u"explorer.exe c:\\temp", u"command.com /c DIR C:"}));
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0].title, u"Start Program error");
    EXPECT_EQ(prompts.messages[1].text, u"Unable to display help!");
    EXPECT_EQ(help.file, u"C:\\apps\\Wrenfold.chm");
    EXPECT_EQ(forms.Loaded().size(), 1u);
}

TEST_F(ShellWindow, ToolWindowOpensOnceAndAfreshAfterClosing) {
    int loads = 0;
    main.RegisterTool(IDM_MNUMD5HASH, [&](win::Forms& f) { f.Open<TestTool>("test", loads); });
    Command(IDM_MNUMD5HASH);
    Command(IDM_MNUMD5HASH);
    EXPECT_EQ(loads, 1);
    ASSERT_EQ(forms.Loaded().size(), 2u);
    HWND tool = forms.Loaded()[1]->hwnd();
    EXPECT_TRUE(IsWindowVisible(tool) && GetParent(tool) == nullptr);
    SendMessageW(tool, WM_COMMAND, IDOK, 0);  // its own Exit
    EXPECT_TRUE(!IsWindow(tool) && forms.Loaded().size() == 1u);
    Command(IDM_MNUMD5HASH);
    EXPECT_EQ(loads, 2);
}

// The dialog manager makes a font for each window from its template; a window
// that goes must give it back, or each open and close keeps one.
TEST_F(ShellWindow, AClosedToolWindowGivesBackItsTemplateFont) {
    int loads = 0;
    main.RegisterTool(IDM_MNUMD5HASH, [&](win::Forms& f) { f.Open<TestTool>("test", loads); });
    Command(IDM_MNUMD5HASH);
    ASSERT_EQ(forms.Loaded().size(), 2u);
    HWND tool = forms.Loaded()[1]->hwnd();
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(tool, WM_GETFONT, 0, 0));
    ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    SendMessageW(tool, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(tool));
    EXPECT_EQ(GetObjectType(font), 0u);
}

TEST_F(ShellWindow, ExitUnloadsEveryWindowInOrderAndQuits) {
    int loads = 0;
    std::vector<std::string> unloads;
    main.unloads = &unloads;
    main.RegisterTool(IDM_MNUQUILLET, [&](win::Forms& f) { f.Open<TestTool>("a", loads, &unloads, "a"); });
    main.RegisterTool(IDM_MNUTTS, [&](win::Forms& f) { f.Open<TestTool>("b", loads, &unloads, "b"); });
    Command(IDM_MNUTTS);
    Command(IDM_MNUQUILLET);
    std::vector<HWND> windows;
    for (auto* f : forms.Loaded()) windows.push_back(f->hwnd());
    ASSERT_EQ(windows.size(), 3u);
    Command(IDM_MNUEXIT);
    EXPECT_EQ(unloads, (std::vector<std::string>{"main", "b", "a"}));  // load order, the tray window first
    for (HWND h : windows) EXPECT_FALSE(IsWindow(h));
    EXPECT_TRUE(forms.Loaded().empty());
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST_F(ShellWindow, ARefusedTrayIconIsAddedAgainOnATimerAndWhenTheTaskbarAppears) {
    const auto tick = [&](TestMain& m, int n) {
        for (int i = 0; i < n; ++i) SendMessageW(m.hwnd(), WM_TIMER, TestMain::kTrayRetryTimer, 0);
    };
    TestMain late{forms, prompts, launcher, help, u"C:\\apps\\wrenfold.exe", u"command.com /c "};
    late.addFailures = 3;
    ASSERT_TRUE(late.Create());
    tick(late, 10);
    EXPECT_EQ(late.adds, 4);  // refused three times, then added, then left alone
    TestMain never{forms, prompts, launcher, help, u"C:\\apps\\wrenfold.exe", u"command.com /c "};
    never.addFailures = 1000;
    ASSERT_TRUE(never.Create());
    tick(never, TestMain::kTrayRetries + 10);
    EXPECT_EQ(never.adds, 1 + TestMain::kTrayRetries);  // gives up after two minutes
    SendMessageW(never.hwnd(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
    EXPECT_EQ(never.adds, 2 + TestMain::kTrayRetries);
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
    EXPECT_EQ(test::WindowText(main.hwnd()), reinterpret_cast<const char16_t*>(frmMain::kCaption));
    EXPECT_EQ(SendMessageW(main.hwnd(), RegisterWindowMessageW(L"Pellmoor.Wrenfold.HandOverQuery"), 0, 0),
              kHandOverAnswer);
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

TEST(RealLauncher, StartsAProgramThatExistsAndAMissingOneIsError53) {
    win::Win32Launcher launcher;
    for (auto [line, number] : {std::pair{u"cmd.exe /c exit 0", -1}, std::pair{u"c:\\no such\\nothing-here.exe", 53}})
        EXPECT_EQ(test::Thrown([&, l = line] { launcher.Start(l, 1); }).number(), number) << ToUtf8(line);  // -1: started
}

}  // namespace
}  // namespace wf
