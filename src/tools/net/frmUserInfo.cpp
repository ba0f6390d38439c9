#include "tools/net/frmUserInfo.h"

#include "platform/win32/WinUtil.h"
#include "tools/net/NetEnum.h"
#include "tools/net/UserInfo.h"
#include "tools/net/frmUserInfoIds.h"

namespace wf {

frmUserInfo::frmUserInfo(win::Forms& forms, Prompts& prompts, NetApi& net, OsTest isWinNT2000,
                         std::u16string userName, std::u16string serverName)
    : DialogForm(forms, IDD_FRMUSERINFO),
      prompts_(prompts),
      net_(net),
      isWinNT2000_(std::move(isWinNT2000)),
      userName_(std::move(userName)),
      serverName_(std::move(serverName)) {}

void frmUserInfo::Form_Load() {
    for (int id : {IDC_UI_TXTUSERNAME, IDC_UI_TXTSERVERNAME}) SendMessageW(Item(id), EM_SETLIMITTEXT, 0, 0);
    SetText(IDC_UI_TXTUSERNAME, userName_);
    SetText(IDC_UI_TXTSERVERNAME, serverName_);
}

void frmUserInfo::cmdGetInfo_Click() {
    if (!isWinNT2000_()) {
        prompts_.MsgBox(kNtOnlyMessage, u"UserInfo", mb::Information);
        return;
    }
    const std::u16string user = Text(IDC_UI_TXTUSERNAME), server = Text(IDC_UI_TXTSERVERNAME);
    if (user.empty() || server.empty()) return;
    UserInfoRecord info;
    {
        // The account call blocks this window until the server answers.
        const win::BusyCursor busy;
        info = FetchUserInfo(net_, ServerNameBuffer(server), UserNameBuffer(user));
    }
    SetText(IDC_UI_TXTINFONAME, info.Name);
    SetText(IDC_UI_TXTINFOFULL, info.FullName);
    SetText(IDC_UI_TXTINFOSERVERCOMMENTS, info.Comment);
    SetText(IDC_UI_TXTINFOUSERCOMMENTS, info.UserComment);
}

void frmUserInfo::cmdExit_Click() { Unload(); }

bool frmUserInfo::OnCommand(int id, int notifyCode) {
    if (notifyCode != BN_CLICKED) return false;
    if (id == IDC_UI_CMDGETINFO || id == IDOK) cmdGetInfo_Click();
    else if (id == IDC_UI_CMDEXIT || id == IDCANCEL) cmdExit_Click();
    return true;
}

}  // namespace wf
