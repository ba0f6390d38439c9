#pragma once
// frmIPFromHost: the IPv4 address of a typed host name.
#include <windows.h>

#include <functional>

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

// Both look-up windows' button: the look-up and its showing, between the
// window's own start-up and clean-up of the sockets library, under the wait
// pointer (the resolver blocks the window until it answers or gives up).
// Nothing but the message when the library does not start.
void LookUp(Sockets& sockets, Prompts& prompts, const std::function<void()>& lookUpAndShow);

}  // namespace wf
