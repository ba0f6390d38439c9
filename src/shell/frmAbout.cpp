#include "shell/frmAbout.h"

#include "platform/win32/Win32Registry.h"
#include "shell/ShellLogic.h"
#include "shell/SysInfo.h"
#include "shell/frmAboutIds.h"

namespace wf {

frmAbout::frmAbout(win::Forms& forms, Registry& registry, Launcher& launcher, Prompts& prompts)
    : DialogForm(forms, IDD_FRMABOUT), registry_(registry), launcher_(launcher), prompts_(prompts) {}

void frmAbout::Form_Load() {
    const std::u16string title(kApp.title);
    SetWindowTextW(hwnd(), win::W(u"About " + title));
    SetText(IDC_LBLVERSION, ShortVersion());
    SetText(IDC_LBLTITLE, title);
    // The web address keeps its classic face.
    HDC dc = GetDC(hwnd());
    const int height = -MulDiv(8, GetDeviceCaps(dc, LOGPIXELSY), 72);
    ReleaseDC(hwnd(), dc);
    linkFont_.reset(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Sans Serif"));
    SendMessageW(Item(IDC_LABEL1), WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), FALSE);
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo(registry_, win::FileExists, launcher_, prompts_);
}

void frmAbout::OnCommand(int id, int /*notifyCode*/) {
    switch (id) {
    case IDOK:
    case IDCANCEL:  // OK is the cancel button too: Esc closes
        cmdOK_Click();
        break;
    case IDC_CMDSYSINFO: cmdSysInfo_Click(); break;
    }
}

bool frmAbout::OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) {
    if (msg == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lp) == Item(IDC_LABEL1)) {
        HDC dc = reinterpret_cast<HDC>(wp);
        SetTextColor(dc, RGB(0, 0, 255));
        SetBkMode(dc, TRANSPARENT);
        result = reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    return false;
}

}  // namespace wf
