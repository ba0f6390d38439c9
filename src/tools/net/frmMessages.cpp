#include "tools/net/frmMessages.h"

#include "tools/net/MailslotMessage.h"
#include "tools/net/frmMessagesIds.h"

namespace wf {

frmMessages::frmMessages(win::Forms& forms, Mailslots& mailslots)
    : DialogForm(forms, IDD_FRMMESSAGES), mailslots_(mailslots) {}

void frmMessages::Form_Load() {
    // The tool sets no length limit of its own: the boxes take whatever is pasted.
    for (int id : {IDC_MS_TXTFROM, IDC_MS_TXTTO, IDC_MS_TXTMESSAGE}) SendMessageW(Item(id), EM_SETLIMITTEXT, 0, 0);
}

void frmMessages::txtSend_Click() {
    SetText(IDC_MS_LBLSTATUS, SendAMessage(mailslots_, Text(IDC_MS_TXTFROM), Text(IDC_MS_TXTTO), Text(IDC_MS_TXTMESSAGE)));
    SetText(IDC_MS_TXTCANCEL, u"&Exit");
}

void frmMessages::txtCancel_Click() { Unload(); }

bool frmMessages::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    if (id == IDC_MS_TXTSEND) txtSend_Click();
    else if (id == IDC_MS_TXTCANCEL) txtCancel_Click();
    return true;  // Enter and Esc: neither button is a default or cancel button
}

}  // namespace wf
