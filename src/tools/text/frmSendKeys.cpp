#include "tools/text/frmSendKeys.h"

#include <string>

#include "tools/text/SendKeys.h"
#include "tools/text/frmSendKeysIds.h"

namespace wf {

frmSendKeys::frmSendKeys(win::Forms& forms, Prompts& prompts, Keyboard& keyboard)
    : DialogForm(forms, IDD_FRMSENDKEYS), prompts_(prompts), keyboard_(keyboard) {}

void frmSendKeys::Form_Load() { SetText(IDC_SK_TXTHOWMANY, u"1"); }

void frmSendKeys::cmdSend_Click() {
    if (sending_) return;
    {
        struct Busy {
            bool& flag;
            ~Busy() { flag = false; }
        } busy{sending_};
        sending_ = true;
        SendKeysCommand(prompts_, keyboard_, Text(IDC_SK_TXTPROGNAME), Text(IDC_SK_TXTHOWMANY),
                        [this] { return Text(IDC_SK_TXTSEND); });
    }
    if (unloadPending_) Unload();  // last: this may delete the window
}

void frmSendKeys::txtHowMany_Change() {
    HWND box = Item(IDC_SK_TXTHOWMANY);
    DWORD start = 0;
    SendMessageW(box, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
    const CountBoxEdit edit = NormaliseCount(Text(IDC_SK_TXTHOWMANY), start);
    // Only a real change is written back: the box reports its own change,
    // and the text it then holds is already a number.
    if (edit.text != Text(IDC_SK_TXTHOWMANY)) SetText(IDC_SK_TXTHOWMANY, edit.text);
    SendMessageW(box, EM_SETSEL, edit.caret, edit.caret);
}

void frmSendKeys::cmdCancel_Click() {
    if (sending_) {
        unloadPending_ = true;
        return;
    }
    Unload();
}

bool frmSendKeys::OnCommand(int id, int notifyCode) {
    if (id == IDC_SK_TXTHOWMANY) {
        if (notifyCode == EN_CHANGE) txtHowMany_Change();
        return true;
    }
    if (notifyCode != BN_CLICKED) return false;
    if (id == IDC_SK_CMDSEND) cmdSend_Click();
    if (id == IDCANCEL) cmdCancel_Click();
    return true;
}

bool frmSendKeys::OnClose() {
    if (!sending_) return true;
    unloadPending_ = true;
    return false;
}

}  // namespace wf
