#include "tools/net/frmHostFromIP.h"

#include "platform/win32/WinUtil.h"
#include "tools/net/frmHostFromIPIds.h"
#include "tools/net/frmIPFromHost.h"
#include "tools/net/modIP2Host.h"

namespace wf {

frmHostFromIP::frmHostFromIP(win::Forms& forms, Prompts& prompts, Sockets& sockets)
    : DialogForm(forms, IDD_FRMHOSTFROMIP), prompts_(prompts), sockets_(sockets) {}

void frmHostFromIP::Form_Load() { SendMessageW(Item(IDC_HI_TXTIPADDR), EM_SETLIMITTEXT, 0, 0); }

void frmHostFromIP::cmdGetHost_Click() {
    LookUp(sockets_, prompts_, [&] {
        SetText(IDC_HI_LBLHOSTNAME, u"Host Name returned: " + GetHostNameFromIP(sockets_, prompts_, Text(IDC_HI_TXTIPADDR)));
    });
}

void frmHostFromIP::cmdExit_Click() { Unload(); }

bool frmHostFromIP::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    if (id == IDC_HI_CMDGETHOST || id == IDOK) cmdGetHost_Click();
    else if (id == IDC_HI_CMDEXIT || id == IDCANCEL) cmdExit_Click();
    return true;
}

}  // namespace wf
