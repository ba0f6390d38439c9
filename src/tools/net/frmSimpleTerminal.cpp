#include "tools/net/frmSimpleTerminal.h"

#include <commctrl.h>
#include <richedit.h>

#include "tools/net/frmSimpleTerminalIds.h"

namespace wf {
namespace {

// A key press in txtSend, handed to the dialog so it runs as one of its
// handlers (the window may close during it).
constexpr UINT kSendBoxKey = WM_APP + 10;
constexpr DWORD kRepaintEveryMs = 50;

constexpr Colour kLegend[] = {logcolour::Outgoing, logcolour::Incoming, logcolour::Errors, logcolour::Info};

}  // namespace

frmSimpleTerminal::frmSimpleTerminal(win::Forms& forms, Prompts& prompts, EventPump& pump)
    : DialogForm((LoadRichEdit(), forms), IDD_FRMSIMPLETERMINAL),
      pump_(pump),
      socket_(static_cast<TcpSocketEvents&>(*this)),
      session_(static_cast<TerminalView&>(*this), log_, socket_, prompts) {}

void frmSimpleTerminal::LoadRichEdit() {
    // Registers the log's window class before the dialog is made. Loaded once
    // for the life of the process: freed with a window, the class would go
    // while a later window, or this one at program end, still used it.
    static const HMODULE library = LoadLibraryW(L"msftedit.dll");
    (void)library;
}

void frmSimpleTerminal::Form_Load() {
    HWND rtx = Item(IDC_ST_RTXSTUFF);
    log_.Attach(rtx);
    // The default limit would silently drop incoming data past 32 K characters.
    SendMessageW(rtx, EM_EXLIMITTEXT, 0, kLogLimit);
    SendMessageW(rtx, EM_SETTARGETDEVICE, 0, 1);
    SendMessageW(rtx, EM_SETUNDOLIMIT, 0, 0);
    SetWindowSubclass(Item(IDC_ST_TXTSEND), SendBoxProc, 1, 0);
    SetConnectCaption(kConnectCaption);
    session_.Form_Load();
}

void frmSimpleTerminal::Form_Unload() {
    // The connection ends with the window, as with its socket control.
    socket_.Close();
    RemoveWindowSubclass(Item(IDC_ST_TXTSEND), SendBoxProc, 1);
}

LRESULT CALLBACK frmSimpleTerminal::SendBoxProc(HWND box, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
    if (msg == WM_GETDLGCODE && lp) {
        // Enter reaches the box as a character instead of pressing a button.
        const auto* key = reinterpret_cast<const MSG*>(lp);
        if (key->message == WM_KEYDOWN && key->wParam == VK_RETURN)
            return DefSubclassProc(box, msg, wp, lp) | DLGC_WANTMESSAGE;
    }
    if (msg == WM_CHAR && SendMessageW(GetParent(box), kSendBoxKey, wp, 0)) return 0;  // swallowed
    return DefSubclassProc(box, msg, wp, lp);
}

bool frmSimpleTerminal::OnMessage(UINT msg, WPARAM wp, LPARAM, INT_PTR& result) {
    if (msg != kSendBoxKey) return false;
    const bool swallowed = session_.txtSend_KeyPress(static_cast<char16_t>(wp));
    if (hwnd()) SetWindowLongPtrW(hwnd(), DWLP_MSGRESULT, swallowed ? 1 : 0);
    result = TRUE;
    return true;
}

bool frmSimpleTerminal::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
    case IDC_ST_CMDCONNECT: cmdConnect_Click(); break;
    case IDC_ST_CMDSEND: cmdSend_Click(); break;
    case IDC_ST_CMDCLEAR: cmdClear_Click(); break;
    case IDC_ST_CMDEXIT: cmdExit_Click(); break;
    default: break;  // Enter and Esc press nothing here
    }
    return true;
}

HBRUSH frmSimpleTerminal::OnCtlColor(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    if (id == IDC_ST_TXTSEND) {
        SetTextColor(dc, logcolour::Outgoing);
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return GetSysColorBrush(COLOR_WINDOW);
    }
    if (id >= IDC_ST_LBLLEGEND_BASE && id < IDC_ST_LBLLEGEND_BASE + 4) {
        SetTextColor(dc, kLegend[id - IDC_ST_LBLLEGEND_BASE]);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    return nullptr;
}

std::u16string frmSimpleTerminal::ServerText() { return Text(IDC_ST_TXTSERVER); }
std::u16string frmSimpleTerminal::PortText() { return Text(IDC_ST_TXTPORT); }
std::u16string frmSimpleTerminal::SendText() { return Text(IDC_ST_TXTSEND); }
void frmSimpleTerminal::SetSendText(std::u16string_view text) { SetText(IDC_ST_TXTSEND, text); }
std::u16string frmSimpleTerminal::ConnectCaption() { return Text(IDC_ST_CMDCONNECT); }
void frmSimpleTerminal::SetConnectCaption(std::u16string_view caption) { SetText(IDC_ST_CMDCONNECT, caption); }

void frmSimpleTerminal::Enable(int id, bool enabled) {
    HWND control = Item(id);
    // A control losing its focus would leave the keyboard nowhere: it moves on
    // to the line to send.
    if (!enabled && GetFocus() == control)
        SendMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_ST_TXTSEND)), TRUE);
    EnableWindow(control, enabled ? TRUE : FALSE);
}

void frmSimpleTerminal::EnableServerAndPort(bool enabled) {
    Enable(IDC_ST_TXTSERVER, enabled);
    Enable(IDC_ST_TXTPORT, enabled);
}

void frmSimpleTerminal::EnableConnect(bool enabled) { Enable(IDC_ST_CMDCONNECT, enabled); }

void frmSimpleTerminal::Beep() { MessageBeep(MB_OK); }

void frmSimpleTerminal::PumpEvents() {
    // Waits for the next message rather than spinning, then runs them all.
    MsgWaitForMultipleObjectsEx(0, nullptr, 20, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    pump_.DoEvents();
}

void frmSimpleTerminal::DataArrival(size_t bytesTotal) {
    session_.DataArrival(bytesTotal);
    // Arrivals are posted messages, which come before painting: a steady
    // stream would keep the log from repainting until it ends.
    if (GetTickCount() - lastPaint_ >= kRepaintEveryMs) {
        UpdateWindow(Item(IDC_ST_RTXSTUFF));
        lastPaint_ = GetTickCount();
    }
}

void frmSimpleTerminal::Error(int32_t number, std::u16string_view description) { session_.Error(number, description); }

}  // namespace wf
