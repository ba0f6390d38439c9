// The keystroke sender and text-to-speech as real (headless) windows: keys
// go through SendInput into Wine's own notepad, speech through the real SAPI 5
// voice object, and the message boxes that matter are real ones answered by
// hook.
#include <gtest/gtest.h>

#include "common/Text.h"
#include "fakes/FakePrompts.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32Keyboard.h"
#include "platform/win32/Win32Prompts.h"
#include "platform/win32/Win32Speech.h"
#include "tools/text/frmSendKeys.h"
#include "tools/text/frmSendKeysIds.h"
#include "tools/text/frmTTS.h"
#include "tools/text/frmTTSIds.h"
#include "win/WinTestSupport.h"

namespace wf {
namespace {

// Which window a title picks, what a key text means and how the count reads are the host tests' business.
TEST(KeysWindows, SendTypesIntoNotepadAndReturnsOnceProcessed) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    wchar_t command[] = L"notepad.exe";
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    const win::ProcessInfo notepad(pi);
    const win::ScopeExit ended([&] {
        if (TerminateProcess(notepad.process.get(), 0)) WaitForSingleObject(notepad.process.get(), 10000);
    });
    WaitForInputIdle(notepad.process.get(), 20000);
    HWND window = FindWindowW(L"Notepad", nullptr), edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
    ASSERT_TRUE(edit) << "notepad did not start";
    const auto text = [edit] {  // from another process: WM_GETTEXT is carried across
        std::u16string s(static_cast<size_t>(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0)) + 1, u'\0');
        s.resize(static_cast<size_t>(SendMessageW(edit, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()))));
        return s;
    };
    win::Forms forms;
    win::Win32EventPump pump{forms};
    win::Win32Keyboard keyboard{pump};
    test::FakePrompts prompts;
    HWND dlg = forms.Open<frmSendKeys>("frmSendKeys", prompts, keyboard).hwnd();
    // Read at once after each Send: it returns only when notepad has taken every key.
    const std::u16string typed = u"hellb\r\nA\t\u00E9XY\u03A9";
    const struct { std::u16string title, keys, count, text; } cases[] = {
        {u"Untitled", u"hello{BS}b{ENTER}+a{TAB}\u00E9\u03A9{LEFT}+(xy)", u"1", typed},
        {u"Untitled - Notepad", u"ab{ENTER", u"2", typed},  // a broken text sends nothing
        {u"No window is called this", u"ab", u"2", typed},
        {u"Untitled", u"!", u"2.5abc", u"hellb\r\nA\t\u00E9XY!!\u03A9"}};  // the box keeps 2.5: twice
    prompts.answers = {answer::Abort, answer::Abort};
    for (const auto& c : cases) {
        test::Drive(dlg, {{IDC_SK_TXTPROGNAME, c.title}, {IDC_SK_TXTSEND, c.keys}, {IDC_SK_TXTHOWMANY, c.count},
                          {IDC_SK_CMDSEND}});
        EXPECT_EQ(text(), c.text) << ToUtf8(c.keys);
        EXPECT_EQ(GetForegroundWindow(), window);
    }
    EXPECT_EQ(test::WindowText(GetDlgItem(dlg, IDC_SK_TXTHOWMANY)), u"2.5");
    ASSERT_EQ(prompts.messages.size(), 2u) << "a broken text and an unknown title";
    for (const auto& m : prompts.messages)
        EXPECT_TRUE(m.title == u"SendKeys error" && m.text.ends_with(u"call or argument (5)")) << ToUtf8(m.text);
}

TEST(KeysWindows, WithoutASpeechEngineTheFirstFailingClickSaysSoAndTheWindowGoesOn) {
    win::Forms forms;
    win::Win32Prompts realPrompts;
    win::Win32SpeechEngine engine;
    std::vector<std::u16string> boxes;
    test::DialogAnswerer answerer([&](HWND box) {
        if (!GetDlgItem(box, 0xFFFF)) return;  // the tool window, not a message box
        boxes.push_back(test::WindowText(box) + u"|" + test::MessageBoxText(box) + (GetDlgItem(box, IDCANCEL) ? u"|cancel" : u""));
        test::PressButton(box, IDOK);
    });
    for (int opening = 0; opening < 2; ++opening) {
        HWND dlg = forms.Open<frmTTS>("frmTTS", realPrompts, engine).hwnd();
        test::Drive(dlg, {{IDC_TTS_TXTSAY, u"Hello\r\nworld"}, {IDC_TTS_CMDSAY}, {IDC_TTS_CMDSAY}, {IDC_TTS_CMDSTOP},
                          {IDC_TTS_CMDEXIT}});
        EXPECT_FALSE(IsWindow(dlg));
    }
    const std::u16string told = u"Text-To-Speech|No speech engine is available.";
    EXPECT_EQ(boxes, (std::vector<std::u16string>{told, told})) << "one per opening, none at load";
}

}  // namespace
}  // namespace wf
