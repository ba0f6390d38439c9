#pragma once
// Helpers for driving real windows from tests: answering modal dialogs from
// hooks and pumping messages.
#include <windows.h>

#include <functional>
#include <string>

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
std::u16string WindowText(HWND h);
// The message text of a message box (its static control 0xFFFF).
std::u16string MessageBoxText(HWND box);

// The clipboard's text, or a marker when it is busy or holds none.
std::u16string ClipboardText();

// Runs queued messages of this thread.
void PumpMessages();

}  // namespace wf::test
