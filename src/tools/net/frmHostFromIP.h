#pragma once
// frmHostFromIP: the host name registered for a typed IPv4 address.
#include <windows.h>

#include "platform/Prompts.h"
#include "platform/Sockets.h"
#include "platform/win32/Forms.h"

namespace wf {

class frmHostFromIP : public win::DialogForm {
public:
    frmHostFromIP(win::Forms& forms, Prompts& prompts, Sockets& sockets);

    void cmdGetHost_Click();
    void cmdExit_Click();

protected:
    void Form_Load() override;
    bool OnCommand(int id, int notifyCode) override;

private:
    Prompts& prompts_;
    Sockets& sockets_;
};

}  // namespace wf
