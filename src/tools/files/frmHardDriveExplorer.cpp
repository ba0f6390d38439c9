#include "tools/files/frmHardDriveExplorer.h"

#include "platform/win32/Handle.h"
#include "platform/win32/WideText.h"
#include "tools/files/frmHardDriveExplorerIds.h"

namespace wf {
namespace {

LRESULT Send(HWND h, UINT msg, WPARAM wp = 0, LPARAM lp = 0) { return SendMessageW(h, msg, wp, lp); }

void FillList(HWND list, UINT resetMsg, UINT addMsg, const std::vector<std::u16string>& lines) {
    Send(list, WM_SETREDRAW, FALSE);
    Send(list, resetMsg);
    for (const auto& line : lines) Send(list, addMsg, 0, reinterpret_cast<LPARAM>(win::W(line)));
    Send(list, WM_SETREDRAW, TRUE);
    InvalidateRect(list, nullptr, TRUE);
}

}  // namespace

frmHardDriveExplorer::frmHardDriveExplorer(win::Forms& forms, Prompts& prompts, Launcher& launcher,
                                           FileOperations& files, FolderLists& folders, std::u16string programFolder)
    : DialogForm(forms, IDD_FRMHARDDRIVEEXPLORER),
      prompts_(prompts),
      services_{prompts, launcher, files},
      programFolder_(std::move(programFolder)),
      lists_(folders) {}

void frmHardDriveExplorer::Form_Load() {
    SetText(IDC_HD_TXTFILTER, u"*.*");
    SetText(IDC_HD_TXTOPENWITH, u"explorer.exe");
    ActionIndex_ = action::Shell;
    CheckRadioButton(hwnd(), IDC_HD_OPTWHAT_BASE, IDC_HD_OPTWHAT_BASE + 5, IDC_HD_OPTWHAT_BASE + action::Shell);
    try {
        lists_.Load(programFolder_);
    } catch (const CommandError& e) {
        CannotOpen(programFolder_, e);
    }
    ShowDrives();
    ShowFolders();
    ShowFiles();
    ShowPath();
    // The file list is what the window is for; and Wine's drive combo box
    // would swallow Alt+F4 if it had the focus first.
    PostMessageW(hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_HD_FILFILES)), TRUE);
}

void frmHardDriveExplorer::ShowDrives() {
    std::vector<std::u16string> names;
    for (const auto& d : lists_.Drives()) names.push_back(DriveDisplayName(d));
    FillList(Item(IDC_HD_DRVFILES), CB_RESETCONTENT, CB_ADDSTRING, names);
    Send(Item(IDC_HD_DRVFILES), CB_SETCURSEL, lists_.DriveIndex());
}

void frmHardDriveExplorer::ShowFolders() {
    std::vector<std::u16string> lines;
    // Indented as a tree: each ancestor one step in, the subfolders one more.
    for (const auto& line : lists_.FolderLines()) lines.push_back(std::u16string(2 * line.level, u' ') + line.text);
    FillList(Item(IDC_HD_DIRFILES), LB_RESETCONTENT, LB_ADDSTRING, lines);
    Send(Item(IDC_HD_DIRFILES), LB_SETCURSEL, lists_.CurrentFolderLine());
}

void frmHardDriveExplorer::ShowFiles() {
    FillList(Item(IDC_HD_FILFILES), LB_RESETCONTENT, LB_ADDSTRING, lists_.Files());
}

void frmHardDriveExplorer::ShowPath() { SetText(IDC_HD_LBLPATH, lists_.Caption()); }

void frmHardDriveExplorer::CannotOpen(std::u16string_view what, const CommandError& e) {
    prompts_.MsgBox(u"Cannot open " + std::u16string(what) + u":\r\n" + e.description(), u"", mb::Exclamation);
}

void frmHardDriveExplorer::OpenFolder(const std::u16string& folder) {
    try {
        lists_.ChangeFolder(folder);
    } catch (const CommandError& e) {
        CannotOpen(folder, e);
        ShowFolders();  // back on the current folder's line
        return;
    }
    ShowDrives();
    ShowFolders();
    ShowFiles();
    ShowPath();
}

