// Wrenfold's entry: load frmMain, tell the user, then idle in the tray.
#include <windows.h>
#include <commctrl.h>
#include <objbase.h>

#include <string>

#include "platform/win32/Forms.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32CommonDialogs.h"
#include "platform/win32/Win32EventPump.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/WinUtil.h"
#include "platform/win32/Handle.h"
#include "platform/win32/Win32Help.h"
#include "platform/win32/Win32Launcher.h"
#include "platform/win32/Win32Prompts.h"
#include "shell/HandOver.h"
#include "shell/ShellLogic.h"
#include "shell/frmMain.h"
#include "app/Tools.h"
#include "platform/win32/WideText.h"

namespace {

// command.com is gone from 64-bit Windows and Wine; fall back to COMSPEC.
std::u16string FindDosPrefix() {
    wchar_t found[MAX_PATH];
    const bool haveCommandCom = SearchPathW(nullptr, L"command.com", nullptr, MAX_PATH, found, nullptr) != 0;
    wchar_t comspec[MAX_PATH] = L"";
    const DWORD n = GetEnvironmentVariableW(L"COMSPEC", comspec, MAX_PATH);
    return wf::DosCommandPrefix(haveCommandCom, n > 0 && n < MAX_PATH ? wf::win::U(comspec) : std::u16string());
}

// The main window of the copy already running in this session: a window with
// frmMain's class and caption that gives the hand-over query its answer, so
// no other program's window is taken for it.
struct RunningCopySearch {
    UINT query;
    HWND found;
};

BOOL CALLBACK FindRunningCopyWindow(HWND window, LPARAM param) {
    auto& search = *reinterpret_cast<RunningCopySearch*>(param);
    wchar_t text[64];
    if (GetClassNameW(window, text, 64) == 0 || wcscmp(text, wf::frmMain::kWindowClass) != 0) return TRUE;
    if (GetWindowTextW(window, text, 64) == 0 || wcscmp(text, wf::frmMain::kCaption) != 0) return TRUE;
    DWORD_PTR answer = 0;
    if (SendMessageTimeoutW(window, search.query, 0, 0, SMTO_ABORTIFHUNG, 2000, &answer) &&
        static_cast<intptr_t>(answer) == wf::kHandOverAnswer) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

HWND FindRunningCopy() {
    const std::u16string name(wf::kHandOverQueryName);
    RunningCopySearch search{RegisterWindowMessageW(wf::win::W(name)), nullptr};
    if (search.query != 0) EnumWindows(FindRunningCopyWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Gives this start's command line to the running copy, which may then bring
// the generator to the front.
void HandOverTo(HWND running) {
    DWORD pid = 0;
    GetWindowThreadProcessId(running, &pid);
    AllowSetForegroundWindow(pid);
    const wchar_t* line = GetCommandLineW();
    COPYDATASTRUCT copy{wf::kHandOverTag, static_cast<DWORD>((wcslen(line) + 1) * sizeof(wchar_t)),
                        const_cast<wchar_t*>(line)};
    DWORD_PTR accepted = 0;
    SendMessageTimeoutW(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&copy), SMTO_ABORTIFHUNG, 5000, &accepted);
}

// The session's running-copy mutex, owned from now on; nullptr after the
// command line went to a copy that already runs. A copy that holds the mutex
// but is still creating its window is waited for a while; one that is
// ending frees the mutex, and this start becomes the running copy.
wf::win::UniqueHandle ClaimRunningCopy(bool& handedOver) {
    const std::u16string name(wf::kRunningMutexName);
    const DWORD start = GetTickCount();
    for (;;) {
        wf::win::UniqueHandle mutex(CreateMutexW(nullptr, FALSE, wf::win::W(name)));
        if (!mutex || GetLastError() != ERROR_ALREADY_EXISTS) return mutex;
        if (HWND running = FindRunningCopy()) {
            HandOverTo(running);
            handedOver = true;
            return {};
        }
        // A copy that never shows its window is hung: run rather than do nothing.
        if (GetTickCount() - start > 10000) return mutex;
        mutex.reset();
        Sleep(50);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    bool handedOver = false;
    const wf::win::UniqueHandle runningCopy = ClaimRunningCopy(handedOver);
    if (handedOver) return 0;

    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    const HRESULT com = OleInitialize(nullptr);

    wf::win::Forms forms;
    forms.QuitWhenEmpty(true);
    wf::win::Win32Prompts prompts;
    wf::win::Win32Launcher launcher;
    wf::win::Win32Help help;
    wf::win::Win32Clipboard clipboard;
    wf::win::Win32CommonDialogs dialogs;
    wf::win::Win32Registry registry;
    wf::win::Win32EventPump pump(forms);
    wf::Services services{prompts, launcher, clipboard, dialogs, registry, pump};

    int code = 1;
    {
        wf::frmMain main(forms, prompts, launcher, help, wf::win::ExePath(), FindDosPrefix());
        wf::RegisterTools(main, services);
        if (main.Create()) {
            main.ShowLoadedNotice();
            code = wf::win::RunMessageLoop(forms);
        }
    }
    if (SUCCEEDED(com)) OleUninitialize();
    return code;
}
