#pragma once
// Small Win32 helpers every window uses.
#include <windows.h>

#include <string>
#include <vector>

namespace wf::win {

// The program's own path, and the folder that holds it.
std::u16string ExePath();
std::u16string ProgramFolder();

// Whether a file (not a folder) exists by that name.
bool FileExists(std::u16string_view path);
// Whether it is a file this program can open for reading now: a folder, a
// locked or unreadable file is not.
bool FileReadable(std::u16string_view path);

// A window's or control's whole text.
std::u16string WindowText(HWND h);

// Disables every enabled top-level window of this thread while it lives, as
// a task-modal message box does, so no window takes a click behind a modal
// box whose handler is suspended. Only the windows it disabled come back.
class ThreadModal {
public:
    ThreadModal();
    ~ThreadModal();
    ThreadModal(const ThreadModal&) = delete;
    ThreadModal& operator=(const ThreadModal&) = delete;

private:
    static BOOL CALLBACK Collect(HWND wnd, LPARAM self);
    std::vector<HWND> disabled_;
};

// For callbacks from Win32, where no exception may unwind into USER32: call
// inside a catch block; shows what escaped and lets the program carry on.
void ShowEscapedException();

// The wait pointer for the life of the object; the window takes no input then.
class BusyCursor {
public:
    BusyCursor() : previous_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~BusyCursor() { SetCursor(previous_); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    HCURSOR previous_;
};

}  // namespace wf::win
