#pragma once
// frmMessages: sends one typed text as a mailslot datagram per press and
// shows how the write went.
#include <windows.h>

#include "platform/Mailslots.h"
#include "platform/win32/Forms.h"

namespace wf {

class frmMessages : public win::DialogForm {
public:
    frmMessages(win::Forms& forms, Mailslots& mailslots);

    void txtSend_Click();
    void txtCancel_Click();

protected:
    void Form_Load() override;
    bool OnCommand(int id, int notifyCode) override;

private:
    Mailslots& mailslots_;
};

}  // namespace wf
