// The real prompts, file and colour dialogs, the registry and frmAbout under
// Wine; what a box shows is read, and it is answered, from a CBT hook.
#include <windows.h>
#include <dlgs.h>

#include <gtest/gtest.h>

#include "common/ErrorReport.h"
#include "common/Text.h"
#include "common/modCommDlgs.h"
#include "fakes/FakeLauncher.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/ColourSwatch.h"
#include "platform/win32/Handle.h"
#include "platform/win32/InputBoxIds.h"
#include "platform/win32/WideText.h"
#include "platform/win32/Win32CommonDialogs.h"
#include "platform/win32/Win32Errors.h"
#include "platform/win32/Win32Prompts.h"
#include "platform/win32/Win32Registry.h"
#include "shell/SysInfo.h"
#include "shell/frmAbout.h"
#include "shell/frmAboutIds.h"
#include "win/TestWindowIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

// Each prompt shows what it is given, with the buttons asked for, and gives
// back what was pressed; while it is up no window of the program takes input,
// and afterwards every window it disabled is enabled again, one already
// disabled staying so. How an answer maps to a choice is the host tests'.
TEST(RealPrompts, ShowWhatTheyAreGivenAnswerAsPressedAndAreModalToAllTheThreadsWindows) {
    win::Win32Prompts prompts;
    const auto window = [] {
        return win::UniqueWindow(CreateWindowExW(0, L"STATIC", L"tool", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 50, 50,
                                                 nullptr, nullptr, nullptr, nullptr));
    };
    const win::UniqueWindow tool = window(), off = window();
    EnableWindow(off.get(), FALSE);
    const std::u16string typed = u"DIR C:\\ /w \u00e9t\u00e9";
    const auto number = [](int n) { return ToU16(std::to_string(n)); };
    const struct { int button; std::function<std::u16string()> prompt; std::u16string shown, result; } cases[] = {
        {IDRETRY, [&] { return number(int(ReportCommandError(prompts, CommandError(53, u"File not found"), u"Start Program"))); },
         u"Start Program error|An error occured while executing this command:\r\n\r\nFile not found (53)",
         number(int(ErrorChoice::Retry))},
        // A message box without a title shows the application's.
        {IDNO, [&] { return number(prompts.MsgBox(u"Question?", u"", mb::YesNo + mb::Question)); }, u"Wrenfold|Question?",
         number(answer::No)},
        {IDOK, [&] { return prompts.InputBox(u"Line one\r\nLine two", u"Run DOS prog", u"dflt"); },
         u"Run DOS prog|Line one\r\nLine two|dflt", typed},
        {IDCANCEL, [&] { return prompts.InputBox(u"prompt", u"", u""); }, u"Wrenfold|prompt|", u""}};
    for (const auto& c : cases) {
        std::u16string shown;
        bool enabledDuring = true;
        test::DialogAnswerer answerer([&](HWND box) {
            enabledDuring = IsWindowEnabled(tool.get()) || IsWindowEnabled(off.get());
            HWND edit = GetDlgItem(box, IDC_INPUT_TEXT);
            shown = test::WindowText(box) + u"|" +
                    (edit ? test::WindowText(GetDlgItem(box, IDC_INPUT_PROMPT)) + u"|" + test::WindowText(edit)
                          : test::MessageBoxText(box)) + (GetDlgItem(box, c.button) ? u"" : u" (no such button)");
            if (edit) SetWindowTextW(edit, win::W(typed));
            test::PressButton(box, c.button);
        });
        EXPECT_EQ(c.prompt(), c.result);
        EXPECT_EQ(shown, c.shown);
        EXPECT_TRUE(answerer.seen == 1 && !enabledDuring && IsWindowEnabled(tool.get()) && !IsWindowEnabled(off.get()))
            << c.button;
    }
}

