#pragma once
// frmMD5: MD5 digests of a typed text and of a named file, through modMD5,
// with copies to the clipboard. Checks the library against a known digest
// whenever it opens.
#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>

#include "platform/Clipboard.h"
#include "platform/CommonDialogs.h"
#include "platform/Prompts.h"
#include "platform/win32/Forms.h"
#include "tools/text/Win32Md5.h"

namespace wf {

class frmMD5 : public win::DialogForm {
public:
    frmMD5(win::Forms& forms, Prompts& prompts, CommonDialogs& dialogs, Clipboard& clipboard, Md5Library& library);

    void txtInputString_Change();
    void cmdGo_Click();
    void cmdBrowse_Click();
    void cmdStringCopy_Click();
    void cmdFileCopy_Click();
    void cmdExit_Click();

protected:
    void Form_Load() override;
    bool OnCommand(int id, int notifyCode) override;
    void OnDropFiles(HDROP drop) override;

private:
    void ShowStringHash();
    void SelfTest();
    // The library cannot be loaded: tell the user and end the program at once.
    [[noreturn]] void FileMissing();

    Prompts& prompts_;
    CommonDialogs& dialogs_;
    Clipboard& clipboard_;
    Md5Library& library_;
    Win32Md5Files files_;
    // While Form_Load empties txtInputString itself, so that the digest it
    // causes falls under Form_Load's error handling.
    bool loading_ = false;
};

}  // namespace wf