void frmHardDriveExplorer::drvFiles_Change() {
    const LRESULT index = Send(Item(IDC_HD_DRVFILES), CB_GETCURSEL);
    if (index < 0 || static_cast<size_t>(index) >= lists_.Drives().size()) return;
    const DriveEntry drive = lists_.Drives()[static_cast<size_t>(index)];
    try {
        lists_.ChangeDrive(drive.letter);
    } catch (const CommandError& e) {
        // No medium, or the network drive gone: the previous drive stays.
        CannotOpen(DriveDisplayName(drive), e);
        ShowDrives();
        return;
    }
    ShowFolders();
    ShowFiles();
    ShowPath();
}

void frmHardDriveExplorer::dirFiles_Open() {
    const LRESULT index = Send(Item(IDC_HD_DIRFILES), LB_GETCURSEL);
    if (index < 0 || static_cast<size_t>(index) >= lists_.FolderLines().size()) return;
    OpenFolder(lists_.FolderLines()[static_cast<size_t>(index)].path);
}

void frmHardDriveExplorer::filFiles_Click() {
    const LRESULT index = Send(Item(IDC_HD_FILFILES), LB_GETCURSEL);
    if (index < 0) return;
    lists_.ClickFile(static_cast<size_t>(index));
    ShowPath();
}

void frmHardDriveExplorer::txtFilter_Change() {
    lists_.SetFilter(Text(IDC_HD_TXTFILTER));
    ShowFiles();
}

void frmHardDriveExplorer::optWhat_Click(int Index) { ActionIndex_ = static_cast<int16_t>(Index); }

void frmHardDriveExplorer::filFiles_DblClick() {
    std::optional<ActionTarget> target;
    if (const auto selected = lists_.SelectedFile())
        target = ActionTarget{lists_.Caption(), lists_.Files()[*selected], lists_.Tag()};
    // Nothing is refreshed afterwards: the lists show what they showed.
    DoQuilletAction(ActionIndex_, target, Text(IDC_HD_TXTOPENWITH), services_);
}

void frmHardDriveExplorer::cmdDo_Click() { filFiles_DblClick(); }

void frmHardDriveExplorer::Form_DblClick() {
    const std::u16string folder = prompts_.InputBox(u"What folder?", u"Wrenfold", u"");
    if (folder.empty()) return;  // Cancel changes nothing
    OpenFolder(folder);
}

void frmHardDriveExplorer::cmdExit_Click() { Unload(); }

bool frmHardDriveExplorer::OnCommand(int id, int notifyCode) {
    if (id >= IDC_HD_OPTWHAT_BASE && id <= IDC_HD_OPTWHAT_BASE + 5) {
        if (notifyCode == BN_CLICKED) optWhat_Click(id - IDC_HD_OPTWHAT_BASE);
        return true;
    }
    switch (id) {
    case IDC_HD_DRVFILES:
        if (notifyCode == CBN_SELCHANGE) drvFiles_Change();
        return true;
    case IDC_HD_DIRFILES:
        if (notifyCode == LBN_DBLCLK) dirFiles_Open();
        return true;
    case IDC_HD_FILFILES:
        if (notifyCode == LBN_SELCHANGE) filFiles_Click();
        if (notifyCode == LBN_DBLCLK) filFiles_DblClick();
        return true;
    case IDC_HD_TXTFILTER:
        if (notifyCode == EN_CHANGE) txtFilter_Change();
        return true;
    case IDC_HD_CMDDO:
        if (notifyCode == BN_CLICKED) cmdDo_Click();
        return true;
    case IDC_HD_CMDEXIT:
        if (notifyCode == BN_CLICKED) cmdExit_Click();
        return true;
    case IDOK:
        // Enter opens the chosen folder as a folder list does.
        if (GetFocus() == Item(IDC_HD_DIRFILES)) dirFiles_Open();
        return true;
    default:
        return id == IDCANCEL;  // Esc: the window has no cancel button
    }
}

bool frmHardDriveExplorer::OnMessage(UINT msg, WPARAM, LPARAM, INT_PTR& result) {
    if (msg != WM_LBUTTONDBLCLK) return false;
    Form_DblClick();
    result = 0;
    return true;
}

}  // namespace wf
