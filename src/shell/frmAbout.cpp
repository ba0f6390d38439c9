#include "shell/frmAbout.h"

#include "platform/win32/Handle.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/WinUtil.h"
#include "shell/ShellLogic.h"
#include "shell/SysInfo.h"
#include "shell/frmAboutIds.h"
#include "platform/win32/WideText.h"

namespace wf {

frmAbout::frmAbout(win::Forms& forms, Registry& registry, Launcher& launcher, Prompts& prompts)
    : DialogForm(forms, IDD_FRMABOUT), registry_(registry), launcher_(launcher), prompts_(prompts) {}

void frmAbout::Form_Load() {
    const std::u16string title(kApp.title);
    SetWindowTextW(hwnd(), win::W(u"About " + title));
    SetText(IDC_LBLVERSION, ShortVersion());
    SetText(IDC_LBLTITLE, title);
    // The web address keeps its classic face.
    const int height = -MulDiv(8, GetDeviceCaps(win::WindowDC(hwnd()).get(), LOGPIXELSY), 72);
    linkFont_.reset(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, L"MS Sans Serif"));
    SendMessageW(Item(IDC_LABEL1), WM_SETFONT, reinterpret_cast<WPARAM>(linkFont_.get()), FALSE);
}

void frmAbout::Form_Unload() {
    // The picture box loaded its bitmap from the template itself, and Wine's
    // never frees one so loaded: taken back here, or every open keeps one.
    const win::UniqueGdi picture(
        reinterpret_cast<HGDIOBJ>(SendDlgItemMessageW(hwnd(), IDC_IMAGE1, STM_SETIMAGE, IMAGE_BITMAP, 0)));
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo(registry_, win::FileExists, launcher_, prompts_);
}

bool frmAbout::OnCommand(int id, int /*notifyCode*/) {
    switch (id) {
    case IDOK:
    case IDCANCEL:  // OK is the cancel button too: Esc closes
        cmdOK_Click();
        return true;
    case IDC_CMDSYSINFO: cmdSysInfo_Click(); return true;
    default: return false;
    }
}

HBRUSH frmAbout::OnCtlColor(HDC dc, HWND control) {
    if (control != Item(IDC_LABEL1)) return nullptr;
    SetTextColor(dc, RGB(0, 0, 255));
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

}  // namespace wf
