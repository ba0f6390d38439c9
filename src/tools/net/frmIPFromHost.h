#pragma once
// frmIPFromHost: the IPv4 address of a typed host name.
#include <windows.h>

#include "platform/Prompts.h"
#include "platform/Sockets.h"
#include "platform/win32/Forms.h"

namespace wf {

class frmIPFromHost : public win::DialogForm {
public:
    frmIPFromHost(win::Forms& forms, Prompts& prompts, Sockets& sockets);

    void cmdGetIPAddr_Click();
    void cmdExit_Click();

protected:
    void Form_Load() override;
    bool OnCommand(int id, int notifyCode) override;

private:
    Prompts& prompts_;
    Sockets& sockets_;
};

// Shown by both look-up windows when the sockets library does not start.
void ReportSocketsNotResponding(Prompts& prompts);

}  // namespace wf
