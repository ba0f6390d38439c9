// The real message box and input box, answered from a CBT hook.
#include <gtest/gtest.h>

#include <functional>

#include "common/ErrorReport.h"
#include "common/Text.h"
#include "platform/win32/Forms.h"
#include "platform/win32/InputBoxIds.h"
#include "platform/win32/Win32Errors.h"
#include "platform/win32/Win32Prompts.h"
#include "win/TestWindowIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

TEST(RealPrompts, ReportCommandErrorThroughAMessageBox) {
    win::Win32Prompts prompts;
    for (auto [button, expected] : {std::pair{IDABORT, ErrorChoice::Abort}, std::pair{IDRETRY, ErrorChoice::Retry},
                                    std::pair{IDIGNORE, ErrorChoice::Ignore}}) {
        std::tuple<std::u16string, std::u16string, bool> shown;  // title, text, has Retry and Ignore
        test::DialogAnswerer answerer([&, b = button](HWND box) {
            shown = {test::WindowText(box), test::MessageBoxText(box),
                     GetDlgItem(box, IDRETRY) && GetDlgItem(box, IDIGNORE)};
            test::PressButton(box, b);
        });
        EXPECT_EQ(ReportCommandError(prompts, CommandError(53, u"File not found"), u"Start Program"), expected);
        EXPECT_EQ(answerer.seen, 1);
        EXPECT_EQ(shown, std::make_tuple(u"Start Program error",
                                         u"An error occured while executing this command:\r\n\r\nFile not found (53)", true));
    }
}

TEST(RealPrompts, InputBoxGivesTheTextOrEmptyOnCancel) {
    win::Win32Prompts prompts;
    for (auto [button, result] : {std::pair{IDOK, u"DIR C:\\ /w \u00e9t\u00e9"}, std::pair{IDCANCEL, u""}}) {
        std::tuple<std::u16string, std::u16string, std::u16string> shown;  // title, prompt, initial text
        test::DialogAnswerer answerer([&, b = button](HWND box) {
            shown = {test::WindowText(box), test::WindowText(GetDlgItem(box, IDC_INPUT_PROMPT)),
                     test::WindowText(GetDlgItem(box, IDC_INPUT_TEXT))};
            SetDlgItemTextW(box, IDC_INPUT_TEXT, L"DIR C:\\ /w \x00e9t\x00e9");
            test::PressButton(box, b);
        });
        EXPECT_EQ(prompts.InputBox(u"Line one\r\nLine two", u"Run DOS prog", u"dflt"), result);
        EXPECT_EQ(shown, std::make_tuple(u"Run DOS prog", u"Line one\r\nLine two", u"dflt"));
    }
}

// While any prompt is up, no window of the program takes input; afterwards
// every window it disabled is enabled again, and one already disabled stays so.
TEST(RealPrompts, EveryPromptIsModalToAllTheThreadsWindows) {
    win::Win32Prompts prompts;
    const auto window = [] {
        return CreateWindowExW(0, L"STATIC", L"tool", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 50, 50, nullptr,
                               nullptr, nullptr, nullptr);
    };
    HWND tool = window(), off = window();
    EnableWindow(off, FALSE);
    // A message box without a title shows the application's.
    const std::pair<std::function<void()>, std::u16string> prompters[] = {
        {[&] { EXPECT_EQ(prompts.MsgBox(u"Question?", u"", mb::YesNo + mb::Question), answer::No); }, u"Wrenfold"},
        {[&] { prompts.InputBox(u"prompt", u"title", u""); }, u"title"}};
    for (const auto& [prompt, title] : prompters) {
        bool enabledDuring = true;
        std::u16string shownTitle;
        test::DialogAnswerer answerer([&](HWND box) {
            enabledDuring = IsWindowEnabled(tool) || IsWindowEnabled(off);
            shownTitle = test::WindowText(box);
            test::PressButton(box, GetDlgItem(box, IDNO) ? IDNO : IDOK);
        });
        prompt();
        EXPECT_TRUE(answerer.seen == 1 && !enabledDuring && shownTitle == title) << ToUtf8(title);
        EXPECT_TRUE(IsWindowEnabled(tool) && !IsWindowEnabled(off));
    }
    DestroyWindow(tool);
    DestroyWindow(off);
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

}  // namespace
}  // namespace wf
