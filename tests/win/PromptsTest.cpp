// The real message box and input box, answered from a CBT hook.
#include <gtest/gtest.h>

#include "common/ErrorReport.h"
#include "platform/win32/InputBoxIds.h"
#include "platform/win32/Win32Prompts.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

TEST(RealPrompts, ReportCommandErrorThroughAMessageBox) {
    win::Win32Prompts prompts;
    for (auto [button, expected] : {std::pair{IDABORT, ErrorChoice::Abort}, std::pair{IDRETRY, ErrorChoice::Retry},
                                    std::pair{IDIGNORE, ErrorChoice::Ignore}}) {
        std::u16string title, text;
        bool hasRetry = false;
        test::DialogAnswerer answerer([&, b = button](HWND box) {
            title = test::WindowText(box);
            text = test::MessageBoxText(box);
            hasRetry = GetDlgItem(box, IDRETRY) != nullptr && GetDlgItem(box, IDIGNORE) != nullptr;
            test::PressButton(box, b);
        });
        EXPECT_EQ(ReportCommandError(prompts, CommandError(53, u"File not found"), u"Start Program"), expected);
        EXPECT_EQ(answerer.seen, 1);
        EXPECT_EQ(title, u"Start Program error");
        EXPECT_EQ(text, u"An error occured while executing this command:\r\n\r\nFile not found (53)");
        EXPECT_TRUE(hasRetry);
    }
}

TEST(RealPrompts, MessageBoxWithoutTitleShowsTheApplicationTitle) {
    win::Win32Prompts prompts;
    std::u16string title;
    test::DialogAnswerer answerer([&](HWND box) {
        title = test::WindowText(box);
        test::PressButton(box, IDNO);
    });
    EXPECT_EQ(prompts.MsgBox(u"Question?", u"", mb::YesNo + mb::Question), answer::No);
    EXPECT_EQ(title, u"Wrenfold");
}

TEST(RealPrompts, InputBoxGivesTheTextOrEmptyOnCancel) {
    win::Win32Prompts prompts;
    std::u16string prompt, title, initial;
    test::DialogAnswerer typing([&](HWND box) {
        title = test::WindowText(box);
        prompt = test::WindowText(GetDlgItem(box, IDC_INPUT_PROMPT));
        initial = test::WindowText(GetDlgItem(box, IDC_INPUT_TEXT));
        SetDlgItemTextW(box, IDC_INPUT_TEXT, L"DIR C:\\ /w \x00e9t\x00e9");
        test::PressButton(box, IDOK);
    });
    EXPECT_EQ(prompts.InputBox(u"Line one\r\nLine two", u"Run DOS prog", u"dflt"), u"DIR C:\\ /w \u00e9t\u00e9");
    EXPECT_EQ(title, u"Run DOS prog");
    EXPECT_EQ(prompt, u"Line one\r\nLine two");
    EXPECT_EQ(initial, u"dflt");
}

TEST(RealPrompts, InputBoxCancelGivesEmptyText) {
    win::Win32Prompts prompts;
    test::DialogAnswerer cancelling([](HWND box) {
        SetDlgItemTextW(box, IDC_INPUT_TEXT, L"typed but cancelled");
        test::PressButton(box, IDCANCEL);
    });
    EXPECT_EQ(prompts.InputBox(u"What program?", u"Program", u""), u"");
}

}  // namespace
}  // namespace wf
