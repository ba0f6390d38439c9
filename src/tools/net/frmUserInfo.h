#pragma once
// frmUserInfo: the account name, full name and comments that a server holds
// for a user name.
#include <windows.h>

#include <string>

#include "platform/NetApi.h"
#include "platform/Prompts.h"
#include "platform/win32/Forms.h"
#include "tools/net/frmNetEnum.h"

namespace wf {

class frmUserInfo : public win::DialogForm {
public:
    // `userName` and `serverName` are what the two boxes hold at load.
    frmUserInfo(win::Forms& forms, Prompts& prompts, NetApi& net, OsTest isWinNT2000, std::u16string userName,
                std::u16string serverName);

    void cmdGetInfo_Click();
    void cmdExit_Click();

protected:
    void Form_Load() override;
    bool OnCommand(int id, int notifyCode) override;

private:
    Prompts& prompts_;
    NetApi& net_;
    OsTest isWinNT2000_;
    std::u16string userName_, serverName_;
};

}  // namespace wf
