#pragma once
// frmNetEnum: the computers (or domains) that the network browser knows, of
// one server type.
#include <windows.h>

#include <functional>

#include "platform/NetApi.h"
#include "platform/Prompts.h"
#include "platform/win32/Forms.h"

namespace wf {

// Whether the system is Windows 2000 or later (the NT-only network calls exist).
using OsTest = std::function<bool()>;

class frmNetEnum : public win::DialogForm {
public:
    frmNetEnum(win::Forms& forms, Prompts& prompts, NetApi& net, OsTest isWinNT2000);

    void cmbTypes_Click();
    void cmdList_Click();
    void cmdExit_Click();
    // Fills lstComputers for `typeMask`; the number of entries listed.
    size_t ListComputersOfType(uint32_t typeMask);

protected:
    void Form_Load() override;
    bool OnCommand(int id, int notifyCode) override;

private:
    void ListSelectedType();

    Prompts& prompts_;
    NetApi& net_;
    OsTest isWinNT2000_;
};

}  // namespace wf