TEST(Win32Errors, CodesWithoutARunTimeNumberKeepTheirIdentityInTheReport) {
    const struct { DWORD code; int32_t number; } cases[] = {
        {ERROR_FILE_NOT_FOUND, err::FileNotFound}, {ERROR_SHARING_VIOLATION, err::PermissionDenied},
        {ERROR_NOT_READY, -2147024875}, {ERROR_INVALID_HANDLE, -2147024890}};
    for (const auto& c : cases) {
        const CommandError e = win::ErrorFromWin32(c.code);
        EXPECT_EQ(e.number(), c.number) << c.code;
        EXPECT_TRUE(c.number > 0 || e.description() == win::SystemMessage(c.code)) << c.code;
        EXPECT_FALSE(e.description().empty() || e.description().ends_with(u"\n")) << c.code;
    }
}

// A handler's exception never unwinds into USER32: it is shown, and the
// window and the program carry on.
TEST(RealPrompts, AnExceptionThatEscapesAHandlerIsShownAndTheWindowLives) {
    struct Throwing : win::DialogForm {
        using DialogForm::DialogForm;
        bool OnCommand(int id, int) override {
            if (id == IDOK) throw CommandError(53, u"File not found");
            throw std::runtime_error("bad thing");
        }
    };
    win::Forms forms;
    auto& form = forms.Open<Throwing>("t", IDD_TESTWINDOW);
    for (auto [id, text] : {std::pair{IDOK, u"File not found (53)"}, std::pair{IDCANCEL, u"bad thing"}}) {
        std::u16string shown;
        test::DialogAnswerer answerer([&](HWND box) { shown = test::MessageBoxText(box), test::PressButton(box, IDOK); });
        SendMessageW(form.hwnd(), WM_COMMAND, id, 0);
        EXPECT_EQ(shown, text);
        EXPECT_TRUE(IsWindow(form.hwnd()));
    }
}

// Types `typed` into the file dialog and presses `button`, noting what it was handed.
struct FileDialogDriver {
    std::u16string typed;
    int button;
    std::u16string title = {}, initialText = {}, boxText = {};  // the dialog and its name box when it opened; a box's text
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
        // Past the name buffer: refused by a box of ours before Wine's dialog overruns its own.
        {win + u"\\temp\\" + std::u16string(300, u'y'), IDOK, 0, u"Where to save ASCII Picture?", u"", htm, u"htm", u""},
        {u"", IDCANCEL, 1, u"Choose input picture...", std::u16string(400, u'x') + u".jpg",
         std::u16string(u"Any\0*.*", 7), u"jpg", u""}};
    win::Win32CommonDialogs dialogs;
    for (const auto& c : cases) {
        FileDialogDriver driver{c.typed, c.button};
        test::DialogAnswerer answerer(std::ref(driver));
        std::u16string result = dialogs.ShowOpenSaveDialog(0, c.openFlag, c.title, c.initialFile, c.filter, u"", c.defaultExt);
        EXPECT_EQ(CompareStringOrdinal(win::W(result), -1, win::W(c.result), -1, TRUE), CSTR_EQUAL) << ToUtf8(result);
        // The name box shortened, not overrun.
        EXPECT_EQ(driver.title + u"|" + driver.initialText, c.title + u"|" + c.initialFile.substr(0, kFileBufferChars - 1));
        // Only the missing file is refused, by the dialog's own message box; the user then cancels.
        const bool refused = c.button == IDOK && c.result.empty();
        EXPECT_TRUE(driver.boxText.empty() != refused && (refused || driver.seen == 1)) << ToUtf8(driver.boxText);
    }
}

TEST(ColourDialog, CancelLeavesTheControlAndOkSetsIt) {
    win::Win32CommonDialogs dialogs;
    win::UniqueWindow button(CreateWindowExW(0, L"Button", L"Colour", WS_POPUP | BS_PUSHBUTTON, 0, 0, 80, 24, nullptr,
                                             nullptr, nullptr, nullptr));
    win::ColourSwatch swatch;
    swatch.Attach(button.get(), 0xFFFFFF);
    // A fresh dialog starts on black: OK chooses it.
    for (auto [id, chosen, colour] : {std::tuple{IDCANCEL, false, 0xFFFFFFu}, std::tuple{IDOK, true, 0u}}) {
        test::DialogAnswerer answerer([id = id](HWND dlg) { test::PressButton(dlg, id); });
        EXPECT_EQ(dialogs.ShowColorDialog(0, swatch), chosen);
        EXPECT_EQ(answerer.seen, 1);
        EXPECT_EQ(swatch.BackColor(), colour);
    }
}

