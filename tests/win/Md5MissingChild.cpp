// Started by the MD5 tests as a process of its own: opens frmMD5 with a
// library folder that holds no aamd532.dll, beside another window whose
// unload would be written down, and answers the message box by hook.
//   md5_missing_child FOLDER RECORD
// RECORD receives one line per event: "box|TITLE|TEXT|BUTTONS|ICON",
// "unloaded" (a window was unloaded) or "survived" (the program went on).
#include <windows.h>

#include <cstdio>
#include <string>

#include "common/Text.h"
#include "fakes/FakeCommonDialogs.h"
#include "platform/win32/Forms.h"
#include "platform/win32/Win32Clipboard.h"
#include "platform/win32/Win32Prompts.h"
#include "tools/text/frmMD5.h"
#include "win/TestWindowIds.h"
#include "win/WinTestSupport.h"
#include "platform/win32/WideText.h"

namespace {

FILE* record = nullptr;

// Written at once: ExitProcess flushes nothing of ours.
void Note(const std::u16string& line) {
    std::fputs((wf::ToUtf8(line) + "\n").c_str(), record);
    std::fflush(record);
}

class Bystander : public wf::win::DialogForm {
public:
    explicit Bystander(wf::win::Forms& forms) : DialogForm(forms, IDD_TESTWINDOW) {}

protected:
    void Form_Unload() override { Note(u"unloaded"); }
};

std::u16string IconOf(HWND box) {
    // The icon's control id differs between Windows (20) and Wine (1088).
    HICON icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, 20, STM_GETICON, 0, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendDlgItemMessageW(box, 1088, STM_GETICON, 0, 0));
    return !icon ? u"none" : icon == LoadIconW(nullptr, IDI_EXCLAMATION) ? u"exclamation" : u"other";
}

void Answer(HWND box) {
    if (!GetDlgItem(box, 0xFFFF)) return;  // not a message box: the bystander coming back
    std::u16string buttons;
    for (int id : {IDOK, IDCANCEL, IDABORT, IDRETRY, IDIGNORE, IDYES, IDNO})
        if (GetDlgItem(box, id)) buttons += wf::ToU16(std::to_string(id)) + u",";
    Note(u"box|" + wf::test::WindowText(box) + u"|" + wf::test::MessageBoxText(box) + u"|" + buttons + u"|" +
         IconOf(box));
    wf::test::PressButton(box, IDOK);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return 2;
    record = _wfopen(argv[2], L"wb");
    if (!record) return 3;
    wf::win::Forms forms;
    wf::win::Win32Prompts prompts;
    wf::test::FakeCommonDialogs dialogs;
    wf::win::Win32Clipboard clipboard;
    wf::Aamd532Library library(wf::win::U(argv[1]));
    forms.Open<Bystander>("bystander");
    wf::test::DialogAnswerer answerer(Answer);
    forms.Open<wf::frmMD5>("frmMD5", prompts, dialogs, clipboard, library);
    Note(u"survived");
    forms.UnloadAll();
    std::fclose(record);
    return 0;
}
