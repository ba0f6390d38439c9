#pragma once
// frmNumberConv: the number converter window, bound to ConvertNumber.
#include <windows.h>

#include <cstdint>

#include "platform/Prompts.h"
#include "platform/win32/Forms.h"
#include "tools/text/NumberConversion.h"

namespace wf {

class frmNumberConv : public win::DialogForm {
public:
    frmNumberConv(win::Forms& forms, Prompts& prompts);

    void optInputType_Click(int Index);
    void optOutputType_Click(int Index);
    void cmdConvert_Click();
    void cmdExit_Click();

    int32_t InputType() const { return InputType_; }
    int32_t OutputType() const { return OutputType_; }

protected:
    void Form_Load() override;
    bool OnCommand(int id, int notifyCode) override;
    bool OnClose() override;
    HBRUSH OnCtlColor(HDC dc, HWND control) override;

private:
    Prompts& prompts_;
    int32_t InputType_ = base::Decimal;
    int32_t OutputType_ = base::Decimal;
    // The error report runs a message loop of its own, in which Convert!,
    // Exit or the close box can be pressed: a second Convert! is ignored and
    // closing is put off until the conversion is done, since the window must
    // outlive the handler that is still running.
    bool converting_ = false;
    bool unloadPending_ = false;
};

}  // namespace wf