TEST(Registry, GetKeyValueReadsTheRealRegistry) {
    // Values written under a key of the test's own, removed afterwards.
    const win::ScopeExit removed([] { RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Wrenfold Test"); });
    const auto put = [](const wchar_t* name, DWORD type, const void* data, DWORD size) {
        return RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Wrenfold Test\\GetKeyValue", name, type, data, size);
    };
    ASSERT_EQ(put(L"withNul", REG_SZ, L"C:\\Tools\\msinfo32.exe", sizeof(L"C:\\Tools\\msinfo32.exe")) |
                  put(L"noNul", REG_SZ, L"abc", 3 * sizeof(wchar_t)) |
                  put(L"dword", REG_DWORD, "\xc0\x1d\xfe\xff", 4) |  // -123456
                  put(L"bin", REG_BINARY, "\x01\x02\x03", 3), ERROR_SUCCESS);
    const std::u16string ours = u"Software\\Wrenfold Test\\GetKeyValue";
    const std::tuple<std::u16string, std::u16string, bool, std::u16string> cases[] = {  // key, name, read, value after
        {ours, u"withNul", true, u"C:\\Tools\\msinfo32.exe"}, {ours, u"noNul", true, u"abc"},
        {ours, u"dword", true, u"-123456"}, {ours, u"bin", true, u"kept"}, {ours, u"missing", false, u""},
        {u"Software\\Wrenfold Test\\No Such Key", u"a", false, u""}};
    win::Win32Registry reg;
    for (const auto& [keyName, name, read, after] : cases) {
        std::u16string v = u"kept";
        EXPECT_EQ(GetKeyValue(reg, kHKeyCurrentUser, keyName, name, v), read) << ToUtf8(name);
        EXPECT_EQ(v, after);
    }
}

TEST(About, ShowsItsCaptionsAndPictureIsOneWindowAndEnterOrEscCloseIt) {
    win::Forms forms;
    win::Win32Registry registry;
    test::FakeLauncher launcher;
    test::FakePrompts prompts;
    for (WPARAM vk : {VK_RETURN, VK_ESCAPE}) {
        HWND h = forms.Open<frmAbout>("frmAbout", registry, launcher, prompts).hwnd();
        // The picture control's text is its resource number, IDB_ABOUT (1501).
        EXPECT_EQ(test::AllTexts(h), u"About Wrenfold|\uFFFF\u05DD|Wrenfold|Version 2.2.0|This program is a directory "
                                     u"program, containing most of the tools that you will ever need!||www.pellmoor.example|"
                                     u"OK|&System Info...");
        // Each opening makes a picture and a link font; closing gives both back.
        const auto item = [h](int id, UINT msg, WPARAM wp) {
            return reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(h, id, msg, wp, 0));
        };
        const HGDIOBJ picture = item(IDC_IMAGE1, STM_GETIMAGE, IMAGE_BITMAP), font = item(IDC_LABEL1, WM_GETFONT, 0);
        EXPECT_TRUE(GetObjectType(picture) == OBJ_BITMAP && GetObjectType(font) == OBJ_FONT);
        EXPECT_EQ(forms.Open<frmAbout>("frmAbout", registry, launcher, prompts).hwnd(), h);
        EXPECT_EQ(forms.Loaded().size(), 1u);
        test::PressKey(forms, GetDlgItem(h, IDOK), vk);  // typed into the focused button
        EXPECT_TRUE(!IsWindow(h) && forms.Loaded().empty()) << vk;
        EXPECT_TRUE(GetObjectType(picture) == 0 && GetObjectType(font) == 0) << vk;
    }
}

}  // namespace
}  // namespace wf
