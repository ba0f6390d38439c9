#pragma once
// Helpers for driving real windows from tests: answering modal dialogs from
// hooks and pumping messages.
#include <windows.h>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "common/Errors.h"
#include "platform/win32/Forms.h"
#include "platform/win32/WinUtil.h"

namespace wf::test {

// While alive, every dialog (#32770) that this thread activates is handed to
// `onDialog`, which may read it and answer it (post a command, set text...).
class DialogAnswerer {
public:
    explicit DialogAnswerer(std::function<void(HWND)> onDialog);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;
    int seen = 0;

private:
    static LRESULT CALLBACK Hook(int code, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK InitHook(int code, WPARAM wp, LPARAM lp);
    HHOOK hook_, initHook_;
    std::function<void(HWND)> onDialog_;
};

// Posts a button press to a dialog; it takes effect once its loop runs.
void PressButton(HWND dialog, int id);
using win::WindowText;
// The message text of a message box (its static control 0xFFFF).
std::u16string MessageBoxText(HWND box);
// A window's caption, then every control's text in the order of the controls, joined by "|".
std::u16string AllTexts(HWND window);
// A key press as the message loop gets it, through the dialogs' routing; true if a dialog took it.
bool PressKey(const win::Forms& forms, HWND control, WPARAM key);

// The CommandError that `call` throws; number -1 when it throws none.
CommandError Thrown(const std::function<void()>& call);

// The clipboard's text, or a marker when it is busy or holds none.
std::u16string ClipboardText();

// The entries of a list box or a combo box, as they read.
std::vector<std::u16string> ListItems(HWND list);
// A user's step on a dialog's control, by id, as its class takes it: a button
// is clicked, an edit box gets `text` typed in (it notifies by itself), and a
// list or combo box has the entry that reads `text` (an indentation of blanks
// aside) chosen, then `code` sent, its selection change by default.
struct Step {
    int id;
    std::u16string text = {};
    WORD code = 0;
};
// Takes the steps in order, then reads the texts of the `read` controls joined by "|".
std::u16string Drive(HWND dialog, const std::vector<Step>& steps, std::initializer_list<int> read = {});

// Runs queued messages of this thread.
void PumpMessages();

// A folder of its own under %TEMP%, removed with what the test put in it.
struct ScratchFolder {
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::u16string Path(std::u16string_view name) const { return (dir / name).u16string(); }
    std::u16string File(std::u16string_view name, std::string_view bytes);  // written whole, or throws
    std::u16string Folder(std::u16string_view name);
    const std::filesystem::path dir;
};

// A file's bytes, or "<missing>" when it cannot be read.
std::string FileBytes(const std::u16string& path);

}  // namespace wf::test
