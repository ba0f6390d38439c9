#include "tools/net/frmIPFromHost.h"

#include "platform/win32/WinUtil.h"
#include "tools/net/frmIPFromHostIds.h"
#include "tools/net/modHost2IP.h"
#include "tools/net/modIP2Host.h"

namespace wf {

void LookUp(Sockets& sockets, Prompts& prompts, const std::function<void()>& lookUpAndShow) {
    if (!SocketsInitialize(sockets)) {
        prompts.MsgBox(u"Windows Sockets for 32 bit Windows is not successfully responding.", u"", mb::OkOnly);
        return;
    }
    {
        const win::BusyCursor busy;
        lookUpAndShow();
    }
    SocketsCleanup(sockets, prompts);
}

frmIPFromHost::frmIPFromHost(win::Forms& forms, Prompts& prompts, Sockets& sockets)
    : DialogForm(forms, IDD_FRMIPFROMHOST), prompts_(prompts), sockets_(sockets) {}

void frmIPFromHost::Form_Load() { SendMessageW(Item(IDC_IH_TXTHOSTNAME), EM_SETLIMITTEXT, 0, 0); }

void frmIPFromHost::cmdGetIPAddr_Click() {
    LookUp(sockets_, prompts_, [&] {
        SetText(IDC_IH_LBLIPADDR, u"IP Address: " + GetIPFromHostName(sockets_, Text(IDC_IH_TXTHOSTNAME)));
    });
}

void frmIPFromHost::cmdExit_Click() { Unload(); }

bool frmIPFromHost::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    if (id == IDC_IH_CMDGETIPADDR || id == IDOK) cmdGetIPAddr_Click();
    else if (id == IDC_IH_CMDEXIT || id == IDCANCEL) cmdExit_Click();
    return true;
}

}  // namespace wf
