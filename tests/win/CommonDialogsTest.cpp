// The real file and colour dialogs, the registry and frmAbout under Wine.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include "common/modCommDlgs.h"
#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/ColourSwatch.h"
#include "platform/win32/Win32CommonDialogs.h"
#include "platform/win32/Win32Registry.h"
#include "shell/SysInfo.h"
#include "shell/frmAbout.h"
#include "shell/frmAboutIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

const std::u16string kProgramsFilter(u"Programs\0*.exe;*.com;*.bat", 26);

// Types `name` into the file dialog and presses the button.
struct FileDialogDriver {
    std::u16string name;
    int button;
    std::u16string initialText;  // what the name box held when the dialog opened
    std::u16string title;
    std::vector<std::u16string> seen;
    void operator()(HWND dlg) {
        seen.push_back(test::WindowText(dlg) + u" | " + test::MessageBoxText(dlg));
        if (seen.size() > 3) {  // something keeps asking: end it rather than hang
            test::PressButton(dlg, IDCANCEL);
            return;
        }
        title = test::WindowText(dlg);
        HWND edit = GetDlgItem(dlg, edt1);
        if (!edit) edit = GetDlgItem(dlg, cmb13);
        initialText = test::WindowText(edit);
        if (!name.empty()) SetWindowTextW(edit, reinterpret_cast<const wchar_t*>(name.c_str()));
        test::PressButton(dlg, button);
    }
};

std::u16string WindowsDir() {
    wchar_t dir[MAX_PATH];
    GetWindowsDirectoryW(dir, MAX_PATH);
    return std::u16string(reinterpret_cast<char16_t*>(dir));
}

TEST(FileDialog, CancelGivesEmptyText) {
    win::Win32CommonDialogs dialogs;
    FileDialogDriver driver{u"", IDCANCEL, {}, {}, {}};
    test::DialogAnswerer answerer(std::ref(driver));
    EXPECT_EQ(dialogs.ShowOpenSaveDialog(0, 1, u"Choose file...", u"", kProgramsFilter, u"", u"exe"), u"");
    EXPECT_EQ(answerer.seen, 1);
    EXPECT_EQ(driver.title, u"Choose file...");
    test::DialogAnswerer saving(std::ref(driver));
    EXPECT_EQ(dialogs.ShowOpenSaveDialog(0, 0, u"Where?", u"x.htm", u"HTM files\0*.htm", u"", u"htm"), u"");
}

std::u16string Lower(std::u16string s) {
    for (auto& c : s) c = static_cast<char16_t>(towlower(c));
    return s;
}

TEST(FileDialog, OpenTakesAnExistingFileAndRefusesAMissingOne) {
    win::Win32CommonDialogs dialogs;
    FileDialogDriver found{WindowsDir() + u"\\notepad.exe", IDOK, {}, {}, {}};
    test::DialogAnswerer answerer(std::ref(found));
    EXPECT_EQ(Lower(dialogs.ShowOpenSaveDialog(0, 1, u"Choose file...", u"", kProgramsFilter, u"", u"exe")),
              Lower(WindowsDir() + u"\\notepad.exe"));
    EXPECT_EQ(found.seen.size(), 1u);

    // The dialog itself says the file does not exist; the user then cancels.
    FileDialogDriver missing{WindowsDir() + u"\\no-such-program.exe", IDOK, {}, {}, {}};
    test::DialogAnswerer refusing(std::ref(missing));
    EXPECT_EQ(dialogs.ShowOpenSaveDialog(0, 1, u"Choose file...", u"", kProgramsFilter, u"", u"exe"), u"");
    ASSERT_GE(missing.seen.size(), 2u);
    EXPECT_NE(missing.seen[1].find(u"|"), std::u16string::npos);
    EXPECT_GT(missing.seen[1].size(), 3u);  // a message box with a text
}

// Wine's classic open dialog checks existence before adding the default
// extension, so the extension rule is exercised where it applies alike.
TEST(FileDialog, TypedNameWithoutExtensionGetsTheDefault) {
    win::Win32CommonDialogs dialogs;
    const std::u16string target = WindowsDir() + u"\\temp\\wf-new-page";
    FileDialogDriver driver{target, IDOK, {}, {}, {}};
    test::DialogAnswerer answerer(std::ref(driver));
    EXPECT_EQ(dialogs.ShowOpenSaveDialog(0, 0, u"Where to save ASCII Picture?", u"", u"HTM files\0*.htm", u"", u"htm"),
              target + u".htm");
}

TEST(FileDialog, TooLongInitialNameIsShortenedNotOverrun) {
    win::Win32CommonDialogs dialogs;
    FileDialogDriver driver{u"", IDCANCEL, {}, {}, {}};
    test::DialogAnswerer answerer(std::ref(driver));
    const std::u16string longName = std::u16string(400, u'x') + u".jpg";
    EXPECT_EQ(dialogs.ShowOpenSaveDialog(0, 1, u"Choose input picture...", longName, u"Any\0*.*", u"", u"jpg"), u"");
    EXPECT_EQ(answerer.seen, 1);
    EXPECT_EQ(driver.initialText, longName.substr(0, kFileBufferChars - 1));
}

