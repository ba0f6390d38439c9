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
#include "platform/win32/WideText.h"

namespace wf {
namespace {

// Types `typed` into the file dialog and presses `button`, noting what it was handed.
struct FileDialogDriver {
    std::u16string typed;
    int button;
    std::u16string title, initialText, boxText;  // the dialog's title and name box when it opened; a message box's text
    int seen = 0;
    void operator()(HWND dlg) {
        if (auto text = test::MessageBoxText(dlg); !text.empty()) boxText = text;
        if (++seen > 3) return test::PressButton(dlg, IDCANCEL);  // something keeps asking: end it rather than hang
        HWND edit = GetDlgItem(dlg, edt1) ? GetDlgItem(dlg, edt1) : GetDlgItem(dlg, cmb13);
        if (seen == 1) title = test::WindowText(dlg), initialText = test::WindowText(edit);
        if (!typed.empty()) SetWindowTextW(edit, win::W(typed));
        test::PressButton(dlg, button);
    }
};

std::u16string Lower(std::u16string s) {
    CharLowerBuffW(reinterpret_cast<wchar_t*>(s.data()), static_cast<DWORD>(s.size()));
    return s;
}

TEST(FileDialog, CancelExistingMissingDefaultExtensionAndTooLongName) {
    wchar_t dir[MAX_PATH];
    GetWindowsDirectoryW(dir, MAX_PATH);
    const std::u16string win = win::U(dir), programs(u"Programs\0*.exe;*.com;*.bat", 26), htm(u"HTM files\0*.htm", 15);
    const struct { std::u16string typed; int button; int16_t openFlag; std::u16string title, initialFile, filter,
                   defaultExt, result; } cases[] = {
        {u"", IDCANCEL, 1, u"Choose file...", u"", programs, u"exe", u""},
        {win + u"\\notepad.exe", IDOK, 1, u"Choose file...", u"", programs, u"exe", win + u"\\notepad.exe"},
        {win + u"\\no-such-program.exe", IDOK, 1, u"Choose file...", u"", programs, u"exe", u""},  // refused
        // Wine's classic open dialog checks existence before adding the default
        // extension, so the extension rule is exercised where it applies alike.
        {win + u"\\temp\\wf-new-page", IDOK, 0, u"Where to save ASCII Picture?", u"", htm, u"htm",
         win + u"\\temp\\wf-new-page.htm"},
        {u"", IDCANCEL, 1, u"Choose input picture...", std::u16string(400, u'x') + u".jpg",
         std::u16string(u"Any\0*.*", 7), u"jpg", u""}};
    win::Win32CommonDialogs dialogs;
    for (const auto& c : cases) {
        FileDialogDriver driver{c.typed, c.button, {}, {}, {}};
        test::DialogAnswerer answerer(std::ref(driver));
        EXPECT_EQ(Lower(dialogs.ShowOpenSaveDialog(0, c.openFlag, c.title, c.initialFile, c.filter, u"", c.defaultExt)),
                  Lower(c.result));
        // The name box shortened, not overrun.
        EXPECT_EQ(driver.title + u"|" + driver.initialText, c.title + u"|" + c.initialFile.substr(0, kFileBufferChars - 1));
        // Only the missing file is refused, by the dialog's own message box; the user then cancels.
        const bool refused = c.button == IDOK && c.result.empty();
        EXPECT_EQ(driver.boxText.empty(), !refused);
        if (!refused) { EXPECT_EQ(driver.seen, 1); }  // nothing kept asking
    }
}

TEST(ColourDialog, CancelLeavesTheControlAndOkSetsIt) {
    win::Win32CommonDialogs dialogs;
    HWND button = CreateWindowExW(0, L"Button", L"Colour", WS_POPUP | BS_PUSHBUTTON, 0, 0, 80, 24, nullptr,
                                  nullptr, nullptr, nullptr);
    win::ColourSwatch swatch;
    swatch.Attach(button, 0xFFFFFF);
    // A fresh dialog starts on black: OK chooses it.
    for (auto [id, chosen, colour] : {std::tuple{IDCANCEL, false, 0xFFFFFFu}, std::tuple{IDOK, true, 0u}}) {
        test::DialogAnswerer answerer([id = id](HWND dlg) { test::PressButton(dlg, id); });
        EXPECT_EQ(dialogs.ShowColorDialog(0, swatch), chosen);
        EXPECT_EQ(answerer.seen, 1);
        EXPECT_EQ(swatch.BackColor(), colour);
    }
    DestroyWindow(button);
}

// Values written under a key of the test's own, removed afterwards.
struct RegistryFixture : ::testing::Test {
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Wrenfold Test"); }
    void Put(const wchar_t* name, DWORD type, const void* data, DWORD size) {
        ASSERT_EQ(RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wrenfold Test\\GetKeyValue", name, type, data, size),
                  ERROR_SUCCESS);
    }
};

TEST_F(RegistryFixture, ReadsTheRealRegistry) {
    Put(L"withNul", REG_SZ, L"C:\\Tools\\msinfo32.exe", sizeof(L"C:\\Tools\\msinfo32.exe"));
    Put(L"noNul", REG_SZ, L"abc", 3 * sizeof(wchar_t));
    Put(L"dword", REG_DWORD, "\xc0\x1d\xfe\xff", 4);  // -123456
    Put(L"bin", REG_BINARY, "\x01\x02\x03", 3);
    const std::u16string ours = u"Software\\Wrenfold Test\\GetKeyValue";
    const std::tuple<std::u16string, std::u16string, bool, std::u16string> cases[] = {  // key, name, read, value after
        {ours, u"withNul", true, u"C:\\Tools\\msinfo32.exe"}, {ours, u"noNul", true, u"abc"},
        {ours, u"dword", true, u"-123456"}, {ours, u"bin", true, u"kept"}, {ours, u"missing", false, u""},
        {u"Software\\Wrenfold Test\\No Such Key", u"a", false, u""}};
    win::Win32Registry reg;
    for (const auto& [keyName, name, read, after] : cases) {
        std::u16string v = u"kept";
        EXPECT_EQ(GetKeyValue(reg, kHKeyCurrentUser, keyName, name, v), read);
        EXPECT_EQ(v, after);
    }
}

struct AboutFixture : ::testing::Test {
    win::Forms forms;
    win::Win32Registry registry;
    test::FakeLauncher launcher;
    test::FakePrompts prompts;
    HWND Open() { return forms.Open<frmAbout>("frmAbout", registry, launcher, prompts).hwnd(); }
};

TEST_F(AboutFixture, CaptionsAfterLoad) {
    HWND h = Open();
    // The picture control's text is its resource number, IDB_ABOUT (1501).
    EXPECT_EQ(test::AllTexts(h), u"About Wrenfold|\uFFFF\u05DD|Wrenfold|Version 2.2.0|This program is a directory "
                                 u"program, containing most of the tools that you will ever need!||www.pellmoor.example|"
                                 u"OK|&System Info...");
    EXPECT_NE(SendDlgItemMessageW(h, IDC_IMAGE1, STM_GETIMAGE, IMAGE_BITMAP, 0), 0);
}

// Each open makes a picture and a font for the window; closing gives both back.
TEST_F(AboutFixture, ClosingGivesBackItsPictureAndLinkFont) {
    HWND h = Open();
    const auto picture = reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(h, IDC_IMAGE1, STM_GETIMAGE, IMAGE_BITMAP, 0));
    const auto font = reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(h, IDC_LABEL1, WM_GETFONT, 0, 0));
    ASSERT_EQ(GetObjectType(picture), static_cast<DWORD>(OBJ_BITMAP));
    ASSERT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
    SendMessageW(h, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(h));
    EXPECT_EQ(GetObjectType(picture), 0u);
    EXPECT_EQ(GetObjectType(font), 0u);
}

TEST_F(AboutFixture, OpenedTwiceIsOneWindowThatEnterAndEscClose) {
    for (WPARAM vk : {VK_RETURN, VK_ESCAPE}) {
        HWND h = Open();
        EXPECT_EQ(Open(), h);
        EXPECT_EQ(forms.Loaded().size(), 1u);
        test::PressKey(forms, GetDlgItem(h, IDOK), vk);  // typed into the focused button
        EXPECT_TRUE(!IsWindow(h) && forms.Loaded().empty()) << vk;
    }
}

}  // namespace
}  // namespace wf
