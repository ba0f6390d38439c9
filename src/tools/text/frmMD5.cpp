#include "tools/text/frmMD5.h"

#include <string>

#include "common/ErrorReport.h"
#include "common/Errors.h"
#include "frmMD5Ids.h"
#include "platform/win32/Handle.h"
#include "platform/win32/WinUtil.h"

namespace wf {

using namespace std::string_view_literals;

namespace {

constexpr std::u16string_view kTitle = u"MD5 Hashing";
constexpr std::u16string_view kLoadCommand = u"Main loading procedure";
constexpr std::u16string_view kSelfTestText = u"test";
constexpr std::u16string_view kSelfTestDigest = u"098f6bcd4621d373cade4e832627b4f6";
// Not a crash, not success: the exit code says why the program ended.
constexpr UINT kExitLibraryMissing = 48;

// A path pasted with the quotes Explorer's "Copy as path" adds; no file name
// can hold a quote, so dropping them loses nothing.
std::u16string WithoutQuotes(std::u16string path) {
    if (path.size() >= 2 && path.front() == u'"' && path.back() == u'"') path = path.substr(1, path.size() - 2);
    return path;
}

}  // namespace

frmMD5::frmMD5(win::Forms& forms, Prompts& prompts, CommonDialogs& dialogs, Clipboard& clipboard,
               Md5Library& library)
    : DialogForm(forms, IDD_FRMMD5), prompts_(prompts), dialogs_(dialogs), clipboard_(clipboard), library_(library) {}

void frmMD5::Form_Load() {
    // The text box holds any text the user pastes, not just the default 32K.
    SendMessageW(Item(IDC_TXTINPUTSTRING), EM_SETLIMITTEXT, 0, 0);

    // Each step runs under the Abort/Retry/Ignore protocol, except that a
    // library which cannot be loaded ends the program.
    const auto step = [this](auto&& body) {
        const StepResult r = RunStep(prompts_, kLoadCommand, [&] {
            try {
                body();
            } catch (const CommandError& e) {
                if (e.number() == err::DllLoad) FileMissing();
                throw;
            }
        });
        return r != StepResult::Aborted;
    };
    if (!step([&] { SelfTest(); })) return;
    if (!step([&] { SetText(IDC_TXTSTRINGHASH, u""); })) return;
    if (!step([&] {
            loading_ = true;
            SetText(IDC_TXTINPUTSTRING, u"");
            loading_ = false;
            ShowStringHash();
        }))
        return;
    if (!step([&] { SetText(IDC_TXTFILEHASH, u""); })) return;
    step([&] { SetText(IDC_TXTINPUTFILE, u""); });
}

void frmMD5::SelfTest() {
    if (MD5String(library_, kSelfTestText) != kSelfTestDigest)
        prompts_.MsgBox(u"The aamd532.dll file you have is invalid! Please re-install!", u"File Invalid",
                        mb::Exclamation + mb::OkOnly);
}

void frmMD5::FileMissing() {
    prompts_.MsgBox(u"The aamd532.dll file was not found. Please re-install!", u"File missing!",
                    mb::Exclamation + mb::OkOnly);
    // At once: no window is unloaded, nothing else runs.
    ExitProcess(kExitLibraryMissing);
}

void frmMD5::ShowStringHash() { SetText(IDC_TXTSTRINGHASH, MD5String(library_, Text(IDC_TXTINPUTSTRING))); }

void frmMD5::txtInputString_Change() {
    // Outside Form_Load nobody traps a failure here (a library that lost an
    // entry point after an Ignore): say so rather than show an old digest.
    try {
        ShowStringHash();
    } catch (const CommandError& e) {
        SetText(IDC_TXTSTRINGHASH, u"");
        prompts_.MsgBox(u"The string could not be hashed:\r\n" + e.description(), kTitle, mb::Exclamation);
    }
}

void frmMD5::cmdGo_Click() {
    const std::u16string path = WithoutQuotes(Text(IDC_TXTINPUTFILE));
    // The digest shown must always belong to the file named now.
    SetText(IDC_TXTFILEHASH, u"");
    if (path.empty()) {
        prompts_.MsgBox(u"Type the name of a file to hash, or choose one with the \"...\" button.", kTitle,
                        mb::Exclamation);
        return;
    }
    std::u16string digest;
    try {
        win::BusyCursor busy;
        digest = MD5File(library_, files_, path);
    } catch (const CommandError& e) {
        prompts_.MsgBox(u"The file \"" + path + u"\" could not be hashed:\r\n" + e.description(), kTitle,
                        mb::Exclamation);
        return;
    }
    SetText(IDC_TXTFILEHASH, digest);
}

void frmMD5::cmdBrowse_Click() {
    const std::u16string chosen =
        dialogs_.ShowOpenSaveDialog(reinterpret_cast<uintptr_t>(hwnd()), 1, u"Choose file...", u"",
                                    u"Any File\0*.*"sv, u"", u"");
    if (chosen.empty()) return;
    SetText(IDC_TXTINPUTFILE, chosen);
    cmdGo_Click();
}

void frmMD5::cmdStringCopy_Click() { CopyText(clipboard_, prompts_, Text(IDC_TXTSTRINGHASH)); }

void frmMD5::cmdFileCopy_Click() { CopyText(clipboard_, prompts_, Text(IDC_TXTFILEHASH)); }

void frmMD5::cmdExit_Click() { Unload(); }

void frmMD5::OnDropFiles(HDROP drop) {
    // Of several files, the first: there is one path box.
    std::u16string path;
    if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
        path.resize(DragQueryFileW(drop, 0, nullptr, 0) + 1);
        path.resize(DragQueryFileW(drop, 0, reinterpret_cast<wchar_t*>(path.data()), static_cast<UINT>(path.size())));
    }
    if (path.empty()) return;
    SetText(IDC_TXTINPUTFILE, path);
    cmdGo_Click();
}

bool frmMD5::OnCommand(int id, int notifyCode) {
    if (id == IDC_TXTINPUTSTRING) {
        if (notifyCode == EN_CHANGE && !loading_) txtInputString_Change();
        return true;
    }
    if (notifyCode != BN_CLICKED) return false;
    switch (id) {
    case IDC_CMDGO: cmdGo_Click(); break;
    case IDC_CMDBROWSE: cmdBrowse_Click(); break;
    case IDC_CMDSTRINGCOPY: cmdStringCopy_Click(); break;
    case IDC_CMDFILECOPY: cmdFileCopy_Click(); break;
    case IDC_CMDEXIT: cmdExit_Click(); break;
    default: return true;  // Esc: the window has no cancel button
    }
    return true;
}

}  // namespace wf
