#include "tools/files/frmHideShowWindow.h"

#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"
#include "platform/win32/WinUtil.h"
#include "tools/files/frmHideShowWindowIds.h"

namespace wf {

void ListBoxTitles::Fill(const std::vector<Entry>& entries) {
    // Redraw is off while the list is refilled, so it is drawn once.
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    SendMessageW(list_, LB_INITSTORAGE, entries.size(), entries.size() * 64);
    for (const auto& [title, handle] : entries) {
        const LRESULT index = SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(win::W(title)));
        if (index >= 0) SendMessageW(list_, LB_SETITEMDATA, static_cast<WPARAM>(index), static_cast<LPARAM>(handle));
    }
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
}

int ListBoxTitles::Count() {
    const LRESULT n = SendMessageW(list_, LB_GETCOUNT, 0, 0);
    return n < 0 ? 0 : static_cast<int>(n);
}

std::u16string ListBoxTitles::Text(int index) {
    const LRESULT n = SendMessageW(list_, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
    if (n < 0) return {};
    std::u16string s(static_cast<size_t>(n) + 1, u'\0');
    const LRESULT got = SendMessageW(list_, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(s.data()));
    s.resize(got < 0 ? 0 : static_cast<size_t>(got));
    return s;
}

std::optional<int> ListBoxTitles::Selected() {
    const LRESULT i = SendMessageW(list_, LB_GETCURSEL, 0, 0);
    if (i < 0) return std::nullopt;
    return static_cast<int>(i);
}

WindowHandle ListBoxTitles::Data(int index) {
    return static_cast<WindowHandle>(SendMessageW(list_, LB_GETITEMDATA, static_cast<WPARAM>(index), 0));
}

void ListBoxTitles::Select(int index) { SendMessageW(list_, LB_SETCURSEL, static_cast<WPARAM>(index), 0); }

frmHideShowWindow::frmHideShowWindow(win::Forms& forms, WindowList& windows)
    : DialogForm(forms, IDD_FRMHIDESHOWWINDOW), lists_(windows, visible_, hidden_) {}

void frmHideShowWindow::Form_Load() {
    visible_.Attach(Item(IDC_HS_LSTVISIBLEWINDOWS));
    hidden_.Attach(Item(IDC_HS_LSTHIDDENWINDOWS));
    lists_.Form_Load();
    SetTimer(hwnd(), IDT_HS_LBLUPDATE, 5000, nullptr);
}

void frmHideShowWindow::Form_Unload() { KillTimer(hwnd(), IDT_HS_LBLUPDATE); }

void frmHideShowWindow::lblUpdate_Timer() { lists_.lblUpdate_Timer(); }
void frmHideShowWindow::cmdHide_Click() { lists_.cmdHide_Click(); }
void frmHideShowWindow::cmdShow_Click() { lists_.cmdShow_Click(); }
void frmHideShowWindow::cmdExit_Click() { Unload(); }

void frmHideShowWindow::OnTimer(UINT_PTR id) {
    if (id == IDT_HS_LBLUPDATE) lblUpdate_Timer();
}

bool frmHideShowWindow::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
    case IDC_HS_CMDHIDE: cmdHide_Click(); return true;
    case IDC_HS_CMDSHOW: cmdShow_Click(); return true;
    case IDC_HS_CMDEXIT: cmdExit_Click(); return true;
    default: return id == IDCANCEL || id == IDOK;  // Esc and Enter: no such buttons here
    }
}

}  // namespace wf
