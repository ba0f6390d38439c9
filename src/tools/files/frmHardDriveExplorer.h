#pragma once
// frmHardDriveExplorer: the drive, folder and file lists of QuilletLists and
// the six actions of DoQuilletAction on the selected file.
#include <windows.h>

#include <cstdint>
#include <string>

#include "common/Errors.h"
#include "platform/FileOperations.h"
#include "platform/FolderLists.h"
#include "platform/Launcher.h"
#include "platform/Prompts.h"
#include "platform/win32/Forms.h"
#include "tools/files/Quillet.h"

namespace wf {

class frmHardDriveExplorer : public win::DialogForm {
public:
    frmHardDriveExplorer(win::Forms& forms, Prompts& prompts, Launcher& launcher, FileOperations& files,
                         FolderLists& folders, std::u16string programFolder);

    void drvFiles_Change();
    // A double click or Enter on a line of the folder list.
    void dirFiles_Open();
    void filFiles_Click();
    void txtFilter_Change();
    void optWhat_Click(int Index);
    void filFiles_DblClick();
    void cmdDo_Click();
    void Form_DblClick();
    void cmdExit_Click();

    int16_t ActionIndex() const { return ActionIndex_; }
    const std::u16string& lblPathTag() const { return lists_.Tag(); }

protected:
    void Form_Load() override;
    bool OnCommand(int id, int notifyCode) override;
    bool OnMessage(UINT msg, WPARAM wp, LPARAM lp, INT_PTR& result) override;

private:
    // Puts the lists and the path label in step with lists_.
    void ShowDrives();
    void ShowFolders();
    void ShowFiles();
    void ShowPath();
    // Opens a folder; one that cannot be read is named in a message and the
    // lists stay as they were.
    void OpenFolder(const std::u16string& folder);
    void CannotOpen(std::u16string_view what, const CommandError& e);

    Prompts& prompts_;
    ActionServices services_;
    std::u16string programFolder_;
    QuilletLists lists_;
    int16_t ActionIndex_ = 0;
};

}  // namespace wf
