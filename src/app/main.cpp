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

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
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
