// frmMain as a real (headless) window: its menu from resources, the tray
// callback, the menu handlers and Exit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Win32Launcher.h"
#include "shell/frmMain.h"
#include "shell/frmMainIds.h"
#include "win/TestWindowIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

class RecordingHelp : public Help {
public:
    bool result = false;
    std::u16string file, topic;
    bool DisplayTopic(uintptr_t, std::u16string_view f, std::u16string_view t) override {
        file = f;
        topic = t;
        return result;
    }
};

// frmMain with the popup replaced by a counter: a real popup would block.
class TestMain : public frmMain {
public:
    using frmMain::frmMain;
    int popups = 0;

protected:
    void ShowPopupMenu() override { ++popups; }
};

class TestTool : public win::DialogForm {
public:
    TestTool(win::Forms& forms, int& loads) : DialogForm(forms, IDD_TESTWINDOW), loads_(loads) {}

protected:
    void Form_Load() override { ++loads_; }
    bool OnCommand(int id, int) override {
        if (id == IDOK || id == IDCANCEL) Unload();
        return true;
    }

private:
    int& loads_;
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
    EXPECT_EQ(test::WindowText(main.hwnd()), u"Wrenfold Main Window");
    EXPECT_EQ(test::WindowText(GetDlgItem(main.hwnd(), IDC_LBLBASE)), u"\"ALL YOUR BASE ARE BELONG TO US!\"");
    EXPECT_EQ(test::WindowText(GetDlgItem(main.hwnd(), IDC_LBLHEY)),
              u"Hey, why are you looking at this window? It's really not that interesting... Now, hide it and do "
              u"something useful!");
    const NOTIFYICONDATAA& t = main.TrayIcon();
    EXPECT_EQ(t.cbSize, NOTIFYICONDATAA_V1_SIZE);
    EXPECT_EQ(t.hWnd, main.hwnd());
    EXPECT_EQ(t.uID, 1u);
    EXPECT_EQ(t.uFlags, 7u);
    EXPECT_EQ(t.uCallbackMessage, 512u);
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
    for (LPARAM m : {0x200, 0x201, 0x203, 0x204, 0x206, 0x207, 0x208, 0x209}) {
        SendMessageW(main.hwnd(), WM_MOUSEMOVE, 1, m);
    }
    EXPECT_EQ(main.popups, 0);
    SendMessageW(main.hwnd(), WM_MOUSEMOVE, 1, WM_LBUTTONUP);
    SendMessageW(main.hwnd(), WM_MOUSEMOVE, 1, WM_RBUTTONUP);
    EXPECT_EQ(main.popups, 2);
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
    EXPECT_TRUE(IsWindowVisible(tool));
    EXPECT_EQ(GetParent(tool), nullptr);
    SendMessageW(tool, WM_COMMAND, IDOK, 0);  // its own Exit
    EXPECT_FALSE(IsWindow(tool));
    EXPECT_EQ(forms.Loaded().size(), 1u);
    Command(IDM_MNUMD5HASH);
    EXPECT_EQ(loads, 2);
}

TEST_F(ShellWindow, ExitUnloadsEveryWindowInOrderAndQuits) {
    int loads = 0;
    main.RegisterTool(IDM_MNUQUILLET, [&](win::Forms& f) { f.Open<TestTool>("a", loads); });
    main.RegisterTool(IDM_MNUTTS, [&](win::Forms& f) { f.Open<TestTool>("b", loads); });
    Command(IDM_MNUQUILLET);
    Command(IDM_MNUTTS);
    std::vector<HWND> windows;
    for (auto* f : forms.Loaded()) windows.push_back(f->hwnd());
    ASSERT_EQ(windows.size(), 3u);
    EXPECT_EQ(windows[0], main.hwnd());
    Command(IDM_MNUEXIT);
    for (HWND h : windows) EXPECT_FALSE(IsWindow(h));
    EXPECT_TRUE(forms.Loaded().empty());
    MSG msg;
    EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

TEST(RealLauncher, MissingProgramIsError53) {
    win::Win32Launcher launcher;
    try {
        launcher.Start(u"c:\\no such folder\\nothing-here.exe", 1);
        FAIL() << "started a program that does not exist";
    } catch (const CommandError& e) {
        EXPECT_EQ(e.number(), err::FileNotFound);
    }
}

TEST(RealLauncher, StartsAndReturnsAtOnce) {
    win::Win32Launcher launcher;
    EXPECT_NO_THROW(launcher.Start(u"cmd.exe /c exit 0", 1));
}

}  // namespace
}  // namespace wf
