#include "tools/net/frmIPFromHost.h"

#include "platform/win32/WinUtil.h"
#include "tools/net/frmIPFromHostIds.h"
#include "tools/net/modHost2IP.h"
#include "tools/net/modIP2Host.h"

namespace wf {

void ReportSocketsNotResponding(Prompts& prompts) {
    prompts.MsgBox(u"Windows Sockets for 32 bit Windows is not successfully responding.", u"", mb::OkOnly);
}

frmIPFromHost::frmIPFromHost(win::Forms& forms, Prompts& prompts, Sockets& sockets)
    : DialogForm(forms, IDD_FRMIPFROMHOST), prompts_(prompts), sockets_(sockets) {}

void frmIPFromHost::Form_Load() { SendMessageW(Item(IDC_IH_TXTHOSTNAME), EM_SETLIMITTEXT, 0, 0); }

void frmIPFromHost::cmdGetIPAddr_Click() {
    if (!SocketsInitialize(sockets_)) {
        ReportSocketsNotResponding(prompts_);
        return;
    }
    std::u16string ip;
    {
        // The resolver blocks this window until it answers or gives up.
        const win::BusyCursor busy;
        ip = GetIPFromHostName(sockets_, Text(IDC_IH_TXTHOSTNAME));
    }
    SetText(IDC_IH_LBLIPADDR, u"IP Address: " + ip);
    SocketsCleanup(sockets_, prompts_);
}

void frmIPFromHost::cmdExit_Click() { Unload(); }

bool frmIPFromHost::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    if (id == IDC_IH_CMDGETIPADDR || id == IDOK) cmdGetIPAddr_Click();
    else if (id == IDC_IH_CMDEXIT || id == IDCANCEL) cmdExit_Click();
    return true;
}

}  // namespace wf
