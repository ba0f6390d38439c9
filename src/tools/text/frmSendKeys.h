#pragma once
// frmSendKeys: types a text into another program's window a number of times.
#include <windows.h>

#include "platform/Keyboard.h"
#include "platform/Prompts.h"
#include "platform/win32/Forms.h"

namespace wf {

class frmSendKeys : public win::DialogForm {
public:
    frmSendKeys(win::Forms& forms, Prompts& prompts, Keyboard& keyboard);

    void cmdSend_Click();
    void txtHowMany_Change();
    void cmdCancel_Click();

protected:
    void Form_Load() override;
    bool OnCommand(int id, int notifyCode) override;
    bool OnClose() override;

private:
    Prompts& prompts_;
    Keyboard& keyboard_;
    // A send can run this window's own events (the error report's loop, or
    // keys typed into this very window when activation was ignored): a second
    // Send is ignored then, and closing waits until the send is over.
    bool sending_ = false;
    bool unloadPending_ = false;
};

}  // namespace wf
