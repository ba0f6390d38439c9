#pragma once
// frmAbout: title, version, description and the way to System Information.
#include "platform/Launcher.h"
#include "platform/Prompts.h"
#include "platform/Registry.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Handle.h"

namespace wf {

class frmAbout : public win::DialogForm {
public:
    frmAbout(win::Forms& forms, Registry& registry, Launcher& launcher, Prompts& prompts);

    void cmdOK_Click() { Unload(); }
    void cmdSysInfo_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool OnCommand(int id, int notifyCode) override;
    HBRUSH OnCtlColor(HDC dc, HWND control) override;

private:
    Registry& registry_;
    Launcher& launcher_;
    Prompts& prompts_;
    win::UniqueGdi linkFont_;
};

}  // namespace wf
