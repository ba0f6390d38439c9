#include "shell/frmMain.h"

#include <windowsx.h>

#include <cstring>

#include "shell/HandOver.h"
#include "shell/frmMainIds.h"
#include "platform/win32/WideText.h"

namespace wf {

static_assert(kLeftButtonUp == WM_LBUTTONUP && kRightButtonUp == WM_RBUTTONUP);

frmMain::frmMain(win::Forms& forms, Prompts& prompts, Launcher& launcher, Help& help, std::u16string exePath,
                 std::u16string dosPrefix)
    : DialogForm(forms, IDD_FRMMAIN),
      prompts_(prompts),
      helpFile_(HelpFilePath(exePath)),
      commands_(prompts, launcher, help, helpFile_, std::move(dosPrefix)),
      taskbarCreated_(RegisterWindowMessageW(L"TaskbarCreated")),
      handOverQuery_(RegisterWindowMessageW(win::W(std::u16string(kHandOverQueryName)))) {}

void frmMain::RegisterTool(int menuId, ToolOpener opener) { tools_[menuId] = std::move(opener); }

void frmMain::Form_Load() {
    menu_.reset(LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MNUPOPUP)));
    const std::u16string version = VersionLine();
    ModifyMenuW(PopupMenu(), IDM_MNUVERSION, MF_BYCOMMAND | MF_STRING, IDM_MNUVERSION, win::W(version));

    HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_WRENFOLD));
    SendMessageW(hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));

    // The V1 layout of this target: on x86_64 the record is wider than the
    // 88 bytes of the 32-bit build, but holds the same fields.
    trayIcon_.cbSize = NOTIFYICONDATAA_V1_SIZE;
    trayIcon_.hWnd = hwnd();
    trayIcon_.uID = 1;
    trayIcon_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    trayIcon_.uCallbackMessage = WM_MOUSEMOVE;
    trayIcon_.hIcon = icon;
    static constexpr char kTip[] = "Pellmoor Wrenfold";
    std::memset(trayIcon_.szTip, ' ', 64);
    std::memcpy(trayIcon_.szTip, kTip, sizeof kTip);  // the tip ends at its NUL; spaces follow
    AddTrayIcon();
    // The dialog is created without WS_VISIBLE: it stays hidden.
}

bool frmMain::NotifyIcon(DWORD message) { return Shell_NotifyIconA(message, &trayIcon_) != FALSE; }

void frmMain::AddTrayIcon() {
    if (NotifyIcon(NIM_ADD)) {
        if (trayRetriesLeft_ > 0) KillTimer(hwnd(), kTrayRetryTimer);
        trayRetriesLeft_ = 0;
    } else if (trayRetriesLeft_ == 0) {
        trayRetriesLeft_ = kTrayRetries;
        SetTimer(hwnd(), kTrayRetryTimer, kTrayRetryMs, nullptr);
    }
}

void frmMain::OnTimer(UINT_PTR id) {
    if (id != kTrayRetryTimer || trayRetriesLeft_ == 0) return;
    if (NotifyIcon(NIM_ADD)) {
        trayRetriesLeft_ = 0;
    } else if (--trayRetriesLeft_ > 0) {
        return;
    }
    KillTimer(hwnd(), kTrayRetryTimer);
}

void frmMain::ShowLoadedNotice() {
    prompts_.MsgBox(
        u"Wrenfold is now loaded! To access the utilities, please use the Wrenfold tray icon, located in the "
        u"bottom-right corner of your screen.",
        u"Wrenfold now loaded!", mb::OkOnly + mb::Information);
}

void frmMain::Form_Unload() { NotifyIcon(NIM_DELETE); }

void frmMain::Form_MouseMove(int x) {
    // The window works in pixels, so X is the mouse message itself.
    if (TrayMessageOpensMenu(TrayMessageFromX(x, kScalePixels, 1.0))) {
        SetForegroundWindow(hwnd());
        ShowPopupMenu();
    }
}

void frmMain::ShowPopupMenu() {
    POINT pt;
    GetCursorPos(&pt);
    TrackPopupMenuEx(PopupMenu(), 0, pt.x, pt.y, hwnd(), nullptr);
    // Lets the menu close properly when the user clicks elsewhere.
    PostMessageW(hwnd(), WM_NULL, 0, 0);
}

bool frmMain::OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
    if (msg == WM_MOUSEMOVE) {
        Form_MouseMove(GET_X_LPARAM(lp));
        result = TRUE;
        return true;
    }
    if (msg == taskbarCreated_ && taskbarCreated_ != 0) {
        AddTrayIcon();  // Explorer restarted: its new tray knows nothing of us
        result = TRUE;
        return true;
    }
    if (msg == handOverQuery_ && handOverQuery_ != 0) {
        // A dialog's answer to a sent message goes through DWLP_MSGRESULT.
        SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, kHandOverAnswer);
        result = TRUE;
        return true;
    }
    if (msg == WM_COPYDATA) {
        const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(lp);
        const auto line = copy ? HandedOverCommandLine(copy->dwData, copy->lpData, copy->cbData) : std::nullopt;
        if (line) {
            handedOver_.push_back(*line);
            PostMessageW(hwnd(), kHandOverPosted, 0, 0);
        }
        SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, line ? TRUE : FALSE);
        result = TRUE;
        return true;
    }
    if (msg == kHandOverPosted) {
        // Taken one by one, so a handler that pumps messages can meet the next.
        while (!handedOver_.empty()) {
            const std::u16string line = std::move(handedOver_.front());
            handedOver_.erase(handedOver_.begin());
            if (handOver_) handOver_(forms_, line);
        }
        result = TRUE;
        return true;
    }
    if (msg == WM_ENDSESSION && wp) {
        Unload();
        result = TRUE;
        return true;
    }
    (void)wp;
    return false;
}

bool frmMain::OnCommand(int id, int /*notifyCode*/) {
    if (id >= IDM_MNUSTARTPROG_BASE && id < IDM_MNUSTARTPROG_BASE + 6) {
        commands_.mnuStartProg_Click(static_cast<int16_t>(id - IDM_MNUSTARTPROG_BASE));
        return true;
    }
    switch (id) {
    case IDM_MNURUNPROG:
    case IDM_MNUOTHERPROG:
        if (runProgram_) runProgram_();
        return true;
    case IDM_MNUFOLDER: commands_.mnuFolder_Click(); return true;
    case IDM_MNUDOSPROG: commands_.mnuDOSProg_Click(); return true;
    case IDM_MNUHELPCONTENTS: commands_.mnuHelpContents_Click(reinterpret_cast<uintptr_t>(hwnd())); return true;
    case IDM_MNUEXIT: mnuExit_Click(); return true;
    default:
        if (auto it = tools_.find(id); it != tools_.end()) it->second(forms_);
        return true;
    }
}

void frmMain::mnuExit_Click() {
    forms_.UnloadAll();
    PostQuitMessage(0);
}

}  // namespace wf