TEST(ColourDialog, OkSetsTheControlAndCancelLeavesIt) {
    win::Win32CommonDialogs dialogs;
    HWND button = CreateWindowExW(0, L"Button", L"Colour", WS_POPUP | BS_PUSHBUTTON, 0, 0, 80, 24, nullptr,
                                  nullptr, nullptr, nullptr);
    win::ColourSwatch swatch;
    swatch.Attach(button, 0xFFFFFF);
    {
        test::DialogAnswerer cancel([](HWND dlg) { test::PressButton(dlg, IDCANCEL); });
        EXPECT_FALSE(dialogs.ShowColorDialog(0, swatch));
        EXPECT_EQ(cancel.seen, 1);
        EXPECT_EQ(swatch.BackColor(), 0xFFFFFFu);
    }
    {
        // A fresh dialog starts on black: OK chooses it.
        test::DialogAnswerer ok([](HWND dlg) { test::PressButton(dlg, IDOK); });
        EXPECT_TRUE(dialogs.ShowColorDialog(0, swatch));
        EXPECT_EQ(swatch.BackColor(), 0u);
    }
    DestroyWindow(button);
}

// Values written and removed under a key of the test's own.
struct RegistryFixture : ::testing::Test {
    static constexpr const wchar_t* kKey = L"Software\\Wrenfold Test\\GetKeyValue";
    HKEY key = nullptr;
    void SetUp() override { ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr), ERROR_SUCCESS); }
    void TearDown() override {
        RegCloseKey(key);
        RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Wrenfold Test");
    }
    void Put(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetValueExW(key, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
    }
    bool Get(const char16_t* name, std::u16string& value) {
        win::Win32Registry reg;
        return GetKeyValue(reg, kHKeyCurrentUser, u"Software\\Wrenfold Test\\GetKeyValue", name, value);
    }
};

TEST_F(RegistryFixture, ReadsTheRealRegistry) {
    Put(L"withNul", REG_SZ, L"C:\\Tools\\msinfo32.exe", sizeof(L"C:\\Tools\\msinfo32.exe"));
    Put(L"noNul", REG_SZ, L"abc", 3 * sizeof(wchar_t));
    const int32_t minus = -123456;
    Put(L"dword", REG_DWORD, &minus, 4);
    Put(L"bin", REG_BINARY, "\x01\x02\x03", 3);
    std::u16string v;
    EXPECT_TRUE(Get(u"withNul", v));
    EXPECT_EQ(v, u"C:\\Tools\\msinfo32.exe");
    EXPECT_TRUE(Get(u"noNul", v));
    EXPECT_EQ(v, u"abc");
    EXPECT_TRUE(Get(u"dword", v));
    EXPECT_EQ(v, u"-123456");
    v = u"kept";
    EXPECT_TRUE(Get(u"bin", v));
    EXPECT_EQ(v, u"kept");
    EXPECT_FALSE(Get(u"missing", v));
    EXPECT_EQ(v, u"");
    win::Win32Registry reg;
    v = u"x";
    EXPECT_FALSE(GetKeyValue(reg, kHKeyCurrentUser, u"Software\\Wrenfold Test\\No Such Key", u"a", v));
    EXPECT_EQ(v, u"");
}

struct AboutFixture : ::testing::Test {
    win::Forms forms;
    win::Win32Registry registry;
    test::FakeLauncher launcher;
    test::FakePrompts prompts;
    frmAbout& Open() { return forms.Open<frmAbout>("frmAbout", registry, launcher, prompts); }
    // A key as the dialog manager sees it, typed into the focused control.
    void Key(HWND dlg, WPARAM vk) {
        MSG msg{GetFocus() ? GetFocus() : dlg, WM_KEYDOWN, vk, 0, 0, {0, 0}};
        if (!forms.RouteDialogMessage(msg)) DispatchMessageW(&msg);
        test::PumpMessages();
    }
};

TEST_F(AboutFixture, CaptionsAfterLoad) {
    HWND h = Open().hwnd();
    EXPECT_EQ(test::WindowText(h), u"About Wrenfold");
    EXPECT_EQ(test::WindowText(GetDlgItem(h, IDC_LBLTITLE)), u"Wrenfold");
    EXPECT_EQ(test::WindowText(GetDlgItem(h, IDC_LBLVERSION)), u"Version 2.2.0");
    EXPECT_EQ(test::WindowText(GetDlgItem(h, IDC_LBLDESCRIPTION)),
              u"This program is a directory program, containing most of the tools that you will ever need!");
    EXPECT_EQ(test::WindowText(GetDlgItem(h, IDOK)), u"OK");
    EXPECT_EQ(test::WindowText(GetDlgItem(h, IDC_CMDSYSINFO)), u"&System Info...");
    EXPECT_NE(SendDlgItemMessageW(h, IDC_IMAGE1, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
    EXPECT_EQ(GetWindowLongW(GetDlgItem(h, IDC_LINE1), GWL_STYLE) & SS_TYPEMASK, SS_ETCHEDHORZ);
}

TEST_F(AboutFixture, EnterAndEscCloseIt) {
    for (WPARAM vk : {VK_RETURN, VK_ESCAPE}) {
        HWND h = Open().hwnd();
        SetFocus(GetDlgItem(h, IDOK));
        Key(h, vk);
        EXPECT_FALSE(IsWindow(h)) << vk;
        EXPECT_TRUE(forms.Loaded().empty());
    }
}

TEST_F(AboutFixture, OpeningTwiceGivesOneWindow) {
    HWND first = Open().hwnd();
    HWND second = Open().hwnd();
    EXPECT_EQ(first, second);
    EXPECT_EQ(forms.Loaded().size(), 1u);
}

}  // namespace
}  // namespace wf
